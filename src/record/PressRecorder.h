// The switch record as the panel keeps it: hears from the scanner what became
// of each press, and from the samplers which presses they dropped, and
// writes one line for each, in the order the switch closed.
#pragma once

#include <array>
#include <cstdint>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "platform/JobQueue.h"
#include "record/SwitchRecord.h"
#include "scanning/PressObserver.h"
#include "scanning/ScanDriver.h"

namespace sorvane {

class PressRecorder final : public PressObserver {
 public:
  PressRecorder(FileSystem& files, Log& log, Clock& clock, JobQueue& worker)
      : file_(files, log, worker), clock_(clock) {}

  // [Record] ON: presses are written only while it is on.
  bool On() const { return on_; }
  void SetOn(bool on) { on_ = on; }
  SwitchRecord& file() { return file_; }
  const SwitchRecord& file() const { return file_; }
  // Lines written from now on say whether the user was practising.
  void SetPractising(bool practising) { practising_ = practising; }

  void PressTaken(const ObservedPress& press) override;
  void PressReleased(int switchNumber, std::int64_t openedAt) override;
  // The press the switch made went to JoyToKey as this button number.
  void ButtonSent(int switchNumber, int buttonNumber);
  // The press under way on switchNumber was taken as stuck.
  void SwitchStuck(int switchNumber);
  // Writes what the record has learnt since: presses the samplers dropped,
  // and the presses taken once they are released.
  void WriteWhatWasLearnt(ScanDriver& driver);

 private:
  // A press the scanner took, waiting for its release to be written.
  struct TakenPress {
    RecordedPress press;
    std::int64_t closedAt = 0;
    bool taken = false;     // press waits for its release
    bool released = false;  // and has it: it is written next
  };
  TakenPress& Taken(int switchNumber) { return takenPresses_[switchNumber == 2 ? 1 : 0]; }
  // Writes the released taken presses that closed before time, oldest first.
  void WriteTakenPresses(std::int64_t before);
  void WriteDroppedPress(int switchNumber, const SwitchSampler::DroppedPress& dropped, const Scanner& scanner);
  void Append(const RecordedPress& press);

  SwitchRecord file_;
  Clock& clock_;
  bool on_ = false;
  bool practising_ = false;
  std::array<TakenPress, 2> takenPresses_;  // switch 1 and switch 2
};

}  // namespace sorvane
