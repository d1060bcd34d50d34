#include "record/PressRecorder.h"

#include <limits>

namespace sorvane {

void PressRecorder::PressTaken(const ObservedPress& observed) {
  TakenPress& taken = Taken(observed.switchNumber);
  // A press taken before the last one was released (a dialog cut it short)
  // is written as it stands.
  if (taken.taken) {
    taken.released = true;
    WriteTakenPresses(observed.closedAt + 1);
  }
  if (!on_) return;
  static constexpr PressVerdict kVerdicts[] = {PressVerdict::kAccepted, PressVerdict::kDuringDialog,
                                               PressVerdict::kWhileResting};
  taken.press = RecordedPress{};
  taken.press.switchNumber = observed.switchNumber;
  taken.press.verdict = kVerdicts[static_cast<int>(observed.outcome)];
  taken.press.litPosition = observed.litPosition;
  taken.press.litMilliseconds = observed.litPosition >= 0 ? observed.closedAt - observed.litSince : -1;
  taken.press.practice = practising_;
  taken.closedAt = observed.closedAt;
  taken.taken = true;
  taken.released = false;
}

void PressRecorder::PressReleased(int switchNumber, std::int64_t openedAt) {
  TakenPress& taken = Taken(switchNumber);
  if (!taken.taken) return;
  taken.press.downMilliseconds = openedAt - taken.closedAt;
  taken.released = true;
}

void PressRecorder::ButtonSent(int switchNumber, int buttonNumber) {
  TakenPress& taken = Taken(switchNumber);
  if (taken.taken) taken.press.buttonSent = buttonNumber;
}

void PressRecorder::SwitchStuck(int switchNumber) {
  TakenPress& taken = Taken(switchNumber);
  if (taken.taken) taken.press.verdict = PressVerdict::kStuck;
}

void PressRecorder::Append(const RecordedPress& press) {
  RecordedPress stamped = press;
  // The switch's times are the monotonic clock's; the record shows the local time.
  stamped.localTime = clock_.LocalMilliseconds() - (clock_.NowMilliseconds() - press.localTime);
  file_.Append(stamped);
}

void PressRecorder::WriteWhatWasLearnt(ScanDriver& driver) {
  const Scanner& scanner = driver.scanner();
  // Dropped presses are taken whether or not they are written, so that none
  // waits to be written long after it happened. Switch 2 is recorded where it
  // is one of the scan's switches; elsewhere it does nothing.
  const bool secondSwitchUsed = scanner.SelectingSwitch() == 2;
  SwitchSampler& firstSamples = driver.switchSamples();
  SwitchSampler& secondSamples = driver.secondSwitchSamples();
  for (;;) {
    const bool first = firstSamples.HasDroppedPress();
    const bool second = secondSamples.HasDroppedPress();
    if (!first && !second) break;
    // Both switches' presses go in the order they closed.
    const bool takeSecond =
        second && (!first || secondSamples.FrontDroppedPress().closedAt < firstSamples.FrontDroppedPress().closedAt);
    SwitchSampler& sampler = takeSecond ? secondSamples : firstSamples;
    const SwitchSampler::DroppedPress dropped = sampler.FrontDroppedPress();
    sampler.PopDroppedPress();
    if (!takeSecond || secondSwitchUsed) WriteDroppedPress(takeSecond ? 2 : 1, dropped, scanner);
  }
  // A tap whose pause is still to select waits for the button it sends.
  const bool tapWaits = scanner.PauseWillSelect() && Taken(1).taken;
  WriteTakenPresses(tapWaits ? Taken(1).closedAt : std::numeric_limits<std::int64_t>::max());
  file_.TakeUpShortening();
}

void PressRecorder::WriteDroppedPress(int switchNumber, const SwitchSampler::DroppedPress& dropped,
                                      const Scanner& scanner) {
  if (!on_) return;
  // Written in the order they closed: an accepted press before it goes first.
  WriteTakenPresses(dropped.closedAt);
  RecordedPress press;
  press.switchNumber = switchNumber;
  press.localTime = dropped.closedAt;
  press.downMilliseconds = dropped.openedAt - dropped.closedAt;
  press.verdict = dropped.reason == SwitchSampler::DroppedPress::Reason::kShorterThanAcceptance
                      ? PressVerdict::kShorterThanAcceptance
                      : PressVerdict::kWithinIgnoreTime;
  const Scanner::LitMoment lit = scanner.LitAt(dropped.closedAt);
  press.litPosition = lit.position;
  press.litMilliseconds = lit.position >= 0 ? dropped.closedAt - lit.since : -1;
  press.practice = practising_;
  Append(press);
}

void PressRecorder::WriteTakenPresses(std::int64_t before) {
  for (;;) {
    TakenPress* oldest = nullptr;
    for (TakenPress& taken : takenPresses_) {
      if (taken.taken && taken.released && taken.closedAt < before &&
          (oldest == nullptr || taken.closedAt < oldest->closedAt)) {
        oldest = &taken;
      }
    }
    if (oldest == nullptr) return;
    oldest->taken = false;
    if (!on_) continue;
    RecordedPress press = oldest->press;
    press.localTime = oldest->closedAt;
    Append(press);
  }
}

}  // namespace sorvane
