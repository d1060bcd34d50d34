// The switch poll: every tick tells JoyToKey which stick is active, reads the
// switch and turns a press and its release into JoyToKey's button messages.
#include "app/SorvaneMain.h"

namespace sorvane {

namespace {

const char* const kJoyToKeyGoneWarning =
    "「Kelpimo。」を接続して\nJoyToKey Vre3.7以降をインストールして\n「Sorvane+。」を再起動してください。";
constexpr std::uint32_t kButtonOne = 0x01;
constexpr std::uint32_t kButtonsOneToEight = 0xFF;

}  // namespace

bool TSorvaneForm::PollSwitch() {
  // A failed poll counts as every button up.
  if (!platform_.joystick.PollJoystickZero(state_.joyInfo)) state_.joyInfo.buttons = 0;
  return (state_.joyInfo.buttons & kButtonOne) != 0;
}

bool TSorvaneForm::AnyButtonDown() { return (state_.joyInfo.buttons & kButtonsOneToEight) != 0; }

void TSorvaneForm::WaitForRelease() {
  do {
    PollSwitch();
    platform_.clock.Sleep(kPollPause);
  } while (AnyButtonDown());
}

void TSorvaneForm::JoyTimerTimer() {
  link.FindJoyToKeyWindow();
  if (link.JoyToKeyWindow() == 0) {
    JoyTimer.SetEnabled(false);
    ScanTimer.SetEnabled(false);
    platform_.dialogs.ShowMessage(handle, kJoyToKeyGoneWarning, kErrorCaption, kWarningBoxStyle);
    Close();
    return;
  }
  ScanState& s = scan();
  link.Send(WM_JOYTOKEY_STICK, s.activeStick);

  if (PollSwitch()) {
    ScanTimer.SetEnabled(false);
    if (PopupMenu1.Checked(MenuId::Btn1)) {
      if (PopupMenu1.Checked(MenuId::Sound)) platform_.sound.PlaySync(kClickSoundFile);
      link.Send(WM_JOYTOKEY_STICK, -1);
      state_.pressPollCount = 0;
      do {
        PollSwitch();
        ++state_.pressPollCount;
        platform_.clock.Sleep(kPollPause);
      } while (AnyButtonDown());
      if (state_.pressPollCount >= kLongPressPolls) {
        s.scanMax = s.subScan;
        s.scanPos = 0;
        LayoutButtons(s.scanMax, s.subScan);
        s.oneButtonMode = 1;
        s.activeStick = 0;
        link.Send(WM_JOYTOKEY_STICK, 0);
        state_.collapseCountdown = s.scanMax + 1;
      }
    }
    if (s.scanPos == 0) {
      if (s.oneButtonMode == 0) {
        WaitForRelease();
        if (s.activeStick == 1) {
          s.activeStick = 0;
          color = colors::kGreen;
        } else {
          s.activeStick = 1;
          color = colors::kFuchsia;
        }
        link.Send(WM_JOYTOKEY_STICK, s.activeStick);
        ShowStickNames();
      }
    } else if (s.scanPos >= 1 && s.scanPos <= 8) {
      link.Send(WM_JOYTOKEY_BUTTON_DOWN, s.scanPos - 1);
      s.heldButton = s.scanPos;
    }
    ScanTimer.SetEnabled(true);
  } else if (s.heldButton >= 1 && s.heldButton <= 8) {
    // Button 1 is released like the others: a press never released would
    // leave the user's key held down at JoyToKey.
    link.Send(WM_JOYTOKEY_BUTTON_UP, s.heldButton - 1);
    s.heldButton = 0;
  }
  KeepOnScreen();
}

void TSorvaneForm::KeepOnScreen() {
  // Within the work area of the monitor the panel is on; with one monitor and
  // the taskbar at the bottom, that is the primary screen's metrics.
  const MonitorArea monitor = platform_.desktop.MonitorNearest(Bounds());
  const ScreenRect& work = monitor.workArea;
  const int bottom = work.top + monitor.fullScreenClientHeight;
  if (bottom - height < top) top = bottom - height / 2;
  if (top < work.top) top = work.top;
  if (work.right - width < left) left = work.right - width;
  if (left < work.left) left = work.left;
}

void TSorvaneForm::JoyStickID2Click() {
  ScanTimer.SetEnabled(false);
  if (PopupMenu1.Checked(MenuId::JoyStickID2)) {
    PopupMenu1.SetChecked(MenuId::JoyStickID2, false);
    scan().activeStick = 0;
    color = colors::kGreen;
    ShowStickNames();
  } else {
    PopupMenu1.SetChecked(MenuId::JoyStickID2, true);
  }
  ScanTimer.SetEnabled(true);
}

void TSorvaneForm::SetButtonCaptionsFromNames(bool secondStick) {
  if (NameForm == nullptr) return;
  for (int k = 1; k <= 8; ++k) CuteButton(k).caption = NameForm->Name(secondStick ? k + 10 : k);
}

void TSorvaneForm::ShowStickNames() {
  if (!PopupMenu1.Checked(MenuId::BtnNameDispOn)) return;
  SetButtonCaptionsFromNames(color != colors::kGreen && scan().activeStick != 0);
}

void TSorvaneForm::BtnNameDispOnClick() {
  ScanTimer.SetEnabled(false);
  if (PopupMenu1.Checked(MenuId::BtnNameDispOn)) {
    PopupMenu1.SetChecked(MenuId::BtnNameDispOn, false);
  } else {
    PopupMenu1.SetChecked(MenuId::BtnNameDispOn, true);
    SetButtonCaptionsFromNames(color != colors::kGreen);
  }
  ScanTimer.SetEnabled(true);
}

void TSorvaneForm::BtnNameEditClick() {
  ScanTimer.SetEnabled(false);
  if (NameForm == nullptr) return;
  NameForm->caption = "ボタン名編集";
  NameForm->Open();
}

}  // namespace sorvane
