// The switch and the 200 ms tick: the readings go through the sampler to the
// scanner; every tick checks that JoyToKey is still there.
#include "panel/PanelForm.h"

namespace sorvane {

namespace {

const char* const kJoyToKeyGoneWarning =
    "「Kelpimo。」を接続して\nJoyToKey Ver3.7以降をインストールして\n「Sorvane+。」を再起動してください。";

}  // namespace

void PanelForm::SampleSwitch() { platform_.joystick.TakeReadings(&TakeReading, this); }

void PanelForm::TakeReading(const JoystickReading& reading, void* context) {
  PanelForm& form = *static_cast<PanelForm*>(context);
  if (!reading.answered) {
    // An unplugged joystick can be slow to answer: it is asked once a tick
    // until it comes back.
    form.switchSampler.Unplugged(reading.time);
    form.secondSwitchSampler.Unplugged(reading.time);
    form.switchUnplugged_ = true;
    form.sampleTimer.SetEnabled(false);
    return;
  }
  form.switchSampler.Sample(reading.time, reading.buttons);
  form.secondSwitchSampler.Sample(reading.time, reading.buttons);
  if (form.switchUnplugged_) {
    form.switchUnplugged_ = false;
    form.sampleTimer.SetEnabled(!form.platform_.joystick.ReadsOnItsOwn());
  }
}

void PanelForm::SampleSwitchNow() {
  SampleSwitch();
  // Read again soon while a change is being confirmed; a reader of its own
  // says when the switch changes.
  if (readerWakes_ && !switchUnplugged_) {
    sampleTimer.SetEnabled(switchSampler.Settling() || secondSwitchSampler.Settling());
  }
  if (ChangesLatched() == changesKicked_ || !tickTimer.Enabled()) return;
  const bool pressed = PressesLatched() != pressesKicked_;
  changesKicked_ = ChangesLatched();
  pressesKicked_ = PressesLatched();
  // A press goes out now rather than at the next tick, and so does the
  // release a one-button press or the switch-over marker waits for; the ticks
  // keep their rhythm from here.
  if (!pressed && !scanner.WaitsForRelease()) return;
  tickTimer.SetEnabled(false);
  tickTimer.SetEnabled(true);
  Tick();
}

void PanelForm::Tick() {
  switch (link.CheckBinding()) {
    case JoyToKeyLink::Binding::kKept:
      break;
    case JoyToKeyLink::Binding::kAnotherWindow:
      // JoyToKey was restarted: the old window hears the release of a held
      // button if it still can, the new one its configuration number first.
      platform_.log.Write("JoyToKey のウィンドウが替わりました。新しいウィンドウに設定番号から送ります");
      scanner.Interrupt();
      link.BindToAnotherWindow();
      break;
    case JoyToKeyLink::Binding::kNone:
      platform_.log.Write("JoyToKey のウィンドウがなくなったため、パネルを終了します");
      tickTimer.SetEnabled(false);
      scanner.timer().SetEnabled(false);
      sampleTimer.SetEnabled(false);
      platform_.dialogs.ShowMessage(handle, kJoyToKeyGoneWarning, kErrorCaption, kWarningBoxStyle);
      Close();
      return;
  }
  // What the switch did since the last sample (the reader's own readings,
  // where it reads on its own; once a tick while the joystick is unplugged).
  SampleSwitch();
  // What this tick takes needs no tick of its own from the next sample.
  changesKicked_ = ChangesLatched();
  pressesKicked_ = PressesLatched();
  scanner.Tick();
  WriteRecord();
  KeepOnScreen();
}

void PanelForm::BeforeDialog() {
  scanner.timer().SetEnabled(false);
  tickTimer.SetEnabled(false);
  scanner.Interrupt();
}

void PanelForm::AfterDialog() {
  SampleSwitch();
  scanner.Resume();
  WriteRecord();
  changesKicked_ = ChangesLatched();
  pressesKicked_ = PressesLatched();
  scanner.timer().SetEnabled(true);
  tickTimer.SetEnabled(true);
}

void PanelForm::ApplySwitchOptions() {
  const SwitchOptions& chosen = switchOptions;
  switchSampler.SetTimes(chosen.acceptTime, chosen.ignoreRepeat);
  secondSwitchSampler.SetTimes(chosen.acceptTime, chosen.ignoreRepeat);
  scan().firstPause = chosen.firstPause;
  scan().quietCyclesBeforeRest = chosen.loops;
  scan().selectingPause = chosen.dwellTime;
  platform_.joystick.SetSwitchKeys(chosen.key, chosen.key2);
}

void PanelForm::ApplyScanMethod() { scanner.SetMethod(scan().method); }

void PanelForm::KeepOnScreen() {
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

void PanelForm::SecondStickClick() {
  scanner.timer().SetEnabled(false);
  scan().secondStick = !scan().secondStick;
  if (!scan().secondStick) {
    scanner.ChooseFirstStick();
    SetShownStick(0);
    ShowStickNames();
  }
  scanner.timer().SetEnabled(true);
}

void PanelForm::SetButtonCaptionsFromNames(bool secondStick) {
  if (nameEditor == nullptr) return;
  for (int k = 1; k <= 8; ++k) Button(k).caption = nameEditor->Name(secondStick ? k + 10 : k);
}

void PanelForm::ShowStickNames() {
  if (!options.namesShown) return;
  SetButtonCaptionsFromNames(shownStick != 0 && scan().activeStick != 0);
}

void PanelForm::ShowNamesClick() {
  scanner.timer().SetEnabled(false);
  options.namesShown = !options.namesShown;
  if (options.namesShown) SetButtonCaptionsFromNames(shownStick != 0);
  scanner.timer().SetEnabled(true);
}

void PanelForm::EditNamesClick() {
  scanner.timer().SetEnabled(false);
  if (nameEditor == nullptr) return;
  nameEditor->caption = "ボタン名編集";
  nameEditor->Open();
}

}  // namespace sorvane
