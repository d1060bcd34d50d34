// How the settings file spells numbers, switches, seconds and colours.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace sorvane {

// Every number read takes full-width digits and signs as well.
// Leading blanks, an optional sign, the longest run of digits; otherwise 0.
// Beyond 32 bits, the nearest 32-bit integer.
std::int32_t ReadLeadingInteger(std::string_view text);
// A whole decimal integer, or hexadecimal after "$" or "0x"; nothing otherwise.
std::optional<std::int32_t> ReadWholeInteger(std::string_view text);
// The longest leading decimal number; 0 when there is none.
float ReadSeconds(std::string_view text);
// The scan interval a settings file gives: its seconds when they are a finite
// number from 0.2 to 60, else the default 2.
float ReadIntervalSeconds(std::string_view text);
constexpr float kDefaultIntervalSeconds = 2.0F;
constexpr float kShortestIntervalSeconds = 0.2F;
constexpr float kLongestIntervalSeconds = 60.0F;

std::string WriteInteger(std::int32_t value);
std::string WriteSeconds(float seconds);  // up to 15 significant digits
// Text as a value that reads back whole: quoted when its ends are blanks, or
// when it is itself wrapped in a pair of quotes, which the reading removes.
std::string WriteText(std::string_view text);

// A colour name of the table (any letter case), else an integer; nothing when
// the text is neither.
std::optional<ColorValue> ReadColorText(std::string_view text);
std::string WriteColorText(ColorValue color);

}  // namespace sorvane
