// The scanner and its driver on their own: a virtual clock, the switch read
// every millisecond, the 200 ms tick, and what comes out of the scanner's
// output, with no desktop at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "scanning/ScanDriver.h"

namespace sorvane::test {

namespace {

class ScannerRig : public ScanOutput, public TimerHost, public Clock, public Joystick, public TickSteps {
  struct Due {
    Timer* timer;
    std::int64_t due;
  };
  std::vector<Due> due_;  // before the scanner, whose timer registers at once

 public:
  ScannerRig() {
    scanner.timer().SetInterval(1000);
    driver.Start();
  }

  // Output.
  void Light(int position, bool) override { lit.push_back(position); }
  void ButtonDown(int position) override { Record("down " + std::to_string(position)); }
  void ButtonUp(int position, std::int32_t) override { Record("up " + std::to_string(position)); }
  void ReportStick(std::int32_t stick) override {
    if (stick != 0) Record("stick " + std::to_string(stick));
  }
  void StickSwitched(std::int32_t stick) override { Record("switched " + std::to_string(stick)); }
  void Relayout(int count) override { Record("layout " + std::to_string(count)); }
  void Click() override {}
  void PauseChanged(bool paused) override { Record(paused ? "paused" : "resumed"); }
  void SwitchStuck() override { Record("stuck"); }

  // Timers and clock.
  void TimerChanged(Timer& timer) override {
    Forget(timer);
    if (timer.Running()) due_.push_back({&timer, now + timer.Interval()});
  }
  void TimerGone(Timer& timer) override { Forget(timer); }
  void Sleep(int milliseconds) override { now += milliseconds; }
  std::int64_t NowMilliseconds() override { return now; }
  std::int64_t LocalMilliseconds() override { return now; }

  // The switches, read on their own every millisecond.
  void TakeReadings(ReadingVisitor visit, void* context) override {
    const std::uint32_t buttons = (switchDown(now) ? 1U : 0U) | (Within(secondSwitch, now) ? 2U : 0U);
    visit(JoystickReading{now, buttons, true}, context);
  }
  bool ReadsOnItsOwn() const override { return true; }
  void SetSwitchKeys(int, int) override {}
  void SetSwitchMouseButtons(int, int) override {}

  // Nothing but the scan in a tick.
  bool TickStarting() override { return true; }
  void SwitchTaken() override {}
  void TickEnded() override {}

  // Runs the clock to end: at each millisecond the scan timer first, then the
  // driver's tick, then the reader waking the driver, which brings the tick
  // forward for a new press or an awaited release.
  void RunUntil(std::int64_t end) {
    for (; now <= end; ++now) {
      for (bool fired = true; fired;) {
        fired = false;
        Due* next = nullptr;
        for (auto& entry : due_) {
          if (entry.due == now && (next == nullptr || entry.timer == &scanner.timer())) next = &entry;
        }
        if (next == nullptr) break;
        next->due += next->timer->Interval();
        next->timer->Fire();
        fired = true;
      }
      driver.ReaderWoke();
    }
    now = end;
  }
  void Press(std::int64_t from, std::int64_t length) {
    switchDown = [from, length](std::int64_t t) { return t >= from && t < from + length; };
  }
  // Presses of switch 1, or of switch 2: {from, length}.
  using Presses = std::vector<std::pair<std::int64_t, std::int64_t>>;
  static bool Within(const Presses& presses, std::int64_t t) {
    return std::any_of(presses.begin(), presses.end(),
                       [t](const auto& p) { return t >= p.first && t < p.first + p.second; });
  }
  void Presses1(Presses presses) {
    switchDown = [presses](std::int64_t t) { return Within(presses, t); };
  }
  Presses secondSwitch;
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
  ScanDriver driver{*this, *this, *this, *this, *this};
  Scanner& scanner = driver.scanner();
  SwitchSampler& sampler = driver.switchSamples();
  SwitchSampler& secondSampler = driver.secondSwitchSamples();

