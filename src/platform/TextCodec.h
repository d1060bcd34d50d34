// Conversions between the program's code page 932 text and UTF-16, exact in
// both directions: a character without a form on the other side is a failure,
// never a best fit or a "?".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvane {

class TextCodec {
 public:
  // Nothing when text is not valid code page 932.
  virtual std::optional<std::u16string> Utf16FromShiftJis(std::string_view text) = 0;
  // Nothing when a character of text has no code page 932 form.
  virtual std::optional<std::string> ShiftJisFromUtf16(std::u16string_view text) = 0;

 protected:
  ~TextCodec() = default;
};

}  // namespace sorvane
