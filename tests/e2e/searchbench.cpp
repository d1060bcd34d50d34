// Times the search for JoyToKey's program file over one folder tree with the
// real file system: prints "<milliseconds> <folders listed> <found 0/1>".
// A JoyToKey window must exist, so that building the panel searches nothing.
#include <windows.h>

#include <cstdio>

#include "panel/Application.h"
#include "win32/Win32Platform.h"

int main(int count, char** arguments) {
  if (count < 2) return 2;
  sorvane::win32::Win32Platform platform;
  sorvane::PanelForm form(platform.platform());
  if (form.link.JoyToKeyWindow() == 0) return 3;
  const std::u16string folder = platform.platform().text.Utf16FromShiftJis(arguments[1]).value_or(u"");
  LARGE_INTEGER frequency{};
  LARGE_INTEGER start{};
  LARGE_INTEGER end{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const bool found = form.SearchJoyToKeyFolder(folder);
  QueryPerformanceCounter(&end);
  const double milliseconds = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                              static_cast<double>(frequency.QuadPart);
  std::printf("%.0f %ld %d\n", milliseconds, form.listingCount, found ? 1 : 0);
  return 0;
}
