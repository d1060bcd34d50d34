#include "win32/Win32Platform.h"

namespace sorvane::win32 {

Win32Platform::Win32Platform() = default;

}  // namespace sorvane::win32
