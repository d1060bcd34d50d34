// The scan and the press: which position is lit, what the switch's presses
// and releases do to it, and what JoyToKey must hear of them. Driven by the
// scan timer, the 200 ms tick and the switch's latched changes; it speaks to
// the rest of the program only through ScanOutput.
#pragma once

#include <array>
#include <cstdint>

#include "platform/Clock.h"
#include "platform/Timers.h"
#include "scanning/PressObserver.h"
#include "scanning/ScanMethod.h"
#include "scanning/ScanOutput.h"
#include "switch/SwitchSampler.h"

namespace sorvane {

// How the user moves the highlight and chooses; the numbers are the settings file's.
enum class ScanMethodId : std::int32_t {
  kAutomatic = 0,    // the highlight moves by itself; a press selects
  kHoldToMove = 1,   // it moves while the switch is held; the release selects
  kTwoSwitches = 2,  // switch 1 moves it one position a press; switch 2 selects
  kTapToMove = 3,    // each press moves it one position; a pause selects
};

struct ScanState {
  int litPosition = 0;      // 0 the switch-over marker, 1..8 button k
  int heldButton = 0;       // position held down at JoyToKey, 0 none
  std::int32_t activeStick = 0;  // 0 buttons 1-8, 1 buttons 11-18
  int buttonCount = 4;      // positions the strip shows now
  int subButtonCount = 4;   // positions a long press opens in one-button mode
  bool oneButtonMode = false;  // one button, whose long press opens the sub-buttons
  bool secondStick = false;    // the switch-over marker takes the user to buttons 11-18
  float intervalSeconds = 0.0F;
  std::int32_t firstPause = 0;  // ms more on the first position of each cycle
  std::int32_t quietCyclesBeforeRest = 0;  // cycles without a press before the scan rests, 0 never
  ScanMethodId method = ScanMethodId::kAutomatic;
  std::int32_t selectingPause = 2000;  // ms; tap to move: a pause this long selects
  bool pausePosition = false;     // the scan offers the user's own pause after the last position
  std::int32_t resumeHold = 2000;  // ms a press must last to end the user's pause
  std::int32_t stuckAfterSeconds = 0;  // a switch closed this long is stuck, 0 never
};

// Where the switch's current press stands between ticks.
struct PressState {
  enum class Wait {
    kNone,
    kOneButtonRelease,   // one-button mode: -1 told, the rest comes with the release
    kSwitchOverRelease,  // at the switch-over marker: the stick flips at the release
  };
  bool down = false;            // the press the ticks are handling is still going on
  bool selectsNothing = false;  // it woke the resting scan, or a dialog cut it short
  Wait wait = Wait::kNone;
  std::int64_t measuredFrom = 0;  // a one-button press is timed from here
  std::int64_t closedAt = 0;      // when the switch closed for the press under way
  bool stuck = false;             // held so long that it is taken as stuck
  bool mayResume = false;         // begun while paused: held long enough, it resumes the scan
  std::int64_t releasedAt = 0;
  std::int32_t heldStick = 0;  // the stick heldButton went down on
  std::uint64_t heldTick = 0;  // the tick heldButton went down in
  std::uint64_t ticks = 0;
};

// The scan timer's interval for an interval in seconds: the float widened,
// times 1000, truncated toward zero to whole milliseconds, and held within the
// range of the timer's interval whatever a settings file holds (nothing that
// is not a number scans).
int IntervalMilliseconds(float seconds);

class Scanner {
 public:
  static constexpr std::int64_t kLongPressMilliseconds = 1000;
  // A step waits for a prompt at most this long past the lit position's interval.
  static constexpr std::int64_t kLongestPromptWait = 5000;

  // switchSamples is switch 1, secondSwitchSamples switch 2; the ticks take their changes.
  Scanner(ScanOutput& output, TimerHost& timers, Clock& clock, SwitchSampler& switchSamples,
          SwitchSampler& secondSwitchSamples);
  Scanner(const Scanner&) = delete;
  Scanner& operator=(const Scanner&) = delete;

  ScanState& state() { return state_; }
  const ScanState& state() const { return state_; }
  const PressState& press() const { return press_; }
  bool Resting() const { return resting_; }
  // The user chose the pause position; only a long press resumes.
  bool Paused() const { return paused_; }
  // The scan goes on from its first position, as after the long press (the
  // pause position was turned off).
  void EndPause();
  // Steps left before the open sub-buttons close (one-button mode).
  int StepsBeforeSubButtonsClose() const { return collapseCountdown_; }
  // The highlight's own timer; handlers that hold the scan stop and restart it.
  Timer& timer() { return timer_; }

