// Named profiles: one person's settings, record and voice folder in
// Profiles\<name>\ beside the settings, chosen by /profile:<name> or the menu.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextCodec.h"

namespace sorvane {

extern const char* const kProfilesFolderName;  // "Profiles"
// The option that names a profile on the command line: /profile:<name>.
extern const char16_t* const kProfileOption;
// A name's most code page 932 bytes: it shows in the title and the menu.
constexpr std::size_t kProfileNameMaxBytes = 32;

// A name typed for a profile, checked: its code page 932 form when it can be
// one, or in problem why not, in the carer's words.
struct ProfileNameCheck {
  std::string name;
  std::string problem;
  bool ok() const { return problem.empty(); }
};
// existing: the profiles there are, for the name must not be one of them.
ProfileNameCheck CheckProfileName(std::u16string_view typed, const std::vector<std::string>& existing,
                                  TextCodec& text);

// Windows folder names ignore the case of ASCII letters; nothing else folds.
bool SameProfileName(const std::string& a, const std::string& b);

// What the command line says: the JoyToKey configuration argument (the first
// argument that names no profile) and the profile, when one is named.
struct StartArguments {
  std::u16string configuration;
  std::optional<std::u16string> profile;
};
StartArguments ReadStartArguments(const std::vector<std::u16string>& arguments);

// The command-line argument that names profile, quoted when it holds a space.
std::string ProfileArgument(const std::string& profile);

}  // namespace sorvane
