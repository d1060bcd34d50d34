// The panel works beside the user's program: when one of its menus or dialogs
// takes the keyboard, the window that had it gets it back once they are gone.
#pragma once

#include <windows.h>

#include <utility>

namespace sorvane::win32 {

class KeyboardReturn {
 public:
  // Remembers the window that has the keyboard now, unless one is remembered.
  void Remember() {
    if (remembering_) return;
    remembering_ = true;
    owner_ = GetForegroundWindow();
  }
  // Gives the remembered window the keyboard back, if it still exists and the
  // keyboard is still with this program (a click elsewhere chose otherwise).
  void GiveBack() {
    if (!remembering_) return;
    remembering_ = false;
    const HWND owner = std::exchange(owner_, nullptr);
    if (owner == nullptr || !IsWindow(owner)) return;
    const HWND now = GetForegroundWindow();
    DWORD process = 0;
    if (now != nullptr) GetWindowThreadProcessId(now, &process);
    if (now == nullptr || process == GetCurrentProcessId()) SetForegroundWindow(owner);
  }

 private:
  bool remembering_ = false;
  HWND owner_ = nullptr;
};

}  // namespace sorvane::win32
