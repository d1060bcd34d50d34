// A low-level hook (WH_KEYBOARD_LL, WH_MOUSE_LL) on a thread of its own. The
// system calls a low-level hook through the message loop of the thread that
// set it; this thread has nothing else to do, so the hook always answers in
// time and no program's input waits on the panel.
#pragma once

#include <windows.h>

#include "win32/Handles.h"

namespace sorvane::win32 {

class LowLevelHookThread {
 public:
  LowLevelHookThread(int kind, HOOKPROC procedure) : kind_(kind), procedure_(procedure) {}
  ~LowLevelHookThread() { Stop(); }
  LowLevelHookThread(const LowLevelHookThread&) = delete;
  LowLevelHookThread& operator=(const LowLevelHookThread&) = delete;

  bool Running() const { return static_cast<bool>(thread_); }
  // Sets the hook; back once it is in place, or after 5 s.
  void Start();
  // Removes the hook; back once its thread has ended.
  void Stop();

 private:
  static DWORD WINAPI Run(void* self);

  const int kind_;
  const HOOKPROC procedure_;
  OwnedThread thread_;
  DWORD threadId_ = 0;
  OwnedEvent ready_;
};

}  // namespace sorvane::win32
