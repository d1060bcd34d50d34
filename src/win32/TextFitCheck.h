// The end-to-end build's check that every text a window shows fits what shows
// it, measured in the font it is drawn in: a text that some language makes
// too long for its control is written, with the room it had, to the file
// SORVANE_E2E_FIT_FILE names, so a test can look at every dialog at once.
#pragma once

#include <windows.h>

#include <string>

namespace sorvane::win32 {

// Every static text, button, check box and drop-down item among window's
// children.
void ReportTextsCutOff(HWND window);
// One line drawn in the font selected into dc, in room pixels.
void ReportTextCutOff(HDC dc, const std::wstring& text, int room, HWND window);

}  // namespace sorvane::win32
