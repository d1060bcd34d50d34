// The scanner on its own: a virtual clock, the switch read every millisecond,
// the 200 ms tick, and what comes out of its output, with no desktop at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "scanning/Scanner.h"

namespace sorvane::test {

namespace {

class ScannerRig : public ScanOutput, public TimerHost, public Clock {
  struct Due {
    Timer* timer;
    std::int64_t due;
  };
  std::vector<Due> due_;  // before the scanner, whose timer registers at once

 public:
  ScannerRig() { scanner.timer().SetInterval(1000); }

  // Output.
  void Light(int position, bool) override { lit.push_back(position); }
  void ButtonDown(int position) override { Record("down " + std::to_string(position)); }
  void ButtonUp(int position, std::int32_t) override { Record("up " + std::to_string(position)); }
  void ReportStick(std::int32_t stick) override {
    if (stick != 0) Record("stick " + std::to_string(stick));
  }
  void StickSwitched(std::int32_t) override {}
  void Relayout(int count) override { Record("layout " + std::to_string(count)); }
  void Click() override {}

  // Timers and clock.
  void TimerChanged(Timer& timer) override {
    Forget(timer);
    if (timer.Running()) due_.push_back({&timer, now + timer.Interval()});
  }
  void TimerGone(Timer& timer) override { Forget(timer); }
  void Sleep(int milliseconds) override { now += milliseconds; }
  std::int64_t NowMilliseconds() override { return now; }
  std::int64_t LocalMilliseconds() override { return now; }

  // Runs the clock to end: the scan timer first at each millisecond, then a
  // reading of the switch, then the tick, which a new press or an awaited
  // release brings forward as the panel does.
  void RunUntil(std::int64_t end) {
    for (; now <= end; ++now) {
      for (bool fired = true; fired;) {
        fired = false;
        for (auto& entry : due_) {
          if (entry.due != now) continue;
          entry.due += entry.timer->Interval();
          entry.timer->Fire();
          fired = true;
          break;
        }
      }
      if (dialogOpen) continue;  // the ticks are held; the reader goes on
      sampler.Sample(now, switchDown(now) ? 1U : 0U);
      const bool kicked = sampler.PressesLatched() != presses_ ||
                          (sampler.ChangesLatched() != changes_ && scanner.WaitsForRelease());
      presses_ = sampler.PressesLatched();
      changes_ = sampler.ChangesLatched();
      if (kicked || now >= nextTick_) {
        nextTick_ = now + 200;
        scanner.Tick(sampler);
      }
    }
    now = end;
  }
  void Press(std::int64_t from, std::int64_t length) {
    switchDown = [from, length](std::int64_t t) { return t >= from && t < from + length; };
  }
  std::vector<std::string> Buttons() const {
    std::vector<std::string> result;
    for (const auto& e : events) {
      if (e.rfind("down", 0) == 0 || e.rfind("up", 0) == 0) result.push_back(e);
    }
    return result;
  }

  std::int64_t now = 0;
  std::vector<std::string> events;
  std::vector<int> lit;
  std::function<bool(std::int64_t)> switchDown = [](std::int64_t) { return false; };
  bool dialogOpen = false;
  SwitchSampler sampler;
  Scanner scanner{*this, *this, *this};

