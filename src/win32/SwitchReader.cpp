#include "win32/SwitchReader.h"

#include <mmsystem.h>

namespace sorvane::win32 {

std::int64_t MonotonicMilliseconds() {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER value{};
    QueryPerformanceFrequency(&value);
    return value.QuadPart;
  }();
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  return static_cast<std::int64_t>(counter.QuadPart / frequency * 1000 + counter.QuadPart % frequency * 1000 / frequency);
}

SwitchReader::SwitchReader(HWND wake, UINT message) : wake_(wake), message_(message) {
  // A timer resolution of 1 ms while the panel runs keeps the reading steady.
  timeBeginPeriod(1);
  thread_.Reset(CreateThread(nullptr, 0, &Run, this, 0, nullptr));
  if (thread_) SetThreadPriority(thread_.get(), THREAD_PRIORITY_ABOVE_NORMAL);
}

SwitchReader::~SwitchReader() {
  if (thread_) {
    InterlockedExchange(&stop_, 1);
    WaitForSingleObject(thread_.get(), INFINITE);
  }
  timeEndPeriod(1);
}

DWORD WINAPI SwitchReader::Run(void* self) {
  static_cast<SwitchReader*>(self)->Loop();
  return 0;
}

void SwitchReader::Loop() {
  // A plain sleep, not a wait on an event: it costs the system nothing
  // between readings.
  DWORD wait = 0;
  bool joystickAnswers = true;
  bool first = true;
  JoystickReading last;
  std::int64_t lastChange = 0;
  for (;;) {
    Sleep(wait);
    if (InterlockedCompareExchange(&stop_, 0, 0) != 0) return;
    JoystickReading reading;
    reading.time = MonotonicMilliseconds();
    // An unplugged joystick is asked again only every 200 ms; the key is read every time.
    if (joystickAnswers || static_cast<ULONGLONG>(reading.time) >= nextJoystickRead_) {
      joystickAnswers = Read(reading.buttons);
      if (!joystickAnswers) nextJoystickRead_ = static_cast<ULONGLONG>(reading.time) + kUnpluggedInterval;
    }
    reading.answered = joystickAnswers;
    if (InterlockedCompareExchange(&keySet_, 0, 0) != 0) {
      reading.answered = true;
      reading.buttons |= keyHook_.DownButtons();
    }
    if (InterlockedCompareExchange(&mouseButtonSet_, 0, 0) != 0) {
      reading.answered = true;
      reading.buttons |= mouseHook_.DownButtons(reading.time);
    }
    AcquireSRWLockExclusive(&lock_);
    if (count_ == kCapacity) {
      // Nobody has taken them for seconds: the oldest go.
      first_ = (first_ + 1) % kCapacity;
      --count_;
    }
    readings_[(first_ + count_) % kCapacity] = reading;
    ++count_;
    ReleaseSRWLockExclusive(&lock_);
    const bool changed = !first && (reading.buttons != last.buttons || reading.answered != last.answered);
    if (changed) {
      lastChange = reading.time;
      PostMessageW(wake_, message_, 0, 0);
    }
    first = false;
    last = reading;
    if (!reading.answered) {
      wait = kUnpluggedInterval;
    } else {
      wait = changed || reading.time - lastChange < kSettlingWindow ? kSettlingInterval : kReadInterval;
    }
  }
}

void SwitchReader::SetKeys(int virtualKey, int secondVirtualKey) {
  keyHook_.SetKeys(virtualKey, secondVirtualKey);
  InterlockedExchange(&keySet_, virtualKey != 0 || secondVirtualKey != 0 ? 1 : 0);
}

void SwitchReader::SetMouseButtons(int button, int secondButton) {
  mouseHook_.SetButtons(button, secondButton);
  InterlockedExchange(&mouseButtonSet_, button != 0 || secondButton != 0 ? 1 : 0);
  // The right button no longer reaches the panel: the menu key opens its menu.
  keyHook_.SetMenuKeyOverPanel(button == kRightMouseButton || secondButton == kRightMouseButton);
}

void SwitchReader::Take(Joystick::ReadingVisitor visit, void* context) {
  // Copied out first, so the reader never waits for the visitor.
  static std::array<JoystickReading, kCapacity> taken;  // the window's thread alone calls this
  int count = 0;
  AcquireSRWLockExclusive(&lock_);
  for (; count < count_; ++count) taken[count] = readings_[(first_ + count) % kCapacity];
  first_ = (first_ + count_) % kCapacity;
  count_ = 0;
  ReleaseSRWLockExclusive(&lock_);
  for (int i = 0; i < count; ++i) visit(taken[i], context);
}

#ifdef SORVANE_E2E_SWITCH
// The end-to-end build reads the switches from a file: "1" first means
// switch 1 down, "1" second switch 2. The file stays open and is read in place.
bool SwitchReader::Read(std::uint32_t& buttons) {
  buttons = 0;
  if (!switchFile_) {
    wchar_t path[1024];
    const DWORD length = GetEnvironmentVariableW(L"SORVANE_SWITCH_FILE", path, 1024);
    if (length == 0 || length >= 1024) return true;
    switchFile_.Reset(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
    if (!switchFile_) return true;
  }
  char states[2] = {};
  DWORD read = 0;
  OVERLAPPED atStart{};
  if (!ReadFile(switchFile_.get(), states, 2, &read, &atStart)) return true;
  if (read >= 1 && states[0] == '1') buttons |= 1U;
  if (read >= 2 && states[1] == '1') buttons |= 2U;
  return true;
}
#else
bool SwitchReader::Read(std::uint32_t& buttons) {
  JOYINFOEX info{};
  info.dwSize = sizeof info;
  info.dwFlags = JOY_RETURNX | JOY_RETURNY | JOY_RETURNBUTTONS;
  if (joyGetPosEx(JOYSTICKID1, &info) != JOYERR_NOERROR) {
    buttons = 0;
    return false;
  }
  buttons = info.dwButtons;
  return true;
}
#endif

}  // namespace sorvane::win32
