// What the program's windows hand to the view that shows them: each message
// becomes a handler run by the view, and what the pointer and the menu do.
#pragma once

#include <windows.h>

#include <type_traits>

#include "win32/KeyboardReturn.h"

namespace sorvane::win32 {

class WindowEvents {
 public:
  // Runs a handler of the program, then shows what it changed.
  template <typename Handler>
  void Handle(Handler&& handler) {
    using Callable = std::remove_reference_t<Handler>;
    RunHandler([](void* callable) { (*static_cast<Callable*>(callable))(); }, &handler);
  }

  // The pointer moved over one of the panel's windows, or left it; onFrame
  // when over the panel's frame, which is tracked apart from its client area.
  virtual void PointerOver(HWND window, bool onFrame = false) = 0;
  virtual void PointerLeft(HWND window, bool onFrame = false) = 0;
  virtual void ShowPopupMenu(int x, int y) = 0;
  virtual void SubmenuOpened(HMENU menu) = 0;
  // The dialog character: true when a button took it.
  virtual bool AcceleratorKey(char character) = 0;
  // Gives the keyboard back to the program that had it.
  virtual KeyboardReturn& keyboard() = 0;
#ifdef SORVANE_E2E_SWITCH
  // Writes what the accessibility API reads of the shown buttons, for a test.
  virtual void DumpAccessibility() = 0;
#endif

 protected:
  ~WindowEvents() = default;
  virtual void RunHandler(void (*call)(void*), void* handler) = 0;
};

}  // namespace sorvane::win32
