// PanelButton: the panel's push button. A panel-like control that paints its
// own face colour, centred caption and two bevels, so the scan can show each
// button in its stored colours and fonts.
#pragma once

#include <functional>

#include "controls/Control.h"
#include "platform/Desktop.h"

namespace sorvane {

enum class Bevel { kNone, kLowered, kRaised };
enum class MouseButton { kLeft, kRight, kMiddle };

class PanelButton;

// The control that holds buttons hears of the pointer entering and leaving them.
class PanelButtonParent {
 public:
  virtual void ChildMouseEnter(PanelButton& button) = 0;
  virtual void ChildMouseLeave(PanelButton& button) = 0;
  virtual bool Showing() const = 0;

 protected:
  ~PanelButtonParent() = default;
};

class PanelButton : public Control {
 public:
  static constexpr int kVkReturn = 0x0D;
  static constexpr int kVkSpace = 0x20;

  PanelButton(Desktop& desktop, PanelButtonParent* parent);

  // Its place on the strip, 1 to 8 from the left (0 for the switch-over
  // marker): button k stands for button number k, or k + 10 on the second stick.
  int numberOnStrip = 0;
  Bevel bevelOuter = Bevel::kNone;
  Bevel bevelInner = Bevel::kRaised;
  int bevelWidth = 1;

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);

  std::function<void(PanelButton&)> OnClick;
  std::function<void(PanelButton&)> OnMouseEnter;
  std::function<void(PanelButton&)> OnMouseLeave;

  void PointerEntered();
  void PointerLeft();
  void DoEnter();
  void DoExit();
  void KeyDown(int key);
  void KeyUp(int key);
  void MouseDown(MouseButton button);
  void MouseUp(MouseButton button);
  // A mouse button released over (inside true) or away from the control: the
  // click comes first, then the release handling.
  void MouseRelease(MouseButton button, bool inside);
  // The dialog-character notification: true when it was handled here.
  bool KeyAccel(char character);
  void Click();

  // The accelerator character of the caption ("&X"), or 0.
  char AcceleratorChar() const;

  // Where the caption may be drawn, in the button's own pixels at a number of
  // dots per inch: within the part of it that is in view (its bottom may lie
  // outside its window's client area, shownHeight high), inside room for both
  // bevels, whichever are drawn now, and a margin at the sides, so that no
  // caption touches an edge or changes size as the pointer comes and goes.
  ScreenRect CaptionRoom(int shownHeight, int dpi) const;

 private:
  Desktop& desktop_;
  PanelButtonParent* parent_;
  bool flat_ = false;
};

}  // namespace sorvane
