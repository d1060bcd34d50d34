#include "settings/ValueForms.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/IniFile.h"

namespace sorvane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Full-width digits and signs as their ASCII forms: a carer typing with the
// Japanese input method on writes "１５" for 15.
std::string HalfWidthNumber(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (!IsLeadByte(lead) || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[++i]);
    if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) {
      out += static_cast<char>('0' + (trail - 0x4F));  // ０-９
    } else if (lead == 0x81 && trail == 0x7C) {
      out += '-';  // －
    } else if (lead == 0x81 && trail == 0x7B) {
      out += '+';  // ＋
    } else {
      out += static_cast<char>(lead);
      out += static_cast<char>(trail);
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct NamedColor {
  const char* name;
  ColorValue value;
};

constexpr NamedColor kColorNames[] = {
    {"clBlack", 0x00000000},        {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},        {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},         {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},         {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},       {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},         {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},         {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},         {"clWhite", 0x00FFFFFF},
    {"clScrollBar", 0x80000000},    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002}, {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},         {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},  {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},   {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A}, {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C}, {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E}, {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},    {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},      {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014}, {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},      {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},       {"clNone", 0x1FFFFFFF},
};

}  // namespace

std::int32_t ReadLeadingInteger(std::string_view written) {
  const std::string text = HalfWidthNumber(written);
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  // A number too large for 32 bits is held at the nearest end, so that a
  // range check holds it there too rather than seeing it wrapped round.
  constexpr std::int64_t kBeyond = std::int64_t{1} << 31;
  std::int64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    if (value < kBeyond) value = value * 10 + (text[i] - '0');
  }
  if (negative) return static_cast<std::int32_t>(-std::min(value, kBeyond));
  return static_cast<std::int32_t>(std::min(value, kBeyond - 1));
}

std::optional<std::int32_t> ReadWholeInteger(std::string_view written) {
  const std::string halfWidth = HalfWidthNumber(written);
  std::string_view text = halfWidth;
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  bool hex = false;
  if (!text.empty() && text.front() == '$') {
    hex = true;
    text.remove_prefix(1);
  } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    hex = true;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    const int digit = hex ? HexDigit(c) : (IsDigit(c) ? c - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    if (value > 0xFFFFFFFFULL) return std::nullopt;
  }
  if (hex) {
    const auto bits = static_cast<std::uint32_t>(value);
    return static_cast<std::int32_t>(negative ? 0U - bits : bits);
  }
  if (negative ? value > 0x80000000ULL : value > 0x7FFFFFFFULL) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value)
                                            : static_cast<std::int64_t>(value));
}

float ReadSeconds(std::string_view written) {
  const std::string text = HalfWidthNumber(written);
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0F;
  std::size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      end = j;
    }
  }
  const std::string number(text.substr(start, end - start));
  // Straight to the nearest float: what a 15-digit save of a float wrote
  // comes back as that same float, and what no float can hold as infinity.
  return std::strtof(number.c_str(), nullptr);
}

float ReadIntervalSeconds(std::string_view text) {
  const float seconds = ReadSeconds(text);
  // Not a number, infinite, zero, negative or too short to see and press: a
  // panel that never highlights anything is of no use to anyone.
  // Longer than a minute it is no pace anybody scans at: some other unit, or a slip.
  if (!std::isfinite(seconds) || !(seconds >= kShortestIntervalSeconds) || seconds > kLongestIntervalSeconds) {
    return kDefaultIntervalSeconds;
  }
  return seconds;
}

std::string WriteInteger(std::int32_t value) { return std::to_string(value); }

std::string WriteSeconds(float seconds) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", static_cast<double>(seconds));
  return buffer;
}

std::string WriteText(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  const bool quoted = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
                      text.back() == text.front();
  if (!text.empty() && (blank(text.front()) || blank(text.back()) || quoted)) {
    return "\"" + std::string(text) + "\"";
  }
  return std::string(text);
}

std::optional<ColorValue> ReadColorText(std::string_view text) {
  for (const NamedColor& named : kColorNames) {
    if (IniFile::NamesEqual(text, named.name)) return named.value;
  }
  if (const auto number = ReadWholeInteger(text)) return static_cast<ColorValue>(*number);
  return std::nullopt;
}

std::string WriteColorText(ColorValue color) {
  for (const NamedColor& named : kColorNames) {
    if (named.value == color) return named.name;
  }
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(color));
  return buffer;
}

}  // namespace sorvane
