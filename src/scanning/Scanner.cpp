#include "scanning/Scanner.h"

#include <algorithm>

namespace sorvane {

int IntervalMilliseconds(float seconds) {
  // The stored float widened first: 0.7 s is 699 ms, as the float holds 0.6999999881.
  const double milliseconds = static_cast<double>(seconds) * 1000.0;
  if (!(milliseconds == milliseconds)) return 0;  // not a number
  if (milliseconds >= 2147483647.0) return 2147483647;
  if (milliseconds <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(milliseconds);
}

Scanner::Scanner(ScanOutput& output, TimerHost& timers, Clock& clock)
    : output_(output),
      clock_(clock),
      timer_(timers, 1000, true, [this] { TimerElapsed(); }) {}

void Scanner::TimerElapsed() {
  if (WaitsForPrompt()) return;
  // The automatic method is called directly: the step runs every interval.
  if (method_ == &automatic_) {
    automatic_.TimerElapsed(*this);
  } else {
    method_->TimerElapsed(*this);
  }
}

bool Scanner::WaitsForPrompt() {
  const std::int64_t now = clock_.NowMilliseconds();
  const std::int64_t latest = litAt_ + litInterval_ + kLongestPromptWait;
  const std::int64_t until = resting_ ? 0 : std::min(output_.StepWaitsUntil(), latest);
  if (until <= now) {
    EndPromptWait();
    return false;
  }
  if (!promptWait_) intervalBeforeWait_ = timer_.Interval();
  promptWait_ = true;
  timer_.SetInterval(static_cast<int>(std::min<std::int64_t>(until - now, 2147483647)));
  return true;
}

void Scanner::EndPromptWait() {
  if (!promptWait_) return;
  promptWait_ = false;
  timer_.SetInterval(intervalBeforeWait_);
}

void Scanner::PromptEnded() {
  if (promptWait_ && timer_.Running()) TimerElapsed();
}

void Scanner::ApplyTiming() {
  promptWait_ = false;
  timer_.SetInterval(IntervalMilliseconds(state_.intervalSeconds));
}

void Scanner::ShowButtons(int count) {
  state_.activeStick = 0;
  state_.oneButtonMode = false;
  state_.buttonCount = count;
  state_.litPosition = 0;
  stepCount_ = 0;
  output_.Relayout(count);
}

void Scanner::ShowOneButton(int subCount) {
  state_.oneButtonMode = true;
  state_.subButtonCount = subCount;
  state_.buttonCount = 1;
  state_.litPosition = 0;
  stepCount_ = 0;
  output_.Relayout(1);
}

void Scanner::ShowLayout() {
  stepCount_ = 0;
  output_.Relayout(state_.buttonCount);
}

void Scanner::Step() {
  if (collapseCountdown_ != 0 && state_.oneButtonMode) --collapseCountdown_;
  const int before = state_.litPosition;
  const int countBefore = state_.buttonCount;
  if (collapseCountdown_ == 0 && state_.oneButtonMode) {
    // The sub-buttons close: back to the one button.
    state_.buttonCount = 1;
    state_.litPosition = 0;
    output_.Relayout(1);
  }
  if (state_.buttonCount >= 2) output_.Click();
  ++state_.litPosition;
  if (state_.litPosition == state_.buttonCount + 1) {
    state_.litPosition = state_.secondStick && state_.buttonCount != 1 ? 0 : 1;
  }
  steps_[static_cast<std::size_t>(stepCount_++ % 16)] =
      ScanStep{clock_.NowMilliseconds(), before, state_.litPosition, countBefore};
}

void Scanner::Light(bool byStep) {
  EndPromptWait();
  output_.Light(state_.litPosition, byStep);
  litAt_ = clock_.NowMilliseconds();
  // The first position of each cycle stays lit longer, where a carer asks for it.
  const std::int32_t pause = state_.firstPause;
  const int interval = IntervalMilliseconds(state_.intervalSeconds);
  if (pause > 0 && interval > 0) timer_.SetInterval(state_.litPosition == 1 ? interval + pause : interval);
  litInterval_ = timer_.Interval();
}

void Scanner::LightWhatWasLitAt(std::int64_t time) {
  // Back through the steps taken since then, as long as nothing else (a
  // layout, a wake) moved the highlight in between. A step that closed the
  // sub-buttons is undone with them: the press belongs to a sub-button.
  int position = state_.litPosition;
  int count = state_.buttonCount;
  const int available = stepCount_ < 16 ? stepCount_ : 16;
  for (int i = 1; i <= available; ++i) {
    const ScanStep& step = steps_[static_cast<std::size_t>((stepCount_ - i) % 16)];
    if (step.time <= time || step.after != position) break;
    position = step.before;
    count = step.countBefore;
  }
  if (position == state_.litPosition && count == state_.buttonCount) return;
  stepCount_ = 0;
  if (count != state_.buttonCount) {
    state_.buttonCount = count;
    collapseCountdown_ = 1;  // as it stood before the step that closed them
    output_.Relayout(count);
  }
  state_.litPosition = position;
  Light(false);
}

bool Scanner::CycleCompleted() {
  if (!cycleStarted_) {
    cycleStarted_ = true;
    return false;
  }
  ++cyclesWithoutPress_;
  return state_.restAfterCycles > 0 && cyclesWithoutPress_ >= state_.restAfterCycles;
}

void Scanner::Rest() {
  resting_ = true;
  timer_.SetEnabled(false);
  output_.Light(ScanOutput::kNothingLit, false);
}

void Scanner::Wake() {
  resting_ = false;
  cyclesWithoutPress_ = 0;
  cycleStarted_ = true;
  state_.litPosition = 1;
  stepCount_ = 0;
  Light(false);
  HoldStill();
}

void Scanner::HoldStill() {
  // A press, or a held switch, earns a whole interval, not what a prompt's wait had left.
  EndPromptWait();
  timer_.SetEnabled(false);
  timer_.SetEnabled(true);
}

void Scanner::Tick(SwitchSampler& switchSamples) {
  ++press_.ticks;
  // While a press waits for its release JoyToKey hears nothing after the -1.
  if (press_.wait == PressState::Wait::kNone) output_.ReportStick(state_.activeStick);
  AdvancePress(switchSamples);
}

void Scanner::AdvancePress(SwitchSampler& switchSamples) {
  if (press_.down && switchSamples.HasEdge() && !switchSamples.Front().down) {
    press_.down = false;
    press_.releasedAt = switchSamples.Front().time;
    switchSamples.Pop();
  }
  if (press_.wait != PressState::Wait::kNone) {
    // A wait ends when every button of the joystick is up.
    if (press_.down || switchSamples.AnyDown()) return;
    if (switchSamples.AllUpSince() > press_.releasedAt) press_.releasedAt = switchSamples.AllUpSince();
    FinishWait();
    return;
  }
  if (press_.down) {
    if (!press_.selectsNothing) {
      method_->Held(*this);
    } else {
      // It holds the scan where it is, as any held press does: a slow
      // release must not let a woken scan rest again.
      HoldStill();
    }
    return;
  }
  press_.selectsNothing = false;
  // The release is never sent in the tick of its press, so JoyToKey sees the
  // button down for at least one tick.
  if (state_.heldButton != 0 && press_.heldTick != press_.ticks) ReleaseHeldButton();
  if (!switchSamples.HasEdge() || !switchSamples.Front().down) return;
  if (state_.heldButton != 0) return;  // a new press waits for the held one's release
  press_.down = true;
  const std::int64_t closedAt = switchSamples.Front().time;
  switchSamples.Pop();
  if (closedAt < resumedAt_) {
    // Made while a dialog held the ticks, and only recognised now.
    press_.selectsNothing = true;
    return;
  }
  method_->Pressed(*this, closedAt);
}

void Scanner::Select(bool newPress) {
  EndPromptWait();
  timer_.SetEnabled(false);
  if (newPress && state_.buttonCount == 1) {
    output_.Click();
    output_.ReportStick(-1);
    // The hold is timed from the end of the click, when the user hears it.
    press_.measuredFrom = clock_.NowMilliseconds();
    press_.wait = PressState::Wait::kOneButtonRelease;
    return;
  }
  ActAtPosition(newPress);
  if (press_.wait == PressState::Wait::kNone) timer_.SetEnabled(true);
}

void Scanner::ActAtPosition(bool newPress) {
  const int lit = state_.litPosition;
  if (lit == 0) {
    // Without the second joystick there is nothing to switch to: a press
    // before the first scan step must not strand the user on it.
    if (state_.oneButtonMode || !state_.secondStick || !newPress) return;
    if (press_.down) {
      press_.wait = PressState::Wait::kSwitchOverRelease;
    } else {
      SwitchStick();
    }
    return;
  }
  if (lit < 1 || lit > 8) return;
  // A held press goes on repeating on its own button, wherever the scan is.
  const bool takesNewButton = newPress || state_.heldButton == 0;
  const int position = takesNewButton ? lit : state_.heldButton;
  output_.ButtonDown(position);
  if (takesNewButton) {
    state_.heldButton = position;
    press_.heldStick = state_.activeStick;
    press_.heldTick = press_.ticks;
  }
}

void Scanner::FinishWait() {
  const PressState::Wait wait = press_.wait;
  press_.wait = PressState::Wait::kNone;
  if (wait == PressState::Wait::kSwitchOverRelease) {
    SwitchStick();
  } else {
    if (press_.releasedAt - press_.measuredFrom >= kLongPressMilliseconds) OpenSubButtons();
    ActAtPosition(true);
  }
  timer_.SetEnabled(true);
}

void Scanner::OpenSubButtons() {
  // Nothing is lit until the first step: a highlight left on the first
  // sub-button would invite a press that does nothing.
  state_.buttonCount = state_.subButtonCount;
  state_.litPosition = 0;
  stepCount_ = 0;
  output_.Relayout(state_.buttonCount);
  output_.Light(ScanOutput::kNothingLit, false);
  state_.oneButtonMode = true;
  state_.activeStick = 0;
  output_.ReportStick(0);
  // They stay open for one whole cycle and the step after it.
  collapseCountdown_ = state_.buttonCount + 1;
}

void Scanner::SwitchStick() {
  state_.activeStick = state_.activeStick == 1 ? 0 : 1;
  output_.ReportStick(state_.activeStick);
  output_.StickSwitched(state_.activeStick);
}

void Scanner::ChooseFirstStick() { state_.activeStick = 0; }

void Scanner::ReleaseHeldButton() {
  const int held = state_.heldButton;
  state_.heldButton = 0;
  if (held < 1 || held > 8) return;
  // Button 1 is released like the others: a press never released would
  // leave the user's key held down at JoyToKey. The release goes to the stick
  // the press went down on.
  output_.ButtonUp(held, press_.heldStick);
}

void Scanner::Interrupt() {
  if (state_.heldButton != 0) ReleaseHeldButton();
  // A one-button press or a switch-over under way acts on nothing now.
  press_.wait = PressState::Wait::kNone;
  press_.selectsNothing = press_.down;
}

void Scanner::Resume(SwitchSampler& switchSamples) {
  resumedAt_ = clock_.NowMilliseconds();
  // What the switch did while the dialog was open is dropped whole; presses
  // and releases stay paired, so the press under way is known.
  while (switchSamples.HasEdge() && switchSamples.Front().time < resumedAt_) {
    press_.down = switchSamples.Front().down;
    switchSamples.Pop();
  }
  press_.selectsNothing = press_.down;
}

void AutomaticScan::TimerElapsed(Scanner& scanner) {
  if (scanner.Resting()) {
    // Only a press wakes a resting scan.
    scanner.timer().SetEnabled(false);
    return;
  }
  scanner.Step();
  if (scanner.state().litPosition == 1 && scanner.CycleCompleted()) {
    scanner.Rest();
    return;
  }
  scanner.LightStep();
}

void AutomaticScan::Pressed(Scanner& scanner, std::int64_t closedAt) {
  // Cycles without a press count afresh from the next first position.
  scanner.PressSeen();
  if (scanner.Resting()) {
    // The press that wakes the scan selects nothing: the user sees where it
    // starts before choosing.
    scanner.SelectNothingUntilRelease();
    scanner.Wake();
    return;
  }
  // The press belongs to what was lit when the switch closed: with an
  // acceptance time the highlight may have moved on since.
  scanner.LightWhatWasLitAt(closedAt);
  scanner.Select(true);
}

void AutomaticScan::Held(Scanner& scanner) { scanner.Select(false); }

}  // namespace sorvane
