#include "controls/PanelButton.h"

namespace sorvane {

namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

PanelButton::PanelButton(Desktop& desktop, PanelButtonParent* parent)
    : desktop_(desktop), parent_(parent) {
  height = 25;
  tabStop = true;
  width = 75;
}

void PanelButton::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  bevelInner = flat ? Bevel::kNone : Bevel::kRaised;
}

void PanelButton::PointerEntered() {
  if (parent_ != nullptr) parent_->ChildMouseEnter(*this);
  if (OnMouseEnter) OnMouseEnter(*this);
  // The high bit of the key state says the button is down.
  bevelOuter = desktop_.LeftButtonKeyState() < -126 ? Bevel::kLowered : Bevel::kRaised;
}

void PanelButton::PointerLeft() {
  if (parent_ != nullptr) parent_->ChildMouseLeave(*this);
  if (OnMouseLeave) OnMouseLeave(*this);
  bevelOuter = Bevel::kNone;
}

void PanelButton::DoEnter() { bevelOuter = Bevel::kRaised; }

void PanelButton::DoExit() { bevelOuter = Bevel::kNone; }

void PanelButton::KeyDown(int key) {
  if ((key == kVkSpace || key == kVkReturn) && enabled) {
    bevelOuter = Bevel::kLowered;
    Click();
    bevelOuter = Bevel::kRaised;
  }
}

void PanelButton::KeyUp(int) {}

void PanelButton::MouseDown(MouseButton button) {
  if (button == MouseButton::kLeft) bevelOuter = Bevel::kLowered;
}

void PanelButton::MouseUp(MouseButton button) {
  if (button == MouseButton::kLeft) bevelOuter = Bevel::kNone;
  desktop_.ReleaseMouseCapture();
}

void PanelButton::MouseRelease(MouseButton button, bool inside) {
  if (button == MouseButton::kLeft && inside && enabled) Click();
  MouseUp(button);
}

char PanelButton::AcceleratorChar() const { return AccessKey(caption); }

ScreenRect PanelButton::CaptionRoom(int shownHeight, int dpi) const {
  constexpr int kCaptionMargin = 1;  // beside the bevels, left and right
  const int bevels = ScaledPixels(2 * bevelWidth, dpi);
  const int side = ScaledPixels(2 * bevelWidth + kCaptionMargin, dpi);
  const int bottom = shownHeight < height ? shownHeight : height;
  return ScreenRect{side, bevels, width - side, bottom - bevels};
}

bool PanelButton::KeyAccel(char character) {
  const char accelerator = AcceleratorChar();
  const bool parentShowing = parent_ == nullptr || parent_->Showing();
  if (accelerator != 0 && AsciiUpper(accelerator) == AsciiUpper(character) && enabled && parentShowing) {
    Click();
    return true;
  }
  return false;
}

void PanelButton::Click() {
  if (OnClick) OnClick(*this);
}

}  // namespace sorvane
