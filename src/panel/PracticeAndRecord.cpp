// Practice, and the switch record: what each press came to, written beside
// the settings, and the window that turns it into suggested settings.
#include <limits>
#include <vector>

#include "forms/SwitchRecordView.h"
#include "panel/PanelForm.h"

namespace sorvane {

namespace {

const char* const kPracticeTitleSuffix = " 練習中";
constexpr std::int64_t kWeekMilliseconds = 7LL * 24 * 60 * 60 * 1000;

// A colour of the system's (the button face) is taken as its usual grey.
ColorValue Inverted(ColorValue color) {
  const ColorValue solid = (color & 0xFF000000U) != 0 ? 0x00F0F0F0U : color;
  return ~solid & 0x00FFFFFFU;
}

}  // namespace

std::string PanelForm::WindowTitle() const {
  return practice ? std::string(kApplicationTitle) + kPracticeTitleSuffix : std::string(kApplicationTitle);
}

void PanelForm::PracticeClick() {
  // The menu held the scan; it goes on from here, as after the other items.
  scanner.timer().SetEnabled(false);
  practice = !practice;
  scanner.timer().SetEnabled(true);
  // JoyToKey hears the active stick at once, not only at the next tick.
  if (!practice) ReportStick(scan().activeStick);
}

void PanelForm::FlashButton(int position) {
  if (position < 1 || position > 8) return;
  EndFlash();
  // The single display shows every position on its one button.
  flashedButton = options.singleDisplay ? 1 : position;
  PanelButton& button = Button(flashedButton);
  button.color = Inverted(button.color);
  button.font.color = Inverted(button.font.color);
  ButtonRepainted();
  flashTimer.SetEnabled(false);
  flashTimer.SetEnabled(true);
}

void PanelForm::EndFlash() {
  flashTimer.SetEnabled(false);
  if (flashedButton == 0) return;
  flashedButton = 0;
  // Back to what the scan shows now.
  const int lit = scanner.Resting() ? kNothingLit : scan().litPosition;
  if (lit == kNothingLit) {
    PaintNothingLit();
  } else if (options.singleDisplay) {
    PaintSingleDisplay(lit);
  } else {
    PaintStripHighlight(lit);
  }
}

void PanelForm::RecordClick() {
  scanner.timer().SetEnabled(false);
  recordOn = !recordOn;
  scanner.timer().SetEnabled(true);
}

void PanelForm::PressTaken(const ObservedPress& observed) {
  TakenPress& taken = Taken(observed.switchNumber);
  // A press taken before the last one was released (a dialog cut it short)
  // is written as it stands.
  if (taken.taken) {
    taken.released = true;
    WriteTakenPresses(observed.closedAt + 1);
  }
  if (!recordOn) return;
  static constexpr PressVerdict kVerdicts[] = {PressVerdict::kAccepted, PressVerdict::kDuringDialog,
                                               PressVerdict::kWhileResting};
  taken.press = RecordedPress{};
  taken.press.switchNumber = observed.switchNumber;
  taken.press.verdict = kVerdicts[static_cast<int>(observed.outcome)];
  taken.press.litPosition = observed.litPosition;
  taken.press.litMilliseconds = observed.litPosition >= 0 ? observed.closedAt - observed.litSince : -1;
  taken.press.practice = practice;
  taken.closedAt = observed.closedAt;
  taken.taken = true;
  taken.released = false;
}

void PanelForm::PressReleased(int switchNumber, std::int64_t openedAt) {
  TakenPress& taken = Taken(switchNumber);
  if (!taken.taken) return;
  taken.press.downMilliseconds = openedAt - taken.closedAt;
  taken.released = true;
}

void PanelForm::RecordPress(const RecordedPress& press) {
  RecordedPress stamped = press;
  // The switch's times are the monotonic clock's; the record shows the local time.
  stamped.localTime = platform_.clock.LocalMilliseconds() - (platform_.clock.NowMilliseconds() - press.localTime);
  record.Append(stamped);
}

void PanelForm::WriteRecord() {
  // Dropped presses are taken whether or not they are written, so that none
  // waits to be written long after it happened. Switch 2 is recorded where it
  // is one of the scan's switches; elsewhere it does nothing.
  const bool secondSwitchUsed = scanner.SelectingSwitch() == 2;
  for (;;) {
    const bool first = switchSampler.HasDroppedPress();
    const bool second = secondSwitchSampler.HasDroppedPress();
    if (!first && !second) break;
    // Both switches' presses go in the order they closed.
    const bool takeSecond =
        second && (!first || secondSwitchSampler.FrontDroppedPress().closedAt < switchSampler.FrontDroppedPress().closedAt);
    SwitchSampler& sampler = takeSecond ? secondSwitchSampler : switchSampler;
    const SwitchSampler::DroppedPress dropped = sampler.FrontDroppedPress();
    sampler.PopDroppedPress();
    if (!takeSecond || secondSwitchUsed) WriteDroppedPress(takeSecond ? 2 : 1, dropped);
  }
  // A tap whose pause is still to select waits for the button it sends.
  const bool tapWaits = scanner.PauseWillSelect() && Taken(1).taken;
  WriteTakenPresses(tapWaits ? Taken(1).closedAt : std::numeric_limits<std::int64_t>::max());
}

void PanelForm::WriteDroppedPress(int switchNumber, const SwitchSampler::DroppedPress& dropped) {
  if (!recordOn) return;
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
  press.practice = practice;
  RecordPress(press);
}

void PanelForm::WriteTakenPresses(std::int64_t before) {
  for (;;) {
    TakenPress* oldest = nullptr;
    for (TakenPress& taken : takenPresses_) {
      if (taken.taken && taken.released && taken.closedAt < before && (oldest == nullptr || taken.closedAt < oldest->closedAt)) {
        oldest = &taken;
      }
    }
    if (oldest == nullptr) return;
    oldest->taken = false;
    if (!recordOn) continue;
    RecordedPress press = oldest->press;
    press.localTime = oldest->closedAt;
    RecordPress(press);
  }
}

void PanelForm::ShowRecordClick() {
  BeforeDialog();
  std::vector<RecordedPress> lastWeek;
  const std::int64_t now = platform_.clock.LocalMilliseconds();
  const FileRead read = platform_.files.ReadWholeFile(record.path());
  if (read.status == FileRead::Status::kUnreadable) {
    platform_.log.Write(std::string("スイッチの記録のファイルを読めません（") + WhyUnreadable(read.reason) +
                        "）: " + record.path());
    platform_.dialogs.ShowSwitchRecord(handle, UnreadableRecordReport(record.path(), read.reason));
    AfterDialog();
    return;
  }
  if (read.status == FileRead::Status::kRead) {
    ForEachRecordedPress(read.contents, now - kWeekMilliseconds,
                         [&lastWeek](const RecordedPress& press) { lastWeek.push_back(press); });
  }
  std::vector<RecordedPress> session;
  for (const RecordedPress& press : lastWeek) {
    if (press.localTime >= startedAtLocal) session.push_back(press);
  }
  const CurrentSwitchSettings current{scan().intervalSeconds, switchOptions.acceptTime, switchOptions.ignoreRepeat};
  const SwitchSuggestions suggestions = SuggestSettings(lastWeek, current);
  const SwitchRecordReport report = SwitchRecordReportOf(FiguresOf(session), FiguresOf(lastWeek), suggestions);
  if (platform_.dialogs.ShowSwitchRecord(handle, report)) ApplySuggestions(suggestions);
  AfterDialog();
}

void PanelForm::ApplySuggestions(const SwitchSuggestions& suggestions) {
  if (suggestions.intervalSeconds) SetScanSpeed(*suggestions.intervalSeconds);
  if (suggestions.acceptTime) switchOptions.acceptTime = *suggestions.acceptTime;
  if (suggestions.ignoreTime) switchOptions.ignoreRepeat = *suggestions.ignoreTime;
  ApplySwitchOptions();
  scanner.ApplyTiming();
}

}  // namespace sorvane
