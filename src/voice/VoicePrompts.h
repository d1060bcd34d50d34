// Spoken and recorded prompts: what the carer chooses, where the recordings
// are, and how long a recording lasts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sorvane {

// The numbers are the settings file's.
enum class VoiceMode : std::int32_t {
  kOff = 0,
  kRecorded = 1,          // recorded prompts only
  kRecordedOrVoice = 2,   // a recorded prompt where there is one, else the system's voice
};

struct VoiceOptions {
  VoiceMode mode = VoiceMode::kOff;
  bool waitForPrompt = false;  // the next step waits for the prompt's end
  std::int32_t rate = 0;       // the system's voice, -10 to 10
  std::int32_t volume = 100;   // the system's voice, 0 to 100
};

// The folder beside the settings file that holds the recordings.
extern const char* const kVoiceFolderName;  // "Voice"
// "1.wav" for button 1, "11.wav" for button 11, "0.wav" for the switch-over position.
std::string RecordingFileName(int buttonNumber);

// How long a WAV file plays, in whole milliseconds rounded up, from its RIFF
// header: the data chunk's size over the format's bytes per second. Nothing
// when the bytes are no WAV file that says so.
std::optional<std::int64_t> WaveLengthMilliseconds(std::string_view bytes);

}  // namespace sorvane
