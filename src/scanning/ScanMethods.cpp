// The four ways of scanning. Beside the automatic scan are three for users
// who cannot time a press: hold to move, two switches, and tap to move. They
// start with nothing lit, and nothing moves until the user does something.
// The one button of one-button mode keeps its own rules in every method: a
// short press is button 1, a long one opens the sub-buttons, which are then
// scanned the method's way.
#include "scanning/Scanner.h"

namespace sorvane {

void ScanMethod::TakeOtherSwitch(Scanner& /*scanner*/, SwitchSampler& samples, std::int64_t /*until*/) {
  samples.DropEdges();
}

void AutomaticScan::Start(Scanner& scanner) {
  // From nothing lit, the next interval lights the first position.
  scanner.LightNothing();
  scanner.timer().SetEnabled(true);
}

void AutomaticScan::ResumedFromPause(Scanner& scanner) {
  // The first position lights at once, so the user sees the scan is back.
  scanner.LightFirst();
  scanner.HoldStill();
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
  // A press restarts the interval; one on the one button stops it until its release.
  scanner.timer().SetEnabled(false);
  scanner.Select(true);
  if (!scanner.WaitsForRelease()) scanner.timer().SetEnabled(true);
}

void AutomaticScan::Held(Scanner& scanner) {
  // Also a press that selects nothing holds the scan where it is: a slow
  // release must not let a woken scan rest again.
  if (scanner.PressHeld()) scanner.Select(false);
  scanner.HoldStill();
}

void AutomaticScan::WaitFinished(Scanner& scanner) { scanner.timer().SetEnabled(true); }

namespace {

// How often a pause that has run out looks again at a press still being accepted.
constexpr int kPressRecheckMilliseconds = 10;

// The single button is what any press acts on; elsewhere nothing is lit.
void StartStill(Scanner& scanner) {
  scanner.timer().SetEnabled(false);
  if (scanner.state().buttonCount == 1) {
    scanner.state().litPosition = 1;
    scanner.LightStep();
  } else {
    scanner.LightNothing();
  }
}

// After a selection the highlight goes out, so the next press starts a fresh
// pass from the first position; the one button stays lit.
void AfterSelection(Scanner& scanner) {
  scanner.timer().SetEnabled(false);
  if (scanner.state().buttonCount > 1) scanner.LightNothing();
}

}  // namespace

void HoldToMoveScan::Start(Scanner& scanner) { StartStill(scanner); }

void HoldToMoveScan::TimerElapsed(Scanner& scanner) {
  if (!scanner.PressHeld() || scanner.NothingLit() || scanner.state().buttonCount == 1) {
    scanner.timer().SetEnabled(false);
    return;
  }
  scanner.Step();
  scanner.LightStep();
}

void HoldToMoveScan::Pressed(Scanner& scanner, std::int64_t /*closedAt*/) {
  if (scanner.state().buttonCount == 1) {
    scanner.Select(true);
    return;
  }
  // The first position lights at once and the interval runs from now.
  scanner.timer().SetEnabled(false);
  scanner.LightFirst();
  scanner.timer().SetEnabled(true);
}

void HoldToMoveScan::Released(Scanner& scanner, std::int64_t releasedAt) {
  scanner.timer().SetEnabled(false);
  if (scanner.NothingLit()) return;
  // The release belongs to what was lit when the switch opened, even if the
  // tick sees it a step later.
  scanner.LightWhatWasLitAt(releasedAt);
  // Held past the end of the open sub-buttons, back to the one button: the
  // user left them, and chooses nothing.
  if (scanner.state().buttonCount > 1) scanner.SelectLit();
  AfterSelection(scanner);
}

void HoldToMoveScan::WaitFinished(Scanner& scanner) { AfterSelection(scanner); }

void TwoSwitchScan::Start(Scanner& scanner) {
  // A press of switch 1 already under way moves nothing in the new layout.
  stepperDown_ = false;
  stepperCounts_ = false;
  StartStill(scanner);
}

void TwoSwitchScan::TimerElapsed(Scanner& scanner) {
  if (!StepperHeld() || scanner.state().buttonCount == 1) {
    scanner.timer().SetEnabled(false);
    return;
  }
  scanner.Step();
  scanner.LightStep();
}

void TwoSwitchScan::TakeOtherSwitch(Scanner& scanner, SwitchSampler& samples, std::int64_t until) {
  for (; samples.HasEdge() && samples.Front().time <= until; samples.Pop()) {
    const SwitchSampler::Edge edge = samples.Front();
    const bool counted = stepperCounts_;
    stepperDown_ = edge.down;
    // Made while a dialog held the ticks, and only seen now: it moves nothing.
    stepperCounts_ = edge.down && edge.time >= scanner.ResumedAt();
    if (edge.down) {
      scanner.TellTaken(1, !stepperCounts_    ? ObservedPress::Outcome::kDuringDialog
                           : scanner.Resting() ? ObservedPress::Outcome::kWhileResting
                                               : ObservedPress::Outcome::kAccepted,
                        edge.time);
    } else {
      scanner.TellReleased(1, edge.time);
    }
    if (stepperCounts_) {
      if (scanner.state().buttonCount == 1) continue;  // the one button is switch 2's
      scanner.timer().SetEnabled(false);
      // The step is the user's from when the switch closed: a press of switch
      // 2 made after it selects where it led, however late it was accepted.
      scanner.MoveOnByPress(edge.time);
      // Held, it moves on again every interval.
      scanner.timer().SetEnabled(true);
    } else if (!edge.down && counted) {
      scanner.timer().SetEnabled(false);
      // A step the interval took after the release, before the tick saw it, is undone.
      scanner.LightWhatWasLitAt(edge.time);
    }
  }
}

void TwoSwitchScan::Pressed(Scanner& scanner, std::int64_t closedAt) {
  if (scanner.state().buttonCount != 1) {
    if (scanner.NothingLit()) {
      scanner.SelectNothingUntilRelease();
      return;
    }
    scanner.LightWhatWasLitAt(closedAt);
  }
  scanner.Select(true);
}

void TwoSwitchScan::Held(Scanner& scanner) {
  // A press cut short (a dialog, JoyToKey gone and started again) repeats nothing.
  if (scanner.PressHeld()) scanner.Select(false);
}

void TwoSwitchScan::WaitFinished(Scanner& scanner) {
  // The highlight stays where it is; switch 1 may still be held.
  scanner.timer().SetEnabled(StepperHeld() && scanner.state().buttonCount > 1);
}

void TapToMoveScan::Start(Scanner& scanner) {
  pauseWillSelect_ = false;
  StartStill(scanner);
}

void TapToMoveScan::TimerElapsed(Scanner& scanner) {
  if (!pauseWillSelect_ || scanner.PressHeld()) {
    scanner.timer().SetEnabled(false);
    return;
  }
  // The timer may have been restarted on the way (a menu, the pointer): the
  // pause is counted from the release.
  const std::int64_t pauseEnds = pauseFrom_ + scanner.state().selectingPause;
  const std::int64_t left = pauseEnds - scanner.Now();
  if (left > 0) {
    scanner.timer().SetInterval(static_cast<int>(left));
    return;
  }
  // A press begun before the pause ended, still waiting out the acceptance
  // time, wins over the pause: it steps, or proves too short and lets it select.
  if (scanner.PressClosedBefore(pauseEnds)) {
    scanner.timer().SetInterval(kPressRecheckMilliseconds);
    return;
  }
  pauseWillSelect_ = false;
  scanner.SelectLit();
  AfterSelection(scanner);
}

void TapToMoveScan::Pressed(Scanner& scanner, std::int64_t closedAt) {
  pauseWillSelect_ = false;
  if (scanner.state().buttonCount == 1) {
    scanner.Select(true);
    return;
  }
  scanner.timer().SetEnabled(false);
  scanner.MoveOnByPress(closedAt);
}

void TapToMoveScan::Released(Scanner& scanner, std::int64_t releasedAt) {
  // Stepped past the end of the open sub-buttons: the one button is lit
  // again and waits for its own press.
  if (scanner.NothingLit() || scanner.state().buttonCount == 1) return;
  pauseWillSelect_ = true;
  pauseFrom_ = releasedAt;
  const std::int64_t left = releasedAt + scanner.state().selectingPause - scanner.Now();
  scanner.timer().SetInterval(left > 1 ? static_cast<int>(left) : 1);
  scanner.timer().SetEnabled(true);
}

void TapToMoveScan::WaitFinished(Scanner& scanner) { AfterSelection(scanner); }

}  // namespace sorvane
