// A file's or folder's path in the system's own characters (UTF-16), so that
// every name Windows allows can be read, written, started and shown; only
// what the program's Shift-JIS files hold is code page 932. A folder's path
// ends in a backslash.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/TextCodec.h"

namespace sorvane {

class FilePath {
 public:
  FilePath() = default;
  explicit FilePath(std::u16string utf16) : utf16_(std::move(utf16)) {}

  const std::u16string& Utf16() const { return utf16_; }
  bool Empty() const { return utf16_.empty(); }
  // Up to and including the last backslash; empty when there is none.
  FilePath Folder() const { return FilePath(utf16_.substr(0, utf16_.find_last_of(u'\\') + 1)); }
  // After the last backslash.
  std::u16string FileName() const { return utf16_.substr(utf16_.find_last_of(u'\\') + 1); }

  // A name of the program's own ("Sorvane.ini", "Voice\"), in ASCII: each
  // byte is its character. A byte beyond ASCII becomes U+FFFD, which names
  // no file, rather than some other file.
  friend FilePath operator+(FilePath path, std::string_view asciiName) {
    for (const char c : asciiName) {
      path.utf16_ += static_cast<unsigned char>(c) < 0x80 ? static_cast<char16_t>(c) : u'\uFFFD';
    }
    return path;
  }
  friend FilePath operator+(FilePath path, std::u16string_view name) {
    path.utf16_ += name;
    return path;
  }
  friend bool operator==(const FilePath& a, const FilePath& b) { return a.utf16_ == b.utf16_; }
  friend bool operator!=(const FilePath& a, const FilePath& b) { return a.utf16_ != b.utf16_; }
  friend bool operator<(const FilePath& a, const FilePath& b) { return a.utf16_ < b.utf16_; }

 private:
  std::u16string utf16_;
};

// text in code page 932 for a reader of the log or a window that shows only
// code page 932: a character it cannot hold becomes "?".
std::string ReadableText(std::u16string_view text, TextCodec& codec);
inline std::string ReadableText(const FilePath& path, TextCodec& codec) { return ReadableText(path.Utf16(), codec); }

}  // namespace sorvane
