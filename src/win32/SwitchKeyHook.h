// Keyboard keys that work as the switches: caught by a low-level keyboard hook
// on a thread of its own, whatever program has the keyboard, and kept from
// that program. Key repeat while one is held counts as held.
#pragma once

#include <windows.h>

#include <cstdint>

#include "win32/LowLevelHookThread.h"

namespace sorvane::win32 {

class SwitchKeyHook {
 public:
  SwitchKeyHook() = default;
  ~SwitchKeyHook() {
    SetMenuKeyOverPanel(false);
    SetKeys(0, 0);
  }
  SwitchKeyHook(const SwitchKeyHook&) = delete;
  SwitchKeyHook& operator=(const SwitchKeyHook&) = delete;

  // The keys of switch 1 and switch 2 (0 none). With neither the hook goes
  // away, and every key goes where it always went.
  void SetKeys(int virtualKey, int secondVirtualKey);
  // While on, the keyboard's menu key opens the panel's menu when the pointer
  // is over the panel (and goes where it always went elsewhere): the right
  // button, working as a switch, opens it no more.
  void SetMenuKeyOverPanel(bool on);
  // Bit 0 while switch 1's key is held, bit 1 while switch 2's is.
  std::uint32_t DownButtons() const {
    return static_cast<std::uint32_t>(InterlockedCompareExchange(&down_, 0, 0));
  }

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM message, LPARAM info);
  void UpdateDown();
  // The hook runs while a key works as a switch or the menu key is watched.
  void StartOrStop();
  static bool OpenPanelMenuUnderPointer();

  volatile LONG keys_[2] = {};
  volatile LONG menuKey_ = 0;
  mutable volatile LONG down_ = 0;
  // Per physical key, on the hook's thread only: its press was kept back, so
  // its release must be too. Left and right Shift are apart here.
  bool swallowed_[256] = {};
  LowLevelHookThread thread_{WH_KEYBOARD_LL, &HookProc};
};

}  // namespace sorvane::win32
