// The end-to-end build's view of its own accessibility: Wine hands no
// accessible object to another process, so the panel reads its buttons'
// objects itself, through the accessibility API, when a test asks.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <vector>

namespace sorvane::win32 {

struct AccessibleWindow {
  HWND window;
  // The object the window answers WM_GETOBJECT with: read directly where
  // the system cannot hand it over (Wine marshals no IAccessible).
  IAccessible* own;
};

// The message a test sends to the panel's window; the answer is 1 once the
// file named by SORVANE_E2E_ACCESSIBILITY_FILE has been written.
UINT AccessibilityDumpMessage();
// Writes, in UTF-8, one line for each button, left to right: its left edge,
// how its object was reached, its accessible name, role and state; then one
// line for each item of the popup menu open now: grayed, checked, text.
void DumpAccessibility(const std::vector<AccessibleWindow>& buttons);

}  // namespace sorvane::win32
