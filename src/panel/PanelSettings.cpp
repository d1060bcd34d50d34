// The panel's settings: everything is read when the panel is created and
// written back when it closes.
#include <algorithm>
#include <vector>

#include "panel/PanelForm.h"
#include "settings/IniFile.h"
#include "settings/SettingsFile.h"
#include "settings/ValueForms.h"

namespace sorvane {

namespace {

const char* const kVerticalSection = "起動時の縦座標";
const char* const kHorizontalSection = "起動時の横座標";
const char* const kFolderKey = "所在フォルダー";
const char* const kSwitchSection = "Switch";
const char* const kScanSection = "Scan";
const char* const kVoiceSection = "Voice";

std::string Key(const char* family, int buttonNumber) { return family + std::to_string(buttonNumber); }

std::int32_t Lenient(const IniFile& ini, const char* section, const char* key, const char* fallback) {
  return ReadLenientInteger(ini.ReadString(section, key, fallback));
}

std::int32_t Strict(const IniFile& ini, const char* section, const std::string& key,
                    std::int32_t fallback) {
  if (!ini.HasKey(section, key)) return fallback;
  return ReadStrictInteger(ini.ReadString(section, key, "")).value_or(fallback);
}

}  // namespace

void PanelForm::PlaceFiles() {
  programFolder = platform_.process.ProgramFolder();
  clickSoundFile = programFolder + kClickSoundFile;
  helpFile = programFolder + kHelpFile;
  settingsFolder = programFolder;
  // A panel in Program Files, or on a locked-down machine, keeps its settings
  // with the user who runs it.
  bool roaming = false;
  if (programFolder.empty() || !platform_.files.FolderWritable(programFolder)) {
    const std::string roamingData = platform_.files.RoamingDataFolder();
    const std::string ownFolder = roamingData + "Sorvane\\";
    if (!roamingData.empty() && platform_.files.MakeFolder(ownFolder)) {
      settingsFolder = ownFolder;
      roaming = true;
    }
  }
  settingsFile = settingsFolder + kSettingsFileName;
  siblingSettingsFile = settingsFolder + kSiblingSettingsFileName;
  recorder.file().UseFile(settingsFolder + kRecordFileName);
  platform_.log.UseFile(settingsFolder + kLogFileName);
  const bool firstStartHere = platform_.files.ReadWholeFile(settingsFile).status == FileRead::Status::kMissing;
  if (!firstStartHere) return;
  CarryOverSettings();
  if (roaming) {
    platform_.log.Write("設定の保存先: " + settingsFolder);
    platform_.dialogs.ShowMessage(handle,
                                  "Sorvane のフォルダー（" + programFolder +
                                      "）には書き込めないため、設定は次のフォルダーに保存します:\n" + settingsFolder,
                                  kApplicationTitle, kInformationBoxStyle);
  }
}

void PanelForm::CarryOverSettings() {
  // Beside the program a settings file waits when its folder has become
  // unwritable; in the working folder, when an earlier version was started
  // from elsewhere.
  std::vector<std::string> earlier;
  if (settingsFolder != programFolder) earlier.push_back(programFolder + kSettingsFileName);
  earlier.push_back(std::string(".\\") + kSettingsFileName);
  for (const std::string& path : earlier) {
    const FileRead read = ReadHeldFile(platform_, path);
    if (read.status == FileRead::Status::kMissing) continue;
    if (read.status == FileRead::Status::kUnreadable) {
      HoldBackSettings(path, "ほかのプログラムが使用中かもしれません");
      return;
    }
    // Carried byte for byte: its encoding and the carer's own lines with it.
    if (platform_.files.ReplaceWholeFile(settingsFile, read.contents) == FileWrite::kWritten) {
      platform_.log.Write(path + " の設定を " + settingsFile + " に引き継ぎました");
    } else {
      platform_.log.Write(path + " の設定を " + settingsFile + " に引き継げませんでした");
    }
    return;
  }
}

void PanelForm::HoldBackSettings(const std::string& path, const char* reason) {
  // Defaults written over weeks of a carer's settings would be worse than
  // losing this run's changes: nothing is saved from now on.
  settingsHeldBack = true;
  platform_.log.Write(path + " を読み込めません（" + reason + "）。既定の設定で動作し、保存しません");
  platform_.dialogs.ShowMessage(
      handle,
      path + " を読み込めません（" + reason + "）。\n"
             "設定は読み込まれず、この起動では既定の設定で動作します。終了時にも設定は保存されません。",
      kErrorCaption, kWarningBoxStyle);
}

void PanelForm::LoadSettings() {
  const auto read = ReadSettingsFile();
  const IniFile ini = read ? IniFile(read->text) : IniFile();
  ScanState& s = scan();
  joyToKeyFolder = read ? ReadUnicodeValue(*read, platform_.text, "UseJoyToKey", kFolderKey) : std::u16string();
  // A count no layout shows would leave an empty strip whose presses go to
  // buttons nobody sees: the counts are held to 1 to 8.
  s.buttonCount = std::clamp<std::int32_t>(Lenient(ini, "ScanMax", "ScanMax", "4"), 1, 8);
  LayoutButtons(s.buttonCount);
  s.subButtonCount = std::clamp<std::int32_t>(Lenient(ini, "SubScan", "SubScan", "4"), 1, 8);
  const std::string intervalText = ini.ReadString("Interval", "ScanTimer", "2");
  s.intervalSeconds = ReadIntervalSeconds(intervalText);
  if (ReadSeconds(intervalText) > kLongestIntervalSeconds) {
    // Saved at close as the default, it is reported this once.
    platform_.dialogs.ShowMessage(handle,
                                  "[Interval] ScanTimer=" + intervalText +
                                      " は走査の間隔（秒）として長すぎます（60 秒まで）。\n既定の 2 秒で走査します。",
                                  kErrorCaption, kWarningBoxStyle);
  }
  scanner().ApplyTiming();

  const auto on = [&ini](const char* section, bool byDefault) {
    return Lenient(ini, section, "ON", byDefault ? "1" : "0") != 0;
  };
  options.singleDisplay = on("SingleDsp", false);
  options.namesShown = on("BtnNameOn", true);
  options.clickSound = on("Sound", true);
  options.cursorChase = on("Oikake", false);
  s.secondStick = on("JoyStickID", false);
  recorder.SetOn(on("Record", false));

  const ScreenRect desktop = platform_.desktop.DesktopWindowRect();
  top = Strict(ini, kVerticalSection, "YPOS", (desktop.bottom - desktop.top) / 2);
  left = Strict(ini, kHorizontalSection, "XPOS", (desktop.right - desktop.left) / 2);

  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string key = Key("Btn", SlotButtonNumber(slot)) + "Color";
    appearance[slot].color = static_cast<ColorValue>(
        ReadLenientInteger(ini.ReadString("BtnColor", key, "65535")));
  }
  for (int k = 1; k <= 8; ++k) {
    Button(k).caption = ini.ReadString("BtnName", Key("Name", k), DefaultButtonName(k));
  }
  LoadButtonAppearance(ini);
  const int scale = Strict(ini, "PanelScale", "Scale", 1);
  panelScale = scale >= 1 && scale <= kMaxPanelScale ? scale : 1;
  const int monitorDpi = platform_.desktop.MonitorNearest(Bounds()).dpi;
  if (monitorDpi > 0) dpi = monitorDpi;
  ApplyScale();
  LoadSwitchOptions(ini);
  LoadScanOptions(ini);
  LoadVoiceOptions(ini);

