#pragma once

#include "platform/FilePath.h"

namespace sorvane {

class SoundPlayer {
 public:
  // Plays the WAV file synchronously; the result is not reported, and a
  // missing file plays nothing.
  virtual void PlaySync(const FilePath& file) = 0;

 protected:
  ~SoundPlayer() = default;
};

}  // namespace sorvane
