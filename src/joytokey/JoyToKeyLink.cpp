#include "joytokey/JoyToKeyLink.h"

#include <cstring>

namespace sorvane {

void JoyToKeyLink::EnumJoyToKeyProc(WindowHandle window, void* context) {
  auto& link = *static_cast<JoyToKeyLink*>(context);
  char title[kWindowTitleBufferSize] = {};
  link.desktop_.GetWindowTitle(window, title, kWindowTitleBufferSize);
  // The title alone would take an editor showing "JoyToKey help.txt" for
  // JoyToKey, send it the user's presses and then make it quit.
  if (std::memcmp(title, kJoyToKeyTitlePrefix, kJoyToKeyTitlePrefixLength) == 0 &&
      link.desktop_.WindowBelongsToProgram(window, kJoyToKeyProgramFile)) {
    link.JoyToKeyWindow_ = window;
  }
}

void JoyToKeyLink::FindJoyToKeyWindow() {
  JoyToKeyWindow_ = 0;
  desktop_.EnumerateTopLevelWindows(&EnumJoyToKeyProc, this);
  answering_ = true;
  if (JoyToKeyWindow_ != lastWindow_) {
    // JoyToKey gone or another one: what the old window was owed means nothing now.
    DropPending();
    reportedStick_ = kNoStick;
    lastWindow_ = JoyToKeyWindow_;
  }
}

bool JoyToKeyLink::Deliver(std::uint32_t message, std::int32_t lParam) {
  if (JoyToKeyWindow_ == 0 || !answering_) return false;
  const SendResult result =
      desktop_.SendToWindow(JoyToKeyWindow_, message, 0, static_cast<std::intptr_t>(lParam));
  if (result != SendResult::kDelivered) {
    answering_ = false;
    return false;
  }
  if (message == WM_JOYTOKEY_STICK) reportedStick_ = lParam;
  return true;
}

void JoyToKeyLink::Send(std::uint32_t message, std::int32_t lParam) { Deliver(message, lParam); }

bool JoyToKeyLink::DeliverFor(const Pending& pending) {
  if (pending.stick != kNoStick && reportedStick_ != pending.stick &&
      !Deliver(WM_JOYTOKEY_STICK, pending.stick)) {
    return false;
  }
  return Deliver(pending.message, pending.lParam);
}

void JoyToKeyLink::SendReliably(std::uint32_t message, std::int32_t lParam, std::int32_t stick) {
  if (JoyToKeyWindow_ == 0) return;
  const Pending pending{message, lParam, stick};
  // Behind what is still owed, in order.
  if (HasPending() || !DeliverFor(pending)) Keep(pending);
}

void JoyToKeyLink::Keep(const Pending& pending) {
  if (pendingCount_ == kPendingCapacity) {
    pendingFirst_ = (pendingFirst_ + 1) % kPendingCapacity;
    --pendingCount_;
  }
  pending_[(pendingFirst_ + pendingCount_) % kPendingCapacity] = pending;
  ++pendingCount_;
}

void JoyToKeyLink::RetryPending() {
  while (pendingCount_ > 0 && DeliverFor(pending_[pendingFirst_])) {
    pendingFirst_ = (pendingFirst_ + 1) % kPendingCapacity;
    --pendingCount_;
  }
}

void JoyToKeyLink::PostQuit() {
  if (JoyToKeyWindow_ == 0) return;
  desktop_.PostToWindow(JoyToKeyWindow_, WM_QUIT_MESSAGE, 0, 0);
}

}  // namespace sorvane
