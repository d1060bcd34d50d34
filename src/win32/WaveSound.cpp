#include "win32/WaveSound.h"

#include <windows.h>
#include <mmsystem.h>

#include "win32/Text.h"

namespace sorvane::win32 {

void WaveSound::PlaySync(const FilePath& file) {
  // A missing file stays silent rather than playing the system's default sound.
  PlaySoundW(reinterpret_cast<const wchar_t*>(file.Utf16().c_str()), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
}

}  // namespace sorvane::win32
