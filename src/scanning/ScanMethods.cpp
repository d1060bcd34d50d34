// The scanning methods for users who cannot time a press: hold to move, two
// switches, and tap to move. They start with nothing lit, and nothing moves
// until the user does something. The one button of one-button mode keeps its
// own rules in every method: a short press is button 1, a long one opens the
// sub-buttons, which are then scanned the method's way.
#include "scanning/Scanner.h"

namespace sorvane {

namespace {

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

void TwoSwitchScan::Start(Scanner& scanner) { StartStill(scanner); }

void TwoSwitchScan::TimerElapsed(Scanner& scanner) {
  if (!scanner.StepperHeld() || scanner.state().buttonCount == 1) {
    scanner.timer().SetEnabled(false);
    return;
  }
  scanner.Step();
  scanner.LightStep();
}

void TwoSwitchScan::StepperPressed(Scanner& scanner) {
  if (scanner.state().buttonCount == 1) return;  // the one button is switch 2's
  scanner.timer().SetEnabled(false);
  scanner.MoveOnByPress();
  // Held, it moves on again every interval.
  scanner.timer().SetEnabled(true);
}

void TwoSwitchScan::StepperReleased(Scanner& scanner, std::int64_t releasedAt) {
  scanner.timer().SetEnabled(false);
  // A step the interval took after the release, before the tick saw it, is undone.
  scanner.LightWhatWasLitAt(releasedAt);
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

void TwoSwitchScan::Held(Scanner& scanner) { scanner.Select(false); }

void TwoSwitchScan::WaitFinished(Scanner& scanner) {
  // The highlight stays where it is; switch 1 may still be held.
  scanner.timer().SetEnabled(scanner.StepperHeld() && scanner.state().buttonCount > 1);
}

void TapToMoveScan::Start(Scanner& scanner) {
  dwelling_ = false;
  StartStill(scanner);
}

void TapToMoveScan::TimerElapsed(Scanner& scanner) {
  if (!dwelling_ || scanner.PressHeld()) {
    scanner.timer().SetEnabled(false);
    return;
  }
  // The timer may have been restarted on the way (a menu, the pointer): the
  // pause is counted from the release.
  const std::int64_t left = dwellFrom_ + scanner.state().dwellMilliseconds - scanner.Now();
  if (left > 0) {
    scanner.timer().SetInterval(static_cast<int>(left));
    return;
  }
  dwelling_ = false;
  scanner.SelectLit();
  AfterSelection(scanner);
}

void TapToMoveScan::Pressed(Scanner& scanner, std::int64_t /*closedAt*/) {
  dwelling_ = false;
  if (scanner.state().buttonCount == 1) {
    scanner.Select(true);
    return;
  }
  scanner.timer().SetEnabled(false);
  scanner.MoveOnByPress();
}

void TapToMoveScan::Released(Scanner& scanner, std::int64_t releasedAt) {
  // Stepped past the end of the open sub-buttons: the one button is lit
  // again and waits for its own press.
  if (scanner.NothingLit() || scanner.state().buttonCount == 1) return;
  dwelling_ = true;
  dwellFrom_ = releasedAt;
  const std::int64_t left = releasedAt + scanner.state().dwellMilliseconds - scanner.Now();
  scanner.timer().SetInterval(left > 1 ? static_cast<int>(left) : 1);
  scanner.timer().SetEnabled(true);
}

void TapToMoveScan::WaitFinished(Scanner& scanner) { AfterSelection(scanner); }

}  // namespace sorvane
