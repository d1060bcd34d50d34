// A message's text: the program's own words (code page 932) with the names of
// files and folders in their own characters, so that a box can name a folder
// code page 932 cannot hold.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FilePath.h"

namespace sorvane {

class MessageText {
 public:
  struct Piece {
    std::string words;    // code page 932
    std::u16string name;  // when isName
    bool isName = false;
  };

  MessageText() = default;
  MessageText(std::string words) { Add(std::move(words)); }  // NOLINT: words alone are the common message
  MessageText(const char* words) { Add(words); }             // NOLINT
  MessageText(const FilePath& name) : pieces_{{{}, name.Utf16(), true}} {}  // NOLINT: a name alone fills a text

  friend MessageText operator+(MessageText text, std::string words) { return text.Add(std::move(words)); }
  friend MessageText operator+(MessageText text, const char* words) { return text.Add(words); }
  friend MessageText operator+(MessageText text, const FilePath& path) {
    text.pieces_.push_back({{}, path.Utf16(), true});
    return text;
  }

  const std::vector<Piece>& Pieces() const { return pieces_; }
  // The whole text in UTF-16; nothing when the words are not code page 932.
  std::optional<std::u16string> Utf16(TextCodec& codec) const;
  // The whole text in code page 932, a character of a name it cannot hold
  // as "?": for the log.
  std::string Readable(TextCodec& codec) const;

 private:
  MessageText& Add(std::string words) {
    if (!pieces_.empty() && !pieces_.back().isName) {
      pieces_.back().words += words;
    } else {
      pieces_.push_back({std::move(words), {}, false});
    }
    return *this;
  }

  std::vector<Piece> pieces_;
};

}  // namespace sorvane
