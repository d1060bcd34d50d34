#include "voice/PromptSpeaker.h"

#include "scanning/ScanOutput.h"

namespace sorvane {

void PromptSpeaker::SetOptions(const VoiceOptions& options) {
  options_ = options;
  if (options_.mode != VoiceMode::kOff) FindRecordings();
}

void PromptSpeaker::SetMode(VoiceMode mode) {
  options_.mode = mode;
  if (mode != VoiceMode::kOff) FindRecordings();
  if (mode == VoiceMode::kOff) Start(ScanOutput::kNothingLit, 0, nullptr, nullptr);
}

void PromptSpeaker::UseFolder(const FilePath& folder) { folder_ = folder; }

void PromptSpeaker::FindRecordings() {
  for (int index = 0; index < kRecordingCount; ++index) {
    const int number = index == 0 ? 0 : SlotButtonNumber(index - 1);
    Recording& recording = recordings_[static_cast<std::size_t>(index)];
    recording.path = folder_ + RecordingFileName(number);
    recording.lengthMilliseconds = -1;
    // Read here, once, so that a step never reads a file: a recording the
    // header does not describe is skipped like a missing one.
    const FileRead read = files_.ReadWholeFile(recording.path);
    if (read.status != FileRead::Status::kRead) continue;
    if (const auto length = WaveLengthMilliseconds(read.contents)) recording.lengthMilliseconds = *length;
  }
}

void PromptSpeaker::Start(int position, int buttonNumber, NameWriter writeName, const void* context) {
  const bool wasPlaying = speaking_ || promptEndsAt_ != 0;
  speaking_ = false;
  announcing_ = false;
  promptEndsAt_ = 0;
  if (options_.mode == VoiceMode::kOff || position == ScanOutput::kNothingLit) {
    if (wasPlaying) prompts_.StopPrompt();
    return;
  }
  const Recording& recording = recordings_[static_cast<std::size_t>(RecordingIndex(buttonNumber))];
  if (recording.lengthMilliseconds >= 0 && prompts_.StartPlaying(recording.path)) {
    // The recording says when it ends: nothing tells the panel.
    promptEndsAt_ = clock_.NowMilliseconds() + recording.lengthMilliseconds;
    return;
  }
  if (options_.mode == VoiceMode::kRecordedOrVoice && prompts_.VoiceAvailable()) {
    writeName(context, position, spokenText_);
    if (prompts_.StartSpeaking(spokenText_, options_.rate, options_.volume)) {
      speaking_ = true;
      return;
    }
  }
  // Nothing to say here: the last position's prompt must not run on over it.
  if (wasPlaying) prompts_.StopPrompt();
}

void PromptSpeaker::Say(const std::string& text) {
  const bool wasPlaying = speaking_ || promptEndsAt_ != 0;
  speaking_ = false;
  promptEndsAt_ = 0;
  if (options_.mode == VoiceMode::kRecordedOrVoice && prompts_.VoiceAvailable()) {
    spokenText_ = text;
    if (prompts_.StartSpeaking(spokenText_, options_.rate, options_.volume)) {
      speaking_ = true;
      announcing_ = true;
      return;
    }
  }
  if (wasPlaying) prompts_.StopPrompt();
}

std::int64_t PromptSpeaker::StepWaitsUntil() const {
  // What the panel tells the user happened is heard out, whatever the carer
  // chose for the positions' names: the next name would cut it short.
  if (announcing_ && speaking_) return ScanOutput::kUntilPromptEnds;
  if (!options_.waitForPrompt) return 0;
  if (speaking_) return ScanOutput::kUntilPromptEnds;
  return promptEndsAt_;
}

bool PromptSpeaker::SpeechEnded() {
  if (!speaking_) return false;
  speaking_ = false;
  announcing_ = false;
  return true;
}

}  // namespace sorvane
