// Conversions between the program's code page 932 bytes and UTF-16.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace sorvane::win32 {

std::wstring Wide(const std::string& cp932);
std::string Narrow(const std::wstring& utf16);
// UTF-16 as the program's portable code holds it, for the W functions.
std::wstring Wide(std::u16string_view utf16);

// Exact conversions: nothing when a character has no form on the other side,
// where Wide and Narrow would put a best fit or a "?".
std::optional<std::wstring> WideExactly(std::string_view cp932);
std::optional<std::string> NarrowExactly(std::wstring_view utf16);

// UTF-8, for what the end-to-end build writes for its tests.
std::string Utf8(std::wstring_view utf16);

// A window's whole text, however long.
std::wstring WholeWindowText(HWND window);

}  // namespace sorvane::win32
