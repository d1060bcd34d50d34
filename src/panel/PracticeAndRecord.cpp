// Practice, and the switch record: what each press came to, written beside
// the settings, and the window that turns it into suggested settings.
#include <vector>

#include "forms/SwitchRecordView.h"
#include "panel/PanelForm.h"

namespace sorvane {

namespace {

constexpr std::int64_t kWeekMilliseconds = 7LL * 24 * 60 * 60 * 1000;

// A colour of the system's (the button face) is taken as its usual grey.
ColorValue Inverted(ColorValue color) {
  const ColorValue solid = (color & 0xFF000000U) != 0 ? 0x00F0F0F0U : color;
  return ~solid & 0x00FFFFFFU;
}

}  // namespace

std::string PanelForm::WindowTitle() const {
  std::string title = kApplicationTitle;
  // Whoever passes can tell whose settings are in use.
  if (!settingsPlace.ProfileName().empty()) title += Text(TextId::ProfileTitleSuffix, {settingsPlace.ProfileName()});
  if (practice.On()) title += Text(TextId::PracticeTitleSuffix);
  // Whoever passes can tell that no press reaches anything.
  if (!JoyToKeyBound()) title += Text(TextId::NoJoyToKeyTitleSuffix);
  if (scanner().Paused()) title += Text(TextId::PausedTitleSuffix);
  return title;
}

void PanelForm::PracticeClick() {
  practice.Toggle();
  // A button held for JoyToKey goes up now, and the press under way repeats
  // nothing more: practice means JoyToKey hears nothing from here on.
  if (practice.On() && scan().heldButton != 0) {
    scanner().ReleaseHeldButton();
    scanner().SelectNothingUntilRelease();
  }
  // JoyToKey hears the active stick at once, not only at the next tick.
  if (!practice.On()) ReportStick(scan().activeStick);
}

void PanelForm::FlashPainterOfPanel::InvertButton(int button) {
  PanelButton& shown = form_.Button(button);
  shown.color = Inverted(shown.color);
  shown.font.color = Inverted(shown.font.color);
  form_.ButtonRepainted();
}

void PanelForm::FlashPainterOfPanel::RepaintScan() {
  const int lit = form_.scanner().Resting() ? kNothingLit : form_.scan().litPosition;
  if (lit == kNothingLit) {
    form_.PaintNothingLit();
  } else if (form_.options.singleDisplay) {
    form_.PaintSingleDisplay(lit);
  } else {
    form_.PaintStripHighlight(lit);
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
                        "）: " + ReadableText(recorder.file().path(), platform_.text));
    platform_.dialogs.ShowSwitchRecord(
        handle, UnreadableRecordReport(ReadableText(recorder.file().path(), platform_.text), read.reason));
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
  if (platform_.dialogs.ShowSwitchRecord(handle, report)) {
    // Saved before and after, so that the suggestion can be undone from the menu.
    SaveNow();
    ApplySuggestions(suggestions);
    SaveNow();
  }
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
