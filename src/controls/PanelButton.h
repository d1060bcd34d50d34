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

 private:
  Desktop& desktop_;
  PanelButtonParent* parent_;
  bool flat_ = false;
};

}  // namespace sorvane
