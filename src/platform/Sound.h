#pragma once

namespace sorvane {

class SoundPlayer {
 public:
  // PlaySoundA(fileName, nullptr, 0): plays synchronously; the result is not
  // reported, and a missing file plays nothing.
  virtual void PlaySync(const char* fileName) = 0;

 protected:
  ~SoundPlayer() = default;
};

}  // namespace sorvane
