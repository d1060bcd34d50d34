// Practice, and the switch record: what each press came to, written beside
// the settings, and the window that turns it into suggested settings.
#include <memory>
#include <vector>

#include "forms/SwitchRecordView.h"
#include "panel/PanelForm.h"

namespace sorvane {

namespace {

constexpr std::int64_t kDayMilliseconds = 24LL * 60 * 60 * 1000;
constexpr std::int64_t kWeekMilliseconds = 7 * kDayMilliseconds;

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

struct PanelForm::RecordReading {
  FileRead::Status status = FileRead::Status::kMissing;
  FileRead::Reason reason = FileRead::Reason::kFailed;
  SwitchSuggestions suggestions;
  SwitchRecordReport report;
};

void PanelForm::ShowRecordClick() {
  if (RecordBeingRead()) return;
  auto reading = std::make_shared<RecordReading>();
  recordReading_ = reading;
  const std::int64_t now = platform_.clock.LocalMilliseconds();
  const CurrentSwitchSettings current{scan().intervalSeconds, switchOptions.acceptTime,
                                      switchOptions.ignoreRepeatMilliseconds};
  // A record of any size is read away from the panel's thread: the scan and
  // the switch go on meanwhile.
  FileSystem& files = platform_.files;
  recordReadingTicket_ = platform_.jobs.Queue(
      [&files, path = recorder.file().path(), readablePath = ReadableText(recorder.file().path(), platform_.text), now, startedAt = startedAtLocal, current, scale = fittedScale,
       reading] {
        FileRead read = files.ReadWholeFile(path);
        reading->status = read.status;
        reading->reason = read.reason;
        if (read.status == FileRead::Status::kUnreadable) {
          reading->report = UnreadableRecordReport(readablePath, read.reason);
          reading->report.scale = scale;
          return;
        }
        std::vector<RecordedPress> lastWeek;
        FiguresTally session;
        ChartTally chart(now);
        ForEachRecordedPress(read.contents, now - kChartDays * kDayMilliseconds,
                             [&](const RecordedPress& press) {
                               chart.Add(press);
                               if (press.localTime >= now - kWeekMilliseconds) lastWeek.push_back(press);
                               if (press.localTime >= startedAt) session.Add(press);
                             });
        read.contents = std::string();
        reading->suggestions = SuggestSettings(lastWeek, current);
        reading->report = SwitchRecordReportOf(session.Result(), FiguresOf(lastWeek), reading->suggestions);
        AddChart(reading->report, chart.Result());
        reading->report.scale = scale;
      });
  recordReadWatch_.SetEnabled(true);
  ShowRecordOnceRead();
}

void PanelForm::ShowRecordOnceRead() {
  if (!RecordBeingRead() || !platform_.jobs.Done(recordReadingTicket_)) return;
  recordReadWatch_.SetEnabled(false);
  recordReadingTicket_ = 0;
  const std::shared_ptr<RecordReading> reading = std::move(recordReading_);
  driver.HoldForDialog();
  if (reading->status == FileRead::Status::kUnreadable) {
    platform_.log.Write(std::string("スイッチの記録のファイルを読めません（") + WhyUnreadable(reading->reason) +
                        "）: " + ReadableText(recorder.file().path(), platform_.text));
    platform_.dialogs.ShowSwitchRecord(handle, reading->report);
  } else if (platform_.dialogs.ShowSwitchRecord(handle, reading->report)) {
    // Saved before and after, so that the suggestion can be undone from the menu.
    SaveNow();
    ApplySuggestions(reading->suggestions);
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
