// The program's timers, as the system's timers of one message-only window.
// They fire in that window's procedure, so they go on inside the system's
// modal loops (the popup menu, a drag) as well as in the panel's. The switch
// reader's wake-ups arrive at the same window, in order with the timers.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/Timers.h"
#include "win32/Handles.h"

namespace sorvane::win32 {

class WindowTimers : public TimerHost {
 public:
  static constexpr UINT kSwitchWakeMessage = WM_APP + 1;

  WindowTimers();
  WindowTimers(const WindowTimers&) = delete;
  WindowTimers& operator=(const WindowTimers&) = delete;

  HWND window() const { return window_.get(); }
  // The view decides how a due timer is run.
  void SetTimerHandler(std::function<void(Timer&)> handler) { timerHandler_ = std::move(handler); }
  // Called on the window's thread when the switch reader has caught a press.
  void SetSwitchWakeHandler(std::function<void()> handler) { switchWakeHandler_ = std::move(handler); }

  void TimerChanged(Timer& timer) override;
  void TimerGone(Timer& timer) override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::function<void(Timer&)> timerHandler_;
  std::function<void()> switchWakeHandler_;
  OwnedWindow window_;
};

}  // namespace sorvane::win32
