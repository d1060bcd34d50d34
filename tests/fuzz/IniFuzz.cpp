// libFuzzer target for the settings engine: any bytes parse without harm, the
// text survives a parse unchanged, what is written reads back the same, and so
// does every value the panel writes: seconds, integers, colours and text.
#include <cstddef>
#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings/IniFile.h"
#include "settings/ValueForms.h"
#include "text/ShiftJis.h"

namespace {

bool IsTrail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// A name or value the engine can hold: well-formed Shift-JIS, no line ends,
// no blanks at its ends; names without the characters that shape a line.
std::string Clean(const std::string& text, bool isName, bool trimEnds = true) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (sorvane::IsShiftJisLeadByte(static_cast<char>(c))) {
      if (i + 1 < text.size() && IsTrail(static_cast<unsigned char>(text[i + 1]))) {
        result += text.substr(i, 2);
        ++i;
      }
      continue;
    }
    if (c == '\r' || c == '\n' || c == '\0' || c >= 0x80) continue;
    if (isName && (c == '=' || c == '[' || c == ']')) continue;
    result += static_cast<char>(c);
  }
  if (!trimEnds) return result;
  while (!result.empty() && (result.front() == ' ' || result.front() == '\t')) result.erase(0, 1);
  // A blank is never the second byte of a character, so this cuts none in two.
  while (!result.empty() && (result.back() == ' ' || result.back() == '\t')) result.pop_back();
  return result;
}

// Every value the panel writes, made from the first bytes of the input, reads
// back as the value it was.
void CheckValuesReadBack(const std::uint8_t* data, std::size_t size) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, data, size < 4 ? size : 4);
  float seconds = 0;
  std::memcpy(&seconds, &bits, 4);
  // What the panel holds after a load of anything, and the save of that.
  const float held = sorvane::ReadIntervalSeconds(sorvane::WriteSeconds(seconds));
  if (!std::isfinite(held) || held < 0.2F) std::abort();
  if (sorvane::ReadIntervalSeconds(sorvane::WriteSeconds(held)) != held) std::abort();
  // An interval the panel takes reads back as itself; one it cannot take (a
  // blink, or longer than a minute) as the default.
  const bool takes = std::isfinite(seconds) && seconds >= 0.2F && seconds <= 60.0F;
  if (sorvane::ReadIntervalSeconds(sorvane::WriteSeconds(seconds)) != (takes ? seconds : 2.0F)) std::abort();
  const auto integer = static_cast<std::int32_t>(bits);
  if (sorvane::ReadWholeInteger(sorvane::WriteInteger(integer)) != integer) std::abort();
  if (sorvane::ReadLeadingInteger(sorvane::WriteInteger(integer)) != integer) std::abort();
  if (sorvane::ReadColorText(sorvane::WriteColorText(bits)) != bits) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckValuesReadBack(data, size);
  const std::string input(reinterpret_cast<const char*>(data), size);
  sorvane::IniFile ini(input);
  if (ini.Contents() != input) std::abort();

  // Split the input into a section, a key and a value to write.
  const std::size_t third = size / 3;
  const std::string section = Clean(input.substr(0, third), true);
  const std::string key = Clean(input.substr(third, third), true);
  std::string value = Clean(input.substr(2 * third), false);
  if (value.size() > sorvane::IniFile::kMaxValueBytes) value.resize(sorvane::IniFile::kMaxValueBytes);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = "(" + value + ")";
  }
  ini.ReadString(section, key, "fallback");
  sorvane::ReadLeadingInteger(input);
  sorvane::ReadWholeInteger(input);
  sorvane::ReadSeconds(input);
  sorvane::ReadColorText(input);
  if (section.empty() || key.empty()) return 0;
  ini.WriteString(section, key, value);
  const sorvane::IniFile reread(ini.Contents());
  if (reread.ReadString(section, key, "\x01missing") != value) std::abort();
  // A name or folder as the panel writes it, blanks and quotes at its ends included.
  std::string text = Clean(input.substr(2 * third), false, false);
  if (text.size() > sorvane::IniFile::kMaxValueBytes) text.resize(sorvane::IniFile::kMaxValueBytes);
  ini.WriteString(section, key, sorvane::WriteText(text));
  if (sorvane::IniFile(ini.Contents()).ReadString(section, key, "\x01missing") != text) std::abort();
  return 0;
}
