#pragma once

#include <cstdint>

namespace sorvane {

class Clock {
 public:
  virtual void Sleep(int milliseconds) = 0;
  virtual std::int64_t NowMilliseconds() = 0;

 protected:
  ~Clock() = default;
};

}  // namespace sorvane
