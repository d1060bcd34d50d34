// The small dialog that asks the carer for a new profile's name.
#pragma once

#include <windows.h>

#include <string>

namespace sorvane::win32 {

// True, and name updated, on OK. problem, when not empty, is said above the
// field: why the name typed before was refused.
bool RunProfileNameDialog(HWND owner, std::u16string& name, const std::string& problem);

}  // namespace sorvane::win32