  driver.Start();
  scanner().ShowLayout();
  scanner().ApplyTiming();
  driver.Start();  // whatever way of scanning laid the strip out
  // Last: the method starts the scan its own way over the layout just shown.
  ApplyScanMethod();
}

void PanelForm::LoadSwitchOptions(const IniFile& ini) {
  SwitchOptions& chosen = switchOptions;
  const auto read = [&ini](const OptionRange& range) {
    return HoldInRange(Lenient(ini, kSwitchSection, range.key, "0"), range);
  };
  chosen.key = read(kKeyRange);
  chosen.acceptTime = read(kAcceptTimeRange);
  chosen.ignoreRepeat = read(kIgnoreRepeatRange);
  chosen.firstPause = read(kFirstPauseRange);
  chosen.loops = read(kLoopsRange);
  chosen.key2 = read(kKey2Range);
  // Read as 0, a dwell time that is no number at all would be held to the
  // shortest and select before the user could tap again: it keeps its default.
  const std::string dwellText = ini.ReadString(kScanSection, kDwellTimeRange.key, "");
  const std::int32_t dwell = ReadLenientInteger(dwellText);
  const bool noNumber = dwell == 0 && !ReadStrictInteger(dwellText);
  chosen.dwellTime = noNumber ? SwitchOptions{}.dwellTime : HoldInRange(dwell, kDwellTimeRange);
  ApplySwitchOptions();
}

