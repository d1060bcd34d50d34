#include "platform/Timers.h"

#include <utility>

namespace sorvane {

Timer::Timer(TimerHost& host, int intervalMilliseconds, bool enabled,
             std::function<void()> onTimer)
    : host_(host), interval_(intervalMilliseconds), enabled_(enabled), onTimer_(std::move(onTimer)) {
  if (enabled_) host_.TimerChanged(*this);
}

Timer::~Timer() { host_.TimerGone(*this); }

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  host_.TimerChanged(*this);
}

void Timer::SetInterval(int milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  host_.TimerChanged(*this);
}

}  // namespace sorvane
