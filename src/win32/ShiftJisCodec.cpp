#include "win32/ShiftJisCodec.h"

#include "win32/Text.h"

namespace sorvane::win32 {

std::optional<std::u16string> ShiftJisCodec::Utf16FromShiftJis(std::string_view text) {
  const auto wide = WideExactly(text);
  if (!wide) return std::nullopt;
  return std::u16string(wide->begin(), wide->end());
}

std::optional<std::string> ShiftJisCodec::ShiftJisFromUtf16(std::u16string_view text) {
  return NarrowExactly(std::wstring(text.begin(), text.end()));
}

}  // namespace sorvane::win32
