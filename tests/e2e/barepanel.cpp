// A bare window with what the panel cannot do without while it scans idle:
// the 200 ms tick that tells JoyToKey the active stick, the scan step, and a
// thread that reads joystick 0 every 10 ms. The yardstick for the panel's own
// cost.
//   barepanel [scan interval in ms, 1000 by default]
#include <windows.h>
#include <mmsystem.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT_PTR kScanTimer = 2;
constexpr UINT kStickReport = WM_APP + 1000;

HWND g_joyToKey = nullptr;

DWORD WINAPI ReadJoystick(void*) {
  for (;;) {
    JOYINFOEX info{};
    info.dwSize = sizeof info;
    info.dwFlags = JOY_RETURNX | JOY_RETURNY | JOY_RETURNBUTTONS;
    joyGetPosEx(JOYSTICKID1, &info);
    Sleep(10);
  }
}

BOOL CALLBACK FindJoyToKey(HWND window, LPARAM) {
  wchar_t title[16] = {};
  GetWindowTextW(window, title, 16);
  if (wcsncmp(title, L"JoyToKey ", 9) == 0) g_joyToKey = window;
  return TRUE;
}

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    if (wParam == kTickTimer && g_joyToKey != nullptr) {
      DWORD_PTR ignored = 0;
      SendMessageTimeoutW(g_joyToKey, kStickReport, 0, 0, SMTO_NORMAL, 500, &ignored);
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

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  const UINT scanInterval = count > 1 ? static_cast<UINT>(_wtoi(arguments[1])) : 1000;
  LocalFree(arguments);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = BareProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = L"BarePanel";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"BarePanel", L"bare panel", WS_POPUP, 0, 700,
                                262, 28, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOWNA);
  EnumWindows(&FindJoyToKey, 0);
  timeBeginPeriod(1);
  CreateThread(nullptr, 0, &ReadJoystick, nullptr, 0, nullptr);
  SetTimer(window, kTickTimer, 200, nullptr);
  SetTimer(window, kScanTimer, scanInterval, nullptr);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
