// The windows that show the program's forms, one small class each. Each window
// message becomes a call of a form's handler; after every handler the windows
// show what it changed.
#pragma once

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "panel/Application.h"
#include "win32/ButtonWindow.h"
#include "win32/Fonts.h"
#include "win32/NameEditorWindow.h"
#include "win32/NoticeWindow.h"
#include "win32/PanelWindow.h"
#include "win32/Win32Platform.h"
#include "win32/WindowEvents.h"

namespace sorvane::win32 {

class PanelView final : public WindowEvents {
 public:
  // panel is the panel's window, made before the forms.
  PanelView(Application& app, Win32Platform& platform, PanelWindow& panel);
  ~PanelView();
  PanelView(const PanelView&) = delete;
  PanelView& operator=(const PanelView&) = delete;

  // Shows the panel and runs the message loop until the panel has closed.
  void Run();

  void PointerOver(HWND window, bool onFrame = false) override;
  void PointerLeft(HWND window, bool onFrame = false) override;
  void ShowPopupMenu(int x, int y) override;
  void SubmenuOpened(HMENU menu) override;
  bool AcceleratorKey(char character) override;
  KeyboardReturn& keyboard() override { return platform_.keyboard(); }
#ifdef SORVANE_E2E_SWITCH
  void DumpAccessibility() override;
#endif

 private:
  // Handlers never nest: a timer that comes due inside one (behind a message
  // box) waits for its next tick. Nothing is thrown through the window
  // system: what escapes a handler is shown, and the panel goes on.
  void RunHandler(void (*call)(void*), void* handler) override {
    ++depth_;
    try {
      call(handler);
    } catch (const std::exception& error) {
      ShowError(error.what());
    }
    --depth_;
    Render();
  }
  void OnTimer(Timer& timer);
  void ShowError(const char* what);
  void Render();
  void ShowChanges();
  void PointerEntered(HWND window);
  void PointerLeftWindow(HWND window);
  // Tells screen readers which button lit, once for each lighting.
  void AnnounceLit();

  Application& app_;
  Win32Platform& platform_;
  PanelForm& form_;
  PanelWindow& panel_;
  FontCache fonts_{64};
  std::vector<std::unique_ptr<ButtonWindow>> buttons_;
  std::unique_ptr<NameEditorWindow> names_;
  std::unique_ptr<NoticeWindow> notice_;
  HMENU oneButtonSubmenu_ = nullptr;
  // The named profiles the menu lists, as it was built; their commands follow
  // kProfileCommandBase in this order.
  std::vector<std::string> menuProfiles_;
  bool menuOpen_ = false;
  // The one window of the panel that tracks the pointer.
  HWND pointerWindow_ = nullptr;
  bool pointerOnFrame_ = false;
  int depth_ = 0;
  std::uint64_t announcedLightings_ = 0;
};

}  // namespace sorvane::win32
