// Time: the monotonic clock the switch readings share, the local time, sleep.
#pragma once

#include "platform/Clock.h"

namespace sorvane::win32 {

class SystemClock : public Clock {
 public:
  void Sleep(int milliseconds) override;
  std::int64_t NowMilliseconds() override;
  std::int64_t LocalMilliseconds() override;
};

}  // namespace sorvane::win32
