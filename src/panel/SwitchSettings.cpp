// The switch settings dialog: the key that acts as the switch and the times
// that suit the user, checked before anything is kept.
#include "panel/PanelForm.h"

namespace sorvane {

void PanelForm::SwitchSettingsClick() {
  driver.HoldForDialog();
  SwitchOptionTexts texts = TextsOf(switchOptions);
  for (;;) {
    if (!platform_.dialogs.EditSwitchOptions(handle, texts)) break;
    const ParsedOptions parsed = ParseOptionTexts(texts);
    if (parsed.options) {
      switchOptions = *parsed.options;
      break;
    }
    // Nothing out of range is kept; the carer corrects what was typed.
    platform_.dialogs.ShowMessage(handle, parsed.problem, ErrorCaption(), kMessageBoxWarningOk);
  }
  ApplySwitchOptions();
  scanner().ApplyTiming();
  driver.ResumeAfterDialog();
}

}  // namespace sorvane
