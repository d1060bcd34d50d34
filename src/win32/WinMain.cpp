// The Windows entry of the panel.
#include <windows.h>

#include <exception>
#include <string>

#include "panel/Application.h"
#include "win32/PanelView.h"
#include "win32/PanelWindow.h"
#include "win32/Text.h"
#include "win32/Win32Platform.h"

namespace {
sorvane::win32::Win32Platform* g_platform = nullptr;
std::string g_firstArgument;
}  // namespace

// The first command-line argument, whatever index is asked for; exported under
// the name other programs know it by.
extern "C" __declspec(dllexport) const char* ParaamStr(int /*index*/) {
  if (g_platform == nullptr) return "";
  g_firstArgument = sorvane::FirstArgument(*g_platform);
  return g_firstArgument.c_str();
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  sorvane::win32::Win32Platform platform;
  g_platform = &platform;
  try {
    sorvane::win32::PanelWindow panel;
    sorvane::Application app(platform.platform());
    app.mainWindow = reinterpret_cast<sorvane::WindowHandle>(panel.handle());
    if (!app.Start()) return 0;
    sorvane::win32::PanelView view(app, platform, panel);
    view.Run();
  } catch (const std::exception& error) {
    MessageBoxW(nullptr, sorvane::win32::Wide(error.what()).c_str(), L"Sorvane", MB_OK | MB_ICONERROR);
  }
  g_platform = nullptr;
  return 0;
}
