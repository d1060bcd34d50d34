// The desktop as the program sees it: other top-level windows, messages to them,
// the screen and the mouse.
#pragma once

#include <cstdint>

#include "platform/Types.h"

namespace sorvane {

class Desktop {
 public:
  using WindowVisitor = void (*)(WindowHandle window, void* context);

  // Calls visit for every top-level window, hidden ones included, in the window
  // system's enumeration order.
  virtual void EnumerateTopLevelWindows(WindowVisitor visit, void* context) = 0;
  // Copies at most size - 1 bytes of the window's title (code page 932) and a
  // terminating zero into buffer; returns the number of bytes copied.
  virtual int GetWindowTitle(WindowHandle window, char* buffer, int size) = 0;

  // True when the window belongs to a process whose program file has this
  // name, in any letter case.
  virtual bool WindowBelongsToProgram(WindowHandle window, const char* programFileName) = 0;

  // Whether a window still exists (it may be hung).
  virtual bool WindowExists(WindowHandle window) = 0;

  virtual int ScreenWidth() = 0;             // SM_CXSCREEN
  virtual int ScreenHeight() = 0;            // SM_CYSCREEN
  virtual int FullScreenClientHeight() = 0;  // SM_CYFULLSCREEN
  virtual ScreenRect DesktopWindowRect() = 0;

  virtual ScreenPoint CursorPosition() = 0;
  // GetAsyncKeyState(VK_LBUTTON): true while the left button is down.
  virtual bool LeftButtonDownNow() = 0;
  // GetKeyState(VK_LBUTTON) as the signed 16-bit value the system returns.
  virtual std::int16_t LeftButtonKeyState() = 0;
  virtual void ReleaseMouseCapture() = 0;

  // The frame that the panel's window style adds around its client area at a
  // number of dots per inch.
  virtual FrameInsets PanelFrame(int dpi) = 0;

  // Monitors. With one monitor, it is the screen the metrics above describe.
  virtual int MonitorCount() = 0;
  virtual MonitorArea PrimaryMonitor() = 0;
  // The monitor a window with these bounds is on: the one it overlaps most,
  // or the nearest (as MonitorFromWindow decides).
  virtual MonitorArea MonitorNearest(const ScreenRect& windowBounds) = 0;
  // Whether a point lies on any monitor.
  virtual bool OnAnyMonitor(ScreenPoint point) = 0;

 protected:
  ~Desktop() = default;
};

}  // namespace sorvane
