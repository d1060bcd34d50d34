// What a position says when it lights: the system's voice, and recorded WAV
// files. Both start at once and go on by themselves; nothing waits for them.
#pragma once

#include <string>

#include "platform/FilePath.h"

namespace sorvane {

class PromptPlayer {
 public:
  // Whether the system's voice exists and speaks. The first call may create
  // it, so the panel asks before it is shown and when its menu opens, never
  // first in a step; after a refusal the answer stays false.
  virtual bool VoiceAvailable() = 0;
  // Stops the prompt playing and starts saying text (code page 932) at rate
  // (-10 to 10) and volume (0 to 100). Its end is told to the panel's
  // SpeechEnded, between handlers. False when the voice refuses.
  virtual bool StartSpeaking(const std::string& text, int rate, int volume) = 0;
  // Stops the prompt playing and starts playing a WAV file; false when it
  // cannot be played.
  virtual bool StartPlaying(const FilePath& path) = 0;
  // Stops whatever prompt plays.
  virtual void StopPrompt() = 0;

 protected:
  ~PromptPlayer() = default;
};

}  // namespace sorvane
