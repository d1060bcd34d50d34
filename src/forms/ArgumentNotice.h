// ArgumentNotice: the notice shown for five seconds when no configuration number
// was given on the command line.
#pragma once

#include <array>
#include <memory>

#include "controls/Control.h"
#include "platform/Platform.h"
#include "text/Texts.h"

namespace sorvane {

class ArgumentNotice : public Form {
 public:
  explicit ArgumentNotice(Platform& platform);

  // Sizes the notice and its lines for a number of dots per inch, centred on
  // the desktop.
  void ApplyDpi(int newDpi);
  void ShowTexts();  // in the language in force

  std::array<Label, 6> lines;
  std::unique_ptr<Timer> closeTimer;

  void CloseAfterFiveSeconds();
  void Close() { visible = false; }

 private:
  Desktop& desktop_;
};

}  // namespace sorvane
