// What the panel says as a position lights, and what screen readers read of
// its buttons.
#include "panel/PanelForm.h"

namespace sorvane {

void PanelForm::SpokenName(int position, std::string& text) const {
  text.clear();
  if (position == 0) {
    text += "切り替え";
    return;
  }
  const int number = ButtonNumberAt(position, scan().activeStick);
  if (nameEditor != nullptr) text += nameEditor->Name(number);
  if (!text.empty()) return;
  text += "ボタン";
  char digits[4] = {};
  int length = 0;
  for (int n = number; n > 0 && length < 3; n /= 10) digits[length++] = static_cast<char>('0' + n % 10);
  while (length > 0) text += digits[--length];
}

std::string PanelForm::SpokenName(int position) const {
  std::string text;
  SpokenName(position, text);
  return text;
}

int PanelForm::PositionShownBy(const PanelButton& button) const {
  if (&button == &switchOverMarker) return 0;
  if (options.singleDisplay && button.numberOnStrip == 1 && lit >= 1) return lit;
  return button.numberOnStrip;
}

void PanelForm::LoadRecordings() {
  voiceFolder = settingsFolder + kVoiceFolderName + "\\";
  for (int index = 0; index < kRecordingCount; ++index) {
    const int number = index == 0 ? 0 : SlotButtonNumber(index - 1);
    Recording& recording = recordings_[static_cast<std::size_t>(index)];
    recording.path = voiceFolder + RecordingFileName(number);
    recording.lengthMilliseconds = -1;
    // Read here, once, so that a step never reads a file: a recording the
    // header does not describe is skipped like a missing one.
    const FileRead read = platform_.files.ReadWholeFile(recording.path);
    if (read.status != FileRead::Status::kRead) continue;
    if (const auto length = WaveLengthMilliseconds(read.contents)) recording.lengthMilliseconds = *length;
  }
}

void PanelForm::StartPrompt(int position) {
  const bool wasPlaying = speaking_ || promptEndsAt_ != 0;
  speaking_ = false;
  promptEndsAt_ = 0;
  if (voice.mode == VoiceMode::kOff || position == kNothingLit) {
    if (wasPlaying) platform_.prompts.StopPrompt();
    return;
  }
  PromptPlayer& prompts = platform_.prompts;
  const int number = position == 0 ? 0 : ButtonNumberAt(position, scan().activeStick);
  const Recording& recording = recordings_[static_cast<std::size_t>(RecordingIndex(number))];
  if (recording.lengthMilliseconds >= 0 && prompts.StartPlaying(recording.path)) {
    // The recording says when it ends: nothing tells the panel.
    promptEndsAt_ = platform_.clock.NowMilliseconds() + recording.lengthMilliseconds;
    return;
  }
  if (voice.mode == VoiceMode::kRecordedOrVoice && prompts.VoiceAvailable()) {
    SpokenName(position, spokenText_);
    if (prompts.StartSpeaking(spokenText_, voice.rate, voice.volume)) {
      speaking_ = true;
      return;
    }
  }
  // Nothing to say here: the last position's prompt must not run on over it.
  if (wasPlaying) prompts.StopPrompt();
}

std::int64_t PanelForm::StepWaitsUntil() {
  if (!voice.waitForPrompt) return 0;
  if (speaking_) return kUntilPromptEnds;
  return promptEndsAt_;
}

void PanelForm::SpeechEnded() {
  if (!speaking_) return;
  speaking_ = false;
  scanner.PromptEnded();
}

void PanelForm::VoiceModeClick(VoiceMode mode) {
  voice.mode = mode;
  // Recordings the carer has just put in the folder are found when the mode is chosen.
  if (mode != VoiceMode::kOff) LoadRecordings();
  if (mode == VoiceMode::kOff) StartPrompt(kNothingLit);
}

void PanelForm::WaitForPromptClick() { voice.waitForPrompt = !voice.waitForPrompt; }

}  // namespace sorvane
