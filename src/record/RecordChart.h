// What the switch record window's chart shows: for each of the last 30 days,
// and for each hour of the day over the last 7 days, how long the position
// had been lit when it was pressed (the median and the 90th percentile) and
// how many of the presses were ignored.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "record/RecordLine.h"
#include "record/RecordStatistics.h"

namespace sorvane {

constexpr int kChartDays = 30;
constexpr int kChartHourDays = 7;

struct RecordChart {
  std::int64_t firstDay = 0;  // the oldest day shown, in days since 1970-01-01 (local)
  std::array<PressFigures, kChartDays> days;  // oldest first; the last is today
  std::array<PressFigures, 24> hours;         // by the hour of the day the switch closed
};

// The chart's figures of presses told one at a time, in any order; now in
// local milliseconds since 1970-01-01.
class ChartTally {
 public:
  explicit ChartTally(std::int64_t now);
  void Add(const RecordedPress& press);
  RecordChart Result() const;

 private:
  std::int64_t now_;
  std::int64_t firstDay_;
  std::array<FiguresTally, kChartDays> days_;
  std::array<FiguresTally, 24> hours_;
};

RecordChart ChartOf(const std::vector<RecordedPress>& presses, std::int64_t now);

// Ignored presses as a whole percentage of presses (rounded); -1 for no press.
int IgnoredPercent(const PressFigures& figures);

}  // namespace sorvane
