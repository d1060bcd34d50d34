#include "win32/LogonRunKey.h"

#include <windows.h>

#include <vector>

#include "win32/Handles.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace

std::optional<std::u16string> LogonRunKey::ReadRunValue(const std::string& name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return std::nullopt;
  const OwnedKey key(opened);
  const std::wstring wideName = Wide(name);
  std::vector<wchar_t> data(MAX_PATH);
  for (;;) {
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    const LONG result =
        RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &bytes);
    if (result == ERROR_MORE_DATA) {
      data.resize(bytes / sizeof(wchar_t) + 1);
      continue;
    }
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    // The stored string may or may not end in its terminating zero.
    std::wstring value(data.data(), bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return std::u16string(value.begin(), value.end());
  }
}

bool LogonRunKey::WriteRunValue(const std::string& name, const std::u16string& command) {
  const std::wstring wideCommand = Wide(command);
  HKEY opened = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const OwnedKey key(opened);
  const DWORD bytes = static_cast<DWORD>((wideCommand.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.get(), Wide(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(wideCommand.c_str()), bytes) == ERROR_SUCCESS;
}

bool LogonRunKey::RemoveRunValue(const std::string& name) {
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &opened);
  if (result == ERROR_FILE_NOT_FOUND) return true;
  if (result != ERROR_SUCCESS) return false;
  const OwnedKey key(opened);
  const LONG removed = RegDeleteValueW(key.get(), Wide(name).c_str());
  return removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND;
}

}  // namespace sorvane::win32
