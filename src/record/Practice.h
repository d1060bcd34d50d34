// Practice: the panel scans and answers presses, but JoyToKey hears nothing;
// a selected button flashes instead. Never saved.
#pragma once

#include "platform/Timers.h"
#include "record/PressRecorder.h"

namespace sorvane {

class Practice {
 public:
  // What the flash asks of the panel that shows it.
  class FlashPainter {
   public:
    // Shows the button with its colours inverted.
    virtual void InvertButton(int button) = 0;
    // Shows the buttons as the scan has them now.
    virtual void RepaintScan() = 0;

   protected:
    ~FlashPainter() = default;
  };

  static constexpr int kFlashMilliseconds = 300;

  Practice(TimerHost& timers, PressRecorder& recorder, FlashPainter& painter);

  bool On() const { return on_; }
  // Turns practice on or off; the record's lines say which from now on.
  void Toggle();
  // The panel's button shows inverted for a moment (1 to 8).
  void Flash(int button);
  void EndFlash();

 private:
  PressRecorder& recorder_;
  FlashPainter& painter_;
  Timer flashTimer_;
  bool on_ = false;
  int flashedButton_ = 0;  // the button shown inverted, 0 none
};

}  // namespace sorvane
