#include "forms/SwitchRecordView.h"

#include <cstdio>
#include <string>

namespace sorvane {

const char* const kSwitchRecordTitle = "スイッチの記録";

namespace {

std::string Count(int count) { return std::to_string(count) + " 回"; }

std::string Seconds(std::int64_t milliseconds) {
  if (milliseconds < 0) return "―";
  char text[32];
  std::snprintf(text, sizeof text, "%.2f 秒", static_cast<double>(milliseconds) / 1000.0);
  return text;
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
  report.columns = {"起動してから", "過去 7 日"};
  const auto row = [&report, &session, &lastWeek](const char* label, auto value) {
    report.rows.push_back({label, {value(session), value(lastWeek)}});
  };
  row("押した回数", [](const PressFigures& f) { return Count(f.presses); });
  row("受け付けた", [](const PressFigures& f) { return Count(f.accepted); });
  row("無視：受付時間より短い", [](const PressFigures& f) { return Count(f.shorterThanAcceptance); });
  row("無視：無視時間内", [](const PressFigures& f) { return Count(f.withinIgnoreTime); });
  row("無視：ダイアログ中", [](const PressFigures& f) { return Count(f.duringDialog); });
  row("無視：休止中", [](const PressFigures& f) { return Count(f.whileResting); });
  row("押すまでの時間（中央値）", [](const PressFigures& f) { return Seconds(f.medianLitMilliseconds); });
  row("押すまでの時間（90%）", [](const PressFigures& f) { return Seconds(f.litMilliseconds90); });
  row("次の位置で押された（遅れ）", [](const PressFigures& f) { return Count(f.latePresses); });

  if (suggestions.intervalSeconds) {
    report.suggestions.push_back("スキャン速度 " + SpeedText(*suggestions.intervalSeconds) + " 秒：押した " +
                                 std::to_string(suggestions.timedPresses) + " 回の 90% が " +
                                 Seconds(suggestions.timeToPress90) + " 以内、それに 0.3 秒を足しました");
  }
  if (suggestions.acceptTime) {
    report.suggestions.push_back("受付時間 " + std::to_string(*suggestions.acceptTime) + " ミリ秒：" +
                                 std::to_string(suggestions.shortPresses) + " 回の短い押し（最長 " +
                                 std::to_string(suggestions.longestShortPress) +
                                 " ミリ秒）が無視されたか、すぐ押し直されました");
  }
  if (suggestions.ignoreRepeatMilliseconds) {
    report.suggestions.push_back("連続押し無視 " + std::to_string(*suggestions.ignoreRepeatMilliseconds) +
                                 " ミリ秒：離してから " +
                                 std::to_string(suggestions.longestGapAfterRelease) + " ミリ秒以内の押し直しが " +
                                 std::to_string(suggestions.secondPresses) + " 回ありました");
  }
  if (report.suggestions.empty()) report.suggestions.push_back("提案できるほどの記録がまだありません");
  report.canApply = suggestions.Any();
  return report;
}

void AddChart(SwitchRecordReport& report, const RecordChart& chart) {
  report.daysTitle = "日ごと（過去 30 日）";
  report.hoursTitle = "時間帯ごと（過去 7 日）";
  std::string text = "押すまでの時間と無視した割合\r\n" + report.daysTitle + "\r\n";
  const auto bar = [&text](const std::string& label, const std::string& spoken, const PressFigures& figures) {
    SwitchRecordReport::ChartBar shown{label, figures.medianLitMilliseconds, figures.litMilliseconds90,
                                       figures.presses, IgnoredPercent(figures)};
    if (figures.presses > 0) {
      text += spoken + "：" + Count(figures.presses) + "、中央値 " + Seconds(figures.medianLitMilliseconds) +
              "、90% " + Seconds(figures.litMilliseconds90) + "、無視 " +
              std::to_string(shown.ignoredPercent) + "%\r\n";
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
  if (text.size() == daysBefore) text += "記録なし\r\n";
  text += report.hoursTitle + "\r\n";
  const std::size_t hoursBefore = text.size();
  for (std::size_t hour = 0; hour < chart.hours.size(); ++hour) {
    report.hours.push_back(bar(std::to_string(hour), std::to_string(hour) + " 時台", chart.hours[hour]));
  }
  if (text.size() == hoursBefore) text += "記録なし\r\n";
  report.chartText = text;
}

const char* WhyUnreadable(FileRead::Reason reason) {
  switch (reason) {
    case FileRead::Reason::kInUse: return "ほかのプログラムが使用中です";
    case FileRead::Reason::kFolder: return "同じ名前のフォルダーがあります";
    case FileRead::Reason::kDenied: return "読み取りを許可されていません";
    case FileRead::Reason::kFailed: break;
  }
  return "読み込みに失敗しました";
}

SwitchRecordReport UnreadableRecordReport(const std::string& path, FileRead::Reason reason) {
  SwitchRecordReport report = SwitchRecordReportOf({}, {}, {});
  // Figures of a record that was not read would say nothing was pressed.
  for (auto& row : report.rows) {
    for (auto& value : row.values) value = "―";
  }
  report.notice = std::string("記録を読めません: ") + WhyUnreadable(reason) + "\n" + path;
  report.suggestions = {"記録を読めないため、提案できません"};
  return report;
}

}  // namespace sorvane
