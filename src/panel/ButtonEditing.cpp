// A click on a panel button edits the colour and then the font of the button
// number it stands for on the active stick.
#include "panel/PanelForm.h"

namespace sorvane {

void PanelForm::ButtonClick(int number) {
  // The dialogs hold the ticks, so no key may stay down at JoyToKey through
  // them, and nothing the switch does meanwhile is sent afterwards.
  driver.HoldForDialog();
  const int target = scan().activeStick == 0 ? number : number + 10;
  editTarget = target;
  ButtonAppearance& slot = Appearance(target);
  PanelButton& button = Button(number);

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
    if (number == 1) buttonOneFont = button.font;
  } else {
    button.font = shownFont;
  }
  ButtonRepainted();
  driver.ResumeAfterDialog();
}

}  // namespace sorvane
