// The panel window's styles, which its frame is measured with too.
#pragma once

#include <windows.h>

namespace sorvane::win32 {

constexpr DWORD kPanelStyle = WS_POPUP | WS_CLIPCHILDREN;
// The panel never takes the keyboard from the program the user works in.
constexpr DWORD kPanelExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_TOPMOST | WS_EX_NOACTIVATE;

}  // namespace sorvane::win32
