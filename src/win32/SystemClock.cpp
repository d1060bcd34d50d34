#include "win32/SystemClock.h"

#include <windows.h>

#include "win32/SwitchReader.h"

namespace sorvane::win32 {

void SystemClock::Sleep(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds)); }

std::int64_t SystemClock::NowMilliseconds() { return MonotonicMilliseconds(); }

std::int64_t SystemClock::LocalMilliseconds() {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  // The local time read as if it were UTC gives its count from 1601; from 1970 on, in milliseconds.
  FILETIME asIfUtc{};
  SystemTimeToFileTime(&local, &asIfUtc);
  const ULONGLONG ticks = (static_cast<ULONGLONG>(asIfUtc.dwHighDateTime) << 32) | asIfUtc.dwLowDateTime;
  constexpr ULONGLONG kTicksFrom1601To1970 = 116444736000000000ULL;
  return static_cast<std::int64_t>((ticks - kTicksFrom1601To1970) / 10000);
}

}  // namespace sorvane::win32
