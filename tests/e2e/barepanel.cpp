// A bare window with the panel's timers and nothing else: the 200 ms switch
// poll, the scan step and the 10 ms switch sampler, each reading joystick 0.
// The yardstick for the panel's own cost while it scans idle.
//   barepanel [scan interval in ms, 1000 by default]
#include <windows.h>
#include <mmsystem.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kJoyTimer = 1;
constexpr UINT_PTR kScanTimer = 2;
constexpr UINT_PTR kSampleTimer = 3;

void PollJoystick() {
  JOYINFOEX info{};
  info.dwSize = sizeof info;
  info.dwFlags = JOY_RETURNALL;
  joyGetPosEx(JOYSTICKID1, &info);
}

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    if (wParam == kJoyTimer || wParam == kSampleTimer) PollJoystick();
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
  SetTimer(window, kJoyTimer, 200, nullptr);
  SetTimer(window, kScanTimer, scanInterval, nullptr);
  SetTimer(window, kSampleTimer, 10, nullptr);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