 private:
  void Record(const std::string& event) { events.push_back(event + " @" + std::to_string(now)); }
  void Forget(Timer& timer) {
    due_.erase(std::remove_if(due_.begin(), due_.end(), [&](const Due& d) { return d.timer == &timer; }),
               due_.end());
  }
  std::uint64_t presses_ = 0;
  std::uint64_t changes_ = 0;
  std::int64_t nextTick_ = 200;
};

// Strips the times off the button messages.
std::vector<std::string> Plain(const std::vector<std::string>& events) {
  std::vector<std::string> result;
  for (const auto& e : events) result.push_back(e.substr(0, e.find(" @")));
  return result;
}

enum class Layout { kStrip, kOneButton, kSubButtons };

// Sets up the scan so that a step falls at stepAt, and says which position is
// lit just before it and just after it.
struct Scenario {
  const char* name;
  Layout layout;
  std::int64_t stepAt;
  int before;
  int after;
};

void Prepare(ScannerRig& rig, Layout layout, std::int64_t acceptTime) {
  rig.sampler.SetTimes(acceptTime, 0);
  rig.scanner.state().intervalSeconds = 1.0F;
  rig.scanner.ApplyTiming();
  switch (layout) {
    case Layout::kStrip: rig.scanner.ShowButtons(4); break;
    case Layout::kOneButton: rig.scanner.ShowOneButton(4); break;
    case Layout::kSubButtons:
      rig.scanner.ShowOneButton(4);
      rig.scanner.OpenSubButtons();
      break;
  }
  rig.events.clear();
}

}  // namespace

TEST(Scanner, APressActsOnThePositionLitWhenTheSwitchClosedAtEveryPhaseOfAStep) {
  // Steps at 1000, 2000, ...; a one-button press is a DOWN of button 1 at its
  // release; the open sub-buttons (4 of them) close at the fifth step.
  const Scenario scenarios[] = {
      {"strip", Layout::kStrip, 3000, 2, 3},
      {"strip, wrapping", Layout::kStrip, 5000, 4, 1},
      {"one button", Layout::kOneButton, 3000, 1, 1},
      {"sub-buttons", Layout::kSubButtons, 3000, 2, 3},
      {"sub-buttons closing", Layout::kSubButtons, 5000, 4, 1},
  };
  for (const Scenario& scenario : scenarios) {
    for (std::int64_t acceptTime : {0, 300}) {
      for (std::int64_t offset = -150; offset <= 150; offset += 5) {
        ScannerRig rig;
        Prepare(rig, scenario.layout, acceptTime);
        const std::int64_t closes = scenario.stepAt + offset;
        const std::int64_t length = acceptTime + 100;
        rig.Press(closes, length);
        rig.RunUntil(closes + length + 500);
        const int expected = offset < 0 ? scenario.before : scenario.after;
        const std::string at = std::string(scenario.name) + ", accept " + std::to_string(acceptTime) +
                               ", closing " + std::to_string(offset) + " ms from the step";
        const std::vector<std::string> buttons = Plain(rig.Buttons());
        ASSERT_GE(buttons.size(), 2U) << at;
        EXPECT_EQ(buttons.back(), "up " + std::to_string(expected)) << at;
        for (std::size_t i = 0; i + 1 < buttons.size(); ++i) {
          EXPECT_EQ(buttons[i], "down " + std::to_string(expected)) << at;
        }
      }
    }
  }
}

TEST(Scanner, WhatTheSwitchDidWhileADialogHeldTheTicksNeverReachesJoyToKey) {
  ScannerRig rig;
  Prepare(rig, Layout::kStrip, 0);
  // Held on button 2 when the dialog opens: released at once.
  rig.Press(2100, 5000);
  rig.RunUntil(2500);
  ASSERT_EQ(Plain(rig.Buttons()).front(), "down 2");
  rig.scanner.Interrupt();
  EXPECT_EQ(Plain(rig.Buttons()).back(), "up 2");
  // While it is open: the release of that hold, two taps, and a press that
  // is still held when it closes.
  rig.dialogOpen = true;
  rig.switchDown = [](std::int64_t t) {
    return (t >= 3000 && t < 3100) || (t >= 3400 && t < 3500) || t >= 3800;
  };
  rig.RunUntil(4000);
  rig.dialogOpen = false;
  rig.events.clear();
  rig.scanner.Resume(rig.sampler);
  rig.RunUntil(5000);
  EXPECT_TRUE(rig.Buttons().empty());
  // Its release goes unheard; the next press is a press.
  rig.Press(6000, 100);
  rig.RunUntil(7000);
  const std::vector<std::string> buttons = Plain(rig.Buttons());
  ASSERT_EQ(buttons.size(), 2U);
  EXPECT_EQ(buttons.front().substr(0, 4), "down");
  EXPECT_EQ(buttons.back().substr(0, 2), "up");
}

TEST(Scanner, TheOneButtonActionGoesOutAsSoonAsTheReleaseIsConfirmed) {
  for (std::int64_t length : {60, 130, 170, 240, 330}) {
    ScannerRig rig;
    Prepare(rig, Layout::kOneButton, 0);
    rig.RunUntil(1500);  // the one button lit
    rig.events.clear();
    rig.Press(2000, length);
    rig.RunUntil(3000);
    const std::string down = rig.Buttons().front();
    const std::int64_t sentAt = std::stoll(down.substr(down.find('@') + 1));
    EXPECT_EQ(down.substr(0, down.find(" @")), "down 1") << length;
    EXPECT_LE(sentAt - (2000 + length), 30) << length;
  }
}

}  // namespace sorvane::test
