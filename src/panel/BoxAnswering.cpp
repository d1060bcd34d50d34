// The user's switch answers the panel's message boxes, since the user may be
// alone at the computer: a press, taken as any press (the acceptance time,
// the debounce, the ignore time), presses the box's default button.
#include "panel/PanelForm.h"

namespace sorvane {

void PanelForm::BoxAnswererOfPanel::BoxOpened(unsigned /*flags*/) {
  PanelForm& form = form_;
  openedAt_ = form.platform_.clock.NowMilliseconds();
  closesItself_ = nextIsNotice;
  // A box that comes while the ticks run holds them as a dialog does.
  heldTicks_ = form.driver.Ticking();
  if (heldTicks_) form.driver.HoldForDialog();
  switches_ = {};
  form.driver.SampleSwitches();
}

BoxAnswerer::Answer PanelForm::BoxAnswererOfPanel::Poll() {
  PanelForm& form = form_;
  form.driver.SampleSwitches();
  SwitchSampler* samplers[2] = {&form.driver.switchSamples(), &form.driver.secondSwitchSamples()};
  for (int which = 0; which < 2; ++which) {
    const SwitchSampler& samples = *samplers[which];
    Watched& watched = switches_[which];
    if (watched.seenOpen) {
      if (samples.PressesLatched() != watched.pressesThen) return Answer::kPressed;
    } else if (samples.LastReadingAt() >= openedAt_ && samples.SwitchOpen()) {
      // A press already held as the box opened answers nothing: it must open first.
      watched.seenOpen = true;
      watched.pressesThen = samples.PressesLatched();
    }
  }
  if (closesItself_ && form.platform_.clock.NowMilliseconds() - openedAt_ >= kNoticeSeconds * 1000) {
    form.platform_.log.Write("メッセージを 30 秒で閉じました");
    return Answer::kTimedOut;
  }
  return Answer::kNotYet;
}

void PanelForm::BoxAnswererOfPanel::BoxClosed() {
  PanelForm& form = form_;
  form.driver.SampleSwitches();
  if (heldTicks_) {
    form.driver.ResumeAfterDialog();
  } else if (!form.driver.HeldForDialog()) {
    // Whoever showed the box resumes nothing: what the switch did behind it
    // is dropped here, and the record notes it.
    form.scanner().Resume();
    form.recorder.WriteWhatWasLearnt(form.driver);
  }
  heldTicks_ = false;
}

}  // namespace sorvane
