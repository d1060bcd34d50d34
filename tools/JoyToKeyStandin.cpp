// A stand-in for JoyToKey: a window titled "JoyToKey ..." that logs every
// message it receives from WM_APP up, and WM_QUIT, one line each:
//   <ms since start> <message> <wParam> <lParam as signed 32-bit>
// Options: --log PATH (default JoyToKey.log in the working folder),
// --unix-time (add a fifth column, the Unix time in ms, to measure against
// what the tests do on the Linux side; also when the environment variable
// JOYTOKEY_STANDIN_UNIX_TIME is set, for a stand-in the panel starts), --hang
// (stop answering messages once the window exists), --stall-on MSG and
// --stall-ms N (the first time message MSG arrives, log it and then stop
// answering for N ms, as a busy JoyToKey would), --title TEXT (the window's
// title, to tell two stand-ins apart; JoyToKey's own begins "JoyToKey ").
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring g_logPath = L"JoyToKey.log";
ULONGLONG g_start = 0;
UINT g_stallOn = 0;
DWORD g_stallMilliseconds = 0;
bool g_unixTime = false;
std::wstring g_title = L"JoyToKey Ver6.9 (stand-in)";

unsigned long long UnixMilliseconds() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return ticks / 10000ULL - 11644473600000ULL;
}

void Log(UINT message, WPARAM wParam, LPARAM lParam) {
  FILE* file = _wfopen(g_logPath.c_str(), L"ab");
  if (file == nullptr) return;
  std::fprintf(file, "%llu %u %llu %d", GetTickCount64() - g_start, message,
               static_cast<unsigned long long>(wParam), static_cast<int>(static_cast<INT32>(lParam)));
  if (g_unixTime) std::fprintf(file, " %llu", UnixMilliseconds());
  std::fprintf(file, "\n");
  std::fclose(file);
}

LRESULT CALLBACK StandinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_APP && message <= 0xBFFF) {
    Log(message, wParam, lParam);
    if (message == g_stallOn) {
      g_stallOn = 0;
      Sleep(g_stallMilliseconds);
    }
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
  g_start = GetTickCount64();
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  bool hang = false;
  g_unixTime = GetEnvironmentVariableW(L"JOYTOKEY_STANDIN_UNIX_TIME", nullptr, 0) != 0;
  for (int i = 1; i < count; ++i) {
    const std::wstring argument = arguments[i];
    if (argument == L"--log" && i + 1 < count) g_logPath = arguments[++i];
    if (argument == L"--hang") hang = true;
    if (argument == L"--unix-time") g_unixTime = true;
    if (argument == L"--stall-on" && i + 1 < count) g_stallOn = static_cast<UINT>(_wtoi(arguments[++i]));
    if (argument == L"--stall-ms" && i + 1 < count) g_stallMilliseconds = static_cast<DWORD>(_wtoi(arguments[++i]));
    if (argument == L"--title" && i + 1 < count) g_title = arguments[++i];
  }
  LocalFree(arguments);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = StandinProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"JoyToKeyStandin";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"JoyToKeyStandin", g_title.c_str(), WS_OVERLAPPEDWINDOW,
                                0, 0, 320, 120, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, show);
  if (hang) {
    for (;;) Sleep(1000);
  }
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  Log(WM_QUIT, message.wParam, message.lParam);
  return 0;
}
