// The commands of the popup menu.
#include "app/SorvaneMain.h"

namespace sorvane {

namespace {

struct SpeedItem {
  MenuId item;
  float seconds;
};

constexpr SpeedItem kSpeedItems[] = {
    {MenuId::Time05, 0.5F}, {MenuId::Time10, 1.0F}, {MenuId::Time20, 2.0F},
    {MenuId::Time30, 3.0F}, {MenuId::Time40, 4.0F}, {MenuId::Time50, 5.0F},
};

}  // namespace

int IntervalMilliseconds(float seconds) {
  // The stored float widened first: 0.7 s is 699 ms, as the float holds 0.6999999881.
  const double milliseconds = static_cast<double>(seconds) * 1000.0;
  if (!(milliseconds == milliseconds)) return 0;  // not a number
  if (milliseconds >= 2147483647.0) return 2147483647;
  if (milliseconds <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(milliseconds);
}

void TSorvaneForm::PopupMenu1Popup() { ScanTimer.SetEnabled(false); }

void TSorvaneForm::Btn1Click() { scan().activeStick = 0; }

void TSorvaneForm::ButtonCountClick(int count) {
  ScanState& s = scan();
  s.activeStick = 0;
  s.oneButtonMode = 0;
  JoyTimer.SetEnabled(false);
  s.scanMax = count;
  s.scanPos = 0;
  LayoutButtons(count, s.subScan);
  JoyTimer.SetEnabled(true);
  SetScanSpeed(s.intervalSeconds);
}

void TSorvaneForm::SubButtonCountClick(int subCount) {
  ScanState& s = scan();
  s.oneButtonMode = 1;
  JoyTimer.SetEnabled(false);
  s.scanMax = 1;
  s.scanPos = 0;
  LayoutButtons(1, s.subScan);
  JoyTimer.SetEnabled(true);
  const MenuId chosen = PopupMenu::SubCountItem(subCount);
  if (!PopupMenu1.Checked(chosen)) {
    s.subScan = subCount;
    for (int sub : {2, 4, 6, 8}) PopupMenu1.SetChecked(PopupMenu::SubCountItem(sub), sub == subCount);
    for (int k = 2; k <= 8; ++k) PopupMenu1.SetChecked(PopupMenu::ButtonCountItem(k), false);
    PopupMenu1.SetChecked(MenuId::SingleDsp, false);
    if (NameForm != nullptr) CuteButton(1).caption = NameForm->Name(1);
  } else {
    PopupMenu1.SetChecked(chosen, false);
  }
}

void TSorvaneForm::SpeedClick(float seconds) {
  scan().intervalSeconds = seconds;
  SetScanSpeed(scan().intervalSeconds);
}

void TSorvaneForm::SetScanSpeed(float seconds) {
  ScanTimer.SetInterval(IntervalMilliseconds(seconds));
  for (const SpeedItem& speed : kSpeedItems) {
    PopupMenu1.SetChecked(speed.item, speed.seconds == seconds);
  }
}

void TSorvaneForm::SingleDspClick() {
  ScanTimer.SetEnabled(false);
  if (!PopupMenu1.Checked(MenuId::SingleDsp)) {
    PopupMenu1.SetChecked(MenuId::SingleDsp, true);
    SetClientWidth(Scaled(72));
  } else {
    PopupMenu1.SetChecked(MenuId::SingleDsp, false);
    LayoutButtons(scan().scanMax, scan().subScan);
    TCuteButton& button = CuteButton(1);
    if (NameForm != nullptr) button.caption = NameForm->Name(1);
    button.font = DummyBtn.font;
    button.font.color = state_.Appearance(1).fontColor;
    button.color = state_.Appearance(1).color;
  }
  ScanTimer.SetEnabled(true);
}

void TSorvaneForm::SoundClick() {
  ScanTimer.SetEnabled(false);
  PopupMenu1.SetChecked(MenuId::Sound, !PopupMenu1.Checked(MenuId::Sound));
  ScanTimer.SetEnabled(true);
}

void TSorvaneForm::OikakeClick() {
  PopupMenu1.SetChecked(MenuId::Oikake, !PopupMenu1.Checked(MenuId::Oikake));
}

void TSorvaneForm::Exit1Click() {
  ScanTimer.SetEnabled(false);
  ReleaseHeldButton();
  link.Send(WM_JOYTOKEY_STICK, -1);
  Close();
}

void TSorvaneForm::HelpClick() { platform_.shell.Open(handle, "open", kHelpFile, "", "", 5); }

void TSorvaneForm::WebClick() { platform_.shell.Open(0, "open", kWebAddress, "", "", 1); }

void TSorvaneForm::MenuCommand(MenuId id) {
  switch (id) {
    case MenuId::Btn1: Btn1Click(); break;
    case MenuId::Btn2: ButtonCountClick(2); break;
    case MenuId::Btn3: ButtonCountClick(3); break;
    case MenuId::Btn4: ButtonCountClick(4); break;
    case MenuId::Btn5: ButtonCountClick(5); break;
    case MenuId::Btn6: ButtonCountClick(6); break;
    case MenuId::Btn7: ButtonCountClick(7); break;
    case MenuId::Btn8: ButtonCountClick(8); break;
    case MenuId::SubBtn2: SubButtonCountClick(2); break;
    case MenuId::SubBtn4: SubButtonCountClick(4); break;
    case MenuId::SubBtn6: SubButtonCountClick(6); break;
    case MenuId::SubBtn8: SubButtonCountClick(8); break;
    case MenuId::Time05: SpeedClick(0.5F); break;
    case MenuId::Time10: SpeedClick(1.0F); break;
    case MenuId::Time20: SpeedClick(2.0F); break;
    case MenuId::Time30: SpeedClick(3.0F); break;
    case MenuId::Time40: SpeedClick(4.0F); break;
    case MenuId::Time50: SpeedClick(5.0F); break;
    case MenuId::PanelScale1: PanelScaleClick(1); break;
    case MenuId::PanelScale2: PanelScaleClick(2); break;
    case MenuId::PanelScale3: PanelScaleClick(3); break;
    case MenuId::PanelScale4: PanelScaleClick(4); break;
    case MenuId::SingleDsp: SingleDspClick(); break;
    case MenuId::BtnNameEdit: BtnNameEditClick(); break;
    case MenuId::BtnNameDispOn: BtnNameDispOnClick(); break;
    case MenuId::Sound: SoundClick(); break;
    case MenuId::Oikake: OikakeClick(); break;
    case MenuId::JoyStickID2: JoyStickID2Click(); break;
    case MenuId::SwitchSettings: SwitchSettingsClick(); break;
    case MenuId::Exit1: Exit1Click(); break;
    case MenuId::Web: WebClick(); break;
    case MenuId::Help: HelpClick(); break;
    default: break;
  }
}

}  // namespace sorvane
