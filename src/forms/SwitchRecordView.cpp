#include "forms/SwitchRecordView.h"

#include <cstdio>
#include <string>

namespace sorvane {


namespace {

std::string Count(int count) { return Text(TextId::RecordTimes, {std::to_string(count)}); }

std::string Seconds(std::int64_t milliseconds) {
  if (milliseconds < 0) return "―";
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(milliseconds) / 1000.0);
  return Text(TextId::RecordSeconds, {text});
}

std::string SpeedText(float seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(seconds));
  return text;
}

}  // namespace

SwitchRecordReport SwitchRecordReportOf(const PressFigures& session, const PressFigures& lastWeek,
                                        const SwitchSuggestions& suggestions) {
  SwitchRecordReport report;
  report.columns = {Text(TextId::RecordSinceStart), Text(TextId::RecordLastWeek)};
  const auto row = [&report, &session, &lastWeek](TextId label, auto value) {
    report.rows.push_back({Text(label), {value(session), value(lastWeek)}});
  };
  row(TextId::RecordPresses, [](const PressFigures& f) { return Count(f.presses); });
  row(TextId::RecordAccepted, [](const PressFigures& f) { return Count(f.accepted); });
  row(TextId::RecordTooShort, [](const PressFigures& f) { return Count(f.shorterThanAcceptance); });
  row(TextId::RecordWithinIgnore, [](const PressFigures& f) { return Count(f.withinIgnoreTime); });
  row(TextId::RecordDuringDialog, [](const PressFigures& f) { return Count(f.duringDialog); });
  row(TextId::RecordWhileResting, [](const PressFigures& f) { return Count(f.whileResting); });
  row(TextId::RecordMedianTime, [](const PressFigures& f) { return Seconds(f.medianLitMilliseconds); });
  row(TextId::RecordTime90, [](const PressFigures& f) { return Seconds(f.litMilliseconds90); });
  row(TextId::RecordLate, [](const PressFigures& f) { return Count(f.latePresses); });

  if (suggestions.intervalSeconds) {
    report.suggestions.push_back(Text(TextId::RecordSuggestSpeed,
                                      {SpeedText(*suggestions.intervalSeconds), std::to_string(suggestions.timedPresses),
                                       Seconds(suggestions.timeToPress90)}));
  }
  if (suggestions.acceptTime) {
    report.suggestions.push_back(Text(TextId::RecordSuggestAcceptTime,
                                      {std::to_string(*suggestions.acceptTime), std::to_string(suggestions.shortPresses),
                                       std::to_string(suggestions.longestShortPress)}));
  }
  if (suggestions.ignoreRepeatMilliseconds) {
    report.suggestions.push_back(Text(TextId::RecordSuggestIgnoreRepeat,
                                      {std::to_string(*suggestions.ignoreRepeatMilliseconds),
                                       std::to_string(suggestions.longestGapAfterRelease),
                                       std::to_string(suggestions.secondPresses)}));
  }
  if (report.suggestions.empty()) report.suggestions.push_back(Text(TextId::RecordNoSuggestion));
  report.canApply = suggestions.Any();
  return report;
}

const char* WhyUnreadable(FileRead::Reason reason) {
  switch (reason) {
    case FileRead::Reason::kInUse: return Text(TextId::RecordInUse);
    case FileRead::Reason::kFolder: return Text(TextId::RecordFolder);
    case FileRead::Reason::kDenied: return Text(TextId::RecordDenied);
    case FileRead::Reason::kFailed: break;
  }
  return Text(TextId::RecordFailed);
}

SwitchRecordReport UnreadableRecordReport(const std::string& path, FileRead::Reason reason) {
  SwitchRecordReport report = SwitchRecordReportOf({}, {}, {});
  // Figures of a record that was not read would say nothing was pressed.
  for (auto& row : report.rows) {
    for (auto& value : row.values) value = "―";
  }
  report.notice = Text(TextId::RecordUnreadable, {WhyUnreadable(reason), path});
  report.suggestions = {Text(TextId::RecordUnreadableNoSuggestion)};
  return report;
}

}  // namespace sorvane
