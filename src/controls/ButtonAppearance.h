// The sixteen stored button appearances: buttons 1 to 8 of the first stick
// and 11 to 18 of the second, and the numbering that ties them to the strip.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace sorvane {

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

}  // namespace sorvane
