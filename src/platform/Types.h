// Small value types shared by the program and every platform backend.
#pragma once

#include <cstdint>

namespace sorvane {

// An opaque window handle; 0 means "no window".
using WindowHandle = std::uintptr_t;

// A 32-bit colour: 0x00BBGGRR for RGB, 0x80000000 + index for a system colour,
// 0x1FFFFFFF for none.
using ColorValue = std::uint32_t;

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// One monitor of the desktop, in screen pixels (the primary's top-left is 0, 0;
// others may lie at negative coordinates).
struct MonitorArea {
  ScreenRect bounds;
  ScreenRect workArea;  // without the taskbar
  // The height, from the work area's top, that keep-on-screen measures
  // against: SM_CYFULLSCREEN on the primary monitor.
  int fullScreenClientHeight = 0;
  int dpi = 96;
  bool primary = false;
};

// Pixels that a window's frame adds on each side of its client area.
struct FrameInsets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

}  // namespace sorvane
