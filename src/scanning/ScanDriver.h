// Drives the scanner: reads the switch into its two samplers, runs the 200 ms
// tick (early when a press or an awaited release comes in between), and holds
// the scan while something else has the user's attention.
#pragma once

#include <cstdint>

#include "platform/Clock.h"
#include "platform/Joystick.h"
#include "platform/Timers.h"
#include "scanning/ScanOutput.h"
#include "scanning/Scanner.h"
#include "switch/SwitchSampler.h"

namespace sorvane {

// Why the scan stands still. The menu's and the pointer's holds end
// together: a command that lets the scan go on, the pointer leaving the
// panel, or cursor chase turned off. The name editor's ends as it closes,
// and with it the others. A press the tick handles sets the scan going
// whatever held it; a dialog, which holds the ticks too, ends only as it
// closes, and lets the scan go on whatever held it before.
enum class HoldReason : unsigned {
  kMenu = 1U << 0,        // the popup menu is open, or its command keeps the scan still
  kPointer = 1U << 1,     // cursor chase is on and the pointer is over the panel
  kNameEditor = 1U << 2,  // the button-name editor is open
  kDialog = 1U << 3,      // a dialog holds the ticks too
};

// What a tick does besides the scan, told by the driver.
class TickSteps {
 public:
  // Before the switch is read; false ends the tick here (the panel is closing).
  virtual bool TickStarting() = 0;
  // The scanner has taken what the switches did (in a tick, or as a dialog closed).
  virtual void SwitchTaken() = 0;
  virtual void TickEnded() = 0;

 protected:
  ~TickSteps() = default;
};

class ScanDriver {
 public:
  static constexpr int kTickInterval = 200;
  static constexpr int kSampleInterval = 10;

  ScanDriver(ScanOutput& output, TickSteps& steps, TimerHost& timers, Clock& clock, Joystick& joystick);
  ScanDriver(const ScanDriver&) = delete;
  ScanDriver& operator=(const ScanDriver&) = delete;

  Scanner& scanner() { return scanner_; }
  const Scanner& scanner() const { return scanner_; }
  // Switch 1 (button 1) and switch 2 (button 2, for two-switch scanning).
  SwitchSampler& switchSamples() { return switchSamples_; }
  SwitchSampler& secondSwitchSamples() { return secondSwitchSamples_; }
  void SetSwitchTimes(std::int64_t acceptMilliseconds, std::int64_t ignoreMilliseconds);

  // The ticks, the scan and the switch's readings start, or stop for good.
  void Start();
  void Stop();
  bool Ticking() const { return tickTimer_.Enabled(); }
  bool Sampling() const { return sampleTimer_.Enabled(); }
  // The tick's rhythm starts afresh from now.
  void RestartTicks();

  // The switch reader has news, or the sample timer ran out.
  void ReaderWoke();
  void Tick();

  // A dialog that holds the ticks: a held button is released before it opens,
  // and nothing the switch does meanwhile reaches JoyToKey.
  void HoldForDialog();
  void ResumeAfterDialog();
  bool HeldForDialog() const;
  // Brings the samplers up to now, outside the ticks (behind a message box).
  void SampleSwitches() { Sample(); }

  void HoldScan(HoldReason reason);
  // The scan goes on a whole interval from now unless a dialog still holds it.
  void LetScanGoOn(HoldReason reason);
  bool ScanHeld() const { return holds_ != 0; }

 private:
  void Sample();
  static void TakeReading(const JoystickReading& reading, void* context);
  std::uint64_t ChangesLatched() const {
    return switchSamples_.ChangesLatched() + secondSwitchSamples_.ChangesLatched();
  }
  std::uint64_t PressesLatched() const {
    return switchSamples_.PressesLatched() + secondSwitchSamples_.PressesLatched();
  }
  // What a tick has taken needs no early tick of its own.
  void NoteTaken() {
    changesTaken_ = ChangesLatched();
    pressesTaken_ = PressesLatched();
  }

  TickSteps& steps_;
  Joystick& joystick_;
  // The samplers come first: the scanner reads them.
  SwitchSampler switchSamples_;
  SwitchSampler secondSwitchSamples_{0x02U};
  Scanner scanner_;
  Timer tickTimer_;
  Timer sampleTimer_;  // reads the switch between ticks
  const bool readerWakes_;  // the switch reader says when a reading changes
  bool unplugged_ = false;
  unsigned holds_ = 0;  // HoldReason bits
  // The samplers' latched changes and presses up to which a tick has taken
  // them: a count beyond these is news that may bring the tick forward.
  std::uint64_t changesTaken_ = 0;
  std::uint64_t pressesTaken_ = 0;
};

}  // namespace sorvane
