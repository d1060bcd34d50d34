// What the scanner asks of the panel: the one way out of the scan and the
// press. Positions are 0 for the switch-over marker, 1 to 8 for the buttons
// and kPausePosition for the user's own pause.
#pragma once

#include <cstdint>

namespace sorvane {

class ScanOutput {
 public:
  static constexpr int kNothingLit = -1;
  static constexpr int kPausePosition = 9;
  static constexpr std::int64_t kUntilPromptEnds = INT64_MAX;

  // The highlight is now on position (kNothingLit: nothing is lit). byStep is
  // true when the scan moved on by itself, false when a press or a layout
  // change put it there.
  virtual void Light(int position, bool byStep) = 0;
  // Virtual button `position` of the active stick went down (again, while held).
  virtual void ButtonDown(int position) = 0;
  // Its release, on the stick it went down on; this one must arrive.
  virtual void ButtonUp(int position, std::int32_t stick) = 0;
  // Tells JoyToKey which stick is active; -1 while a one-button press is timed.
  virtual void ReportStick(std::int32_t stick) = 0;
  // The switch-over marker took the user to the other stick, already reported.
  virtual void StickSwitched(std::int32_t stick) = 0;
  // The strip now shows this many buttons.
  virtual void Relayout(int buttonCount) = 0;
  // A step or a one-button press the user may want to hear.
  virtual void Click() = 0;
  // The next step waits until then for the lit position's prompt to end: 0,
  // or a time passed, when it need not wait; kUntilPromptEnds while a prompt
  // plays whose end is told later (Scanner::PromptEnded). Silent outputs
  // never wait.
  virtual std::int64_t StepWaitsUntil() { return 0; }
  // The user paused the scan at the pause position, or a long press resumed it.
  virtual void PauseChanged(bool /*paused*/) {}
  // The switch has stayed closed so long that it is taken as stuck: its
  // button went up, and nothing more is sent until it opens.
  virtual void SwitchStuck() {}

 protected:
  ~ScanOutput() = default;
};

}  // namespace sorvane
