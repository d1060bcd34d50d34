// A settings file as the settings engine sees it: code page 932 text, whatever
// encoding the carer's editor saved it in, and written back in that encoding.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "settings/IniFile.h"

namespace sorvane {

enum class TextEncoding { kShiftJis, kUtf8, kUtf8WithoutMark, kUtf16LittleEndian, kUtf16BigEndian };

struct SettingsText {
  // kUnreadable as well when the bytes are no text the panel can decode.
  FileRead::Status status = FileRead::Status::kMissing;
  bool undecodable = false;
  FileRead::Reason reason = FileRead::Reason::kFailed;  // why a file that exists could not be read
  TextEncoding encoding = TextEncoding::kShiftJis;
  std::string text;  // code page 932
  // Characters of the file that code page 932 cannot hold, each once. They
  // read as "〓"; the lines holding them are kept as the file has them for as
  // long as the panel leaves their values alone.
  std::vector<char32_t> unholdable;
  std::vector<std::pair<std::string, std::u16string>> keptLines;  // (as read, as in the file)
};

// A file that exists but cannot be read is tried again for this long.
constexpr int kUnreadableRetryMilliseconds = 2000;
constexpr int kUnreadableRetryPause = 100;

// The file's bytes, tried again for a while when another program holds it.
FileRead ReadHeldFile(Platform& platform, const FilePath& path);

// Reads and decodes path. Without a byte-order mark the file is code page 932,
// unless it is UTF-8 beyond doubt: Notepad saves UTF-8 without a mark today,
// and Japanese in code page 932 is never well-formed UTF-8. Without a mark, a
// zero byte means UTF-16 (or no text at all): it cannot be decoded.
SettingsText ReadSettingsText(Platform& platform, const FilePath& path);
SettingsText DecodeSettingsText(std::string_view bytes, TextCodec& codec);

// text in the encoding of original, byte-order mark first; nothing when a
// character cannot be put in that encoding.
std::optional<std::string> EncodeSettingsText(const std::string& text, const SettingsText& original,
                                              TextCodec& codec);
// Encodes and replaces path; kFailed as well when the text cannot be encoded.
FileWrite WriteSettingsText(Platform& platform, const FilePath& path, const std::string& text,
                            const SettingsText& original);

// Why a settings file could not be read, or replaced, in the carer's words.
const char* WhyNotRead(FileRead::Reason reason);
const char* WhyNotRead(const SettingsText& read);
const char* WhyNotWritten(FileWrite result);

// Values that may hold what code page 932 cannot, such as a folder's path. The
// value of key in the file's own characters: a line read as "〓" gives back
// the characters it stands for.
std::u16string ReadUnicodeValue(const SettingsText& file, TextCodec& codec, std::string_view section,
                                std::string_view key);
// Writes value under key in ini, which was read from file. A value code page
// 932 cannot hold is written as "〓" and kept in file in its own characters
// for the encoding; a Shift-JIS file then becomes UTF-8 with a mark. False,
// with ini unchanged, when that cannot be: the file is not code page 932.
bool WriteUnicodeValue(IniFile& ini, SettingsText& file, TextCodec& codec, std::string_view section,
                       std::string_view key, std::u16string_view value);
// The characters of file that code page 932 cannot hold, but for those on
// key's line.
std::vector<char32_t> UnholdableOutside(const SettingsText& file, TextCodec& codec, std::string_view section,
                                        std::string_view key);

// "U+00E9 U+1F600": characters named for the carer, in text the panel can show.
std::string DescribeCharacters(const std::vector<char32_t>& characters);

}  // namespace sorvane