  // The interval and the longer first position, from state().
  void ApplyTiming();
  // The strip shows count buttons from its first position on the first stick.
  void ShowButtons(int count);
  // One button, whose long press opens subCount sub-buttons.
  void ShowOneButton(int subCount);
  // The layout at start: state().buttonCount as it stands.
  void ShowLayout();

  // How the user moves the highlight and chooses: the scan starts afresh in
  // the chosen way; a held button is released first.
  void SetMethod(ScanMethodId id);

  // The 200 ms tick: tells JoyToKey the active stick and advances the press
  // with what the switches did since the last tick, in the order they did it.
  // The switch that does not select is the method's to use or drop.
  void Tick();
  // A dialog that holds the ticks is about to open: a held button is released
  // and a press under way selects nothing more.
  void Interrupt();
  // The dialog has closed; whatever the switch did meanwhile is dropped. A
  // switch still down is a press that selects nothing until its release.
  void Resume();
  // The stick the user is on changes (the switch-over marker, or the menu).
  // A change from the menu also ends a wait under way: what the release was
  // to do belonged to the panel as it was.
  void SwitchStick();
  void ChooseFirstStick();
  // What a long press in one-button mode does.
  void OpenSubButtons();
  void ReleaseHeldButton();
  // Tap to move: the pause under way will select the lit position.
  bool PauseWillSelect() const { return method_->PauseWillSelect(); }
  // A release to come acts (one-button mode, the switch-over marker, a
  // method's release), so it should be taken as soon as it is seen.
  bool WaitsForRelease() const {
    return press_.wait != PressState::Wait::kNone || (press_.down && method_->ActsOnRelease()) ||
           method_->OtherSwitchActsOnRelease();
  }

  // Told what becomes of every press taken from the switch (nullptr: nobody).
  void SetPressObserver(PressObserver* observer) { observer_ = observer; }
  // The switch whose press selects: switch 2 in two-switch scanning, where switch 1 only steps.
  int SelectingSwitch() const { return method_->SelectingSwitch(); }
  // What was lit at time, and since when, as far as the latest changes of the
  // highlight tell (-1: nothing was lit).
  struct LitMoment {
    int position = ScanOutput::kNothingLit;
    std::int64_t since = 0;
  };
  LitMoment LitAt(std::int64_t time) const;

  // Shared moves, for the scanning methods.
  std::int64_t Now() { return clock_.NowMilliseconds(); }
  bool NothingLit() const { return state_.litPosition == ScanOutput::kNothingLit; }
  // An accepted press is down and may still select.
  bool PressHeld() const { return press_.down && !press_.selectsNothing; }
  // The selecting switch closed before time on a press the ticks have not
  // taken yet: it is still waiting out the acceptance time.
  bool PressClosedBefore(std::int64_t time) const { return Selecting().PressClosedBefore(time); }
  // Presses that began before this moment were made while a dialog held the ticks.
  std::int64_t ResumedAt() const { return resumedAt_; }
  // Puts the highlight out; the next move starts from the first position.
  void LightNothing();
  // Lights the first position, as the first step of a pass: open sub-buttons
  // get a whole pass and one step more before they close.
  void LightFirst() { LightFirst(clock_.NowMilliseconds()); }
  void LightFirst(std::int64_t at);
  // A press that closed at closedAt moves the highlight on a position: from
  // nothing lit, to the first.
  void MoveOnByPress(std::int64_t closedAt) {
    if (NothingLit()) {
      LightFirst(closedAt);
    } else {
      Step(closedAt);
      LightStep();
    }
  }
  // The lit position is selected with no press under way (a release, or a
  // pause): its button goes down now and up at least a whole tick later.
  void SelectLit();
  // Moves the highlight on by one position, as the interval does; at is when
  // the step counts as taken, for a press that closed before it.
  void Step() { Step(clock_.NowMilliseconds()); }
  void Step(std::int64_t at);
  // The position that was lit at time, undoing the steps taken since.
  void LightWhatWasLitAt(std::int64_t time);
  // The press acts on the lit position. A new press on the one button waits
  // for its release, with the scan timer stopped meanwhile.
  void Select(bool newPress);
  // The press under way selects nothing more until its release.
  void SelectNothingUntilRelease() { press_.selectsNothing = true; }
  void HoldStill();  // restarts the interval from now
  // Lights the position the last step reached, as a step does.
  void LightStep() { Light(true); }
  // The scan timer's interval has run out: the method decides what moves,
  // unless the lit position's prompt holds the step.
  void TimerElapsed();
  // The prompt a step may be waiting for has ended.
  void PromptEnded();
  void Rest();
  void Wake();
  // Counts a completed cycle; true when the scan should rest.
  bool CycleCompleted();
  void PressSeen() {
    cyclesWithoutPress_ = 0;
    cycleStarted_ = false;
  }
  // For whoever keeps the record: a press taken, and its release.
  void TellTaken(int switchNumber, ObservedPress::Outcome outcome, std::int64_t closedAt);
  void TellReleased(int switchNumber, std::int64_t openedAt);

