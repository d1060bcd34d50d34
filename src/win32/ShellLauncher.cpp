#include "win32/ShellLauncher.h"

#include <windows.h>
#include <shellapi.h>

#include "win32/DesktopWindows.h"
#include "win32/Text.h"

namespace sorvane::win32 {

void ShellLauncher::Open(WindowHandle owner, const std::string& verb, const std::u16string& file,
                         const std::u16string& parameters, int showCommand) {
  const std::wstring wideParameters = Wide(parameters);
  // The help or the web page comes to the front although the panel gives the
  // keyboard back to the user's program once the menu has closed.
  AllowSetForegroundWindow(ASFW_ANY);
  ShellExecuteW(AsWindow(owner), Wide(verb).c_str(), Wide(file).c_str(),
                wideParameters.empty() ? nullptr : wideParameters.c_str(),
                nullptr, showCommand);
}

bool ShellLauncher::Launch(const std::string& verb, const std::string& file,
                           const std::string& parameters, const std::u16string& folder, int showCommand) {
  const std::wstring wideVerb = Wide(verb);
  const std::wstring wideFile = Wide(file);
  const std::wstring wideParameters = Wide(parameters);
  std::wstring wideFolder = Wide(folder);
  // The shell takes no working folder as long as MAX_PATH, nor the \\?\ form:
  // a deep folder is launched by its short name.
  if (wideFolder.size() >= MAX_PATH - 12) {
    const std::wstring longForm = L"\\\\?\\" + wideFolder;
    const DWORD needed = GetShortPathNameW(longForm.c_str(), nullptr, 0);
    if (needed != 0) {
      std::wstring shortForm(needed, L'\0');
      const DWORD written = GetShortPathNameW(longForm.c_str(), shortForm.data(), needed);
      if (written != 0 && written < needed) {
        shortForm.resize(written);
        if (shortForm.rfind(L"\\\\?\\", 0) == 0) shortForm.erase(0, 4);
        wideFolder = shortForm;
      }
    }
  }
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpVerb = wideVerb.c_str();
  info.lpFile = wideFile.c_str();
  info.lpParameters = wideParameters.empty() ? nullptr : wideParameters.c_str();
  info.lpDirectory = wideFolder.empty() ? nullptr : wideFolder.c_str();
  info.nShow = showCommand;
  return ShellExecuteExW(&info) != FALSE;
}

}  // namespace sorvane::win32
