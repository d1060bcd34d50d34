// What the panel says as a position lights, and what screen readers read of
// its buttons.
#include "panel/PanelForm.h"

namespace sorvane {

void PanelForm::SpokenName(int position, std::string& text) const {
  text.clear();
  if (position == 0) {
    text += Text(TextId::SwitchOverSpoken);
    return;
  }
  if (position == kPausePosition) {
    text += Text(TextId::PauseCaption);
    return;
  }
  const int number = ButtonNumberAt(position, scan().activeStick);
  if (nameEditor != nullptr) text += nameEditor->Name(number);
  if (!text.empty()) return;
  text += Text(TextId::SpokenButton);
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
  if (&button == &switchOverMarker) return lit == kPausePosition ? kPausePosition : 0;
  if (options.singleDisplay && button.numberOnStrip == 1 && lit >= 1) return lit;
  return button.numberOnStrip;
}

void PanelForm::StartPrompt(int position) {
  if (position == kPausePosition) {
    speaker.Say(Text(TextId::PauseCaption));
    return;
  }
  const int number = position >= 1 ? ButtonNumberAt(position, scan().activeStick) : 0;
  const auto writeName = [](const void* form, int lit, std::string& text) {
    static_cast<const PanelForm*>(form)->SpokenName(lit, text);
  };
  speaker.Start(position, number, writeName, this);
}

std::int64_t PanelForm::StepWaitsUntil() { return speaker.StepWaitsUntil(); }

void PanelForm::SpeechEnded() {
  if (speaker.SpeechEnded()) scanner().PromptEnded();
}

void PanelForm::VoiceModeClick(VoiceMode mode) { speaker.SetMode(mode); }

void PanelForm::WaitForPromptClick() { speaker.SetWaitForPrompt(!speaker.options().waitForPrompt); }

}  // namespace sorvane
