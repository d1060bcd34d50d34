// The switch settings dialog: the key that acts as the switch and the times
// that suit the user, checked before anything is kept.
#include "app/SorvaneMain.h"

namespace sorvane {

void TSorvaneForm::SwitchSettingsClick() {
  ScanTimer.SetEnabled(false);
  SwitchOptionTexts texts = TextsOf(state_.switchOptions);
  for (;;) {
    if (!platform_.dialogs.EditSwitchOptions(handle, texts)) break;
    const ParsedOptions parsed = ParseOptionTexts(texts);
    if (parsed.options) {
      state_.switchOptions = *parsed.options;
      break;
    }
    // Nothing out of range is kept; the carer corrects what was typed.
    platform_.dialogs.ShowMessage(handle, parsed.problem, kErrorCaption, kWarningBoxStyle);
  }
  ApplySwitchOptions();
  SetScanSpeed(scan().intervalSeconds);
  ScanTimer.SetEnabled(true);
}

}  // namespace sorvane
