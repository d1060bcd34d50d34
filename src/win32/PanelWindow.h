// The panel's own window (PanelForm). Its surface drags the panel, a right
// click opens the menu, and neither a click nor a drag takes the keyboard.
#pragma once

#include <windows.h>

#include <string>

#include "panel/PanelForm.h"
#include "win32/Handles.h"

namespace sorvane::win32 {

class WindowEvents;

class PanelWindow {
 public:
  // Made hidden before the forms, so that the boxes shown while they are
  // built have an owner.
  PanelWindow();
  ~PanelWindow();
  PanelWindow(const PanelWindow&) = delete;
  PanelWindow& operator=(const PanelWindow&) = delete;

  HWND handle() const { return window_.get(); }
  // From here on the window shows the form and its messages reach the form.
  void Attach(WindowEvents& view, PanelForm& form, const std::string& title);
  void Detach();
  // A hint over one of the window's controls.
  void AddHint(HWND control, const std::string& text);
  // Brings the window in line with the form: bounds, showing, background.
  void Update();

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void FollowDrag();

  OwnedWindow window_;
  HWND tooltip_ = nullptr;
  WindowEvents* view_ = nullptr;
  PanelForm* form_ = nullptr;
  // What the window shows now.
  RECT bounds_{};
  bool shown_ = false;
  ColorValue color_ = 0;
  // What the title and the border say besides the program's name.
  struct TitleMarks {
    bool practice = false;  // the panel practises: the title, an orange border
    bool unbound = false;   // no JoyToKey is bound: the title, a red border
    bool paused = false;    // the user paused the scan: the title
    unsigned profileChoices = 0;  // the profile named in the title was chosen again
    bool operator==(const TitleMarks& other) const {
      return practice == other.practice && unbound == other.unbound && paused == other.paused &&
             profileChoices == other.profileChoices;
    }
  };
  TitleMarks marks_;
  OwnedBrush background_;
  // A drag by the surface: the pointer's offset from the window's corner.
  bool dragging_ = false;
  POINT grab_{};
};

}  // namespace sorvane::win32
