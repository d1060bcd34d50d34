// Mouse buttons that work as the switches: caught by a low-level mouse hook on
// a thread of its own, wherever the pointer is, and kept from the program
// under it. The pointer itself moves as always.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/Joystick.h"
#include "switch/SwitchSampler.h"
#include "win32/LowLevelHookThread.h"

namespace sorvane::win32 {

class SwitchMouseHook {
 public:
  SwitchMouseHook() = default;
  ~SwitchMouseHook() { SetButtons(0, 0); }
  SwitchMouseHook(const SwitchMouseHook&) = delete;
  SwitchMouseHook& operator=(const SwitchMouseHook&) = delete;

  // The buttons (MouseButtonNumber, 0 none) of switch 1 and switch 2. With
  // neither the hook goes away, and every click goes where it always went.
  void SetButtons(int button, int secondButton);
  // Bit 0 while switch 1's button is held, bit 1 while switch 2's is, as
  // the switch reader sees them at now (ms); the reader's thread alone calls it.
  // A click, however short, shows as held for kShortestPress: the mouse has
  // no bounce for the debounce to filter, and a click shorter than it (one
  // made by a switch interface or a tool) is a press all the same.
  std::uint32_t DownButtons(std::int64_t now);
  static constexpr std::int64_t kShortestPress = SwitchSampler::kDebounceMilliseconds + 10;

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM message, LPARAM info);
  void UpdateDown();

  volatile LONG buttons_[2] = {};
  mutable volatile LONG down_ = 0;
  volatile LONG presses_[2] = {};  // counted by the hook
  // On the reader's thread: the presses shown so far, and since when the last one is.
  LONG pressesShown_[2] = {};
  std::int64_t shownSince_[2] = {};
  bool showing_[2] = {};
  // Per button, on the hook's thread only: its press was kept back, so its
  // release must be too.
  bool swallowed_[kMouseButtonCount + 1] = {};
  LowLevelHookThread thread_{WH_MOUSE_LL, &HookProc};
};

}  // namespace sorvane::win32
