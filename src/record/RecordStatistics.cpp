#include "record/RecordStatistics.h"

#include <algorithm>

namespace sorvane {

namespace {

constexpr float kSpeedSteps[] = {0.5F, 1.0F, 2.0F, 3.0F, 4.0F, 5.0F};
constexpr int kFewestTimedPresses = 5;
constexpr int kFewestTelling = 3;  // presses of a kind before they suggest anything

// The nearest-rank percentile of values (sorted here).
std::int64_t Percentile(std::vector<std::int64_t>& values, int percent) {
  std::sort(values.begin(), values.end());
  const std::size_t rank = (values.size() * static_cast<std::size_t>(percent) + 99) / 100;
  return values[rank == 0 ? 0 : rank - 1];
}

bool TimedOnAPosition(const RecordedPress& press) {
  return press.verdict == PressVerdict::kAccepted && press.litPosition >= 0 && press.litMilliseconds >= 0;
}

bool LateOnItsPosition(const RecordedPress& press) {
  return TimedOnAPosition(press) && press.litMilliseconds < kLatePressMilliseconds;
}

// Up to the next multiple of 50 ms, then 50 ms more.
std::int32_t RoundedWithMargin(std::int64_t milliseconds) {
  const std::int64_t rounded = (milliseconds + 49) / 50 * 50 + 50;
  return static_cast<std::int32_t>(std::min<std::int64_t>(rounded, 5000));
}

// Telling when there are a few of them and they are not rare.
bool Telling(int count, int of) { return count >= kFewestTelling && count * 10 >= of; }

}  // namespace

void FiguresTally::Add(const RecordedPress& press) {
  ++figures_.presses;
  switch (press.verdict) {
    case PressVerdict::kAccepted: ++figures_.accepted; break;
    case PressVerdict::kShorterThanAcceptance: ++figures_.shorterThanAcceptance; break;
    case PressVerdict::kWithinIgnoreTime: ++figures_.withinIgnoreTime; break;
    case PressVerdict::kDuringDialog: ++figures_.duringDialog; break;
    case PressVerdict::kWhileResting: ++figures_.whileResting; break;
    // It acted before it stuck.
    case PressVerdict::kStuck: ++figures_.accepted; break;
  }
  if (TimedOnAPosition(press)) lit_.push_back(press.litMilliseconds);
  if (LateOnItsPosition(press)) ++figures_.latePresses;
}

PressFigures FiguresTally::Result() const {
  PressFigures figures = figures_;
  figures.timedPresses = static_cast<int>(lit_.size());
  if (!lit_.empty()) {
    std::vector<std::int64_t> lit = lit_;
    figures.medianLitMilliseconds = Percentile(lit, 50);
    figures.litMilliseconds90 = Percentile(lit, 90);
  }
  return figures;
}

PressFigures FiguresOf(const std::vector<RecordedPress>& presses) {
  FiguresTally tally;
  for (const RecordedPress& press : presses) tally.Add(press);
  return tally.Result();
}

float SpeedStepAtLeast(double seconds) {
  for (float step : kSpeedSteps) {
    // A hair's tolerance, so that 1.0 s computed as 0.9999 stays 1.0.
    if (static_cast<double>(step) + 1e-6 >= seconds) return step;
  }
  return kSpeedSteps[sizeof kSpeedSteps / sizeof kSpeedSteps[0] - 1];
}

SwitchSuggestions SuggestSettings(const std::vector<RecordedPress>& presses, const CurrentSwitchSettings& current) {
  SwitchSuggestions suggestions;
  const std::int64_t interval = static_cast<std::int64_t>(static_cast<double>(current.intervalSeconds) * 1000.0);

  // The interval: how long most presses take from the moment their position
  // lit. A late press was meant for the position before, lit an interval earlier.
  std::vector<std::int64_t> timeToPress;
  for (const RecordedPress& press : presses) {
    if (!TimedOnAPosition(press)) continue;
    timeToPress.push_back(press.litMilliseconds + (LateOnItsPosition(press) ? interval : 0));
  }
  suggestions.timedPresses = static_cast<int>(timeToPress.size());
  if (suggestions.timedPresses >= kFewestTimedPresses) {
    suggestions.timeToPress90 = Percentile(timeToPress, 90);
    suggestions.intervalSeconds =
        SpeedStepAtLeast(static_cast<double>(suggestions.timeToPress90 + kIntervalMarginMilliseconds) / 1000.0);
  }

  // The acceptance time: short presses that were ignored already, or that
  // went through and were followed by another press soon, as if to mend them.
  const RecordedPress* lastAccepted = nullptr;
  const RecordedPress* shortAccepted = nullptr;
  std::int64_t releasedAt = -1;
  for (const RecordedPress& press : presses) {
    const bool isShort = press.downMilliseconds < kShortPressMilliseconds;
    if (press.verdict == PressVerdict::kShorterThanAcceptance && isShort) {
      ++suggestions.shortPresses;
      suggestions.longestShortPress = std::max(suggestions.longestShortPress, press.downMilliseconds);
    }
    if (press.verdict == PressVerdict::kDuringDialog) continue;
    // Second presses: those that closed soon after the last counted release.
    if (releasedAt >= 0 && press.localTime >= releasedAt &&
        press.localTime - releasedAt < kSoonAfterReleaseMilliseconds &&
        (press.verdict == PressVerdict::kAccepted || press.verdict == PressVerdict::kWithinIgnoreTime)) {
      ++suggestions.secondPresses;
      suggestions.longestGapAfterRelease = std::max(suggestions.longestGapAfterRelease, press.localTime - releasedAt);
    }
    if (press.verdict != PressVerdict::kAccepted && press.verdict != PressVerdict::kWhileResting) continue;
    if (shortAccepted != nullptr && press.localTime - shortAccepted->localTime < kCorrectionMilliseconds) {
      ++suggestions.shortPresses;
      suggestions.longestShortPress = std::max(suggestions.longestShortPress, shortAccepted->downMilliseconds);
    }
    shortAccepted = isShort && press.verdict == PressVerdict::kAccepted ? &press : nullptr;
    lastAccepted = &press;
    releasedAt = lastAccepted->localTime + lastAccepted->downMilliseconds;
  }
  if (Telling(suggestions.shortPresses, static_cast<int>(presses.size()))) {
    suggestions.acceptTime = std::max(current.acceptTime, RoundedWithMargin(suggestions.longestShortPress));
  }
  if (Telling(suggestions.secondPresses, static_cast<int>(presses.size()))) {
    suggestions.ignoreRepeatMilliseconds =
        std::max(current.ignoreRepeatMilliseconds, RoundedWithMargin(suggestions.longestGapAfterRelease));
  }
  return suggestions;
}

}  // namespace sorvane
