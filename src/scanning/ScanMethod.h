// A way of scanning: what moves the highlight and what a press does with it.
// The scanner owns the state and the shared moves (a step, a selection, the
// release of a held button); a method decides when to use them.
#pragma once

#include <cstdint>

namespace sorvane {

class Scanner;

class ScanMethod {
 public:
  virtual ~ScanMethod() = default;
  // The method has been chosen, or the strip was laid out afresh.
  virtual void Start(Scanner& scanner) = 0;
  // The scan timer's interval has run out.
  virtual void TimerElapsed(Scanner& scanner) = 0;
  // The selecting switch closed at closedAt and the press was accepted just now.
  virtual void Pressed(Scanner& scanner, std::int64_t closedAt) = 0;
  // A tick while an accepted press is still held.
  virtual void Held(Scanner& scanner) = 0;
  // The accepted press ended at releasedAt (not a one-button press, nor one
  // at the switch-over marker: those finish on their own).
  virtual void Released(Scanner& /*scanner*/, std::int64_t /*releasedAt*/) {}
  // A one-button press or a switch-over has finished at its release.
  virtual void WaitFinished(Scanner& scanner) = 0;
  // The release of an accepted press does something, so it should be taken
  // as soon as it is seen rather than at the next tick.
  virtual bool ActsOnRelease() const { return false; }
};

// The highlight moves on by itself every interval; a press acts on the
// position that was lit when the switch closed; a held press holds the scan
// and repeats its button; after a number of quiet cycles the scan rests until
// a press wakes it.
class AutomaticScan final : public ScanMethod {
 public:
  void Start(Scanner& scanner) override;
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
  // Switch 1, the one that moves the highlight.
  void StepperPressed(Scanner& scanner);
  void StepperReleased(Scanner& scanner, std::int64_t releasedAt);
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
  bool ActsOnRelease() const override { return true; }
  // A dialog opened or the method changed: no pause selects until the next press.
  void CancelPause() { dwelling_ = false; }
  bool PauseWillSelect() const { return dwelling_; }

 private:
  bool dwelling_ = false;  // a pause from dwellFrom_ on selects the lit position
  std::int64_t dwellFrom_ = 0;
};

}  // namespace sorvane
