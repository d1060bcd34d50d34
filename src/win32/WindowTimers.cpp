#include "win32/WindowTimers.h"

namespace sorvane::win32 {

LRESULT CALLBACK WindowTimers::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kSwitchWakeMessage) {
    auto* self = reinterpret_cast<WindowTimers*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && self->switchWakeHandler_) self->switchWakeHandler_();
    return 0;
  }
  if (message == WM_TIMER) {
    auto* self = reinterpret_cast<WindowTimers*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    auto* timer = reinterpret_cast<Timer*>(wParam);
    if (self != nullptr && self->timerHandler_ && timer->Running()) self->timerHandler_(*timer);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

WindowTimers::WindowTimers() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"SorvaneTimers";
  RegisterClassW(&windowClass);
  window_.Reset(CreateWindowExW(0, L"SorvaneTimers", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void WindowTimers::TimerChanged(Timer& timer) {
  const auto id = reinterpret_cast<UINT_PTR>(&timer);
  if (timer.Running()) {
    const UINT interval = timer.Interval() > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<UINT>(timer.Interval());
    SetTimer(window_.get(), id, interval, nullptr);
  } else {
    KillTimer(window_.get(), id);
  }
}

void WindowTimers::TimerGone(Timer& timer) { KillTimer(window_.get(), reinterpret_cast<UINT_PTR>(&timer)); }

}  // namespace sorvane::win32