void PanelForm::LoadScanOptions(const IniFile& ini) {
  // A method nobody chose, from a newer version or a slip of the hand, would
  // leave the user with a switch that does something unexpected: only the
  // numbers of a known method are taken, anything else is the automatic scan.
  const std::int32_t method = Lenient(ini, kScanSection, "Method", "0");
  scan().method = method >= 0 && method <= 3 ? static_cast<ScanMethodId>(method) : ScanMethodId::kAutomatic;
  options.idleCaptions = Lenient(ini, kScanSection, "IdleCaptions", "0") != 0;
}

void PanelForm::LoadVoiceOptions(const IniFile& ini) {
  const auto read = [&ini](const char* key, const char* fallback, std::int32_t low, std::int32_t high) {
    return std::clamp<std::int32_t>(Lenient(ini, kVoiceSection, key, fallback), low, high);
  };
  VoiceOptions voice;
  voice.mode = static_cast<VoiceMode>(read("Mode", "0", 0, 2));
  voice.waitForPrompt = read("Wait", "0", 0, 1) != 0;
  voice.rate = read("Rate", "0", -10, 10);
  voice.volume = read("Volume", "100", 0, 100);
  speaker.UseFolder(settingsFolder + kVoiceFolderName + "\\");
  speaker.SetOptions(voice);
  if (voice.mode == VoiceMode::kOff) return;
  // The voice is made now, before the panel is shown, rather than in a step.
  if (voice.mode == VoiceMode::kRecordedOrVoice && !platform_.prompts.VoiceAvailable()) {
    platform_.log.Write("システムの声を使えません。録音のあるボタンだけ読み上げます");
  }
}

void PanelForm::LoadButtonAppearance(const IniFile& ini) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int n = SlotButtonNumber(slot);
    ButtonAppearance& look = appearance[slot];
    look.fontStyle =
        static_cast<std::uint8_t>(Strict(ini, "BtnFont", Key("FontStyle", n), 0) & 0xFF);
    look.fontSize = Strict(ini, "BtnFont", Key("FontSize", n), 11);
    look.fontPitch = Strict(ini, "BtnFont", Key("FontPitch", n), 0);
    const std::string colorText = ini.ReadString("BtnFont", Key("FontColor", n), "clWindowText");
    if (const auto fontColor = ReadColorText(colorText)) {
      look.fontColor = *fontColor;
    } else {
      // A carer's typing slip costs this one key its default, never the rest
      // of the file.
      platform_.dialogs.ShowMessage(handle, "'" + colorText + "' は整数ではありません",
                                    kErrorCaption, 0x10);
      look.fontColor = colors::kWindowText;
    }
    look.fontName = ini.ReadString("BtnFont", Key("FontName", n), kUiFontFace);
  }
}

std::optional<SettingsText> PanelForm::ReadSettingsFile() {
  if (settingsHeldBack) return std::nullopt;
  const SettingsText read = ReadSettingsText(platform_, settingsFile);
  if (read.status == FileRead::Status::kUnreadable) {
    HoldBackSettings(settingsFile, read.undecodable ? "文字コードを判別できません"
                                                    : "ほかのプログラムが使用中かもしれません");
    return std::nullopt;
  }
  // The JoyToKey folder is taken in its own characters: nothing of it is lost.
  const std::vector<char32_t> unholdable = UnholdableOutside(read, platform_.text, "UseJoyToKey", kFolderKey);
  if (!unholdable.empty() && !unholdableReported_) {
    unholdableReported_ = true;
    platform_.dialogs.ShowMessage(
        handle,
        settingsFile + " に、この表示盤では扱えない文字があります:\n" +
            DescribeCharacters(unholdable) +
            "\nその文字は〓と表示します。その行を変更しない限り、ファイルの文字はそのまま残ります。",
        kErrorCaption, kWarningBoxStyle);
  }
  return read;
}

