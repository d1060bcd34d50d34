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

// Pixels that a window's frame adds on each side of its client area.
struct FrameInsets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

}  // namespace sorvane
