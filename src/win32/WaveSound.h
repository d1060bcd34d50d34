// The click sound: a wave file played to its end.
#pragma once

#include "platform/Sound.h"

namespace sorvane::win32 {

class WaveSound : public SoundPlayer {
 public:
  void PlaySync(const FilePath& file) override;
};

}  // namespace sorvane::win32
