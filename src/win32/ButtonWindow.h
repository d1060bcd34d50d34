// The window of one panel button (PanelButton): paints the face, the bevels
// and the caption, and turns the mouse into the button's handlers.
#pragma once

#include <windows.h>

#include "panel/PanelForm.h"
#include "controls/PanelButton.h"
#include "win32/ButtonAccessible.h"
#include "win32/Fonts.h"
#include "win32/Handles.h"

namespace sorvane::win32 {

class WindowEvents;

class ButtonWindow : private ButtonAccessible::Source {
 public:
  // panel is the form the button lies on, whose dots per inch it is drawn at.
  ButtonWindow(WindowEvents& view, PanelButton& button, const PanelForm& panel, HWND parent, FontCache& fonts);
  ~ButtonWindow();
  ButtonWindow(const ButtonWindow&) = delete;
  ButtonWindow& operator=(const ButtonWindow&) = delete;

  HWND handle() const { return window_.get(); }
  PanelButton& button() const { return button_; }
  // Brings the window in line with the button; repaints only what changed.
  void Update();
  // What the window answers screen readers with, made the first time it is asked for.
  IAccessible* AccessibleObject();

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Paint(HDC dc);
  std::string AccessibleName() const override;
  bool AccessibleSelected() const override;

  WindowEvents& view_;
  PanelButton& button_;
  const PanelForm& panel_;
  FontCache& fonts_;
  OwnedWindow window_;
  ButtonAccessible* accessible_ = nullptr;  // made when first asked for
  // What the window shows now.
  struct Look {
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
    std::string caption;
    ColorValue color = 0;
    Font font;
    Bevel outer = Bevel::kNone;
    Bevel inner = Bevel::kNone;
    int bevelWidth = 0;
    int dpi = 0;
  } shown_;
};

}  // namespace sorvane::win32
