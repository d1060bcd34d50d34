// The switch record's chart, drawn by the panel itself: for each of the last
// days, then for each hour of the day, a bar to the 90th percentile of the
// time lit when pressed, a darker one to its median, and a red mark at the
// share of the presses that were ignored. Sized by the window's dots per inch.
#pragma once

#include <windows.h>

#include "platform/Dialogs.h"

namespace sorvane::win32 {

// A child window of parent showing report's chart at x, y (pixels); it reads
// report until it is destroyed.
HWND MakeRecordChart(HWND parent, const SwitchRecordReport& report, HFONT font, int dpi, int x, int y, int width,
                     int height);

}  // namespace sorvane::win32
