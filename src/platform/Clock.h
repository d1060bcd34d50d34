#pragma once

#include <cstdint>

namespace sorvane {

class Clock {
 public:
  virtual void Sleep(int milliseconds) = 0;
  virtual std::int64_t NowMilliseconds() = 0;
  // The local date and time, as milliseconds since 1970-01-01 00:00 local
  // time: for what a person reads (the switch record), never for measuring.
  virtual std::int64_t LocalMilliseconds() = 0;

 protected:
  ~Clock() = default;
};

}  // namespace sorvane
