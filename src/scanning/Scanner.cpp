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

Scanner::Scanner(ScanOutput& output, TimerHost& timers, Clock& clock, SwitchSampler& switchSamples,
                 SwitchSampler& secondSwitchSamples)
    : output_(output),
      clock_(clock),
      switchSamples_(switchSamples),
      secondSwitchSamples_(secondSwitchSamples),
      timerStartWatch_(*this, timers),
      timer_(timerStartWatch_, 1000, true, [this] { TimerElapsed(); }) {
  timerStartWatch_.Arm();
}

void Scanner::TimerStartWatch::TimerChanged(Timer& timer) {
  // A new interval for a running timer (a longer first position, a prompt's
  // wait) is no new offer of the position; only a start is.
  const bool started = timer.Enabled() && !wasEnabled_;
  wasEnabled_ = timer.Enabled();
  if (armed_ && started && !scanner_.resting_) scanner_.NoteLit(scanner_.state_.litPosition);
  host_.TimerChanged(timer);
}

void Scanner::TimerElapsed() {
  if (paused_) {
    timer_.SetEnabled(false);
    return;
  }
  if (WaitsForPrompt()) return;
  method_->TimerElapsed(*this);
}

void Scanner::SetMethod(ScanMethodId id) {
  ScanMethod* chosen = &automatic_;
  switch (id) {
    case ScanMethodId::kHoldToMove: chosen = &holdToMove_; break;
    case ScanMethodId::kTwoSwitches: chosen = &twoSwitches_; break;
    case ScanMethodId::kTapToMove: chosen = &tapToMove_; break;
    case ScanMethodId::kAutomatic: break;
  }
  state_.method = id;
  if (chosen == method_) return;
  // Nothing of the old way carries over: a held button goes up, and a press
  // under way selects nothing.
  Interrupt();
  resting_ = false;
  if (paused_) {
    paused_ = false;
    output_.PauseChanged(false);
  }
  if (method_->SelectingSwitch() != chosen->SelectingSwitch()) {
    // The other switch selects now. The press under way was the old one's:
    // its release comes on a switch that no longer selects, and the new one
    // is free to press at once.
    press_.down = false;
    press_.selectsNothing = false;
  }
  method_ = chosen;
  ApplyTiming();
  method_->Start(*this);
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
  state_.litPosition = 0;
  LayOut(count);
}

void Scanner::ShowOneButton(int subCount) {
  state_.oneButtonMode = true;
  state_.subButtonCount = subCount;
  state_.litPosition = 0;
  LayOut(1);
}

void Scanner::ShowLayout() { LayOut(state_.buttonCount); }

void Scanner::LayOut(int count) {
  CancelWait();
  // The carer laid the panel out afresh: it scans again from the start.
  if (paused_) {
    paused_ = false;
    output_.PauseChanged(false);
  }
  state_.buttonCount = count;
  stepCount_ = 0;
  output_.Relayout(count);
  method_->LaidOut(*this);
}

void Scanner::CancelWait() {
  if (press_.wait == PressState::Wait::kNone) return;
  press_.wait = PressState::Wait::kNone;
  press_.selectsNothing = press_.down;
}

void Scanner::Step(std::int64_t at) {
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
  const bool offersPause = state_.pausePosition && state_.buttonCount != 1;
  if (state_.litPosition == ScanOutput::kPausePosition) {
    state_.litPosition = 1;
  } else if (state_.litPosition == 0 && offersPause && SteppedOntoSwitchOver()) {
    state_.litPosition = ScanOutput::kPausePosition;
  } else {
    if (state_.litPosition < 0) state_.litPosition = 0;  // from nothing lit to the first position
    ++state_.litPosition;
    if (state_.litPosition == state_.buttonCount + 1) {
      state_.litPosition = state_.secondStick && state_.buttonCount != 1 ? 0
                           : offersPause                                 ? ScanOutput::kPausePosition
                                                                         : 1;
    }
  }
  steps_[static_cast<std::size_t>(stepCount_++ % 16)] = ScanStep{at, before, state_.litPosition, countBefore};
}

bool Scanner::SteppedOntoSwitchOver() const {
  // A layout leaves position 0 with no step taken: its first step lights button 1.
  return stepCount_ > 0 && steps_[static_cast<std::size_t>((stepCount_ - 1) % 16)].after == 0;
}

void Scanner::NoteLit(int position) {
  litHistory_[static_cast<std::size_t>(litCount_++ % 16)] = LitMoment{position, clock_.NowMilliseconds()};
}

Scanner::LitMoment Scanner::LitAt(std::int64_t time) const {
  const int available = litCount_ < 16 ? litCount_ : 16;
  LitMoment found;
  for (int i = 1; i <= available; ++i) {
    found = litHistory_[static_cast<std::size_t>((litCount_ - i) % 16)];
    if (found.since <= time) return found;
  }
  // Older than what is kept: lit at least since the oldest change known.
  return found;
}

