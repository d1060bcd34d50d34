// Code page 932: which bytes begin a two-byte character.
#pragma once

namespace sorvane {

constexpr bool IsShiftJisLeadByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace sorvane
