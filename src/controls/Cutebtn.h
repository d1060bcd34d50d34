// TCuteButton: the panel's push button. A panel-like control that paints its
// own face colour, centred caption and two bevels, so the scan can show each
// button in its stored colours and fonts.
#pragma once

#include <functional>

#include "controls/Control.h"
#include "platform/Desktop.h"

namespace sorvane {

enum class Bevel { kNone, kLowered, kRaised };
enum class MouseButton { kLeft, kRight, kMiddle };

class TCuteButton;

// The control that holds buttons hears of the pointer entering and leaving them.
class CuteButtonParent {
 public:
  virtual void ChildMouseEnter(TCuteButton& button) = 0;
  virtual void ChildMouseLeave(TCuteButton& button) = 0;
  virtual bool Showing() const = 0;

 protected:
  ~CuteButtonParent() = default;
};

class TCuteButton : public Control {
 public:
  static constexpr int kVkReturn = 0x0D;
  static constexpr int kVkSpace = 0x20;

  TCuteButton(Desktop& desktop, CuteButtonParent* parent);

  Bevel bevelOuter = Bevel::kNone;
  Bevel bevelInner = Bevel::kRaised;
  int bevelWidth = 1;

  bool Flat() const { return FFlat; }
  void SetFlat(bool flat);

  std::function<void(TCuteButton&)> OnClick;
  std::function<void(TCuteButton&)> OnMouseEnter;
  std::function<void(TCuteButton&)> OnMouseLeave;

  void CMMouseEnter();
  void CMMouseLeave();
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
  CuteButtonParent* parent_;
  bool FFlat = false;
};

}  // namespace sorvane
