// A way of scanning: what moves the highlight and what a press does with it.
// The scanner owns the state and the shared moves (a step, a selection, the
// release of a held button); a method decides when to use them, and says what
// sets it apart: which switch selects, what the other switch does, whether a
// release acts, whether a pause is about to select.
#pragma once

#include <cstdint>

namespace sorvane {

class Scanner;
class SwitchSampler;

class ScanMethod {
 public:
  virtual ~ScanMethod() = default;
  // The method has been chosen, or the strip was laid out afresh.
  virtual void Start(Scanner& scanner) = 0;
  // The strip was laid out afresh by the menu or at start.
  virtual void LaidOut(Scanner& scanner) { Start(scanner); }
  // The scan timer's interval has run out.
  virtual void TimerElapsed(Scanner& scanner) = 0;
  // A long press ended the user's pause: the scan goes on from its first position.
  virtual void ResumedFromPause(Scanner& scanner) { Start(scanner); }
  // The selecting switch closed at closedAt and the press was accepted just now.
  virtual void Pressed(Scanner& scanner, std::int64_t closedAt) = 0;
  // A tick while an accepted press is still held, also one that selects
  // nothing more (Scanner::PressHeld tells which).
  virtual void Held(Scanner& scanner) = 0;
  // The accepted press ended at releasedAt (not a one-button press, nor one
  // at the switch-over marker: those finish on their own).
  virtual void Released(Scanner& /*scanner*/, std::int64_t /*releasedAt*/) {}
  // A one-button press or a switch-over has finished at its release.
  virtual void WaitFinished(Scanner& scanner) = 0;
  // A dialog holds the ticks, or another method takes over: nothing under way
  // may act any more.
  virtual void Interrupt() {}

  // The switch whose press selects, 1 or 2.
  virtual int SelectingSwitch() const { return 1; }
  // The other switch's changes up to time until, in the order they came
  // among the selecting switch's; by default nobody listens to it.
  virtual void TakeOtherSwitch(Scanner& scanner, SwitchSampler& samples, std::int64_t until);
  // The release of an accepted press does something, so it should be taken
  // as soon as it is seen rather than at the next tick; and so for the other switch.
  virtual bool ActsOnRelease() const { return false; }
  virtual bool OtherSwitchActsOnRelease() const { return false; }
  // The first position of each cycle stays lit longer where a carer asks for it.
  virtual bool LengthensFirstPosition() const { return true; }
  // The pause under way will select the lit position.
  virtual bool PauseWillSelect() const { return false; }
};

// The highlight moves on by itself every interval; a press acts on the
// position that was lit when the switch closed; a held press holds the scan
// and repeats its button; after a number of quiet cycles the scan rests until
// a press wakes it.
class AutomaticScan final : public ScanMethod {
 public:
  void Start(Scanner& scanner) override;
  void ResumedFromPause(Scanner& scanner) override;
  // The highlight stays as the layout left it, and the first interval lights the first position.
  void LaidOut(Scanner& /*scanner*/) override {}
  void TimerElapsed(Scanner& scanner) override;
  void Pressed(Scanner& scanner, std::int64_t closedAt) override;
  void Held(Scanner& scanner) override;
  void WaitFinished(Scanner& scanner) override;
};

// For a user who can keep the switch down but not press at a chosen moment:
// nothing is lit until a press; the highlight moves while the switch is held
// and the release selects what is lit.
class HoldToMoveScan final : public ScanMethod {
 public:
  void Start(Scanner& scanner) override;
  void TimerElapsed(Scanner& scanner) override;
  void Pressed(Scanner& scanner, std::int64_t closedAt) override;
  void Held(Scanner& /*scanner*/) override {}
  void Released(Scanner& scanner, std::int64_t releasedAt) override;
  void WaitFinished(Scanner& scanner) override;
  bool ActsOnRelease() const override { return true; }
};

// For a user with two switches: switch 1 moves the highlight a position a
// press (again every interval while held), switch 2 presses what is lit, and
// the highlight stays there so the same button can be pressed again.
class TwoSwitchScan final : public ScanMethod {
 public:
  void Start(Scanner& scanner) override;
  void TimerElapsed(Scanner& scanner) override;
  void Pressed(Scanner& scanner, std::int64_t closedAt) override;
  void Held(Scanner& scanner) override;
  void WaitFinished(Scanner& scanner) override;
  void Interrupt() override { stepperCounts_ = false; }
  int SelectingSwitch() const override { return 2; }
  // Switch 1, the one that moves the highlight.
  void TakeOtherSwitch(Scanner& scanner, SwitchSampler& samples, std::int64_t until) override;
  bool OtherSwitchActsOnRelease() const override { return stepperDown_; }

 private:
  bool StepperHeld() const { return stepperDown_ && stepperCounts_; }
  // Switch 1 is down, and whether its press moves the highlight (one made
  // while a dialog held the ticks, or before a new layout, does not).
  bool stepperDown_ = false;
  bool stepperCounts_ = false;
};

// For a user who can press as often as needed but not in time: each press
// moves the highlight a position, and a pause with no press selects it.
class TapToMoveScan final : public ScanMethod {
 public:
  void Start(Scanner& scanner) override;
  void TimerElapsed(Scanner& scanner) override;
  void Pressed(Scanner& scanner, std::int64_t closedAt) override;
  void Held(Scanner& /*scanner*/) override {}
  void Released(Scanner& scanner, std::int64_t releasedAt) override;
  void WaitFinished(Scanner& scanner) override;
  // No pause selects until the next press.
  void Interrupt() override { pauseWillSelect_ = false; }
  bool ActsOnRelease() const override { return true; }
  // Its timer times the pause that selects.
  bool LengthensFirstPosition() const override { return false; }
  bool PauseWillSelect() const override { return pauseWillSelect_; }

 private:
  bool pauseWillSelect_ = false;  // a pause from pauseFrom_ on selects the lit position
  std::int64_t pauseFrom_ = 0;
};

}  // namespace sorvane
