// What a carer can set about the switch: a key that works as the switch, and
// the times that suit a user's tremor, slow release or need for rest.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Dialogs.h"
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
  const char* label;  // in the dialog and its messages
  std::int32_t low;
  std::int32_t high;
};

constexpr OptionRange kKeyRange{"Key", "キー", 0, 254};
constexpr OptionRange kAcceptTimeRange{"AcceptTime", "受付時間", 0, 5000};
constexpr OptionRange kIgnoreRepeatRange{"IgnoreRepeat", "連続押し無視", 0, 5000};
constexpr OptionRange kFirstPauseRange{"FirstPause", "最初の項目の延長", 0, 5000};
constexpr OptionRange kLoopsRange{"Loops", "休止までの周回", 0, 99};
constexpr OptionRange kKey2Range{"Key2", "スイッチ 2 のキー", 0, 254};
constexpr OptionRange kDwellTimeRange{"DwellTime", "選択までの待ち時間", 500, 10000};
constexpr OptionRange kResumeHoldRange{"ResumeHold", "再開の長押し", 500, 10000};
constexpr OptionRange kStuckAfterRange{"StuckAfter", "押されたままと見なす秒数", 0, 600};
constexpr OptionRange kMouseButtonRange{"MouseButton", "スイッチにするマウスボタン", 0, kMouseButtonCount};
constexpr OptionRange kMouseButton2Range{"MouseButton2", "スイッチ 2 にするマウスボタン", 0, kMouseButtonCount};

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
