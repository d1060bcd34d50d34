// What a stretch of the switch record says about a person's presses, and the
// settings it suggests for them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "record/RecordLine.h"

namespace sorvane {

// A press this soon after its position lit was almost surely meant for the
// position before: nobody sees a highlight and presses in less.
constexpr std::int64_t kLatePressMilliseconds = 300;
// Presses this short are taken for accidental (a tremor, a knock).
constexpr std::int64_t kShortPressMilliseconds = 150;
// A short press followed this soon by another accepted press was corrected.
constexpr std::int64_t kCorrectionMilliseconds = 3000;
// A press this soon after the last release is a second press, not a new choice.
constexpr std::int64_t kSoonAfterReleaseMilliseconds = 500;
// Added to the time most presses take, so that the slower ones fit too.
constexpr std::int64_t kIntervalMarginMilliseconds = 300;

struct PressFigures {
  int presses = 0;
  int accepted = 0;
  int shorterThanAcceptance = 0;
  int withinIgnoreTime = 0;
  int duringDialog = 0;
  int whileResting = 0;
  // How long the position had been lit when an accepted press closed.
  int timedPresses = 0;
  std::int64_t medianLitMilliseconds = -1;  // -1: no press timed
  std::int64_t litMilliseconds90 = -1;      // the 90th percentile
  // Accepted presses that landed on the position just after the one before.
  int latePresses = 0;
  int Ignored() const { return presses - accepted; }
};

// The figures of presses told one at a time, so that a long record need not
// be held whole.
class FiguresTally {
 public:
  void Add(const RecordedPress& press);
  PressFigures Result() const;

 private:
  PressFigures figures_;
  std::vector<std::int64_t> lit_;
};

PressFigures FiguresOf(const std::vector<RecordedPress>& presses);

struct SwitchSuggestions {
  // Each is there when the presses give reason for it, with the evidence.
  std::optional<float> intervalSeconds;
  std::int64_t timeToPress90 = 0;  // ms, late presses counted from the position before
  int timedPresses = 0;

  std::optional<std::int32_t> acceptTime;
  int shortPresses = 0;      // ignored as too short, or accepted and corrected
  std::int64_t longestShortPress = 0;

  std::optional<std::int32_t> ignoreRepeatMilliseconds;
  int secondPresses = 0;     // presses soon after the last release
  std::int64_t longestGapAfterRelease = 0;

  bool Any() const { return intervalSeconds || acceptTime || ignoreRepeatMilliseconds; }
};

// The menu's scan speeds (0.5 to 5 s): the first that is at least seconds,
// the slowest where none is.
float SpeedStepAtLeast(double seconds);

struct CurrentSwitchSettings {
  float intervalSeconds = 2.0F;
  std::int32_t acceptTime = 0;
  std::int32_t ignoreRepeatMilliseconds = 0;
};

// The presses, oldest first.
SwitchSuggestions SuggestSettings(const std::vector<RecordedPress>& presses, const CurrentSwitchSettings& current);

}  // namespace sorvane
