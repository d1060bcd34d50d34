#include "record/RecordChart.h"

namespace sorvane {

namespace {

constexpr std::int64_t kDayMilliseconds = 24LL * 60 * 60 * 1000;
constexpr std::int64_t kHourMilliseconds = 60LL * 60 * 1000;

std::int64_t DayOf(std::int64_t local) {
  return (local >= 0 ? local : local - (kDayMilliseconds - 1)) / kDayMilliseconds;
}

}  // namespace

RecordChart ChartOf(const std::vector<RecordedPress>& presses, std::int64_t now) {
  RecordChart chart;
  const std::int64_t today = DayOf(now);
  chart.firstDay = today - (kChartDays - 1);
  const std::int64_t hoursFrom = now - kChartHourDays * kDayMilliseconds;
  std::array<std::vector<RecordedPress>, kChartDays> byDay;
  std::array<std::vector<RecordedPress>, 24> byHour;
  for (const RecordedPress& press : presses) {
    if (press.localTime > now) continue;  // a clock put back: not part of the past
    const std::int64_t day = DayOf(press.localTime) - chart.firstDay;
    if (day >= 0) byDay[static_cast<std::size_t>(day)].push_back(press);
    if (press.localTime >= hoursFrom) {
      const std::int64_t hour = (press.localTime - DayOf(press.localTime) * kDayMilliseconds) / kHourMilliseconds;
      byHour[static_cast<std::size_t>(hour)].push_back(press);
    }
  }
  for (std::size_t i = 0; i < byDay.size(); ++i) chart.days[i] = FiguresOf(byDay[i]);
  for (std::size_t i = 0; i < byHour.size(); ++i) chart.hours[i] = FiguresOf(byHour[i]);
  return chart;
}

int IgnoredPercent(const PressFigures& figures) {
  if (figures.presses == 0) return -1;
  return static_cast<int>((static_cast<std::int64_t>(figures.Ignored()) * 200 + figures.presses) /
                          (2 * static_cast<std::int64_t>(figures.presses)));
}

}  // namespace sorvane
