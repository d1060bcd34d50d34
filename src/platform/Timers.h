// Periodic timers as plain objects. A backend schedules them; they fire between
// handlers, never inside one.
#pragma once

#include <functional>

namespace sorvane {

class Timer;

class TimerHost {
 public:
  // Called whenever a timer's enabled flag or interval changes: the backend
  // (re)starts a full interval, or stops the timer.
  virtual void TimerChanged(Timer& timer) = 0;
  // Called when a timer is destroyed.
  virtual void TimerGone(Timer& timer) = 0;

 protected:
  ~TimerHost() = default;
};

class Timer {
 public:
  Timer(TimerHost& host, int intervalMilliseconds, bool enabled, std::function<void()> onTimer);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool Enabled() const { return enabled_; }
  // Enabling a stopped timer starts a full interval afresh; enabling a running
  // one changes nothing.
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  // A new interval restarts a running timer. An interval of 0 or less never fires.
  void SetInterval(int milliseconds);
  bool Running() const { return enabled_ && interval_ > 0; }

  void Fire() { onTimer_(); }

 private:
  TimerHost& host_;
  int interval_;
  bool enabled_;
  std::function<void()> onTimer_;
};

}  // namespace sorvane
