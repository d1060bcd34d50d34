// Practice, and the switch record: what each press came to, written beside
// the settings, and the window that turns it into suggested settings.
#include <vector>

#include "forms/SwitchRecordView.h"
#include "panel/PanelForm.h"

namespace sorvane {

namespace {

const char* const kPracticeTitleSuffix = " 練習中";
const char* const kPausedTitleSuffix = " 休止中";
constexpr std::int64_t kWeekMilliseconds = 7LL * 24 * 60 * 60 * 1000;

// A colour of the system's (the button face) is taken as its usual grey.
ColorValue Inverted(ColorValue color) {
  const ColorValue solid = (color & 0xFF000000U) != 0 ? 0x00F0F0F0U : color;
  return ~solid & 0x00FFFFFFU;
}

}  // namespace

std::string PanelForm::WindowTitle() const {
  std::string title = kApplicationTitle;
  if (practice) title += kPracticeTitleSuffix;
  if (scanner().Paused()) title += kPausedTitleSuffix;
  return title;
}

void PanelForm::PracticeClick() {
  practice = !practice;
  recorder.SetPractising(practice);
  // A button held for JoyToKey goes up now, and the press under way repeats
  // nothing more: practice means JoyToKey hears nothing from here on.
  if (practice && scan().heldButton != 0) {
    scanner().ReleaseHeldButton();
    scanner().SelectNothingUntilRelease();
  }
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
  const int lit = scanner().Resting() ? kNothingLit : scan().litPosition;
  if (lit == kNothingLit) {
    PaintNothingLit();
  } else if (options.singleDisplay) {
    PaintSingleDisplay(lit);
  } else {
    PaintStripHighlight(lit);
  }
}

void PanelForm::RecordClick() { recorder.SetOn(!recorder.On()); }

void PanelForm::ShowRecordClick() {
  driver.HoldForDialog();
  std::vector<RecordedPress> lastWeek;
  const std::int64_t now = platform_.clock.LocalMilliseconds();
  const FileRead read = platform_.files.ReadWholeFile(recorder.file().path());
  if (read.status == FileRead::Status::kUnreadable) {
    platform_.log.Write(std::string("スイッチの記録のファイルを読めません（") + WhyUnreadable(read.reason) +
                        "）: " + recorder.file().path());
    platform_.dialogs.ShowSwitchRecord(handle, UnreadableRecordReport(recorder.file().path(), read.reason));
    driver.ResumeAfterDialog();
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
  const CurrentSwitchSettings current{scan().intervalSeconds, switchOptions.acceptTime, switchOptions.ignoreRepeatMilliseconds};
  const SwitchSuggestions suggestions = SuggestSettings(lastWeek, current);
  const SwitchRecordReport report = SwitchRecordReportOf(FiguresOf(session), FiguresOf(lastWeek), suggestions);
  if (platform_.dialogs.ShowSwitchRecord(handle, report)) ApplySuggestions(suggestions);
  driver.ResumeAfterDialog();
}

void PanelForm::ApplySuggestions(const SwitchSuggestions& suggestions) {
  if (suggestions.intervalSeconds) SetScanSpeed(*suggestions.intervalSeconds);
  if (suggestions.acceptTime) switchOptions.acceptTime = *suggestions.acceptTime;
  if (suggestions.ignoreRepeatMilliseconds) switchOptions.ignoreRepeatMilliseconds = *suggestions.ignoreRepeatMilliseconds;
  ApplySwitchOptions();
  scanner().ApplyTiming();
}

}  // namespace sorvane
