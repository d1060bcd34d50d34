// A stand-in for JoyToKey: a window titled "JoyToKey ..." that logs every
// message it receives from WM_APP up, and WM_QUIT, one line each:
//   <ms since start> <message> <wParam> <lParam as signed 32-bit>
// Options: --log PATH (default JoyToKey.log in the working folder), --hang
// (stop answering messages once the window exists).
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring g_logPath = L"JoyToKey.log";
ULONGLONG g_start = 0;

void Log(UINT message, WPARAM wParam, LPARAM lParam) {
  FILE* file = _wfopen(g_logPath.c_str(), L"ab");
  if (file == nullptr) return;
  std::fprintf(file, "%llu %u %llu %d\n", GetTickCount64() - g_start, message,
               static_cast<unsigned long long>(wParam), static_cast<int>(static_cast<INT32>(lParam)));
  std::fclose(file);
}

LRESULT CALLBACK StandinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_APP && message <= 0xBFFF) {
    Log(message, wParam, lParam);
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
  for (int i = 1; i < count; ++i) {
    const std::wstring argument = arguments[i];
    if (argument == L"--log" && i + 1 < count) g_logPath = arguments[++i];
    if (argument == L"--hang") hang = true;
  }
  LocalFree(arguments);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = StandinProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"JoyToKeyStandin";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"JoyToKeyStandin", L"JoyToKey Ver6.9 (stand-in)", WS_OVERLAPPEDWINDOW,
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
