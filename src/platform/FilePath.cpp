#include "platform/FilePath.h"

#include "platform/MessageText.h"

#include "text/Unicode.h"

namespace sorvane {

std::string ReadableText(std::u16string_view text, TextCodec& codec) {
  if (auto whole = codec.ShiftJisFromUtf16(text)) return *whole;
  std::string readable;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t units = 1;
    CodePointAt(text, i, units);
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
