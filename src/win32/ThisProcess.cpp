#include "win32/ThisProcess.h"

#include <shellapi.h>

#include <vector>

#include "win32/Files.h"
#include "win32/Text.h"

namespace sorvane::win32 {

FilePath ThisProcess::ProgramFilePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return FilePath(std::u16string(buffer.data(), buffer.data() + length));
    buffer.resize(buffer.size() * 2);
  }
}

std::string ThisProcess::FirstArgument() {
  int count = 0;
  const OwnedArguments arguments(CommandLineToArgvW(GetCommandLineW(), &count));
  if (!arguments || count < 2) return {};
  return Narrow(arguments.get()[1]);
}

std::vector<std::u16string> ThisProcess::Arguments() {
  int count = 0;
  const OwnedArguments arguments(CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::u16string> all;
  for (int i = 1; arguments && i < count; ++i) {
    const wchar_t* argument = arguments.get()[i];
    all.emplace_back(argument, argument + wcslen(argument));
  }
  return all;
}

FilePath ThisProcess::WorkingFolder() {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  if (size == 0) return {};
  std::vector<wchar_t> buffer(size);
  const DWORD length = GetCurrentDirectoryW(size, buffer.data());
  if (length == 0 || length >= size) return {};
  std::u16string folder(reinterpret_cast<const char16_t*>(buffer.data()), length);
  if (folder.back() != u'\\') folder += u'\\';
  return FilePath(folder);
}

bool ThisProcess::CreateInstanceMutex(const std::string& name) {
  // Kept open for the life of the process on purpose.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, Wide(name).c_str());
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  instanceMutex_.Reset(mutex);
  return existed;
}

void ThisProcess::CloseInstanceMutex() { instanceMutex_.Reset(); }

}  // namespace sorvane::win32
