#include "settings/Profiles.h"

#include <cstdio>

#include "text/ShiftJis.h"
#include "text/Texts.h"

namespace sorvane {

const char* const kProfilesFolderName = "Profiles";
const char16_t* const kProfileOption = u"/profile:";

namespace {

char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool StartsWithOption(std::u16string_view argument) {
  const std::u16string_view option = kProfileOption;
  if (argument.size() < option.size()) return false;
  for (std::size_t i = 0; i < option.size(); ++i) {
    if (AsciiUpper(argument[i]) != AsciiUpper(option[i])) return false;
  }
  return true;
}

// The names Windows keeps for devices, with or without an extension.
bool IsDeviceName(std::u16string_view name) {
  std::u16string stem(name.substr(0, name.find(u'.')));
  while (!stem.empty() && stem.back() == u' ') stem.pop_back();
  for (char16_t& c : stem) c = AsciiUpper(c);
  if (stem == u"CON" || stem == u"PRN" || stem == u"AUX" || stem == u"NUL") return true;
  return stem.size() == 4 && (stem.rfind(u"COM", 0) == 0 || stem.rfind(u"LPT", 0) == 0) && stem[3] >= u'1' &&
         stem[3] <= u'9';
}

}  // namespace

bool SameProfileName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (IsShiftJisLeadByte(a[i]) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (AsciiUpper(static_cast<unsigned char>(a[i])) != AsciiUpper(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

ProfileNameCheck CheckProfileName(std::u16string_view typed, const std::vector<std::string>& existing,
                                  TextCodec& text) {
  ProfileNameCheck check;
  if (typed.empty()) {
    check.problem = Text(TextId::ProfileNameEmpty);
    return check;
  }
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const char16_t c = typed[i];
    if (c < 0x20) {
      check.problem = Text(TextId::ProfileNameControl);
      return check;
    }
    if (std::u16string_view(u"<>:\"/\\|?*").find(c) != std::u16string_view::npos) {
      check.problem = Text(TextId::ProfileNameForbidden, {std::string(1, static_cast<char>(c))});
      return check;
    }
    // Said one by one, so that the carer knows which character to change.
    const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < typed.size();
    const std::u16string_view character = typed.substr(i, pair ? 2 : 1);
    if (!text.ShiftJisFromUtf16(character)) {
      const char32_t code = pair ? 0x10000 + ((c - 0xD800) << 10) + (typed[i + 1] - 0xDC00) : c;
      char described[16];
      std::snprintf(described, sizeof described, "U+%04X", static_cast<unsigned>(code));
      check.problem = Text(TextId::ProfileNameNotShiftJis, {described});
      return check;
    }
    if (pair) ++i;
  }
  if (typed.back() == u' ' || typed.back() == u'.') {
    check.problem = Text(TextId::ProfileNameBadEnd);
    return check;
  }
  if (IsDeviceName(typed)) {
    check.problem = Text(TextId::ProfileNameDevice);
    return check;
  }
  const std::string name = text.ShiftJisFromUtf16(typed).value_or(std::string());
  if (name.size() > kProfileNameMaxBytes) {
    check.problem = Text(TextId::ProfileNameTooLong);
    return check;
  }
  for (const std::string& other : existing) {
    if (SameProfileName(name, other)) {
      check.problem = Text(TextId::ProfileNameTaken, {other});
      return check;
    }
  }
  check.name = name;
  return check;
}

StartArguments ReadStartArguments(const std::vector<std::u16string>& arguments) {
  StartArguments read;
  bool configurationSeen = false;
  for (const std::u16string& argument : arguments) {
    if (StartsWithOption(argument)) {
      if (!read.profile) read.profile = argument.substr(std::u16string_view(kProfileOption).size());
    } else if (!configurationSeen) {
      read.configuration = argument;
      configurationSeen = true;
    }
  }
  return read;
}

std::string ProfileArgument(const std::string& profile) {
  const std::string argument = "/profile:" + profile;
  return profile.find(' ') != std::string::npos ? "\"" + argument + "\"" : argument;
}

}  // namespace sorvane
