#include "record/RecordChart.h"

namespace sorvane {

namespace {

constexpr std::int64_t kDayMilliseconds = 24LL * 60 * 60 * 1000;
constexpr std::int64_t kHourMilliseconds = 60LL * 60 * 1000;

std::int64_t DayOf(std::int64_t local) {
  return (local >= 0 ? local : local - (kDayMilliseconds - 1)) / kDayMilliseconds;
}

}  // namespace

ChartTally::ChartTally(std::int64_t now) : now_(now), firstDay_(DayOf(now) - (kChartDays - 1)) {}

void ChartTally::Add(const RecordedPress& press) {
  if (press.localTime > now_) return;  // a clock put back: not part of the past
  const std::int64_t dayOfPress = DayOf(press.localTime);
  const std::int64_t day = dayOfPress - firstDay_;
  if (day >= 0) days_[static_cast<std::size_t>(day)].Add(press);
  if (press.localTime >= now_ - kChartHourDays * kDayMilliseconds) {
    hours_[static_cast<std::size_t>((press.localTime - dayOfPress * kDayMilliseconds) / kHourMilliseconds)].Add(press);
  }
}

RecordChart ChartTally::Result() const {
  RecordChart chart;
  chart.firstDay = firstDay_;
  for (std::size_t i = 0; i < days_.size(); ++i) chart.days[i] = days_[i].Result();
  for (std::size_t i = 0; i < hours_.size(); ++i) chart.hours[i] = hours_[i].Result();
  return chart;
}

RecordChart ChartOf(const std::vector<RecordedPress>& presses, std::int64_t now) {
  ChartTally tally(now);
  for (const RecordedPress& press : presses) tally.Add(press);
  return tally.Result();
}

int IgnoredPercent(const PressFigures& figures) {
  if (figures.presses == 0) return -1;
  return static_cast<int>((static_cast<std::int64_t>(figures.Ignored()) * 200 + figures.presses) /
                          (2 * static_cast<std::int64_t>(figures.presses)));
}

}  // namespace sorvane
