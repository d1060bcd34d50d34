// The panel's settings: everything is read when the panel is created and
// written back when it closes.
#include "panel/PanelForm.h"
#include "settings/PanelSettings.h"

namespace sorvane {

void PanelForm::TellCarer(const MessageText& text, unsigned boxStyle, BoxKind kind) {
  // What the carer saw is in the log for whoever looks into it afterwards.
  std::string line = text.Readable(platform_.text);
  for (char& c : line) {
    if (c == '\n') c = ' ';
  }
  platform_.log.Write("メッセージ: " + line);
  const char* caption = boxStyle == kMessageBoxInformationOk ? kApplicationTitle : ErrorCaption();
  boxAnswerer_.nextIsNotice = kind == BoxKind::kNotice;
  platform_.dialogs.ShowMessage(handle, text, caption, boxStyle);
  boxAnswerer_.nextIsNotice = false;
}

void PanelForm::PlaceFiles() {
  // What the start tells the carer before the settings are read (a profile
  // name refused, where they are) is in the language of the settings used.
  SetLanguage(settingsPlace.LanguageAtStart(platform_.process.Arguments()));
  settingsPlace.Choose(ProfileFromCommandLine());
  const FilePath record = settingsPlace.Folder() + kRecordFileName;
  recorder.file().UseFile(record, ReadableText(record, platform_.text));
}

void PanelForm::LoadSettings() {
  const auto read = settingsPlace.Read();
  const IniFile ini = read ? IniFile(read->text) : IniFile();
  const PanelSettings loaded =
      ReadPanelSettings(ini, read ? &*read : nullptr, platform_.text, platform_.desktop.DesktopWindowRect());
  SetLanguage(loaded.language);
  ShowLanguage();
  ScanState& s = scan();
  launcher.SetFolder(loaded.joyToKeyFolder);
  s.buttonCount = loaded.buttonCount;
  LayoutButtons(s.buttonCount);
  s.subButtonCount = loaded.subButtonCount;
  s.intervalSeconds = loaded.intervalSeconds;
  if (!loaded.tooLongInterval.empty()) {
    TellCarer(Text(TextId::IntervalTooLong, {loaded.tooLongInterval}), kMessageBoxWarningOk, BoxKind::kNotice);
  }
  scanner().ApplyTiming();

  options = loaded.options;
  s.secondStick = loaded.secondStick;
  s.pausePosition = loaded.pausePosition;
  recorder.SetOn(loaded.recordOn);
  launcher.restartWhenGone = loaded.restartJoyToKey;
  top = loaded.topLeft.y;
  left = loaded.topLeft.x;
  appearance = loaded.appearance;
  for (int k = 1; k <= 8; ++k) Button(k).caption = loaded.names[SlotIndex(k)];
  for (const std::string& colorText : loaded.unreadableFontColors) {
    TellCarer(Text(TextId::ColorNotInteger, {colorText}), kMessageBoxErrorOk, BoxKind::kNotice);
  }
  panelScale = loaded.panelScale;
  const int monitorDpi = platform_.desktop.MonitorNearest(Bounds()).dpi;
  if (monitorDpi > 0) dpi = monitorDpi;
  ApplyScale();
  switchOptions = loaded.switchOptions;
  ApplySwitchOptions();
  scan().method = loaded.method;
  speaker.UseFolder(settingsPlace.Folder() + kVoiceFolderName + "\\");
  speaker.SetOptions(loaded.voice);
  // The voice is made now, before the panel is shown, rather than in a step.
  if (loaded.voice.mode == VoiceMode::kRecordedOrVoice && !platform_.prompts.VoiceAvailable()) {
    platform_.log.Write("システムの声を使えません。録音のあるボタンだけ読み上げます");
  }

  driver.Start();
  scanner().ShowLayout();
  scanner().ApplyTiming();
  driver.Start();  // whatever way of scanning laid the strip out
  // Last: the method starts the scan its own way over the layout just shown.
  ApplyScanMethod();
}

PanelSettings PanelForm::ShownSettings() const {
  PanelSettings shown;
  const ScanState& s = scan();
  shown.joyToKeyFolder = launcher.Folder();
  shown.buttonCount = s.buttonCount;
  shown.subButtonCount = s.subButtonCount;
  shown.intervalSeconds = s.intervalSeconds;
  shown.secondStick = s.secondStick;
  shown.pausePosition = s.pausePosition;
  shown.options = options;
  shown.recordOn = recorder.On();
  shown.restartJoyToKey = launcher.restartWhenGone;
  shown.topLeft = {left, top};
  shown.appearance = appearance;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int n = SlotButtonNumber(slot);
    shown.names[slot] = nameEditor != nullptr ? nameEditor->Name(n) : DefaultButtonName(n);
  }
  shown.panelScale = panelScale;
  shown.switchOptions = switchOptions;
  shown.method = s.method;
  shown.voice = speaker.options();
  shown.version = kApplicationTitle;
  shown.language = CurrentLanguage();
  return shown;
}

SettingsPlace::SaveOutcome PanelForm::SaveSettings() { return settingsPlace.Save(ShownSettings()); }

}  // namespace sorvane
