// A small modal window of the panel's own, laid out in pixels designed at 96
// dots per inch and scaled to the screen's, centred on the screen, in the
// system's message font: the switch settings and the switch record.
#pragma once

#include <windows.h>

#include <string>

#include "win32/Handles.h"

namespace sorvane::win32 {

class ModalWindow {
 public:
  // width and height are the client area's, as designed. state is handed to
  // the window procedure through GWLP_USERDATA. scale enlarges the window and
  // its font as far as the screen holds it, up to that many times.
  ModalWindow(const wchar_t* className, WNDPROC procedure, const std::string& title, int width, int height,
              HWND owner, void* state, int scale = 1);
  ~ModalWindow();
  ModalWindow(const ModalWindow&) = delete;
  ModalWindow& operator=(const ModalWindow&) = delete;

  // Null when the window could not be made.
  HWND handle() const { return window_.get(); }
  HFONT font() const { return font_.get(); }
  // The dots per inch the window is laid out at, its scale included.
  int dpi() const { return dpi_; }
  int Scaled(int pixels) const { return MulDiv(pixels, dpi_, 96); }
  // The message font in bold, made on first use.
  HFONT BoldFont();
  HWND Add(const wchar_t* kind, const std::wstring& text, DWORD style, DWORD exStyle, int id, int x, int y,
           int width, int height, HFONT font) const;
  // Shows the window, the owner disabled, until done is set; a quit the loop
  // takes meanwhile is passed on to the loop outside.
  void Run(HWND focus, const bool& done);

 private:

  HWND owner_;
  int dpi_ = 96;
  LOGFONTW look_{};
  OwnedFont font_;
  OwnedFont bold_;
  OwnedWindow window_;
};

}  // namespace sorvane::win32
