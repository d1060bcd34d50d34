// The windows that show the program's forms. Each window message becomes a
// call of a form's handler; after every handler the windows are brought in
// line with the forms' fields.
#pragma once

#include <windows.h>

#include <exception>
#include <utility>
#include <vector>

#include "app/SorvaneMain.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Platform.h"

namespace sorvane::win32 {

class PanelView {
 public:
  PanelView(SorvaneApplication& app, Win32Platform& platform);
  ~PanelView();
  PanelView(const PanelView&) = delete;
  PanelView& operator=(const PanelView&) = delete;

  // Shows the panel and runs the message loop until the panel has closed.
  void Run();

 private:
  static LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK NameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK NoticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT OnMain(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnButton(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnName(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnNotice(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Runs a handler of the program, then renders. Handlers never nest: a timer
  // that comes due inside one (behind a message box) waits for its next tick.
  // Nothing is thrown through the window system: what escapes a handler is
  // shown, and the panel goes on.
  template <typename Handler>
  void Handle(Handler&& handler) {
    ++depth_;
    try {
      handler();
    } catch (const std::exception& error) {
      ShowError(error.what());
    }
    --depth_;
    Render();
  }
  void OnTimer(Timer& timer);
  void ShowError(const char* what);
  void Render();
  void CreateWindows();
  void ShowPopupMenu(int x, int y);
  void PaintButton(HWND window, const TCuteButton& button);
  void PaintNotice(HWND window);
  void SyncNameFields();
  // A font for text shown at a number of dots per inch.
  HFONT FontFor(const Font& font, int dpi);
  // Places the name editor's controls and gives them their fonts, after its
  // dots per inch have changed.
  void LayoutNameEditor();
  TCuteButton* ButtonOf(HWND window);

  SorvaneApplication& app_;
  Win32Platform& platform_;
  TSorvaneForm& form_;
  HWND main_ = nullptr;
  HWND names_ = nullptr;
  HWND notice_ = nullptr;
  HWND tooltip_ = nullptr;
  std::vector<std::pair<HWND, TCuteButton*>> buttons_;
  std::vector<HWND> nameEdits_;  // in slot order
  HWND okButton_ = nullptr;
  HMENU btn1Submenu_ = nullptr;
  int depth_ = 0;
  bool trackingMain_ = false;
  HWND trackingButton_ = nullptr;
  bool syncingNames_ = false;
  struct CachedFont {
    Font font;
    int dpi;
    OwnedFont handle;
  };
  std::vector<CachedFont> fonts_;
  OwnedBrush nameBrush_;
};

}  // namespace sorvane::win32
