#include "win32/Text.h"

#include <windows.h>

namespace sorvane::win32 {

namespace {
constexpr UINT kShiftJis = 932;
}

std::wstring Wide(const std::string& cp932) {
  if (cp932.empty()) return {};
  const int length = MultiByteToWideChar(kShiftJis, 0, cp932.data(), static_cast<int>(cp932.size()),
                                         nullptr, 0);
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kShiftJis, 0, cp932.data(), static_cast<int>(cp932.size()), result.data(), length);
  return result;
}

std::string Narrow(const std::wstring& utf16) {
  if (utf16.empty()) return {};
  const int length = WideCharToMultiByte(kShiftJis, 0, utf16.data(), static_cast<int>(utf16.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kShiftJis, 0, utf16.data(), static_cast<int>(utf16.size()), result.data(),
                      length, nullptr, nullptr);
  return result;
}

std::wstring Wide(std::u16string_view utf16) { return std::wstring(utf16.begin(), utf16.end()); }

std::string Utf8(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), result.data(), size, nullptr, nullptr);
  return result;
}

}  // namespace sorvane::win32

namespace sorvane::win32 {

std::optional<std::wstring> WideExactly(std::string_view cp932) {
  if (cp932.empty()) return std::wstring();
  const int size = static_cast<int>(cp932.size());
  const int length = MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, cp932.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, cp932.data(), size, result.data(), length);
  return result;
}

std::optional<std::string> NarrowExactly(std::wstring_view utf16) {
  if (utf16.empty()) return std::string();
  const int size = static_cast<int>(utf16.size());
  BOOL usedDefault = FALSE;
  const int length =
      WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, utf16.data(), size, nullptr, 0, nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, utf16.data(), size, result.data(), length, nullptr,
                      &usedDefault);
  // The way back must give the same characters, or the text was not held.
  const auto back = WideExactly(result);
  if (usedDefault || !back || *back != utf16) return std::nullopt;
  return result;
}

std::wstring WholeWindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return text;
}

}  // namespace sorvane::win32
