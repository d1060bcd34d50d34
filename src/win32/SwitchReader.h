// Reads joystick 0 on a thread of its own every 10 ms, so that a press is
// caught however busy the window's thread is and however coarse its timers
// are (15.6 ms on most Windows machines), and keeps the raw readings, with
// their times, until the window's thread takes them. It tells the window's
// thread whenever a reading differs from the one before; what counts as a
// press is decided there alone.
#pragma once

#include <windows.h>

#include <array>

#include "platform/Joystick.h"
#include "win32/Handles.h"
#include "win32/SwitchKeyHook.h"
#include "win32/SwitchMouseHook.h"

namespace sorvane::win32 {

// The performance counter in milliseconds: unlike the tick count, fine
// enough to time a 20 ms debounce.
std::int64_t MonotonicMilliseconds();

class SwitchReader {
 public:
  static constexpr DWORD kReadInterval = 10;
  // For a while after any change the switch is read every millisecond, so
  // contacts that bounce are seen bouncing rather than as presses of their own.
  static constexpr DWORD kSettlingInterval = 1;
  static constexpr std::int64_t kSettlingWindow = 250;
  // An unplugged joystick can take long to answer: it is asked less often.
  static constexpr DWORD kUnpluggedInterval = 200;

  // wake gets message whenever a reading differs from the one before, so that
  // a press or a release is handled at once.
  SwitchReader(HWND wake, UINT message);
  ~SwitchReader();
  SwitchReader(const SwitchReader&) = delete;
  SwitchReader& operator=(const SwitchReader&) = delete;

  void Take(Joystick::ReadingVisitor visit, void* context);
  // A keyboard key that counts as the switch while it is down (0 none).
  void SetKeys(int virtualKey, int secondVirtualKey);
  // Mouse buttons that count as the switches while they are down (0 none).
  void SetMouseButtons(int button, int secondButton);

 private:
  static DWORD WINAPI Run(void* self);
  void Loop();
  bool Read(std::uint32_t& buttons);

  static constexpr int kCapacity = 2048;  // seconds of readings, even at the settling pace
  HWND wake_;
  UINT message_;
  volatile LONG stop_ = 0;
  OwnedThread thread_;
  SRWLOCK lock_ = SRWLOCK_INIT;
  std::array<JoystickReading, kCapacity> readings_{};
  int first_ = 0;
  int count_ = 0;
  SwitchKeyHook keyHook_;
  volatile LONG keySet_ = 0;
  SwitchMouseHook mouseHook_;
  volatile LONG mouseButtonSet_ = 0;
  ULONGLONG nextJoystickRead_ = 0;
#ifdef SORVANE_E2E_SWITCH
  OwnedFile switchFile_;
#endif
};

}  // namespace sorvane::win32
