// Times the search for JoyToKey's program file over one folder tree with the
// real file system: prints "<milliseconds> <folders listed> <found 0/1>".
#include <windows.h>

#include <cstdio>

#include "joytokey/JoyToKeyLauncher.h"
#include "settings/SettingsPlace.h"
#include "win32/Win32Platform.h"

int main(int count, char** arguments) {
  if (count < 2) return 2;
  sorvane::win32::Win32Platform platform;
  sorvane::JoyToKeyLink link(platform.platform().desktop, platform.platform().courier);
  sorvane::JoyToKeyLauncher launcher(platform.platform(), link);
  const std::u16string folder = platform.platform().text.Utf16FromShiftJis(arguments[1]).value_or(u"");
  LARGE_INTEGER frequency{};
  LARGE_INTEGER start{};
  LARGE_INTEGER end{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const bool found = launcher.SearchUnder(folder, platform.platform().process.ProgramFilePath().Folder() + sorvane::kSiblingSettingsFileName);
  QueryPerformanceCounter(&end);
  const double milliseconds = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                              static_cast<double>(frequency.QuadPart);
  std::printf("%.0f %ld %d\n", milliseconds, launcher.Listings(), found ? 1 : 0);
  return 0;
}
