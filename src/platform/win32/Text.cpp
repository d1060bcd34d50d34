#include "platform/win32/Text.h"

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

}  // namespace sorvane::win32
