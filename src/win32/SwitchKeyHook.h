// A keyboard key that works as the switch: caught by a low-level keyboard hook
// on a thread of its own, whatever program has the keyboard, and kept from
// that program. Key repeat while it is held counts as held.
#pragma once

#include <windows.h>

namespace sorvane::win32 {

class SwitchKeyHook {
 public:
  SwitchKeyHook() = default;
  ~SwitchKeyHook() { SetKey(0); }
  SwitchKeyHook(const SwitchKeyHook&) = delete;
  SwitchKeyHook& operator=(const SwitchKeyHook&) = delete;

  // 0 takes the hook away, and every key goes where it always went.
  void SetKey(int virtualKey);
  bool Down() const { return InterlockedCompareExchange(&down_, 0, 0) != 0; }

 private:
  static DWORD WINAPI Run(void* self);
  static LRESULT CALLBACK HookProc(int code, WPARAM message, LPARAM info);
  void UpdateDown(LONG wanted);

  volatile LONG key_ = 0;
  mutable volatile LONG down_ = 0;
  // Per physical key, on the hook's thread only: its press was kept back, so
  // its release must be too. Left and right Shift are apart here.
  bool swallowed_[256] = {};
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
  HANDLE ready_ = nullptr;
};

}  // namespace sorvane::win32
