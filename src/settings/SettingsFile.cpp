#include "settings/SettingsFile.h"

#include <algorithm>
#include <cstdio>

#include "settings/ValueForms.h"
#include "text/Texts.h"
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

template <typename View>
View TrimBlanks(View text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A key line as the settings engine rewrites it ("name=value"), any other line
// as it stands: a line the panel wrote back with the value it read compares equal.
std::string Normalized(std::string_view line) {
  const std::string_view trimmed = TrimBlanks<std::string_view>(line);
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

// text with each character code page 932 cannot hold as kStandIn; those
// characters are added to unholdable once each.
std::string LossyShiftJis(std::u16string_view text, TextCodec& codec, std::vector<char32_t>* unholdable) {
  std::string lossy;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t units = 1;
    const char32_t c = CodePointAt(text, i, units);
    if (auto one = codec.ShiftJisFromUtf16(text.substr(i, units))) {
      lossy += *one;
    } else {
      lossy += kStandIn;
      if (unholdable != nullptr && std::find(unholdable->begin(), unholdable->end(), c) == unholdable->end()) {
        unholdable->push_back(c);
      }
    }
    i += units;
  }
  return lossy;
}

// The kept line that stands for line of the text, if there is one.
const std::u16string* KeptLine(const SettingsText& file, std::string_view line) {
  const std::string normalized = Normalized(line);
  for (const auto& kept : file.keptLines) {
    if (kept.first == normalized) return &kept.second;
  }
  return nullptr;
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
      const std::string lossy = LossyShiftJis(content, codec, &result.unholdable);
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
  } else if (bytes.find('\0') != std::string_view::npos) {
    // Neither code page 932 nor UTF-8 has a zero byte in text: this is UTF-16
    // without its mark, or no text at all. Read as code page 932 it would be
    // written back as something else.
    result.status = FileRead::Status::kUnreadable;
    result.undecodable = true;
  } else if (IsUtf8BeyondAscii(bytes)) {
    result.encoding = TextEncoding::kUtf8WithoutMark;
    DecodeUnicode(Utf16FromUtf8(bytes), codec, result);
  } else {
    result.text = std::string(bytes);
  }
  return result;
}

FileRead ReadHeldFile(Platform& platform, const FilePath& path) {
  const std::int64_t start = platform.clock.NowMilliseconds();
  FileRead read = platform.files.ReadWholeFile(path);
  // A backup or sync tool, or an editor, may hold the file for a moment.
  while (read.status == FileRead::Status::kUnreadable &&
         platform.clock.NowMilliseconds() - start < kUnreadableRetryMilliseconds) {
    platform.clock.Sleep(kUnreadableRetryPause);
    read = platform.files.ReadWholeFile(path);
  }
  return read;
}

SettingsText ReadSettingsText(Platform& platform, const FilePath& path) {
  const FileRead read = ReadHeldFile(platform, path);
  if (read.status == FileRead::Status::kRead) return DecodeSettingsText(read.contents, platform.text);
  SettingsText result;
  result.status = read.status;
  result.reason = read.reason;
  return result;
}

const char* WhyNotRead(const SettingsText& read) {
  return read.undecodable ? Text(TextId::ReasonUndecodable) : WhyNotRead(read.reason);
}

const char* WhyNotRead(FileRead::Reason reason) {
  switch (reason) {
    case FileRead::Reason::kInUse: return Text(TextId::ReasonMaybeInUse);
    case FileRead::Reason::kFolder: return Text(TextId::ReasonSameNameFolder);
    case FileRead::Reason::kDenied: return Text(TextId::ReasonReadDenied);
    case FileRead::Reason::kFailed: break;
  }
  return Text(TextId::ReasonReadFailed);
}

