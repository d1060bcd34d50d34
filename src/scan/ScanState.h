// The program-wide record of the scan and the switch, and the sixteen stored
// button appearances.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace sorvane {

struct ScanState {
  std::uint8_t joyToKeyFound = 0;
  std::uint8_t oneButtonMode = 0;
  float intervalSeconds = 0.0F;
  std::int32_t scanPos = 0;      // 0 switch-over position, 1..8 button k
  std::int32_t heldButton = 0;   // position held down at JoyToKey, 0 none
  std::int32_t activeStick = 0;  // 0 buttons 1-8, above 0 buttons 11-18
  std::int32_t scanMax = 4;
  std::int32_t subScan = 4;
};

struct ButtonAppearance {
  ColorValue color = 0;
  ColorValue fontColor = 0;
  std::string fontName;
  std::int32_t fontSize = 0;
  std::int32_t fontPitch = 0;
  std::uint8_t fontStyle = 0;
};

constexpr int kSlotCount = 16;

// Slot index 0..15 for the button numbers 1..8 and 11..18; -1 for any other.
constexpr int SlotIndex(int buttonNumber) {
  if (buttonNumber >= 1 && buttonNumber <= 8) return buttonNumber - 1;
  if (buttonNumber >= 11 && buttonNumber <= 18) return buttonNumber - 3;
  return -1;
}
constexpr int SlotButtonNumber(int slotIndex) { return slotIndex < 8 ? slotIndex + 1 : slotIndex + 3; }

// The button number that scan position k (1..8) stands for on the given stick.
constexpr int ButtonNumberAt(int position, int activeStick) {
  return activeStick > 0 ? position + 10 : position;
}

using ButtonAppearances = std::array<ButtonAppearance, kSlotCount>;

// The scan timer's interval for an interval in seconds: the float widened,
// times 1000, truncated toward zero to whole milliseconds, and held within the range of the timer's interval
// whatever a settings file holds (nothing that is not a number scans).
int IntervalMilliseconds(float seconds);

}  // namespace sorvane