 private:
  void Record(const std::string& event) { events.push_back(event + " @" + std::to_string(now)); }
  void Forget(Timer& timer) {
    due_.erase(std::remove_if(due_.begin(), due_.end(), [&](const Due& d) { return d.timer == &timer; }),
               due_.end());
  }
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
  rig.driver.HoldForDialog();
  EXPECT_EQ(Plain(rig.Buttons()).back(), "up 2");
  // While it is open: the release of that hold, two taps, and a press that
  // is still held when it closes.
  rig.switchDown = [](std::int64_t t) {
    return (t >= 3000 && t < 3100) || (t >= 3400 && t < 3500) || t >= 3800;
  };
  rig.RunUntil(4000);
  rig.events.clear();
  rig.driver.ResumeAfterDialog();
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

namespace {

using Events = std::vector<std::string>;

// The scan in a method, on four buttons at 1 s unless the layout says otherwise.
void PrepareMethod(ScannerRig& rig, ScanMethodId method, Layout layout = Layout::kStrip,
                   std::int64_t acceptTime = 0) {
  Prepare(rig, layout, acceptTime);
  rig.secondSampler.SetTimes(acceptTime, 0);
  rig.scanner.SetMethod(method);
  rig.events.clear();
}

// The button messages, with each run of repeated DOWNs of a held button as one.
Events Pressed(const ScannerRig& rig) {
  Events result;
  for (const std::string& e : Plain(rig.Buttons())) {
    if (result.empty() || result.back() != e || e.rfind("down", 0) != 0) result.push_back(e);
  }
  return result;
}

std::int64_t TimeOf(const std::string& event) { return std::stoll(event.substr(event.find('@') + 1)); }

}  // namespace

TEST(ScanMethods, HoldToMoveLightsAtThePressStepsWhileHeldAndSelectsAtTheRelease) {
  for (std::int64_t accept : {0, 300}) {
    ScannerRig rig;
    PrepareMethod(rig, ScanMethodId::kHoldToMove, Layout::kStrip, accept);
    rig.RunUntil(3000);
    EXPECT_EQ(rig.lit, std::vector<int>{ScanOutput::kNothingLit}) << "nothing moves before a press";
    rig.Presses1({{3000, 3500 + accept}, {8000, 300 + accept}});
    rig.RunUntil(7000);
    EXPECT_EQ(rig.lit, (std::vector<int>{-1, 1, 2, 3, 4, -1}));
    rig.RunUntil(10000);
    EXPECT_EQ(Pressed(rig), (Events{"down 4", "up 4", "down 1", "up 1"})) << accept;
    EXPECT_EQ(rig.lit.back(), ScanOutput::kNothingLit);
  }
}

TEST(ScanMethods, TwoSwitchesStepWithTheFirstAndPressWithTheSecondWhereTheHighlightStays) {
  for (std::int64_t accept : {0, 300}) {
    ScannerRig rig;
    PrepareMethod(rig, ScanMethodId::kTwoSwitches, Layout::kStrip, accept);
    const std::int64_t tap = 100 + accept;
    rig.secondSwitch = {{1000, tap}};  // nothing lit: it presses nothing
    rig.Presses1({{2000, tap}, {3000, tap}, {4000, tap}, {10000, 2500}});
    rig.secondSwitch.insert(rig.secondSwitch.end(), {{5000, tap}, {6000, tap}, {7000, 1000}});
    rig.RunUntil(9000);
    EXPECT_EQ(Pressed(rig), (Events{"down 3", "up 3", "down 3", "up 3", "down 3", "up 3"})) << accept;
    const Events all = Plain(rig.Buttons());
    EXPECT_GE(std::count(all.begin(), all.end(), "down 3"), 6) << "repeated while switch 2 is held";
    EXPECT_EQ(rig.lit.back(), 3);
    // Held, switch 1 steps again every interval, and stops at its release.
    rig.RunUntil(14000);
    EXPECT_EQ(std::vector<int>(rig.lit.end() - 3, rig.lit.end()), (std::vector<int>{4, 1, 2})) << accept;
  }
  // Elsewhere the second switch does nothing.
  ScannerRig rig;
  PrepareMethod(rig, ScanMethodId::kAutomatic);
  rig.secondSwitch = {{1500, 100}, {2500, 100}};
  rig.RunUntil(4000);
  EXPECT_TRUE(rig.Buttons().empty());
}

TEST(ScanMethods, TapToMoveStepsAPositionAPressAndAPauseAfterTheReleaseSelects) {
  ScannerRig rig;
  PrepareMethod(rig, ScanMethodId::kTapToMove);
  rig.scanner.state().selectingPause = 2000;
  rig.sampler.SetTimes(0, 300);
  // The third tap comes 150 ms after a release: ignored, it neither steps nor
  // restarts the pause.
  rig.Presses1({{1000, 100}, {1500, 100}, {1750, 100}, {6000, 3000}});
  rig.RunUntil(5000);
  const Events pressed = Pressed(rig);
  ASSERT_EQ(pressed, (Events{"down 2", "up 2"}));
  EXPECT_EQ(TimeOf(rig.Buttons()[0]), 3600);
  EXPECT_GE(TimeOf(rig.Buttons()[1]) - TimeOf(rig.Buttons()[0]), 200) << "down for a whole tick";
  EXPECT_EQ(rig.lit.back(), ScanOutput::kNothingLit);
  // A long press does not select while it is held: the pause counts from the release.
  rig.events.clear();
  rig.RunUntil(10900);
  EXPECT_TRUE(rig.Buttons().empty());
  rig.RunUntil(12000);
  ASSERT_EQ(Pressed(rig), (Events{"down 1", "up 1"}));
  EXPECT_EQ(TimeOf(rig.Buttons()[0]), 11000);
}

TEST(ScanMethods, TheSwitchOverMarkerIsChosenLikeAButtonInEveryMethod) {
  const auto run = [](ScanMethodId method, ScannerRig::Presses first, ScannerRig::Presses second) {
    ScannerRig rig;
    rig.scanner.state().secondStick = true;
    Prepare(rig, Layout::kStrip, 0);
    rig.scanner.ShowButtons(2);  // positions 1, 2, then the marker
    rig.scanner.SetMethod(method);
    rig.scanner.state().selectingPause = 1000;
    rig.events.clear();
    rig.Presses1(first);
    rig.secondSwitch = second;
    rig.RunUntil(8000);
    Events told;  // the stick changes and any button
    for (const std::string& e : Plain(rig.events)) {
      if (e.rfind("stick", 0) != 0) told.push_back(e);
    }
    return told;
  };
  EXPECT_EQ(run(ScanMethodId::kHoldToMove, {{1000, 2500}}, {}), Events{"switched 1"});
  EXPECT_EQ(run(ScanMethodId::kTwoSwitches, {{1000, 100}, {1500, 100}, {2000, 100}}, {{3000, 300}}),
            Events{"switched 1"});
  EXPECT_EQ(run(ScanMethodId::kTapToMove, {{1000, 100}, {1500, 100}, {2000, 100}}, {}), Events{"switched 1"});
}

TEST(ScanMethods, TheOneButtonKeepsItsRulesAndItsSubButtonsAreScannedTheMethodsWay) {
  {
    ScannerRig rig;  // the second switch presses the one button
    PrepareMethod(rig, ScanMethodId::kTwoSwitches, Layout::kOneButton);
    rig.secondSwitch = {{1000, 100}, {2000, 1500}, {6000, 100}};
    rig.Presses1({{4000, 100}, {4500, 100}});
    rig.RunUntil(8000);
    EXPECT_EQ(Pressed(rig), (Events{"down 1", "up 1", "down 2", "up 2"}));
    const Events events = Plain(rig.events);
    EXPECT_NE(std::find(events.begin(), events.end(), "layout 4"), events.end());
  }
  {
    ScannerRig rig;  // a long press opens them; the next hold scans them
    PrepareMethod(rig, ScanMethodId::kHoldToMove, Layout::kOneButton);
    rig.Presses1({{1000, 100}, {2000, 1500}, {5000, 2500}});
    rig.RunUntil(9000);
    EXPECT_EQ(Pressed(rig), (Events{"down 1", "up 1", "down 3", "up 3"}));
  }
  {
    ScannerRig rig;  // held past their end, the hold goes back to the one button and chooses nothing
    PrepareMethod(rig, ScanMethodId::kHoldToMove, Layout::kSubButtons);
    rig.Presses1({{1000, 5500}});
    rig.RunUntil(8000);
    EXPECT_TRUE(rig.Buttons().empty());
    EXPECT_EQ(rig.lit.back(), 1);
  }
  {
    ScannerRig rig;
    PrepareMethod(rig, ScanMethodId::kTapToMove, Layout::kOneButton);
    rig.Presses1({{1000, 1500}, {4000, 100}, {4500, 100}, {5000, 100}});
    rig.RunUntil(9000);
    EXPECT_EQ(Pressed(rig), (Events{"down 3", "up 3"}));
  }
}

TEST(ScanMethods, ChoosingAnotherMethodWithASwitchHeldReleasesItsButtonAndLeavesBothSwitchesWorking) {
  // Into and out of two switches, with the switch that selected or stepped
  // held across the change: its button goes up, and once it is released the
  // new way's presses act.
  const struct {
    ScanMethodId from, to;
    ScannerRig::Presses first, second;  // the held press, then one that selects
    Events expected;
  } changes[] = {
      {ScanMethodId::kTwoSwitches, ScanMethodId::kAutomatic, {{1000, 100}, {6500, 100}}, {{2000, 3000}},
       {"down 1", "up 1", "down 4", "up 4"}},
      {ScanMethodId::kTwoSwitches, ScanMethodId::kTapToMove, {{2000, 3000}, {6500, 100}}, {}, {"down 1", "up 1"}},
      {ScanMethodId::kHoldToMove, ScanMethodId::kTwoSwitches, {{2000, 3000}, {6000, 100}}, {{6500, 100}}, {"down 1", "up 1"}},
  };
  for (const auto& change : changes) {
    ScannerRig rig;
    PrepareMethod(rig, change.from);
    rig.Presses1(change.first);
    rig.secondSwitch = change.second;
    rig.RunUntil(2500);
    rig.scanner.SetMethod(change.to);
    rig.RunUntil(9000);
    EXPECT_EQ(Pressed(rig), change.expected) << static_cast<int>(change.from) << " to " << static_cast<int>(change.to);
  }
}

TEST(Scanner, AMenuChangeMadeWhileAPressWaitsForItsReleaseStandsAfterTheRelease) {
  // The switch is held through the change, and its release acts on nothing.
  const struct {
    const char* name;
    Layout layout;
    std::int64_t pressAt;  // a wait: the switch-over marker, or the one button
    std::function<void(Scanner&)> change;
  } cases[] = {
      {"second stick unticked on the marker", Layout::kStrip, 3100,
       [](Scanner& scanner) {
         scanner.state().secondStick = false;
         scanner.ChooseFirstStick();
       }},
      {"another button count during a long one-button press", Layout::kOneButton, 1000,
       [](Scanner& scanner) { scanner.ShowButtons(3); }},
      {"another sub-button count during a long one-button press", Layout::kOneButton, 1000,
       [](Scanner& scanner) { scanner.ShowOneButton(2); }},
  };
  for (const auto& change : cases) {
    ScannerRig rig;
    rig.scanner.state().secondStick = true;
    Prepare(rig, change.layout, 0);
    if (change.layout == Layout::kStrip) rig.scanner.ShowButtons(2);  // 1 at 1 s, 2, the marker at 3 s
    rig.Press(change.pressAt, 1500);
    rig.RunUntil(change.pressAt + 500);
    ASSERT_NE(rig.scanner.press().wait, PressState::Wait::kNone) << change.name;
    change.change(rig.scanner);
    const ScanState chosen = rig.scanner.state();
    rig.events.clear();
    rig.RunUntil(change.pressAt + 1700);
    for (const std::string& e : Plain(rig.events)) {
      EXPECT_EQ(e.rfind("stick", 0), 0U) << change.name << ": " << e;
    }
    EXPECT_EQ(rig.scanner.state().activeStick, 0) << change.name;
    EXPECT_EQ(rig.scanner.state().buttonCount, chosen.buttonCount) << change.name;
    EXPECT_EQ(rig.scanner.state().subButtonCount, chosen.subButtonCount) << change.name;
  }
}

TEST(ScanMethods, TwoSwitchesTakeAStepBeforeTheSelectionThatFollowsItWhateverTheAcceptanceTime) {
  for (std::int64_t accept : {0, 300, 600}) {
    for (std::int64_t overlap = 0; overlap <= 400; overlap += 50) {
      ScannerRig rig;
      PrepareMethod(rig, ScanMethodId::kTwoSwitches, Layout::kStrip, accept);
      const std::int64_t length = accept + 100;
      // Two steps to button 2, a third, and switch 2 pressed overlap ms after it.
      rig.Presses1({{1000, length}, {2000, length}, {4000, length}});
      rig.secondSwitch = {{4000 + overlap, length}};
      rig.RunUntil(7000);
      const std::string at = "accept " + std::to_string(accept) + ", switch 2 " + std::to_string(overlap) + " ms later";
      EXPECT_EQ(Pressed(rig), (Events{"down 3", "up 3"})) << at;
      EXPECT_EQ(rig.lit.back(), 3) << at;
    }
  }
}

TEST(ScanMethods, TapToMoveTakesAPressBegunBeforeThePauseEndedAsATap) {
  // Two taps light button 2 and the pause after them ends at 3900; the
  // acceptance time outlasts it.
  for (std::int64_t before = 400; before >= 0; before -= 25) {
    ScannerRig rig;
    PrepareMethod(rig, ScanMethodId::kTapToMove, Layout::kStrip, 300);
    rig.scanner.state().selectingPause = 2000;
    rig.Presses1({{1000, 400}, {1500, 400}, {3900 - before, 400}});
    rig.RunUntil(7000);
    const Events expected = before > 0 ? Events{"down 3", "up 3"} : Events{"down 2", "up 2", "down 1", "up 1"};
    EXPECT_EQ(Pressed(rig), expected) << "a press " << before << " ms before the pause ended";
  }
}

TEST(ScanMethods, ThePausePositionPausesInEveryMethodWhereOnlyAPressHeldTheResumeHoldGoesOn) {
  // Two buttons, then the pause; each method reaches it and selects it by
  // 3500. A tap at 5000 does nothing; the hold from 7000 resumes at 9000.
  const auto run = [](ScanMethodId method, ScannerRig::Presses first, ScannerRig::Presses second) {
    ScannerRig rig;
    rig.scanner.state().pausePosition = true;
    Prepare(rig, Layout::kStrip, 0);
    rig.scanner.ShowButtons(2);
    rig.scanner.SetMethod(method);
    rig.scanner.state().selectingPause = 1000;
    rig.events.clear();
    ScannerRig::Presses& selecting = method == ScanMethodId::kTwoSwitches ? second : first;
    selecting.push_back({5000, 300});
    selecting.push_back({7000, 2500});
    rig.Presses1(first);
    rig.secondSwitch = second;
    rig.RunUntil(8900);
    EXPECT_TRUE(rig.scanner.Paused()) << static_cast<int>(method);
    EXPECT_EQ(rig.lit.back(), ScanOutput::kNothingLit);
    rig.RunUntil(9300);
    EXPECT_FALSE(rig.scanner.Paused());
    Events told;
    for (const std::string& e : Plain(rig.events)) {
      if (e.rfind("stick", 0) != 0) told.push_back(e);
    }
    return told;
  };
  const Events pausedAndResumed{"paused", "resumed"};
  EXPECT_EQ(run(ScanMethodId::kAutomatic, {{3300, 100}}, {}), pausedAndResumed);
  EXPECT_EQ(run(ScanMethodId::kHoldToMove, {{1000, 2500}}, {}), pausedAndResumed);
  EXPECT_EQ(run(ScanMethodId::kTwoSwitches, {{1000, 100}, {1500, 100}, {2000, 100}, {6000, 100}}, {{3000, 300}}),
            pausedAndResumed);
  EXPECT_EQ(run(ScanMethodId::kTapToMove, {{1000, 100}, {1500, 100}, {2000, 100}}, {}), pausedAndResumed);
}

TEST(Scanner, TheAutomaticScanResumesFromItsFirstPositionAndThePauseComesAfterTheSwitchOverMarker) {
  ScannerRig rig;
  rig.scanner.state().pausePosition = true;
  rig.scanner.state().secondStick = true;
  Prepare(rig, Layout::kStrip, 0);
  rig.scanner.ShowButtons(2);
  rig.RunUntil(4500);
  EXPECT_EQ(rig.lit, (std::vector<int>{1, 2, 0, ScanOutput::kPausePosition}));
  rig.Presses1({{4600, 100}, {6000, 2200}});
  rig.RunUntil(8300);
  EXPECT_EQ(rig.scanner.state().litPosition, 1);
  EXPECT_TRUE(rig.Buttons().empty());
  // The resuming press selects nothing, and the scan goes on after its release.
  rig.RunUntil(11000);
  EXPECT_TRUE(rig.Buttons().empty());
  EXPECT_EQ(rig.lit, (std::vector<int>{1, 2, 0, ScanOutput::kPausePosition, ScanOutput::kNothingLit, 1, 2, 0}));
}

TEST(Scanner, ASwitchStuckClosedIsReleasedOnceAndSendsNothingMoreUntilItOpens) {
  ScannerRig rig;
  Prepare(rig, Layout::kStrip, 0);
  rig.scanner.state().stuckAfterSeconds = 2;
  rig.Presses1({{1100, 5000}, {7100, 100}});
  rig.RunUntil(6900);
  const std::vector<std::string> plain = Plain(rig.events);
  const auto stuck = std::find(plain.begin(), plain.end(), "stuck");
  ASSERT_NE(stuck, plain.end());
  EXPECT_EQ(std::count(plain.begin(), plain.end(), "stuck"), 1);
  EXPECT_EQ(std::count(plain.begin(), plain.end(), "up 1"), 1);
  EXPECT_EQ(*(stuck - 1), "up 1");
  // Nothing more after it, through the release at 6100.
  for (auto e = stuck + 1; e != plain.end(); ++e) EXPECT_EQ(e->rfind("down", 0), std::string::npos) << *e;
  const std::string& stuckAt = rig.events[static_cast<std::size_t>(stuck - plain.begin())];
  EXPECT_GE(std::stoll(stuckAt.substr(stuckAt.find('@') + 1)), 3100);
  EXPECT_LE(std::stoll(stuckAt.substr(stuckAt.find('@') + 1)), 3300);
  // Once it has opened, a press acts again.
  rig.RunUntil(7600);
  const std::vector<std::string> after = Plain(rig.events);
  ASSERT_GE(after.size(), 2U);
  EXPECT_EQ(after[after.size() - 2].rfind("down", 0), 0U);
  EXPECT_EQ(after.back().rfind("up", 0), 0U);
}

}  // namespace sorvane::test
