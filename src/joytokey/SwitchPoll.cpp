// The switch poll: every tick tells JoyToKey which stick is active, reads the
// switch and turns a press and its release into JoyToKey's button messages.
#include "app/SorvaneMain.h"

namespace sorvane {

namespace {

const char* const kJoyToKeyGoneWarning =
    "「Kelpimo。」を接続して\nJoyToKey Vre3.7以降をインストールして\n「Sorvane+。」を再起動してください。";

}  // namespace

void TSorvaneForm::SampleSwitch() { platform_.joystick.TakeReadings(&TakeReading, this); }

void TSorvaneForm::TakeReading(const JoystickReading& reading, void* context) {
  TSorvaneForm& form = *static_cast<TSorvaneForm*>(context);
  if (!reading.answered) {
    // An unplugged joystick can be slow to answer: it is asked once a tick
    // until it comes back.
    form.switchSampler.Unplugged(reading.time);
    form.switchUnplugged_ = true;
    form.SampleTimer.SetEnabled(false);
    return;
  }
  form.switchSampler.Sample(reading.time, reading.buttons);
  if (form.switchUnplugged_) {
    form.switchUnplugged_ = false;
    form.SampleTimer.SetEnabled(!form.platform_.joystick.ReadsOnItsOwn());
  }
}

void TSorvaneForm::SampleTimerTimer() {
  SampleSwitch();
  if (switchSampler.PressesLatched() == pressesKicked_ || !JoyTimer.Enabled()) return;
  pressesKicked_ = switchSampler.PressesLatched();
  // A press goes out now rather than at the next tick, and the ticks keep
  // their rhythm from here.
  JoyTimer.SetEnabled(false);
  JoyTimer.SetEnabled(true);
  JoyTimerTimer();
}

void TSorvaneForm::JoyTimerTimer() {
  PressState& press = state_.press;
  ++press.ticks;
  link.FindJoyToKeyWindow();
  if (link.JoyToKeyWindow() == 0) {
    JoyTimer.SetEnabled(false);
    ScanTimer.SetEnabled(false);
    SampleTimer.SetEnabled(false);
    platform_.dialogs.ShowMessage(handle, kJoyToKeyGoneWarning, kErrorCaption, kWarningBoxStyle);
    Close();
    return;
  }
  link.RetryPending();
  // While a press waits for its release JoyToKey hears nothing after the -1.
  if (press.wait == PressState::Wait::kNone) link.Send(WM_JOYTOKEY_STICK, scan().activeStick);
  // What the switch did since the last sample (the reader's own readings,
  // where it reads on its own; once a tick while the joystick is unplugged).
  SampleSwitch();
  AdvancePress();
  KeepOnScreen();
}

void TSorvaneForm::AdvancePress() {
  PressState& press = state_.press;
  ScanState& s = scan();
  if (press.down && switchSampler.HasEdge() && !switchSampler.Front().down) {
    press.down = false;
    press.releasedAt = switchSampler.Front().time;
    switchSampler.Pop();
  }
  if (press.wait != PressState::Wait::kNone) {
    // A wait ends when every button of the joystick is up.
    if (press.down || switchSampler.AnyDown()) return;
    if (switchSampler.AllUpSince() > press.releasedAt) press.releasedAt = switchSampler.AllUpSince();
    FinishWait();
    return;
  }
  if (press.down) {
    if (!press.selectsNothing) {
      HandlePress(false);
    } else {
      // It holds the scan where it is, as any held press does: a slow
      // release must not let a woken scan rest again.
      ScanTimer.SetEnabled(false);
      ScanTimer.SetEnabled(true);
    }
    return;
  }
  press.selectsNothing = false;
  // The release is never sent in the tick of its press, so JoyToKey sees the
  // button down for at least one tick.
  if (s.heldButton != 0 && press.heldTick != press.ticks) ReleaseHeldButton();
  if (!switchSampler.HasEdge() || !switchSampler.Front().down) return;
  if (s.heldButton != 0) return;  // a new press waits for the held one's release
  press.down = true;
  const std::int64_t closedAt = switchSampler.Front().time;
  switchSampler.Pop();
  // Cycles without a press count afresh from the next first position.
  state_.cyclesWithoutPress = 0;
  state_.cycleStarted = false;
  if (state_.scanResting) {
    // The press that wakes the scan selects nothing: the user sees where it
    // starts before choosing.
    press.selectsNothing = true;
    WakeScan();
    return;
  }
  // The press belongs to what was lit when the switch closed: with an
  // acceptance time the highlight may have moved on since.
  const std::int32_t lit = ScanPositionAt(closedAt);
  if (lit != s.scanPos) {
    s.scanPos = lit;
    BtnOption.visible = lit == 0;
    PaintScanPosition();
  }
  HandlePress(true);
}

void TSorvaneForm::HandlePress(bool newPress) {
  PressState& press = state_.press;
  ScanTimer.SetEnabled(false);
  if (newPress && PopupMenu1.Checked(MenuId::Btn1)) {
    if (PopupMenu1.Checked(MenuId::Sound)) platform_.sound.PlaySync(kClickSoundFile);
    link.Send(WM_JOYTOKEY_STICK, -1);
    // The hold is timed from the end of the click, when the user hears it.
    press.measuredFrom = platform_.clock.NowMilliseconds();
    press.wait = PressState::Wait::kOneButtonRelease;
    return;
  }
  ActAtPosition(newPress);
  if (press.wait == PressState::Wait::kNone) ScanTimer.SetEnabled(true);
}

void TSorvaneForm::ActAtPosition(bool newPress) {
  PressState& press = state_.press;
  ScanState& s = scan();
  if (s.scanPos == 0) {
    // Without the second joystick there is nothing to switch to: a press
    // before the first scan step must not strand the user on it.
    if (s.oneButtonMode != 0 || !PopupMenu1.Checked(MenuId::JoyStickID2) || !newPress) return;
    if (press.down) {
      press.wait = PressState::Wait::kSwitchOverRelease;
    } else {
      SwitchStick();
    }
    return;
  }
  if (s.scanPos < 1 || s.scanPos > 8) return;
  // A held press goes on repeating on its own button, wherever the scan is.
  const bool takesNewButton = newPress || s.heldButton == 0;
  const int position = takesNewButton ? s.scanPos : s.heldButton;
  link.Send(WM_JOYTOKEY_BUTTON_DOWN, position - 1);
  if (takesNewButton) {
    s.heldButton = position;
    press.heldStick = s.activeStick;
    press.heldTick = press.ticks;
  }
}

void TSorvaneForm::FinishWait() {
  PressState& press = state_.press;
  ScanState& s = scan();
  const PressState::Wait wait = press.wait;
  press.wait = PressState::Wait::kNone;
  if (wait == PressState::Wait::kSwitchOverRelease) {
    SwitchStick();
  } else {
    if (press.releasedAt - press.measuredFrom >= kLongPressMilliseconds) {
      s.scanMax = s.subScan;
      s.scanPos = 0;
      LayoutButtons(s.scanMax, s.subScan);
      // Nothing is lit until the first step: the single button's highlight
      // left on the first sub-button would invite a press that does nothing.
      if (!PopupMenu1.Checked(MenuId::SingleDsp)) PaintStripHighlight();
      s.oneButtonMode = 1;
      s.activeStick = 0;
      link.Send(WM_JOYTOKEY_STICK, 0);
      state_.collapseCountdown = s.scanMax + 1;
    }
    ActAtPosition(true);
  }
  ScanTimer.SetEnabled(true);
}

void TSorvaneForm::SwitchStick() {
  ScanState& s = scan();
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

void TSorvaneForm::ReleaseHeldButton() {
  ScanState& s = scan();
  const PressState& press = state_.press;
  const int held = s.heldButton;
  s.heldButton = 0;
  if (held < 1 || held > 8) return;
  // Button 1 is released like the others: a press never released would
  // leave the user's key held down at JoyToKey. The release goes to the stick
  // the press went down on.
  link.SendReliably(WM_JOYTOKEY_BUTTON_UP, held - 1, press.heldStick);
  if (link.ReportedStick() == press.heldStick && press.heldStick != s.activeStick) {
    link.Send(WM_JOYTOKEY_STICK, s.activeStick);
  }
}

void TSorvaneForm::ApplySwitchOptions() {
  const SwitchOptions& options = state_.switchOptions;
  switchSampler.SetTimes(options.acceptTime, options.ignoreRepeat);
  platform_.joystick.SetSwitchInput({options.key, options.acceptTime, options.ignoreRepeat});
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
