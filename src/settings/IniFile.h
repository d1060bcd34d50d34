// An INI file held in memory, read and changed with the rules of the Windows
// profile functions, for code page 932 text. Lines it does not own are kept as
// they were; the owner writes the whole text back at once.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

class IniFile {
 public:
  // At most this many bytes of a value are read.
  static constexpr std::size_t kMaxValueBytes = 2047;

  IniFile() = default;
  explicit IniFile(std::string_view contents);

  // The value of key in section, blanks trimmed and one pair of matching
  // quotes removed, cut to kMaxValueBytes; fallback when either is missing.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  bool HasKey(std::string_view section, std::string_view key) const;
  // The whole line ReadString takes the key's value from.
  std::optional<std::string> KeyLine(std::string_view section, std::string_view key) const;

  // Replaces the value in place, or adds the key at the end of its section, or
  // adds the section at the end of the file.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  std::string Contents() const;

  // Case-insensitive for single-byte ASCII letters only; never folds the
  // second byte of a double-byte character.
  static bool NamesEqual(std::string_view a, std::string_view b);

 private:
  enum class LineKind { kOther, kSection, kKey };
  struct Line {
    std::string text;  // without its line end
    std::string end;   // "\r\n", "\n", "\r" or "" for a last line without one
    LineKind kind = LineKind::kOther;
    std::string_view Name() const;   // section or key name, trimmed
    std::string_view Value() const;  // the text after "=", trimmed
  };

  static Line Classify(std::string text, std::string end);
  // Index of the first line of the first section called section, or npos.
  std::size_t FindSection(std::string_view section) const;
  // Index of the key's line within the section starting at sectionLine, or npos.
  std::size_t FindKey(std::size_t sectionLine, std::string_view key) const;
  // A line of the section that holds only the key's name, or npos.
  std::size_t FindBareKey(std::size_t sectionLine, std::string_view key) const;
  std::size_t SectionEnd(std::size_t sectionLine) const;

  std::vector<Line> lines_;
};

}  // namespace sorvane
