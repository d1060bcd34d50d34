// The strip of buttons fitted to a count, and the single display, at the
// monitor's dpi and the panel's own scale.
#include "panel/PanelForm.h"

namespace sorvane {

namespace {

// The design, in pixels at 96 dpi and scale 1.
constexpr int kPanelClientHeight = 22;
constexpr int kSingleDisplayClientWidth = 72;
constexpr int kOuterWidthForFewButtons[] = {76, 142, 202};
constexpr int kFirstButtonLeft = 20;
constexpr int kButtonPitch = 60;
constexpr int kButtonWidth = 56;
constexpr int kButtonHeight = 25;
constexpr int kSwitchOverWidth = 21;

}  // namespace

void PanelForm::ClearButtonCaptions() {
  if (options.namesShown) return;
  for (auto& button : buttons) button->caption.clear();
}

void PanelForm::ApplyScale() {
  frame = platform_.desktop.PanelFrame(dpi);
  for (int k = 1; k <= 8; ++k) {
    PanelButton& button = Button(k);
    button.left = Scaled(kFirstButtonLeft + kButtonPitch * (k - 1));
    button.top = 0;
    button.width = Scaled(kButtonWidth);
    button.height = Scaled(kButtonHeight);
  }
  switchOverMarker.left = 0;
  switchOverMarker.width = Scaled(kSwitchOverWidth);
  switchOverMarker.height = Scaled(kButtonHeight);
}

void PanelForm::DpiChanged(int newDpi, ScreenPoint topLeft) {
  if (newDpi <= 0 || newDpi == dpi) return;
  dpi = newDpi;
  left = topLeft.x;
  top = topLeft.y;
  ApplyScale();
  LayoutButtons(scan().buttonCount);
}

void PanelForm::FollowMonitorDpi() {
  const int monitorDpi = platform_.desktop.MonitorNearest(Bounds()).dpi;
  if (monitorDpi <= 0 || monitorDpi == dpi) return;
  dpi = monitorDpi;
  ApplyScale();
  LayoutButtons(scan().buttonCount);
}

void PanelForm::PanelScaleClick(int scale) {
  if (scale < 1 || scale > kMaxPanelScale) return;
  panelScale = scale;
  ApplyScale();
  LayoutButtons(scan().buttonCount);
}

void PanelForm::LayoutButtons(int count) {
  if (fittedScale != panelScale) {
    fittedScale = panelScale;
    ApplyScale();
  }
  LayoutStrip(count);
  // Buttons beyond the screen's edge would be scanned where nobody sees them.
  const ScreenRect work = platform_.desktop.MonitorNearest(Bounds()).workArea;
  while (fittedScale > 1 && width > work.right - work.left) {
    --fittedScale;
    ApplyScale();
    LayoutStrip(count);
  }
}

void PanelForm::LayoutStrip(int count) {
  SetClientHeight(Scaled(kPanelClientHeight));
  ClearButtonCaptions();
  for (auto& button : buttons) button->visible = false;
  shownButtons = count >= 1 && count <= 8 ? count : 0;
  subCountUnticked = false;

  if (count >= 1 && count <= 8) {
    for (int k = 1; k <= count; ++k) Button(k).visible = true;
    if (count <= 3) {
      width = Scaled(kOuterWidthForFewButtons[count - 1]);
    } else {
      SetClientWidth(Scaled(kButtonPitch * count + 16));
    }
  }

  if (options.singleDisplay) SetClientWidth(Scaled(kSingleDisplayClientWidth));
}

}  // namespace sorvane
