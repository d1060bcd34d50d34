// Exact conversions between code page 932 and UTF-16 for the portable code.
#pragma once

#include "platform/TextCodec.h"

namespace sorvane::win32 {

class ShiftJisCodec : public TextCodec {
 public:
  std::optional<std::u16string> Utf16FromShiftJis(std::string_view text) override;
  std::optional<std::string> ShiftJisFromUtf16(std::u16string_view text) override;
};

}  // namespace sorvane::win32
