#include "controls/Cutebtn.h"

#include "text/ShiftJis.h"

namespace sorvane {

namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

TCuteButton::TCuteButton(Desktop& desktop, CuteButtonParent* parent)
    : desktop_(desktop), parent_(parent) {
  height = 25;
  tabStop = true;
  width = 75;
}

void TCuteButton::SetFlat(bool flat) {
  if (flat == FFlat) return;
  FFlat = flat;
  bevelInner = flat ? Bevel::kNone : Bevel::kRaised;
}

void TCuteButton::CMMouseEnter() {
  if (parent_ != nullptr) parent_->ChildMouseEnter(*this);
  if (OnMouseEnter) OnMouseEnter(*this);
  // The high bit of the key state says the button is down.
  bevelOuter = desktop_.LeftButtonKeyState() < -126 ? Bevel::kLowered : Bevel::kRaised;
}

void TCuteButton::CMMouseLeave() {
  if (parent_ != nullptr) parent_->ChildMouseLeave(*this);
  if (OnMouseLeave) OnMouseLeave(*this);
  bevelOuter = Bevel::kNone;
}

void TCuteButton::DoEnter() { bevelOuter = Bevel::kRaised; }

void TCuteButton::DoExit() { bevelOuter = Bevel::kNone; }

void TCuteButton::KeyDown(int key) {
  if ((key == kVkSpace || key == kVkReturn) && enabled) {
    bevelOuter = Bevel::kLowered;
    Click();
    bevelOuter = Bevel::kRaised;
  }
}

void TCuteButton::KeyUp(int) {}

void TCuteButton::MouseDown(MouseButton button) {
  if (button == MouseButton::kLeft) bevelOuter = Bevel::kLowered;
}

void TCuteButton::MouseUp(MouseButton button) {
  if (button == MouseButton::kLeft) bevelOuter = Bevel::kNone;
  desktop_.ReleaseMouseCapture();
}

void TCuteButton::MouseRelease(MouseButton button, bool inside) {
  if (button == MouseButton::kLeft && inside && enabled) Click();
  MouseUp(button);
}

char TCuteButton::AcceleratorChar() const {
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    if (IsShiftJisLeadByte(c)) {
      ++i;
      continue;
    }
    if (c != '&' || i + 1 >= caption.size()) continue;
    const char next = caption[i + 1];
    if (next == '&') {
      ++i;
      continue;
    }
    return IsShiftJisLeadByte(next) ? 0 : next;
  }
  return 0;
}

bool TCuteButton::KeyAccel(char character) {
  const char accelerator = AcceleratorChar();
  const bool parentShowing = parent_ == nullptr || parent_->Showing();
  if (accelerator != 0 && AsciiUpper(accelerator) == AsciiUpper(character) && enabled && parentShowing) {
    Click();
    return true;
  }
  return false;
}

void TCuteButton::Click() {
  if (OnClick) OnClick(*this);
}

}  // namespace sorvane
