// A click on a panel button edits the colour and then the font of the button
// number it stands for on the active stick.
#include "app/SorvaneMain.h"

namespace sorvane {

void TSorvaneForm::CuteButtonClick(int number) {
  ScanTimer.SetEnabled(false);
  JoyTimer.SetEnabled(false);
  // The dialogs hold the ticks, so no key may stay down at JoyToKey through
  // them: a held press ends here and selects nothing more until its release.
  if (scan().heldButton != 0) {
    ReleaseHeldButton();
    state_.press.selectsNothing = state_.press.down;
  }
  const int target = scan().activeStick == 0 ? number : number + 10;
  state_.editTarget = target;
  ButtonAppearance& slot = state_.Appearance(target);
  TCuteButton& button = CuteButton(number);

  if (const auto chosen = platform_.dialogs.ChooseColor(handle, slot.color)) {
    slot.color = *chosen;
    button.color = *chosen;
  }

  const Font shownFont = button.font;
  FontChoice choice{shownFont.name, shownFont.size, shownFont.style, shownFont.pitch,
                    shownFont.charset, slot.fontColor};
  if (platform_.dialogs.ChooseFont(handle, choice)) {
    button.font = Font{choice.name, choice.size, choice.style, choice.pitch, choice.charset,
                       choice.color};
    slot.fontColor = button.font.color;
    slot.fontStyle = button.font.style;
    slot.fontSize = button.font.size;
    slot.fontPitch = button.font.pitch;
    slot.fontName = button.font.name;
    if (number == 1) DummyBtn.font = button.font;
  } else {
    button.font = shownFont;
  }
  ScanTimer.SetEnabled(true);
  JoyTimer.SetEnabled(true);
}

}  // namespace sorvane
