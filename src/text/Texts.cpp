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

MessageText TextMessage(TextId id, std::initializer_list<MessageText> fills) {
  const std::string_view pattern = Text(id);
  MessageText message;
  const auto addWords = [&message](std::string_view words) {
    if (!words.empty()) message = message + std::string(words);
  };
  std::size_t wordsFrom = 0;
  for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
    if (pattern[i] != '%' || pattern[i + 1] < '1' || pattern[i + 1] > '9') continue;
    addWords(pattern.substr(wordsFrom, i - wordsFrom));
    const std::size_t which = static_cast<std::size_t>(pattern[i + 1] - '1');
    if (which < fills.size()) {
      for (const MessageText::Piece& piece : (fills.begin() + which)->Pieces()) {
        if (piece.isName) {
          message = message + FilePath(piece.name);
        } else {
          addWords(piece.words);
        }
      }
    }
    wordsFrom = i + 2;
    ++i;
  }
  addWords(pattern.substr(wordsFrom));
  return message;
}

const char* LanguageCode(Language language) { return language == Language::kEnglish ? "en" : "ja"; }

Language LanguageOfCode(std::string_view code) {
  const bool english = code.size() == 2 && (code[0] == 'e' || code[0] == 'E') && (code[1] == 'n' || code[1] == 'N');
  return english ? Language::kEnglish : Language::kJapanese;
}

}  // namespace sorvane
