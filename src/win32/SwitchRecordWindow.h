// The switch record window: the figures of the record, the suggested
// settings with their reasons, "この設定にする" and 閉じる. Modal to the panel.
#pragma once

#include <windows.h>

#include "platform/Dialogs.h"

namespace sorvane::win32 {

// True when the carer chose to apply the suggestions.
bool RunSwitchRecordWindow(HWND owner, const SwitchRecordReport& report);

}  // namespace sorvane::win32
