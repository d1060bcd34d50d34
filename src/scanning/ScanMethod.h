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
  // The scan timer's interval has run out.
  virtual void TimerElapsed(Scanner& scanner) = 0;
  // The switch closed at closedAt and the press was accepted just now.
  virtual void Pressed(Scanner& scanner, std::int64_t closedAt) = 0;
  // A tick while an accepted press is still held.
  virtual void Held(Scanner& scanner) = 0;
};

// The highlight moves on by itself every interval; a press acts on the
// position that was lit when the switch closed; a held press holds the scan
// and repeats its button; after a number of quiet cycles the scan rests until
// a press wakes it.
class AutomaticScan final : public ScanMethod {
 public:
  void TimerElapsed(Scanner& scanner) override;
  void Pressed(Scanner& scanner, std::int64_t closedAt) override;
  void Held(Scanner& scanner) override;
};

}  // namespace sorvane