const char* WhyNotWritten(FileWrite result) {
  switch (result) {
    case FileWrite::kReadOnly: return Text(TextId::ReasonReadOnly);
    case FileWrite::kFolderRefused: return Text(TextId::ReasonFolderRefused);
    case FileWrite::kIsFolder: return Text(TextId::ReasonSameNameFolder);
    case FileWrite::kInUse: return Text(TextId::ReasonMaybeInUse);
    case FileWrite::kWritten:
    case FileWrite::kFailed: break;
  }
  return Text(TextId::ReasonWriteFailed);
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

FileWrite WriteSettingsText(Platform& platform, const FilePath& path, const std::string& text,
                            const SettingsText& original) {
  const auto bytes = EncodeSettingsText(text, original, platform.text);
  return bytes ? platform.files.ReplaceWholeFile(path, *bytes) : FileWrite::kFailed;
}

std::u16string ReadUnicodeValue(const SettingsText& file, TextCodec& codec, std::string_view section,
                                std::string_view key) {
  const IniFile ini(file.text);
  const std::string value = ini.ReadString(section, key, "");
  const auto line = ini.KeyLine(section, key);
  const std::u16string* kept = line ? KeptLine(file, *line) : nullptr;
  if (kept == nullptr) return codec.Utf16FromShiftJis(value).value_or(std::u16string());
  // The value as the engine reads it from the line, in the file's characters.
  std::u16string_view whole = TrimBlanks(std::u16string_view(*kept).substr(kept->find(u'=') + 1));
  if (whole.size() >= 2 && (whole.front() == u'"' || whole.front() == u'\'') && whole.back() == whole.front()) {
    whole = whole.substr(1, whole.size() - 2);
  }
  // Cut where the engine cut its code page 932 value.
  std::u16string result;
  std::size_t bytes = 0;
  for (std::size_t i = 0, units = 1; i < whole.size(); i += units) {
    CodePointAt(whole, i, units);
    bytes += LossyShiftJis(whole.substr(i, units), codec, nullptr).size();
    if (bytes > value.size()) break;
    result += whole.substr(i, units);
  }
  return result;
}

bool WriteUnicodeValue(IniFile& ini, SettingsText& file, TextCodec& codec, std::string_view section,
                       std::string_view key, std::u16string_view value) {
  if (const auto holdable = codec.ShiftJisFromUtf16(value)) {
    ini.WriteString(section, key, WriteText(*holdable));
    return true;
  }
  const std::string lossy = LossyShiftJis(value, codec, nullptr);
  const std::string written = WriteText(lossy);
  IniFile changed = ini;
  changed.WriteString(section, key, written);
  const std::string line = changed.KeyLine(section, key).value_or("");
  auto original = codec.Utf16FromShiftJis(line.substr(0, line.find('=') + 1));
  if (!original) return false;
  const std::u16string quote = written != lossy ? u"\"" : u"";
  *original += quote;
  *original += value;
  *original += quote;
  // Only Unicode holds the value: a Shift-JIS file becomes UTF-8 with a mark,
  // which every other line must be able to follow.
  if (file.encoding == TextEncoding::kShiftJis) {
    if (!codec.Utf16FromShiftJis(changed.Contents())) return false;
    file.encoding = TextEncoding::kUtf8;
  }
  const std::string normalized = Normalized(line);
  file.keptLines.erase(std::remove_if(file.keptLines.begin(), file.keptLines.end(),
                                      [&](const auto& kept) { return kept.first == normalized; }),
                       file.keptLines.end());
  file.keptLines.emplace_back(normalized, std::move(*original));
  ini = std::move(changed);
  return true;
}

std::vector<char32_t> UnholdableOutside(const SettingsText& file, TextCodec& codec, std::string_view section,
                                        std::string_view key) {
  const auto line = IniFile(file.text).KeyLine(section, key);
  const std::u16string* skipped = line ? KeptLine(file, *line) : nullptr;
  std::vector<char32_t> characters;
  for (const auto& kept : file.keptLines) {
    if (&kept.second != skipped) LossyShiftJis(kept.second, codec, &characters);
  }
  return characters;
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