 private:
  // One move of the highlight, so a press can act on the position that was lit
  // when the switch closed, not on the one lit when the press was recognised.
  struct ScanStep {
    std::int64_t time = 0;
    int before = 0;
    int after = 0;
    int countBefore = 0;  // the strip's count before; differs when the step closed the sub-buttons
  };
  SwitchSampler& Selecting() const { return SelectingSwitch() == 2 ? secondSwitchSamples_ : switchSamples_; }
  SwitchSampler& Other() const { return SelectingSwitch() == 2 ? switchSamples_ : secondSwitchSamples_; }
  void AdvancePress();
  // While paused, presses shorter than the resume hold do nothing at all.
  void AdvancePausedPress(SwitchSampler& samples);
  void Pause();
  void ResumeFromPause();
  // A press held past the stuck time sends nothing more until it opens.
  void CheckStuck();
  // The switch-over marker was reached by a step, not left by a layout.
  bool SteppedOntoSwitchOver() const;
  void ActAtPosition(bool newPress);
  void FinishWait();
  // The carer changed the panel under a press that waits for its release:
  // the release only ends it.
  void CancelWait();
  // The strip shows count buttons, laid out afresh from the menu or at start.
  void LayOut(int count);
  void Light(bool byStep);
  // Whether the step waits for the prompt; the timer then runs out at its end.
  bool WaitsForPrompt();
  void EndPromptWait();
  // The highlight now shows position, for LitAt.
  void NoteLit(int position);

  // Passes the scan timer's changes on to the real host, and notes the lit
  // position afresh whenever the timer starts: whoever restarts the scan
  // (after a press, the menu, a dialog) offers that position a whole interval
  // from then, and the record times the press from there.
  class TimerStartWatch : public TimerHost {
   public:
    TimerStartWatch(Scanner& scanner, TimerHost& host) : scanner_(scanner), host_(host) {}
    void TimerChanged(Timer& timer) override;
    void TimerGone(Timer& timer) override { host_.TimerGone(timer); }
    // The timer starts as it is made, before the scanner it would note on.
    void Arm() { armed_ = true; }

   private:
    Scanner& scanner_;
    TimerHost& host_;
    bool armed_ = false;
    bool wasEnabled_ = false;
  };

  ScanOutput& output_;
  Clock& clock_;
  SwitchSampler& switchSamples_;
  SwitchSampler& secondSwitchSamples_;
  TimerStartWatch timerStartWatch_;
  Timer timer_;
  AutomaticScan automatic_;
  HoldToMoveScan holdToMove_;
  TwoSwitchScan twoSwitches_;
  TapToMoveScan tapToMove_;
  ScanMethod* method_ = &automatic_;
  bool inTick_ = false;
  ScanState state_;
  PressState press_;
  int collapseCountdown_ = 0;  // steps left before open sub-buttons close
  bool resting_ = false;
  bool paused_ = false;
  int cyclesWithoutPress_ = 0;
  bool cycleStarted_ = false;
  std::array<ScanStep, 16> steps_{};  // the latest steps, a ring
  int stepCount_ = 0;
  // Presses that began before this moment were made while a dialog held the ticks.
  std::int64_t resumedAt_ = 0;
  // When the lit position lit, and the interval it had then.
  std::int64_t litAt_ = 0;
  int litInterval_ = 0;
  bool promptWait_ = false;  // the timer's interval is shortened to a prompt's end
  int intervalBeforeWait_ = 0;
  PressObserver* observer_ = nullptr;
  std::array<LitMoment, 16> litHistory_{};  // the latest changes of the highlight, a ring
  int litCount_ = 0;
};

}  // namespace sorvane
