// The prompts: as a position lights, its recording plays, or the system's
// voice says its name, and the next step may wait for the prompt's end.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "controls/ButtonAppearance.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Prompts.h"
#include "voice/VoicePrompts.h"

namespace sorvane {

class PromptSpeaker {
 public:
  // Writes what a position is called, as the voice says it, into text.
  using NameWriter = void (*)(const void* context, int position, std::string& text);

  PromptSpeaker(PromptPlayer& prompts, FileSystem& files, Clock& clock)
      : prompts_(prompts), files_(files), clock_(clock) {}

  const VoiceOptions& options() const { return options_; }
  // Recordings the carer has just put in the folder are found when a mode
  // that plays them is chosen; the mode off silences what plays.
  void SetOptions(const VoiceOptions& options);
  void SetMode(VoiceMode mode);
  void SetWaitForPrompt(bool wait) { options_.waitForPrompt = wait; }
  // The folder of the recordings, ending in a backslash; found again now.
  void UseFolder(const FilePath& folder);
  const FilePath& folder() const { return folder_; }

  // Position lit now, standing for buttonNumber (0 the switch-over marker);
  // position kNothingLit says nothing.
  void Start(int position, int buttonNumber, NameWriter writeName, const void* context);
  // Says text in the system's voice, where the voice is on (nothing is recorded
  // for it); the next step waits for its end.
  void Say(const std::string& text);
  // When the next step may come, as ScanOutput::StepWaitsUntil says it.
  std::int64_t StepWaitsUntil() const;
  // The system's voice has finished; true when the step waited for it.
  bool SpeechEnded();

 private:
  void FindRecordings();
  // One recording for each position of each stick: 0.wav, 1-8.wav, 11-18.wav.
  struct Recording {
    FilePath path;
    std::int64_t lengthMilliseconds = -1;  // -1: none that plays
  };
  static constexpr int kRecordingCount = 1 + kSlotCount;
  static int RecordingIndex(int buttonNumber) { return buttonNumber == 0 ? 0 : 1 + SlotIndex(buttonNumber); }

  PromptPlayer& prompts_;
  FileSystem& files_;
  Clock& clock_;
  VoiceOptions options_;
  FilePath folder_;
  std::array<Recording, kRecordingCount> recordings_;
  std::int64_t promptEndsAt_ = 0;  // a recording's end; 0 none
  bool speaking_ = false;          // the voice says the lit position's name, or what Say was given
  bool announcing_ = false;        // it says what Say was given
  std::string spokenText_;
};

}  // namespace sorvane
