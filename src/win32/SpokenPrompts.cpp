#include "win32/SpokenPrompts.h"

#include <mmsystem.h>

#include "win32/WindowClass.h"

namespace sorvane::win32 {

namespace {

constexpr ULONGLONG EventInterest(SPEVENTENUM event) {
  // The speech API wants its two reserved events in every interest mask.
  return (1ULL << event) | (1ULL << SPEI_RESERVED1) | (1ULL << SPEI_RESERVED2);
}

void FreeEventParameter(SPEVENT& event) {
  switch (event.elParamType) {
    case SPET_LPARAM_IS_OBJECT:
    case SPET_LPARAM_IS_TOKEN:
      if (event.lParam != 0) reinterpret_cast<IUnknown*>(event.lParam)->Release();
      break;
    case SPET_LPARAM_IS_POINTER:
    case SPET_LPARAM_IS_STRING:
      CoTaskMemFree(reinterpret_cast<void*>(event.lParam));
      break;
    default:
      break;
  }
}

// Converts into out, whose capacity is kept from one prompt to the next.
void WideInto(const std::string& cp932, std::wstring& out) {
  constexpr UINT kShiftJis = 932;
  const int length = MultiByteToWideChar(kShiftJis, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
  out.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  if (length > 0) MultiByteToWideChar(kShiftJis, 0, cp932.data(), static_cast<int>(cp932.size()), out.data(), length);
}

}  // namespace

SpokenPrompts::SpokenPrompts() {
  const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  comStarted_ = SUCCEEDED(started);
  RegisterOwnedClass<SpokenPrompts>(L"SorvaneVoice", nullptr);
  window_.Reset(CreateWindowExW(0, L"SorvaneVoice", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), this));
}

SpokenPrompts::~SpokenPrompts() {
  PlaySoundW(nullptr, nullptr, 0);
  if (voice_) PurgeVoice();
  voice_.Reset();
  window_.Reset();
  if (comStarted_) CoUninitialize();
}

LRESULT SpokenPrompts::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kVoiceEventMessage) {
    TakeVoiceEvents();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool SpokenPrompts::VoiceAvailable() {
  if (voiceTried_) return voice_ && !voiceRefuses_;
  voiceTried_ = true;
  ISpVoice* voice = nullptr;
  if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, reinterpret_cast<void**>(&voice))) ||
      voice == nullptr) {
    return false;
  }
  voice_.Reset(voice);
  const ULONGLONG interest = EventInterest(SPEI_END_INPUT_STREAM);
  if (FAILED(voice_.get()->SetNotifyWindowMessage(window_.get(), kVoiceEventMessage, 0, 0)) ||
      FAILED(voice_.get()->SetInterest(interest, interest)) ||
      // Asked to say nothing, a voice that cannot speak says so now rather
      // than at the first step.
      FAILED(voice_.get()->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr))) {
    voiceRefuses_ = true;
    return false;
  }
  voice_.get()->GetRate(&rate_);
  voice_.get()->GetVolume(&volume_);
  return true;
}

bool SpokenPrompts::StartSpeaking(const std::string& text, int rate, int volume) {
  if (!VoiceAvailable()) return false;
  PlaySoundW(nullptr, nullptr, 0);
  ISpVoice& voice = *voice_.get();
  if (rate != rate_ && SUCCEEDED(voice.SetRate(rate))) rate_ = rate;
  if (volume != volume_ && SUCCEEDED(voice.SetVolume(static_cast<USHORT>(volume)))) volume_ = static_cast<USHORT>(volume);
  WideInto(text, text_);
  ULONG stream = 0;
  if (FAILED(voice.Speak(text_.c_str(), SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, &stream))) {
    voiceRefuses_ = true;
    speaking_ = false;
    return false;
  }
  streamNumber_ = stream;
  speaking_ = true;
  return true;
}

bool SpokenPrompts::StartPlaying(const FilePath& path) {
  if (speaking_) PurgeVoice();
  // An asynchronous PlaySound succeeds for a file that is not there: the
  // file is looked for first, one attribute read a step.
  path_.assign(path.Utf16().begin(), path.Utf16().end());
  const wchar_t* file = path_.c_str();
  const DWORD attributes = GetFileAttributesW(file);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    PlaySoundW(nullptr, nullptr, 0);
    return false;
  }
  return PlaySoundW(file, nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT) != FALSE;
}

void SpokenPrompts::StopPrompt() {
  PlaySoundW(nullptr, nullptr, 0);
  if (speaking_) PurgeVoice();
}

void SpokenPrompts::PurgeVoice() {
  speaking_ = false;
  streamNumber_ = 0;
  voice_.get()->Speak(nullptr, SPF_ASYNC | SPF_PURGEBEFORESPEAK, nullptr);
}

void SpokenPrompts::TakeVoiceEvents() {
  if (!voice_) return;
  bool ended = false;
  SPEVENT event{};
  ULONG fetched = 0;
  while (voice_.get()->GetEvents(1, &event, &fetched) == S_OK && fetched == 1) {
    // A purged utterance ends too: only the one the panel waits for counts.
    if (event.eEventId == SPEI_END_INPUT_STREAM && speaking_ && event.ulStreamNum == streamNumber_) {
      speaking_ = false;
      ended = true;
    }
    FreeEventParameter(event);
  }
  if (ended && speechEnded_) speechEnded_();
}

}  // namespace sorvane::win32
