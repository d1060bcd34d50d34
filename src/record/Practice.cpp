#include "record/Practice.h"

namespace sorvane {

Practice::Practice(TimerHost& timers, PressRecorder& recorder, FlashPainter& painter)
    : recorder_(recorder), painter_(painter), flashTimer_(timers, kFlashMilliseconds, false, [this] { EndFlash(); }) {}

void Practice::Toggle() {
  on_ = !on_;
  recorder_.SetPractising(on_);
}

void Practice::Flash(int button) {
  if (button < 1 || button > 8) return;
  EndFlash();
  flashedButton_ = button;
  painter_.InvertButton(button);
  flashTimer_.SetEnabled(true);
}

void Practice::EndFlash() {
  flashTimer_.SetEnabled(false);
  if (flashedButton_ == 0) return;
  flashedButton_ = 0;
  painter_.RepaintScan();
}

}  // namespace sorvane