PanelForm::SaveOutcome PanelForm::SaveSettings() {
  if (settingsHeldBack) return SaveOutcome::kHeldBack;
  // The file as it is now, so that lines written by hand since the start survive.
  SettingsText current = ReadSettingsText(platform_, settingsFile);
  if (current.status == FileRead::Status::kUnreadable) return SaveOutcome::kUnreadable;
  IniFile ini(current.text);
  const ScanState& s = scan();
  const auto onOff = [](bool on) { return on ? "1" : "0"; };

  if (!WriteUnicodeValue(ini, current, platform_.text, "UseJoyToKey", kFolderKey, joyToKeyFolder)) {
    // A file that cannot become UTF-8 cannot hold the folder: the next start
    // searches for it rather than launching from a folder that is not there.
    ini.WriteString("UseJoyToKey", kFolderKey, "");
  }
  ini.WriteString("ScanMax", "ScanMax", WriteInteger(s.buttonCount));
  ini.WriteString("SubScan", "SubScan", WriteInteger(s.subButtonCount));
  ini.WriteString("Interval", "ScanTimer", WriteSeconds(s.intervalSeconds));
  ini.WriteString("SingleDsp", "ON", onOff(options.singleDisplay));
  ini.WriteString("Sound", "ON", onOff(options.clickSound));
  ini.WriteString("Oikake", "ON", onOff(options.cursorChase));
  ini.WriteString("JoyStickID", "ON", onOff(s.secondStick));
  ini.WriteString(kVerticalSection, "YPOS", WriteInteger(top));
  ini.WriteString(kHorizontalSection, "XPOS", WriteInteger(left));
  for (int slot = 0; slot < kSlotCount; ++slot) {
    ini.WriteString("BtnColor", Key("Btn", SlotButtonNumber(slot)) + "Color",
                    WriteInteger(static_cast<std::int32_t>(appearance[slot].color)));
  }
  ini.WriteString("BtnNameOn", "ON", onOff(options.namesShown));
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int n = SlotButtonNumber(slot);
    ini.WriteString("BtnName", Key("Name", n),
                    WriteText(nameEditor != nullptr ? nameEditor->Name(n) : DefaultButtonName(n)));
  }
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int n = SlotButtonNumber(slot);
    const ButtonAppearance& look = appearance[slot];
    ini.WriteString("BtnFont", Key("FontStyle", n), WriteInteger(look.fontStyle));
    ini.WriteString("BtnFont", Key("FontSize", n), WriteInteger(look.fontSize));
    ini.WriteString("BtnFont", Key("FontPitch", n), WriteInteger(look.fontPitch));
    ini.WriteString("BtnFont", Key("FontColor", n), WriteColorText(look.fontColor));
    ini.WriteString("BtnFont", Key("FontName", n), WriteText(look.fontName));
  }
  ini.WriteString("バージョン", "Ver", kApplicationTitle);
  ini.WriteString("PanelScale", "Scale", WriteInteger(panelScale));
  ini.WriteString(kSwitchSection, kKeyRange.key, WriteInteger(switchOptions.key));
  ini.WriteString(kSwitchSection, kAcceptTimeRange.key, WriteInteger(switchOptions.acceptTime));
  ini.WriteString(kSwitchSection, kIgnoreRepeatRange.key, WriteInteger(switchOptions.ignoreRepeat));
  ini.WriteString(kSwitchSection, kFirstPauseRange.key, WriteInteger(switchOptions.firstPause));
  ini.WriteString(kSwitchSection, kLoopsRange.key, WriteInteger(switchOptions.loops));
  ini.WriteString(kSwitchSection, kKey2Range.key, WriteInteger(switchOptions.key2));
  ini.WriteString(kScanSection, "Method", WriteInteger(static_cast<std::int32_t>(s.method)));
  ini.WriteString(kScanSection, kDwellTimeRange.key, WriteInteger(switchOptions.dwellTime));
  ini.WriteString(kScanSection, "IdleCaptions", onOff(options.idleCaptions));
  const VoiceOptions& voice = speaker.options();
  ini.WriteString(kVoiceSection, "Mode", WriteInteger(static_cast<std::int32_t>(voice.mode)));
  ini.WriteString(kVoiceSection, "Wait", onOff(voice.waitForPrompt));
  ini.WriteString(kVoiceSection, "Rate", WriteInteger(voice.rate));
  ini.WriteString(kVoiceSection, "Volume", WriteInteger(voice.volume));
  ini.WriteString("Record", "ON", onOff(recorder.On()));
  switch (WriteSettingsText(platform_, settingsFile, ini.Contents(), current)) {
    case FileWrite::kWritten:
      return SaveOutcome::kSaved;
    case FileWrite::kReadOnly:
      return SaveOutcome::kReadOnly;
    default:
      return SaveOutcome::kUnwritable;
  }
}

}  // namespace sorvane
