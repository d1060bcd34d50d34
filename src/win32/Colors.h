// Colours as the program holds them, for GDI.
#pragma once

#include <windows.h>

#include "platform/Types.h"

namespace sorvane::win32 {

// An RGB value for a colour that may name a system colour.
inline COLORREF ToColorRef(ColorValue color) {
  if ((color & 0xFF000000U) == 0x80000000U) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0x00FFFFFFU);
}

}  // namespace sorvane::win32
