// What a carer can set about the switch: a key that works as the switch, and
// the times that suit a user's tremor, slow release or need for rest.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Dialogs.h"
#include "text/Texts.h"
#include "platform/Joystick.h"

namespace sorvane {

struct SwitchOptions {
  std::int32_t key = 0;                       // a virtual-key code acting as the switch, 0 none
  std::int32_t acceptTime = 0;                // ms a press must last to count
  std::int32_t ignoreRepeatMilliseconds = 0;  // after a release, in which presses are ignored
  std::int32_t firstPause = 0;                // ms more on the first position of each cycle
  std::int32_t quietCyclesBeforeRest = 0;           // whole cycles without a press before the scan rests, 0 never
  std::int32_t key2 = 0;                      // a virtual-key code acting as the second switch, 0 none
  std::int32_t selectingPause = 2000;      // without a press before tap-to-move selects
  std::int32_t resumeHold = 2000;          // ms a press must last to end the user's pause
  std::int32_t stuckAfterSeconds = 0;      // a switch closed this long is stuck, 0 never
  std::int32_t mouseButton = 0;            // a mouse button acting as the switch, 0 none (MouseButton)
  std::int32_t mouseButton2 = 0;           // one acting as the second switch, 0 none

  bool operator==(const SwitchOptions& other) const {
    return key == other.key && acceptTime == other.acceptTime &&
           ignoreRepeatMilliseconds == other.ignoreRepeatMilliseconds && firstPause == other.firstPause &&
           quietCyclesBeforeRest == other.quietCyclesBeforeRest && key2 == other.key2 &&
           selectingPause == other.selectingPause && resumeHold == other.resumeHold &&
           stuckAfterSeconds == other.stuckAfterSeconds && mouseButton == other.mouseButton &&
           mouseButton2 == other.mouseButton2;
  }
};

struct OptionRange {
  const char* key;  // in the settings file
  TextId label;  // in the dialog's messages
  std::int32_t low;
  std::int32_t high;
};

constexpr OptionRange kKeyRange{"Key", TextId::OptionKeyName, 0, 254};
constexpr OptionRange kAcceptTimeRange{"AcceptTime", TextId::OptionAcceptTimeName, 0, 5000};
constexpr OptionRange kIgnoreRepeatRange{"IgnoreRepeat", TextId::OptionIgnoreRepeatName, 0, 5000};
constexpr OptionRange kFirstPauseRange{"FirstPause", TextId::OptionFirstPauseName, 0, 5000};
constexpr OptionRange kLoopsRange{"Loops", TextId::OptionLoopsName, 0, 99};
constexpr OptionRange kKey2Range{"Key2", TextId::OptionKey2Name, 0, 254};
constexpr OptionRange kDwellTimeRange{"DwellTime", TextId::OptionDwellTimeName, 500, 10000};
constexpr OptionRange kResumeHoldRange{"ResumeHold", TextId::OptionResumeHoldName, 500, 10000};
constexpr OptionRange kStuckAfterRange{"StuckAfter", TextId::OptionStuckAfterName, 0, 600};
constexpr OptionRange kMouseButtonRange{"MouseButton", TextId::OptionMouseButtonName, 0, kMouseButtonCount};
constexpr OptionRange kMouseButton2Range{"MouseButton2", TextId::OptionMouseButton2Name, 0, kMouseButtonCount};

// A value from the file, held to the nearest end of its range.
std::int32_t HoldInRange(std::int32_t value, const OptionRange& range);

SwitchOptionTexts TextsOf(const SwitchOptions& options);
// The options the texts give, or the message that says which field is wrong.
struct ParsedOptions {
  std::optional<SwitchOptions> options;
  std::string problem;
};
ParsedOptions ParseOptionTexts(const SwitchOptionTexts& texts);

}  // namespace sorvane
