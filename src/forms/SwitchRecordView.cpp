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

void AddChart(SwitchRecordReport& report, const RecordChart& chart) {
  report.daysTitle = Text(TextId::RecordChartDays);
  report.hoursTitle = Text(TextId::RecordChartHours);
  std::string text = std::string(Text(TextId::RecordChartHeading)) + "\r\n" + report.daysTitle + "\r\n";
  const auto bar = [&text](const std::string& label, const std::string& spoken, const PressFigures& figures) {
    SwitchRecordReport::ChartBar shown{label, figures.medianLitMilliseconds, figures.litMilliseconds90,
                                       figures.presses, IgnoredPercent(figures)};
    if (figures.presses > 0) {
      text += Text(TextId::RecordChartLine, {spoken, std::to_string(figures.presses), Seconds(figures.medianLitMilliseconds),
                                             Seconds(figures.litMilliseconds90), std::to_string(shown.ignoredPercent)}) +
              "\r\n";
    }
    return shown;
  };
  const std::size_t daysBefore = text.size();
  for (std::size_t i = 0; i < chart.days.size(); ++i) {
    // "2026-03-02 ..." shown as 3/2.
    const std::string date = FormatLocalTime((chart.firstDay + static_cast<std::int64_t>(i)) * 86400000LL);
    const std::string label = std::to_string(std::stoi(date.substr(5, 2))) + "/" + std::to_string(std::stoi(date.substr(8, 2)));
    report.days.push_back(bar(label, label, chart.days[i]));
  }
  if (text.size() == daysBefore) text += std::string(Text(TextId::RecordChartNone)) + "\r\n";
  text += report.hoursTitle + "\r\n";
  const std::size_t hoursBefore = text.size();
  for (std::size_t hour = 0; hour < chart.hours.size(); ++hour) {
    report.hours.push_back(bar(std::to_string(hour), Text(TextId::RecordChartHour, {std::to_string(hour)}), chart.hours[hour]));
  }
  if (text.size() == hoursBefore) text += std::string(Text(TextId::RecordChartNone)) + "\r\n";
  report.chartText = text;
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
