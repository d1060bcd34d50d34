// Conversions between the program's code page 932 bytes and UTF-16.
#pragma once

#include <string>

namespace sorvane::win32 {

std::wstring Wide(const std::string& cp932);
std::string Narrow(const std::wstring& utf16);

}  // namespace sorvane::win32
