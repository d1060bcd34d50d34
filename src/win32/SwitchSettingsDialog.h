// The switch settings dialog: a field that takes the next key pressed, the
// three times and the loop count, OK and Cancel. Modal to the panel.
#pragma once

#include <windows.h>

#include "platform/Dialogs.h"

namespace sorvane::win32 {

// True, and texts updated, when the carer confirms.
bool RunSwitchSettingsDialog(HWND owner, SwitchOptionTexts& texts);

}  // namespace sorvane::win32
