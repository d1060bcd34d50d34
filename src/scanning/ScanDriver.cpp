#include "scanning/ScanDriver.h"

namespace sorvane {

namespace {

constexpr unsigned Bit(HoldReason reason) { return static_cast<unsigned>(reason); }
constexpr unsigned kDialogHold = Bit(HoldReason::kDialog);

}  // namespace

ScanDriver::ScanDriver(ScanOutput& output, TickSteps& steps, TimerHost& timers, Clock& clock, Joystick& joystick)
    : steps_(steps),
      joystick_(joystick),
      scanner_(output, timers, clock, switchSamples_, secondSwitchSamples_),
      tickTimer_(timers, kTickInterval, false, [this] { Tick(); }),
      sampleTimer_(timers, kSampleInterval, false, [this] { ReaderWoke(); }),
      readerWakes_(joystick.ReadsOnItsOwn()) {}

void ScanDriver::SetSwitchTimes(std::int64_t acceptMilliseconds, std::int64_t ignoreMilliseconds) {
  switchSamples_.SetTimes(acceptMilliseconds, ignoreMilliseconds);
  secondSwitchSamples_.SetTimes(acceptMilliseconds, ignoreMilliseconds);
}

void ScanDriver::Start() {
  holds_ = 0;
  tickTimer_.SetEnabled(true);
  scanner_.timer().SetEnabled(true);
  sampleTimer_.SetEnabled(!readerWakes_);
}

void ScanDriver::Stop() {
  scanner_.timer().SetEnabled(false);
  sampleTimer_.SetEnabled(false);
  tickTimer_.SetEnabled(false);
}

void ScanDriver::RestartTicks() {
  tickTimer_.SetEnabled(false);
  tickTimer_.SetEnabled(true);
}

void ScanDriver::Sample() { joystick_.TakeReadings(&TakeReading, this); }

void ScanDriver::TakeReading(const JoystickReading& reading, void* context) {
  ScanDriver& driver = *static_cast<ScanDriver*>(context);
  if (!reading.answered) {
    // An unplugged joystick can be slow to answer: it is asked once a tick
    // until it comes back.
    driver.switchSamples_.Unplugged(reading.time);
    driver.secondSwitchSamples_.Unplugged(reading.time);
    driver.unplugged_ = true;
    driver.sampleTimer_.SetEnabled(false);
    return;
  }
  driver.switchSamples_.Sample(reading.time, reading.buttons);
  driver.secondSwitchSamples_.Sample(reading.time, reading.buttons);
  if (driver.unplugged_) {
    driver.unplugged_ = false;
    driver.sampleTimer_.SetEnabled(!driver.readerWakes_);
  }
}

void ScanDriver::ReaderWoke() {
  Sample();
  // Read again soon while a change is being confirmed; a reader of its own
  // says when the switch changes.
  if (readerWakes_ && !unplugged_) {
    sampleTimer_.SetEnabled(switchSamples_.Settling() || secondSwitchSamples_.Settling());
  }
  if (ChangesLatched() == changesTaken_ || !tickTimer_.Enabled()) return;
  const bool pressed = PressesLatched() != pressesTaken_;
  NoteTaken();
  // A press goes out now rather than at the next tick, and so does the
  // release a one-button press or the switch-over marker waits for; the ticks
  // keep their rhythm from here.
  if (!pressed && !scanner_.WaitsForRelease()) return;
  RestartTicks();
  Tick();
}

void ScanDriver::Tick() {
  if (!steps_.TickStarting()) return;
  // What the switch did since the last sample (the reader's own readings,
  // where it reads on its own; once a tick while the joystick is unplugged).
  Sample();
  NoteTaken();
  const bool scanWasStill = !scanner_.timer().Enabled();
  scanner_.Tick();
  // A press handled now set the scan going whatever held it.
  if (scanWasStill && scanner_.timer().Enabled()) holds_ = 0;
  steps_.SwitchTaken();
  steps_.TickEnded();
}

void ScanDriver::HoldForDialog() {
  holds_ |= kDialogHold;
  scanner_.timer().SetEnabled(false);
  tickTimer_.SetEnabled(false);
  scanner_.Interrupt();
}

void ScanDriver::ResumeAfterDialog() {
  Sample();
  scanner_.Resume();
  steps_.SwitchTaken();
  NoteTaken();
  // Whatever held the scan before the dialog, it goes on now.
  holds_ = 0;
  scanner_.timer().SetEnabled(true);
  tickTimer_.SetEnabled(true);
}

bool ScanDriver::HeldForDialog() const { return (holds_ & kDialogHold) != 0; }

void ScanDriver::HoldScan(HoldReason reason) {
  holds_ |= Bit(reason);
  scanner_.timer().SetEnabled(false);
}

void ScanDriver::LetScanGoOn(HoldReason reason) {
  if (reason == HoldReason::kDialog) return ResumeAfterDialog();
  // The carer's command, or the pointer gone, sets the scan going at once
  // whatever the other of the two held it for; a name editor still open
  // holds it on.
  unsigned lifted = ~kDialogHold;
  if (reason != HoldReason::kNameEditor) lifted &= ~Bit(HoldReason::kNameEditor);
  holds_ &= ~lifted;
  if (holds_ == 0) scanner_.timer().SetEnabled(true);
}

}  // namespace sorvane
