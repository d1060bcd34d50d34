#include "joytokey/JoyToKeyLink.h"

#include <cstring>

namespace sorvane {

void JoyToKeyLink::EnumJoyToKeyProc(WindowHandle window, void* context) {
  auto& link = *static_cast<JoyToKeyLink*>(context);
  char title[kWindowTitleBufferSize] = {};
  link.desktop_.GetWindowTitle(window, title, kWindowTitleBufferSize);
  if (std::memcmp(title, kJoyToKeyTitlePrefix, kJoyToKeyTitlePrefixLength) == 0) {
    link.JoyToKeyWindow_ = window;
  }
}

void JoyToKeyLink::FindJoyToKeyWindow() {
  JoyToKeyWindow_ = 0;
  desktop_.EnumerateTopLevelWindows(&EnumJoyToKeyProc, this);
}

void JoyToKeyLink::Send(std::uint32_t message, std::int32_t lParam) {
  if (JoyToKeyWindow_ == 0) return;
  desktop_.SendToWindow(JoyToKeyWindow_, message, 0, static_cast<std::intptr_t>(lParam));
}

void JoyToKeyLink::PostQuit() {
  if (JoyToKeyWindow_ == 0) return;
  desktop_.PostToWindow(JoyToKeyWindow_, WM_QUIT_MESSAGE, 0, 0);
}

}  // namespace sorvane
