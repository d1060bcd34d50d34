// The strip of buttons fitted to a count, and the single display.
#include "app/SorvaneMain.h"

namespace sorvane {

namespace {

constexpr int kPanelClientHeight = 22;
constexpr int kSingleDisplayClientWidth = 72;
constexpr int kOuterWidthForFewButtons[] = {76, 142, 202};

}  // namespace

void TSorvaneForm::ClearButtonCaptions() {
  if (PopupMenu1.Checked(MenuId::BtnNameDispOn)) return;
  for (auto& button : CuteButtons) button->caption.clear();
}

void TSorvaneForm::LayoutButtons(int count, int subCount) {
  SetClientHeight(kPanelClientHeight);
  ClearButtonCaptions();
  for (int k = 1; k <= 8; ++k) PopupMenu1.SetChecked(PopupMenu::ButtonCountItem(k), false);
  for (auto& button : CuteButtons) button->visible = false;

  if (count >= 1 && count <= 8) {
    PopupMenu1.SetChecked(PopupMenu::ButtonCountItem(count), true);
    for (int k = 1; k <= count; ++k) CuteButton(k).visible = true;
    if (count <= 3) {
      width = kOuterWidthForFewButtons[count - 1];
    } else {
      SetClientWidth(60 * count + 16);
    }
  }

  for (int sub : {2, 4, 6, 8}) PopupMenu1.SetChecked(PopupMenu::SubCountItem(sub), false);
  const MenuId subItem = PopupMenu::SubCountItem(subCount);
  if (subItem != MenuId::kNone) PopupMenu1.SetChecked(subItem, true);

  if (PopupMenu1.Checked(MenuId::SingleDsp)) SetClientWidth(kSingleDisplayClientWidth);
}

}  // namespace sorvane
