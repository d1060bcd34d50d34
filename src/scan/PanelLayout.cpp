// The strip of buttons fitted to a count, and the single display, at the
// monitor's dpi and the panel's own scale.
#include "app/SorvaneMain.h"

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

void TSorvaneForm::ClearButtonCaptions() {
  if (PopupMenu1.Checked(MenuId::BtnNameDispOn)) return;
  for (auto& button : CuteButtons) button->caption.clear();
}

void TSorvaneForm::ApplyScale() {
  frame = platform_.desktop.PanelFrame(dpi);
  for (int k = 1; k <= 8; ++k) {
    TCuteButton& button = CuteButton(k);
    button.left = Scaled(kFirstButtonLeft + kButtonPitch * (k - 1));
    button.top = 0;
    button.width = Scaled(kButtonWidth);
    button.height = Scaled(kButtonHeight);
  }
  BtnOption.left = 0;
  BtnOption.width = Scaled(kSwitchOverWidth);
  BtnOption.height = Scaled(kButtonHeight);
}

void TSorvaneForm::DpiChanged(int newDpi, ScreenPoint topLeft) {
  if (newDpi <= 0 || newDpi == dpi) return;
  dpi = newDpi;
  left = topLeft.x;
  top = topLeft.y;
  ApplyScale();
  LayoutButtons(scan().scanMax, scan().subScan);
}

void TSorvaneForm::FollowMonitorDpi() {
  const int monitorDpi = platform_.desktop.MonitorNearest(Bounds()).dpi;
  if (monitorDpi <= 0 || monitorDpi == dpi) return;
  dpi = monitorDpi;
  ApplyScale();
  LayoutButtons(scan().scanMax, scan().subScan);
}

void TSorvaneForm::SetPanelScale(int scale) {
  panelScale = scale;
  for (int n = 1; n <= kMaxPanelScale; ++n) PopupMenu1.SetChecked(PopupMenu::PanelScaleItem(n), n == scale);
}

void TSorvaneForm::PanelScaleClick(int scale) {
  if (scale < 1 || scale > kMaxPanelScale) return;
  SetPanelScale(scale);
  ApplyScale();
  LayoutButtons(scan().scanMax, scan().subScan);
}

void TSorvaneForm::LayoutButtons(int count, int subCount) {
  if (fittedScale != panelScale) {
    fittedScale = panelScale;
    ApplyScale();
  }
  LayoutStrip(count, subCount);
  // Buttons beyond the screen's edge would be scanned where nobody sees them.
  const ScreenRect work = platform_.desktop.MonitorNearest(Bounds()).workArea;
  while (fittedScale > 1 && width > work.right - work.left) {
    --fittedScale;
    ApplyScale();
    LayoutStrip(count, subCount);
  }
}

void TSorvaneForm::LayoutStrip(int count, int subCount) {
  SetClientHeight(Scaled(kPanelClientHeight));
  ClearButtonCaptions();
  for (int k = 1; k <= 8; ++k) PopupMenu1.SetChecked(PopupMenu::ButtonCountItem(k), false);
  for (auto& button : CuteButtons) button->visible = false;

  if (count >= 1 && count <= 8) {
    PopupMenu1.SetChecked(PopupMenu::ButtonCountItem(count), true);
    for (int k = 1; k <= count; ++k) CuteButton(k).visible = true;
    if (count <= 3) {
      width = Scaled(kOuterWidthForFewButtons[count - 1]);
    } else {
      SetClientWidth(Scaled(kButtonPitch * count + 16));
    }
  }

  for (int sub : {2, 4, 6, 8}) PopupMenu1.SetChecked(PopupMenu::SubCountItem(sub), false);
  const MenuId subItem = PopupMenu::SubCountItem(subCount);
  if (subItem != MenuId::kNone) PopupMenu1.SetChecked(subItem, true);

  if (PopupMenu1.Checked(MenuId::SingleDsp)) SetClientWidth(Scaled(kSingleDisplayClientWidth));
}

}  // namespace sorvane
