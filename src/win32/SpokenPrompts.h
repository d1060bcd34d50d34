// The prompts on Windows: the speech API's default voice, spoken
// asynchronously with its end told by a window message, and WAV files
// played asynchronously.
#pragma once

#include <windows.h>
#include <sapi.h>

#include <functional>
#include <string>

#include "platform/Prompts.h"
#include "win32/Handles.h"

namespace sorvane::win32 {

class SpokenPrompts final : public PromptPlayer {
 public:
  // Made on the panel's thread, whose apartment the voice lives in.
  SpokenPrompts();
  ~SpokenPrompts();
  SpokenPrompts(const SpokenPrompts&) = delete;
  SpokenPrompts& operator=(const SpokenPrompts&) = delete;

  // Called on the panel's thread when the utterance last started has ended.
  void SetSpeechEndHandler(std::function<void()> handler) { speechEnded_ = std::move(handler); }

  bool VoiceAvailable() override;
  bool StartSpeaking(const std::string& text, int rate, int volume) override;
  bool StartPlaying(const FilePath& path) override;
  void StopPrompt() override;
  // The voice's events arrive at a message-only window of this object's.
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static constexpr UINT kVoiceEventMessage = WM_APP + 2;
  void TakeVoiceEvents();
  void PurgeVoice();

  bool comStarted_ = false;
  OwnedWindow window_;
  OwnedInterface<ISpVoice> voice_;
  bool voiceTried_ = false;
  bool voiceRefuses_ = false;
  bool speaking_ = false;       // an utterance may still be heard
  ULONG streamNumber_ = 0;      // the utterance whose end the panel waits for
  long rate_ = 0;
  USHORT volume_ = 100;
  std::wstring text_;  // kept, so a step converts without allocating
  std::wstring path_;
  std::function<void()> speechEnded_;
};

}  // namespace sorvane::win32
