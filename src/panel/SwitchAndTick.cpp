// What the 200 ms tick does besides the scan: it checks that JoyToKey is
// still there, writes the record and keeps the panel on the screen.
#include "panel/PanelForm.h"

namespace sorvane {

namespace {

const char* const kRestarted = "再起動しました";

}  // namespace

bool PanelForm::TickStepsOfPanel::TickStarting() {
  PanelForm& form = form_;
  JoyToKeyLauncher& launcher = form.launcher;
  switch (form.link.CheckBinding()) {
    case JoyToKeyLink::Binding::kKept:
      return true;
    case JoyToKeyLink::Binding::kAnotherWindow:
      if (launcher.WaitingForWindow()) {
        // What the switch did while nothing was bound reaches nobody, not
        // the new JoyToKey late.
        form.scanner().Interrupt();
        form.link.BindToAnotherWindow();
        launcher.WindowCameAfterLaunch();
        form.platform_.log.Write(kRestarted);
        form.speaker.Say(Text(TextId::RestartedSpoken));
        return true;
      }
      // Started by someone else while the drives were searched: that one is
      // kept, and no second JoyToKey is started.
      if (launcher.Restarting()) launcher.AbandonRestart();
      // JoyToKey was restarted: the old window hears the release of a held
      // button if it still can, the new one its configuration number first.
      form.platform_.log.Write("JoyToKey のウィンドウが替わりました。新しいウィンドウに設定番号から送ります");
      form.scanner().Interrupt();
      form.link.BindToAnotherWindow();
      return true;
    case JoyToKeyLink::Binding::kNone:
      break;
  }
  if (launcher.restartWhenGone) {
    JoyToKeyLauncher::Restart restart;
    if (launcher.Restarting()) {
      restart = launcher.CheckRestart();
    } else {
      form.platform_.log.Write("JoyToKey のウィンドウがなくなったため、起動し直します");
      // The held button goes up first; the scan and the switch go on while
      // JoyToKey starts, and what they do meanwhile reaches nobody.
      form.scanner().Interrupt();
      form.link.ForgetWindow();
      restart = launcher.BeginRestart(form.settingsPlace.SiblingSettingsFile());
    }
    if (restart != JoyToKeyLauncher::Restart::kFailed) return true;
  }
  form.platform_.log.Write("JoyToKey のウィンドウがなくなったため、パネルを終了します");
  form.driver.Stop();
  form.TellCarer(Text(TextId::JoyToKeyGoneWarning), kMessageBoxWarningOk);
  form.Close();
  return false;
}

void PanelForm::TickStepsOfPanel::SwitchTaken() { form_.recorder.WriteWhatWasLearnt(form_.driver); }

void PanelForm::TickStepsOfPanel::TickEnded() { form_.KeepOnScreen(); }

void PanelForm::ApplySwitchOptions() {
  const SwitchOptions& chosen = switchOptions;
  driver.SetSwitchTimes(chosen.acceptTime, chosen.ignoreRepeatMilliseconds);
  scan().firstPause = chosen.firstPause;
  scan().quietCyclesBeforeRest = chosen.quietCyclesBeforeRest;
  scan().selectingPause = chosen.selectingPause;
  scan().resumeHold = chosen.resumeHold;
  scan().stuckAfterSeconds = chosen.stuckAfterSeconds;
  platform_.joystick.SetSwitchKeys(chosen.key, chosen.key2);
  platform_.joystick.SetSwitchMouseButtons(chosen.mouseButton, chosen.mouseButton2);
}

void PanelForm::ApplyScanMethod() { scanner().SetMethod(scan().method); }

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
  scan().secondStick = !scan().secondStick;
  if (!scan().secondStick) {
    scanner().ChooseFirstStick();
    SetShownStick(0);
    ShowStickNames();
  }
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
  options.namesShown = !options.namesShown;
  if (options.namesShown) SetButtonCaptionsFromNames(shownStick != 0);
}

void PanelForm::LanguageClick(Language language) {
  SetLanguage(language);
  ShowLanguage();
  ShowStickNames();
  // The choice holds from now on, whatever becomes of this session.
  SaveSettings();
}

void PanelForm::ShowLanguage() {
  menu.ShowTexts();
  hint = Text(TextId::PanelHint);
  for (auto& button : buttons) button->hint = Text(TextId::ButtonHint);
  if (nameEditor != nullptr) nameEditor->ShowTexts();
  if (argumentNotice != nullptr) argumentNotice->ShowTexts();
}

void PanelForm::EditNamesClick() {
  // The editor holds the scan while it is open.
  if (nameEditor == nullptr) return;
  // The names as they are now are kept, so that the edit can be undone from the menu.
  SaveNow();
  nameEditor->Open();
}

}  // namespace sorvane
