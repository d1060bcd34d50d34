#include "text/Texts.h"

namespace sorvane {

namespace {

Language g_language = Language::kJapanese;

const TextEntry* TableOf(Language language) {
  return language == Language::kEnglish ? kEnglishTexts : kJapaneseTexts;
}

}  // namespace

Language CurrentLanguage() { return g_language; }

void SetLanguage(Language language) { g_language = language; }

const char* TextIn(Language language, TextId id) {
  const int index = static_cast<int>(id);
  if (index < 0 || index >= kTextCount) return "";
  return TableOf(language)[index].text;
}

std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> fills) {
  // One pass: a fill that itself holds "%2" (a folder's name) stays as it is.
  std::string text;
  text.reserve(pattern.size() + 64);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
      const std::size_t which = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (which < fills.size()) text += *(fills.begin() + which);
      ++i;
      continue;
    }
    text += c;
  }
  return text;
}

const char* LanguageCode(Language language) { return language == Language::kEnglish ? "en" : "ja"; }

Language LanguageOfCode(std::string_view code) {
  const bool english = code.size() == 2 && (code[0] == 'e' || code[0] == 'E') && (code[1] == 'n' || code[1] == 'N');
  return english ? Language::kEnglish : Language::kJapanese;
}

}  // namespace sorvane
