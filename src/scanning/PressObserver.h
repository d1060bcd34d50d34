// Whoever keeps a record of the switch hears from the scanner what became of
// each press it took: whether it was taken or set aside, what was lit when
// the switch closed and since when, and when the switch opened again.
#pragma once

#include <cstdint>

namespace sorvane {

struct ObservedPress {
  enum class Outcome {
    kAccepted,       // the press acted (a selection, a switch-over, a move)
    kDuringDialog,   // made while a dialog held the ticks: nothing happened
    kWhileResting,   // it woke the resting scan and selected nothing
  };
  int switchNumber = 1;  // 2: the selecting switch of two-switch scanning
  Outcome outcome = Outcome::kAccepted;
  std::int64_t closedAt = 0;
  int litPosition = -1;        // what was lit when the switch closed; -1 nothing
  std::int64_t litSince = 0;   // since when it had been lit
};

class PressObserver {
 public:
  // A press the scanner took from the switch, told as it is taken.
  virtual void PressTaken(const ObservedPress& press) = 0;
  // Switch switchNumber opened at openedAt on its press told last.
  virtual void PressReleased(int switchNumber, std::int64_t openedAt) = 0;

 protected:
  ~PressObserver() = default;
};

}  // namespace sorvane