void Scanner::TellTaken(int switchNumber, ObservedPress::Outcome outcome, std::int64_t closedAt) {
  if (observer_ == nullptr) return;
  const LitMoment lit = LitAt(closedAt);
  observer_->PressTaken(ObservedPress{switchNumber, outcome, closedAt, lit.position, lit.since});
}

void Scanner::TellReleased(int switchNumber, std::int64_t openedAt) {
  if (observer_ != nullptr) observer_->PressReleased(switchNumber, openedAt);
}

void Scanner::Light(bool byStep) {
  EndPromptWait();
  NoteLit(state_.litPosition);
  output_.Light(state_.litPosition, byStep);
  litAt_ = clock_.NowMilliseconds();
  // The first position of each cycle stays lit longer, where a carer asks for it.
  const std::int32_t pause = state_.firstPause;
  const int interval = IntervalMilliseconds(state_.intervalSeconds);
  if (pause > 0 && interval > 0 && method_->LengthensFirstPosition()) {
    timer_.SetInterval(state_.litPosition == 1 ? interval + pause : interval);
  }
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
  return state_.quietCyclesBeforeRest > 0 && cyclesWithoutPress_ >= state_.quietCyclesBeforeRest;
}

void Scanner::Rest() {
  resting_ = true;
  timer_.SetEnabled(false);
  NoteLit(ScanOutput::kNothingLit);
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

void Scanner::LightNothing() {
  state_.litPosition = ScanOutput::kNothingLit;
  stepCount_ = 0;
  NoteLit(ScanOutput::kNothingLit);
  output_.Light(ScanOutput::kNothingLit, false);
}

void Scanner::LightFirst(std::int64_t at) {
  if (state_.oneButtonMode && state_.buttonCount > 1) collapseCountdown_ = state_.buttonCount + 1;
  state_.litPosition = ScanOutput::kNothingLit;
  Step(at);
  Light(true);
}

void Scanner::SelectLit() {
  // A button still down from the selection before goes up first: its key
  // must never stay held.
  if (state_.heldButton != 0) ReleaseHeldButton();
  ActAtPosition(true);
  // Between ticks the next tick may be a moment away: JoyToKey sees the
  // button down for a whole tick at least.
  if (state_.heldButton != 0 && !inTick_) press_.heldTick = press_.ticks + 1;
}

void Scanner::Tick() {
  ++press_.ticks;
  inTick_ = true;
  // While a press waits for its release JoyToKey hears nothing after the -1.
  if (press_.wait == PressState::Wait::kNone) output_.ReportStick(state_.activeStick);
  AdvancePress();
  // The other switch's changes that came before the selecting switch's next
  // one, which a later tick takes.
  SwitchSampler& selecting = Selecting();
  method_->TakeOtherSwitch(*this, Other(), selecting.HasEdge() ? selecting.Front().time : INT64_MAX);
  inTick_ = false;
}

void Scanner::AdvancePress() {
  SwitchSampler& switchSamples = Selecting();
  // What the other switch did before each change of this one comes first.
  if (switchSamples.HasEdge()) method_->TakeOtherSwitch(*this, Other(), switchSamples.Front().time);
  if (press_.down && switchSamples.HasEdge() && !switchSamples.Front().down) {
    press_.down = false;
    press_.releasedAt = switchSamples.Front().time;
    switchSamples.Pop();
    TellReleased(SelectingSwitch(), press_.releasedAt);
    if (!press_.selectsNothing && press_.wait == PressState::Wait::kNone) {
      method_->Released(*this, press_.releasedAt);
    }
  }
  if (paused_) {
    AdvancePausedPress(switchSamples);
    return;
  }
  CheckStuck();
  if (press_.wait != PressState::Wait::kNone) {
    // A wait ends when every button of the joystick is up.
    if (press_.down || switchSamples.AnyDown()) return;
    if (switchSamples.AllUpSince() > press_.releasedAt) press_.releasedAt = switchSamples.AllUpSince();
    FinishWait();
    return;
  }
  if (press_.down) {
    method_->Held(*this);
    return;
  }
  press_.selectsNothing = false;
  // The release is never sent in the tick of its press, so JoyToKey sees the
  // button down for at least one tick.
  if (state_.heldButton != 0 && press_.heldTick != press_.ticks) ReleaseHeldButton();
  // The release of a press this switch did not make as the selecting one (it
  // was stepping, or selecting in another way of scanning) has nothing to end.
  while (switchSamples.HasEdge() && !switchSamples.Front().down) switchSamples.Pop();
  if (!switchSamples.HasEdge()) return;
  if (state_.heldButton != 0) return;  // a new press waits for the held one's release
  method_->TakeOtherSwitch(*this, Other(), switchSamples.Front().time);
  press_.down = true;
  press_.stuck = false;
  const std::int64_t closedAt = switchSamples.Front().time;
  press_.closedAt = closedAt;
  switchSamples.Pop();
  if (closedAt < resumedAt_) {
    // Made while a dialog held the ticks, and only recognised now.
    press_.selectsNothing = true;
    TellTaken(SelectingSwitch(), ObservedPress::Outcome::kDuringDialog, closedAt);
    return;
  }
  TellTaken(SelectingSwitch(), resting_ ? ObservedPress::Outcome::kWhileResting : ObservedPress::Outcome::kAccepted,
            closedAt);
  method_->Pressed(*this, closedAt);
}

void Scanner::Select(bool newPress) {
  EndPromptWait();
  if (newPress && state_.buttonCount == 1) {
    timer_.SetEnabled(false);
    output_.Click();
    output_.ReportStick(-1);
    // The hold is timed from the end of the click, when the user hears it.
    press_.measuredFrom = clock_.NowMilliseconds();
    press_.wait = PressState::Wait::kOneButtonRelease;
    return;
  }
  ActAtPosition(newPress);
}

void Scanner::ActAtPosition(bool newPress) {
  const int lit = state_.litPosition;
  if (lit == ScanOutput::kPausePosition) {
    if (newPress) Pause();
    return;
  }
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
  method_->WaitFinished(*this);
}

void Scanner::OpenSubButtons() {
  // Nothing is lit until the first step: a highlight left on the first
  // sub-button would invite a press that does nothing.
  state_.buttonCount = state_.subButtonCount;
  state_.litPosition = ScanOutput::kNothingLit;
  stepCount_ = 0;
  output_.Relayout(state_.buttonCount);
  NoteLit(ScanOutput::kNothingLit);
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

void Scanner::ChooseFirstStick() {
  CancelWait();
  state_.activeStick = 0;
}

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
  method_->Interrupt();
}

void Scanner::Resume() {
  resumedAt_ = clock_.NowMilliseconds();
  // What the switches did while the dialog was open is dropped whole; presses
  // and releases stay paired, so the press under way is known.
  SwitchSampler& selecting = Selecting();
  while (selecting.HasEdge() && selecting.Front().time < resumedAt_) {
    const SwitchSampler::Edge edge = selecting.Front();
    press_.down = edge.down;
    if (edge.down) {
      press_.closedAt = edge.time;
      press_.stuck = false;
      press_.mayResume = false;
    }
    selecting.Pop();
    if (edge.down) {
      TellTaken(SelectingSwitch(), ObservedPress::Outcome::kDuringDialog, edge.time);
    } else {
      TellReleased(SelectingSwitch(), edge.time);
    }
  }
  press_.selectsNothing = press_.down;
  // The other switch's are too; the method notes what it needs of them.
  method_->TakeOtherSwitch(*this, Other(), resumedAt_ - 1);
}

void Scanner::Pause() {
  paused_ = true;
  // The press that chose the pause acts no more, nor ends it: only a press
  // begun while paused can.
  press_.selectsNothing = press_.down;
  press_.mayResume = false;
  timer_.SetEnabled(false);
  state_.litPosition = ScanOutput::kNothingLit;
  stepCount_ = 0;
  NoteLit(ScanOutput::kNothingLit);
  output_.Light(ScanOutput::kNothingLit, false);
  output_.PauseChanged(true);
}

void Scanner::EndPause() {
  if (paused_) ResumeFromPause();
}

void Scanner::ResumeFromPause() {
  paused_ = false;
  // The resuming press selects nothing, however long it is held yet.
  press_.selectsNothing = press_.down;
  press_.mayResume = false;
  output_.PauseChanged(false);
  method_->ResumedFromPause(*this);
}

void Scanner::AdvancePausedPress(SwitchSampler& samples) {
  Other().DropEdges();
  press_.wait = PressState::Wait::kNone;
  if (state_.heldButton != 0 && press_.heldTick != press_.ticks) ReleaseHeldButton();
  if (!press_.down) {
    press_.selectsNothing = false;
    while (samples.HasEdge() && !samples.Front().down) samples.Pop();
    if (!samples.HasEdge()) return;
    press_.down = true;
    press_.selectsNothing = true;
    press_.stuck = false;
    press_.closedAt = samples.Front().time;
    samples.Pop();
    // A press made while a dialog held the ticks resumes nothing.
    press_.mayResume = press_.closedAt >= resumedAt_;
    TellTaken(SelectingSwitch(),
              press_.mayResume ? ObservedPress::Outcome::kWhileResting : ObservedPress::Outcome::kDuringDialog,
              press_.closedAt);
  }
  if (press_.mayResume && Now() - press_.closedAt >= state_.resumeHold) ResumeFromPause();
}

void Scanner::CheckStuck() {
  if (!press_.down || press_.stuck || state_.stuckAfterSeconds <= 0) return;
  if (Now() - press_.closedAt < static_cast<std::int64_t>(state_.stuckAfterSeconds) * 1000) return;
  press_.stuck = true;
  if (state_.heldButton != 0) ReleaseHeldButton();
  // What its release was to do is dropped too: the switch did not choose it.
  press_.wait = PressState::Wait::kNone;
  press_.selectsNothing = true;
  output_.SwitchStuck();
}

}  // namespace sorvane
