// The panel window's styles, which its frame is measured with too.
#pragma once

#include <windows.h>

namespace sorvane::win32 {

constexpr DWORD kPanelStyle = WS_POPUP | WS_CLIPCHILDREN;
// The panel never takes the keyboard from the program the user works in. It
// has a taskbar button all the same, where a carer looks for it.
constexpr DWORD kPanelExStyle =
    WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_APPWINDOW;

}  // namespace sorvane::win32
