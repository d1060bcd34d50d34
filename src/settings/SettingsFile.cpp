#include "settings/SettingsFile.h"

#include <algorithm>
#include <cstdio>

#include "text/Unicode.h"

namespace sorvane {

namespace {

const char* const kStandIn = "〓";  // stands for a character code page 932 cannot hold

constexpr unsigned char kUtf8Mark[] = {0xEF, 0xBB, 0xBF};

bool StartsWith(std::string_view bytes, std::initializer_list<unsigned char> mark) {
  if (bytes.size() < mark.size()) return false;
  std::size_t i = 0;
  for (unsigned char b : mark) {
    if (static_cast<unsigned char>(bytes[i++]) != b) return false;
  }
  return true;
}

std::u16string Utf16FromBytes(std::string_view bytes, bool bigEndian) {
  std::u16string out;
  out.reserve(bytes.size() / 2 + 1);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    out += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  if (bytes.size() % 2 != 0) out += kReplacementCharacter;  // a last byte that is half a unit
  return out;
}

std::string BytesFromUtf16(std::u16string_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char16_t unit : text) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  }
  return out;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A key line as the settings engine rewrites it ("name=value"), any other line
// as it stands: a line the panel wrote back with the value it read compares equal.
std::string Normalized(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  const std::size_t equals = trimmed.find('=');
  if (trimmed.empty() || trimmed.front() == '[' || equals == std::string_view::npos) {
    return std::string(trimmed);
  }
  return std::string(TrimBlanks(trimmed.substr(0, equals))) + "=" +
         std::string(TrimBlanks(trimmed.substr(equals + 1)));
}

// Calls visit(content, lineEnd) for each line, line ends as the file has them.
template <typename Text, typename Visit>
void ForEachLine(const Text& text, Visit visit) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t stop = pos;
    while (stop < text.size() && text[stop] != '\r' && text[stop] != '\n') ++stop;
    std::size_t next = stop;
    if (next < text.size() && text[next] == '\r') ++next;
    if (next < text.size() && text[next] == '\n') ++next;
    visit(text.substr(pos, stop - pos), text.substr(stop, next - stop));
    pos = next;
  }
}

void DecodeUnicode(const std::u16string& wide, TextCodec& codec, SettingsText& result) {
  if (auto whole = codec.ShiftJisFromUtf16(wide)) {
    result.text = std::move(*whole);
    return;
  }
  ForEachLine(wide, [&](const std::u16string& content, const std::u16string& end) {
    if (auto line = codec.ShiftJisFromUtf16(content)) {
      result.text += *line;
    } else {
      std::string lossy;
      for (std::size_t i = 0; i < content.size();) {
        std::size_t units = 1;
        const char32_t c = CodePointAt(content, i, units);
        if (auto one = codec.ShiftJisFromUtf16(std::u16string_view(content).substr(i, units))) {
          lossy += *one;
        } else {
          lossy += kStandIn;
          if (std::find(result.unholdable.begin(), result.unholdable.end(), c) == result.unholdable.end()) {
            result.unholdable.push_back(c);
          }
        }
        i += units;
      }
      result.keptLines.emplace_back(Normalized(lossy), content);
      result.text += lossy;
    }
    for (char16_t unit : end) result.text += static_cast<char>(unit);
  });
}

}  // namespace

// Well-formed UTF-8 with at least one character beyond ASCII.
bool IsUtf8BeyondAscii(std::string_view bytes) {
  bool beyondAscii = false;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    int length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      value = lead & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(length) > bytes.size()) return false;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      value = (value << 6) | (next & 0x3F);
    }
    const char32_t smallest = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0x80;
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    beyondAscii = true;
    i += static_cast<std::size_t>(length);
  }
  return beyondAscii;
}

SettingsText DecodeSettingsText(std::string_view bytes, TextCodec& codec) {
  SettingsText result;
  result.status = FileRead::Status::kRead;
  if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) {
    result.encoding = TextEncoding::kUtf8;
    DecodeUnicode(Utf16FromUtf8(bytes.substr(3)), codec, result);
  } else if (StartsWith(bytes, {0xFF, 0xFE})) {
    result.encoding = TextEncoding::kUtf16LittleEndian;
    DecodeUnicode(Utf16FromBytes(bytes.substr(2), false), codec, result);
  } else if (StartsWith(bytes, {0xFE, 0xFF})) {
    result.encoding = TextEncoding::kUtf16BigEndian;
    DecodeUnicode(Utf16FromBytes(bytes.substr(2), true), codec, result);
  } else if (IsUtf8BeyondAscii(bytes)) {
    result.encoding = TextEncoding::kUtf8WithoutMark;
    DecodeUnicode(Utf16FromUtf8(bytes), codec, result);
  } else {
    result.text = std::string(bytes);
  }
  return result;
}

SettingsText ReadSettingsText(Platform& platform, const std::string& path) {
  const std::int64_t start = platform.clock.NowMilliseconds();
  FileRead read = platform.files.ReadWholeFile(path);
  // A backup or sync tool, or an editor, may hold the file for a moment.
  while (read.status == FileRead::Status::kUnreadable &&
         platform.clock.NowMilliseconds() - start < kUnreadableRetryMilliseconds) {
    platform.clock.Sleep(kUnreadableRetryPause);
    read = platform.files.ReadWholeFile(path);
  }
  SettingsText result;
  if (read.status == FileRead::Status::kRead) result = DecodeSettingsText(read.contents, platform.text);
  result.status = read.status;
  return result;
}

std::optional<std::string> EncodeSettingsText(const std::string& text, const SettingsText& original,
                                              TextCodec& codec) {
  if (original.encoding == TextEncoding::kShiftJis) return text;
  std::u16string wide;
  if (original.keptLines.empty()) {
    auto whole = codec.Utf16FromShiftJis(text);
    if (!whole) return std::nullopt;
    wide = std::move(*whole);
  } else {
    bool failed = false;
    ForEachLine(text, [&](const std::string& content, const std::string& end) {
      const std::string normalized = Normalized(content);
      const auto kept = std::find_if(original.keptLines.begin(), original.keptLines.end(),
                                     [&](const auto& line) { return line.first == normalized; });
      if (kept != original.keptLines.end()) {
        wide += kept->second;
      } else if (auto line = codec.Utf16FromShiftJis(content)) {
        wide += *line;
      } else {
        failed = true;
      }
      for (char c : end) wide += static_cast<char16_t>(c);
    });
    if (failed) return std::nullopt;
  }
  switch (original.encoding) {
    case TextEncoding::kUtf8:
      return std::string(reinterpret_cast<const char*>(kUtf8Mark), 3) + Utf8FromUtf16(wide);
    case TextEncoding::kUtf8WithoutMark:
      return Utf8FromUtf16(wide);
    case TextEncoding::kUtf16LittleEndian:
      return std::string("\xFF\xFE", 2) + BytesFromUtf16(wide, false);
    default:
      return std::string("\xFE\xFF", 2) + BytesFromUtf16(wide, true);
  }
}

bool WriteSettingsText(Platform& platform, const std::string& path, const std::string& text,
                       const SettingsText& original) {
  const auto bytes = EncodeSettingsText(text, original, platform.text);
  return bytes && platform.files.ReplaceWholeFile(path, *bytes);
}

std::string DescribeCharacters(const std::vector<char32_t>& characters) {
  std::string described;
  for (char32_t c : characters) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    if (!described.empty()) described += ' ';
    described += code;
  }
  return described;
}

}  // namespace sorvane
