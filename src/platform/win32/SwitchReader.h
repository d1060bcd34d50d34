// Reads joystick 0 on a thread of its own every 10 ms, so that a press is
// caught however busy the window's thread is and however coarse its timers
// are (15.6 ms on most Windows machines), and keeps the readings, with their
// times, until the window's thread takes them.
#pragma once

#include <windows.h>

#include <array>

#include "joytokey/SwitchSampler.h"
#include "platform/win32/SwitchKeyHook.h"
#include "platform/Joystick.h"

namespace sorvane::win32 {

// The performance counter in milliseconds: unlike the tick count, fine
// enough to time a 20 ms debounce.
std::int64_t MonotonicMilliseconds();

class SwitchReader {
 public:
  static constexpr DWORD kReadInterval = 10;
  // An unplugged joystick can take long to answer: it is asked less often.
  static constexpr DWORD kUnpluggedInterval = 200;

  // wake gets message whenever a reading completes a press, so that the press
  // is handled at once rather than at the next sample of the window's thread.
  SwitchReader(HWND wake, UINT message);
  ~SwitchReader();
  SwitchReader(const SwitchReader&) = delete;
  SwitchReader& operator=(const SwitchReader&) = delete;

  void Take(Joystick::ReadingVisitor visit, void* context);
  // The switch key and the times of the caller's own sampler.
  void Configure(const SwitchInput& input);

 private:
  static DWORD WINAPI Run(void* self);
  void Loop();
  bool Read(std::uint32_t& buttons);

  static constexpr int kCapacity = 512;  // five seconds of readings
  HWND wake_;
  UINT message_;
  volatile LONG stop_ = 0;
  HANDLE thread_ = nullptr;
  SRWLOCK lock_ = SRWLOCK_INIT;
  std::array<JoystickReading, kCapacity> readings_{};
  int first_ = 0;
  int count_ = 0;
  SwitchSampler preview_;  // tells the thread when a press is complete
  SwitchKeyHook keyHook_;
  volatile LONG keySet_ = 0;
  SwitchInput input_;  // under lock_
  bool inputChanged_ = false;
  ULONGLONG nextJoystickRead_ = 0;
#ifdef SORVANE_E2E_SWITCH
  HANDLE switchFile_ = INVALID_HANDLE_VALUE;
#endif
};

}  // namespace sorvane::win32
