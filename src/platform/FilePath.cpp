#include "platform/FilePath.h"

#include "platform/MessageText.h"

namespace sorvane {

std::string ReadableText(std::u16string_view text, TextCodec& codec) {
  if (auto whole = codec.ShiftJisFromUtf16(text)) return *whole;
  std::string readable;
  for (std::size_t i = 0; i < text.size();) {
    // A character beyond the first plane is a pair of units, converted whole.
    const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 &&
                      text[i + 1] <= 0xDFFF;
    const std::size_t units = pair ? 2 : 1;
    readable += codec.ShiftJisFromUtf16(text.substr(i, units)).value_or("?");
    i += units;
  }
  return readable;
}

std::optional<std::u16string> MessageText::Utf16(TextCodec& codec) const {
  std::u16string whole;
  for (const Piece& piece : pieces_) {
    if (piece.isName) {
      whole += piece.name;
    } else if (auto words = codec.Utf16FromShiftJis(piece.words)) {
      whole += *words;
    } else {
      return std::nullopt;
    }
  }
  return whole;
}

std::string MessageText::Readable(TextCodec& codec) const {
  std::string whole;
  for (const Piece& piece : pieces_) whole += piece.isName ? ReadableText(piece.name, codec) : piece.words;
  return whole;
}

}  // namespace sorvane
