// What the scanner asks of the panel: the highlight drawn on the strip or the
// single display, and the presses told to JoyToKey.
#include "panel/PanelForm.h"

namespace sorvane {

namespace {

constexpr ColorValue kPausedColor = 0x00808080;

}  // namespace

void PanelForm::Light(int position, bool byStep) {
  // The pause position is marked like the switch-over, captioned to tell them apart.
  switchOverMarker.visible = position == 0 || position == kPausePosition;
  switchOverMarker.caption = position == kPausePosition ? Text(TextId::PauseCaption) : "";
  lit = position;
  StartPrompt(position);
  if (position == kNothingLit) {
    PaintNothingLit();
    return;
  }
  ++timesLit;
  if (byStep) ClearButtonCaptions();
  if (options.singleDisplay) {
    PaintSingleDisplay(position);
  } else {
    PaintStripHighlight(position);
  }
  if (byStep && options.cursorChase) {
    const ScreenPoint cursor = platform_.desktop.CursorPosition();
    top = cursor.y + 10;
    left = cursor.x + 10;
  }
}

ColorValue PanelForm::RestingCaptionColor() const {
  // White on the button face all but hides a caption until its button is lit;
  // some users need to read what every button does before they press.
  return options.idleCaptions && !options.singleDisplay ? colors::kBtnText : colors::kWhite;
}

void PanelForm::RepaintRestingCaptions() {
  if (options.singleDisplay) return;
  const int lit = highlighted_ >= 0 ? highlighted_ : scan().litPosition;
  for (int k = 1; k <= 8; ++k) {
    if (k != lit) Button(k).font.color = RestingCaptionColor();
  }
}

void PanelForm::PaintNothingLit() {
  for (auto& button : buttons) {
    button->color = colors::kBtnFace;
    button->font.color = RestingCaptionColor();
  }
  highlighted_ = 0;
  // The single display shows nothing either, not the last position's caption.
  if (options.singleDisplay) Button(1).caption.clear();
}

void PanelForm::PaintStripHighlight(int position) {
  // Every step puts out the highlight it lit last; only when something else
  // has painted the buttons since are all of them put back to rest.
  if (highlighted_ < 0) {
    for (auto& button : buttons) {
      button->color = colors::kBtnFace;
      button->font.color = RestingCaptionColor();
    }
  } else if (highlighted_ >= 1) {
    Button(highlighted_).color = colors::kBtnFace;
    Button(highlighted_).font.color = RestingCaptionColor();
  }
  highlighted_ = 0;
  if (position < 1 || position > 8) return;
  highlighted_ = position;
  const ButtonAppearance& look = Appearance(ButtonNumberAt(position, scan().activeStick));
  PanelButton& button = Button(position);
  button.color = look.color;
  button.font.color = look.fontColor;
  button.font.style = look.fontStyle;
  button.font.size = look.fontSize;
}

void PanelForm::PaintSingleDisplay(int position) {
  highlighted_ = -1;
  PanelButton& display = Button(1);
  if (position == 0 || position == kPausePosition) {
    display.caption = Text(position == 0 ? TextId::SwitchOverCaption : TextId::PauseCaption);
    display.color = colors::kBtnFace;
    display.font = buttonOneFont;
    display.font.color = colors::kPurple;
    return;
  }
  if (position < 1 || position > 8) return;
  const int n = ButtonNumberAt(position, scan().activeStick);
  const ButtonAppearance& look = Appearance(n);
  // Button 1 shows other buttons' fonts in turn; its own is kept aside.
  const Font& shown = position == 1 ? buttonOneFont : Button(position).font;
  display.font.name = shown.name;
  display.font.size = shown.size;
  display.font.style = shown.style;
  display.font.pitch = shown.pitch;
  display.font.charset = shown.charset;
  display.color = look.color;
  display.font.color = look.fontColor;
  if (options.namesShown && nameEditor != nullptr) display.caption = nameEditor->Name(n);
}

void PanelForm::ButtonDown(int position) {
  if (!buttonHeld_) {
    // A new press: it goes to JoyToKey, or in practice flashes, to its release.
    buttonHeld_ = true;
    heldSilently_ = practice.On();
    if (!practice.On()) recorder.ButtonSent(scanner().SelectingSwitch(), ButtonNumberAt(position, scan().activeStick));
    if (practice.On()) {
      Click();
      // The single display shows every position on its one button.
      practice.Flash(options.singleDisplay ? 1 : position);
    }
  }
  if (!heldSilently_) link.Send(WM_JOYTOKEY_BUTTON_DOWN, position - 1);
}

void PanelForm::ButtonUp(int position, std::int32_t stick) {
  buttonHeld_ = false;
  if (heldSilently_) return;
  link.SendForStick(WM_JOYTOKEY_BUTTON_UP, position - 1, stick);
  // The release went out after a report of its own stick: JoyToKey hears of
  // the active one again.
  if (link.ReportedStick() == stick && stick != scan().activeStick) {
    link.Send(WM_JOYTOKEY_STICK, scan().activeStick);
  }
}

void PanelForm::ReportStick(std::int32_t stick) {
  // In practice JoyToKey keeps the stick it had; the first tick after it
  // tells JoyToKey the active one again.
  if (!practice.On()) link.Send(WM_JOYTOKEY_STICK, stick);
  // Whatever took JoyToKey back to the first stick (a count chosen, the
  // sub-buttons opening), the user must see the keys they now press.
  if (stick != shownStick) StickSwitched(stick);
}

void PanelForm::ShowActiveStick() {
  if (scan().activeStick != shownStick) StickSwitched(scan().activeStick);
}

void PanelForm::StickSwitched(std::int32_t stick) {
  SetShownStick(stick);
  ShowStickNames();
}

void PanelForm::SetShownStick(int stick) {
  shownStick = stick;
  // While the user rests the margin is grey, whichever stick is active.
  color = scanner().Paused() ? kPausedColor : stick == 0 ? colors::kGreen : colors::kFuchsia;
}

void PanelForm::PauseChanged(bool paused) {
  SetShownStick(shownStick);
  platform_.log.Write(paused ? "休止しました" : "再開しました");
  speaker.Say(Text(paused ? TextId::PauseCaption : TextId::ResumeSpoken));
}

void PanelForm::SwitchStuck() {
  platform_.log.Write(TextIn(Language::kJapanese, TextId::SwitchStuck));
  speaker.Say(Text(TextId::SwitchStuck));
  recorder.SwitchStuck(scanner().SelectingSwitch());
}

void PanelForm::Relayout(int buttonCount) { LayoutButtons(buttonCount); }

void PanelForm::Click() {
  if (options.clickSound) platform_.sound.PlaySync(settingsPlace.ClickSoundFile());
}

}  // namespace sorvane
