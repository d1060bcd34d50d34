// UTF-8 and UTF-16 without any help from the system.
#pragma once

#include <string>
#include <string_view>

namespace sorvane {

constexpr char16_t kReplacementCharacter = 0xFFFD;

// A byte sequence that is not UTF-8 becomes U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text);
// A lone surrogate becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);

// The code point that starts at text[i] and how many units it takes (1 or 2).
char32_t CodePointAt(std::u16string_view text, std::size_t i, std::size_t& units);

}  // namespace sorvane
