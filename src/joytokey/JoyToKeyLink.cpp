#include "joytokey/JoyToKeyLink.h"

#include <cstring>

namespace sorvane {

std::int32_t ConfigurationNumberOf(const std::string& argument) {
  return argument.empty() ? 0 : static_cast<std::int8_t>(argument[0]);
}

void JoyToKeyLink::EnumJoyToKeyProc(WindowHandle window, void* context) {
  auto& link = *static_cast<JoyToKeyLink*>(context);
  char title[kWindowTitleBufferSize] = {};
  link.desktop_.GetWindowTitle(window, title, kWindowTitleBufferSize);
  // The title alone would take an editor showing "JoyToKey help.txt" for
  // JoyToKey, send it the user's presses and then make it quit.
  if (std::memcmp(title, kJoyToKeyTitlePrefix, kJoyToKeyTitlePrefixLength) == 0 &&
      link.desktop_.WindowBelongsToProgram(window, kJoyToKeyProgramFile)) {
    link.found_ = window;
  }
}

WindowHandle JoyToKeyLink::Discover() {
  found_ = 0;
  desktop_.EnumerateTopLevelWindows(&EnumJoyToKeyProc, this);
  return found_;
}

void JoyToKeyLink::FindJoyToKeyWindow() {
  const WindowHandle window = Discover();
  if (window != bound_) reportedStick_ = kNoStick;
  bound_ = window;
}

void JoyToKeyLink::ForgetWindow() {
  bound_ = 0;
  reportedStick_ = kNoStick;
}

JoyToKeyLink::Binding JoyToKeyLink::CheckBinding() {
  // Only a window that is gone is looked for again: walking every window and
  // its program file at every tick would cost more than the whole scan.
  if (bound_ != 0 && desktop_.WindowExists(bound_)) return Binding::kKept;
  another_ = Discover();
  return another_ != 0 ? Binding::kAnotherWindow : Binding::kNone;
}

void JoyToKeyLink::BindToAnotherWindow() {
  bound_ = another_;
  another_ = 0;
  reportedStick_ = kNoStick;
  // A new JoyToKey would otherwise type with whatever configuration it opened.
  if (configurationNumber_ != 0) Send(WM_JOYTOKEY_CONFIG, configurationNumber_);
}

void JoyToKeyLink::Send(std::uint32_t message, std::int32_t lParam) {
  if (bound_ == 0) return;
  Letter letter;
  letter.window = bound_;
  letter.message = message;
  letter.lParam = lParam;
  letter.replaceable = message == WM_JOYTOKEY_STICK;
  letter.mayBeLost = message == WM_JOYTOKEY_STICK || message == WM_JOYTOKEY_BUTTON_DOWN;
  if (message == WM_JOYTOKEY_BUTTON_DOWN) letter.key = Letter::Key::kPress;
  if (message == WM_JOYTOKEY_BUTTON_UP) letter.key = Letter::Key::kRelease;
  courier_.Hand(letter);
  if (message == WM_JOYTOKEY_STICK) reportedStick_ = lParam;
}

void JoyToKeyLink::SendForStick(std::uint32_t message, std::int32_t lParam, std::int32_t stick) {
  if (stick != kNoStick && reportedStick_ != stick) Send(WM_JOYTOKEY_STICK, stick);
  Send(message, lParam);
}

void JoyToKeyLink::PostQuit() {
  // A JoyToKey that has already gone needs no quit, and the log no word of it.
  if (bound_ == 0 || !desktop_.WindowExists(bound_)) return;
  Letter letter;
  letter.window = bound_;
  letter.message = WM_QUIT_MESSAGE;
  letter.post = true;
  courier_.Hand(letter);
}

}  // namespace sorvane
