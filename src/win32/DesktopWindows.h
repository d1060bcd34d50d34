// The desktop: its top-level windows, the screen and its monitors, the mouse.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/Desktop.h"

namespace sorvane::win32 {

class DesktopWindows : public Desktop {
 public:
  void EnumerateTopLevelWindows(WindowVisitor visit, void* context) override;
  int GetWindowTitle(WindowHandle window, char* buffer, int size) override;
  bool WindowBelongsToProgram(WindowHandle window, const char* programFileName) override;
  bool WindowExists(WindowHandle window) override;
  int ScreenWidth() override;
  int ScreenHeight() override;
  int FullScreenClientHeight() override;
  ScreenRect DesktopWindowRect() override;
  ScreenPoint CursorPosition() override;
  bool LeftButtonDownNow() override;
  std::int16_t LeftButtonKeyState() override;
  void ReleaseMouseCapture() override;
  FrameInsets PanelFrame(int dpi) override;
  int MonitorCount() override;
  MonitorArea PrimaryMonitor() override;
  MonitorArea MonitorNearest(const ScreenRect& bounds) override;
  bool OnAnyMonitor(ScreenPoint point) override;

 private:
  // The last window found to belong to a program, so a tick does not open
  // JoyToKey's process every 200 ms.
  HWND checkedWindow_ = nullptr;
  DWORD checkedProcess_ = 0;
  bool checkedAnswer_ = false;
  std::vector<wchar_t> imagePath_ = std::vector<wchar_t>(1024);
};

// The dots per inch a window is drawn at.
int WindowDpi(HWND window);

// The window a portable handle stands for.
inline HWND AsWindow(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

}  // namespace sorvane::win32
