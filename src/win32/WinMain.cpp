// The Windows entry of the panel.
#include <windows.h>
// After windows.h, which it needs.
#include <dbghelp.h>

#include <exception>
#include <string>

#include "panel/Application.h"
#include "text/Texts.h"
#include "win32/Handles.h"
#include "win32/PanelView.h"
#include "win32/PanelWindow.h"
#include "win32/Text.h"
#include "win32/Win32Platform.h"

namespace {
sorvane::win32::Win32Platform* g_platform = nullptr;
std::string g_firstArgument;

// A crash leaves a minidump beside the log, and the log and the carer are
// told where it is.
LONG WINAPI RecordCrash(EXCEPTION_POINTERS* exception) {
  static volatile LONG once = 0;
  if (InterlockedExchange(&once, 1) != 0 || g_platform == nullptr) return EXCEPTION_CONTINUE_SEARCH;
  std::wstring path = g_platform->LogPath();
  const std::size_t slash = path.find_last_of(L"\\/");
  path = (slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1));
  SYSTEMTIME now{};
  GetLocalTime(&now);
  wchar_t name[64];
  wsprintfW(name, L"Sorvane-%04u%02u%02u-%02u%02u%02u.dmp", now.wYear, now.wMonth, now.wDay, now.wHour,
            now.wMinute, now.wSecond);
  path += name;
  bool written = false;
  {
    const sorvane::win32::OwnedFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) {
      MINIDUMP_EXCEPTION_INFORMATION info{GetCurrentThreadId(), exception, FALSE};
      written = MiniDumpWriteDump(GetCurrentProcess(), GetCurrentProcessId(), file.get(), MiniDumpNormal, &info,
                                  nullptr, nullptr) != FALSE;
    }
  }
  const std::string where = sorvane::win32::Narrow(path);
  g_platform->platform().log.Write(written ? "異常終了しました。記録: " + where : "異常終了しました（記録を残せませんでした）");
  // The place in its own characters, which code page 932 may not hold.
  const std::wstring text = written ? sorvane::win32::Wide(sorvane::Text(sorvane::TextId::CrashWithDump)) + path
                                    : sorvane::win32::Wide(sorvane::Text(sorvane::TextId::Crash));
  MessageBoxW(nullptr, text.c_str(), L"Sorvane", MB_OK | MB_ICONERROR | MB_SYSTEMMODAL);
  return EXCEPTION_EXECUTE_HANDLER;
}
}  // namespace

// The first command-line argument, whatever index is asked for; exported under
// the name other programs know it by.
extern "C" __declspec(dllexport) const char* ParaamStr(int /*index*/) {
  if (g_platform == nullptr) return "";
  g_firstArgument = g_platform->platform().process.FirstArgument();
  return g_firstArgument.c_str();
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  sorvane::win32::Win32Platform platform;
  g_platform = &platform;
  SetUnhandledExceptionFilter(&RecordCrash);
  try {
    sorvane::win32::PanelWindow panel;
    sorvane::Application app(platform.platform());
    app.mainWindow = reinterpret_cast<sorvane::WindowHandle>(panel.handle());
    if (!app.Start()) return 0;
    sorvane::win32::PanelView view(app, platform, panel);
#ifdef SORVANE_E2E_SWITCH
    // The end-to-end build can be made to crash, to see what a crash leaves.
    if (GetEnvironmentVariableW(L"SORVANE_E2E_CRASH", nullptr, 0) != 0) *static_cast<volatile int*>(nullptr) = 1;
#endif
    view.Run();
  } catch (const std::exception& error) {
    MessageBoxW(nullptr, sorvane::win32::Wide(error.what()).c_str(), L"Sorvane", MB_OK | MB_ICONERROR);
  }
  g_platform = nullptr;
  return 0;
}
