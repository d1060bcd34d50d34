#include "settings/PanelSettings.h"

#include <algorithm>

#include "settings/ValueForms.h"

namespace sorvane {

namespace {

const char* const kJoyToKeySection = "UseJoyToKey";
const char* const kFolderKey = "所在フォルダー";
const char* const kVerticalSection = "起動時の縦座標";
const char* const kHorizontalSection = "起動時の横座標";
const char* const kSwitchSection = "Switch";
const char* const kScanSection = "Scan";
const char* const kVoiceSection = "Voice";

std::string Key(const char* family, int buttonNumber) { return family + std::to_string(buttonNumber); }

// The leading integer of the value, or of fallback when there is none; text
// that does not begin with one reads as 0.
std::int32_t LeadingInteger(const IniFile& ini, const char* section, const char* key, const char* fallback) {
  return ReadLeadingInteger(ini.ReadString(section, key, fallback));
}

// The value when it is a whole integer, else fallback.
std::int32_t WholeIntegerOr(const IniFile& ini, const char* section, const std::string& key,
                            std::int32_t fallback) {
  if (!ini.HasKey(section, key)) return fallback;
  return ReadWholeInteger(ini.ReadString(section, key, "")).value_or(fallback);
}

const char* OnOff(bool on) { return on ? "1" : "0"; }

SwitchOptions ReadSwitchOptions(const IniFile& ini) {
  SwitchOptions chosen;
  const auto read = [&ini](const OptionRange& range) {
    return HoldInRange(LeadingInteger(ini, kSwitchSection, range.key, "0"), range);
  };
  chosen.key = read(kKeyRange);
  chosen.acceptTime = read(kAcceptTimeRange);
  chosen.ignoreRepeatMilliseconds = read(kIgnoreRepeatRange);
  chosen.firstPause = read(kFirstPauseRange);
  chosen.quietCyclesBeforeRest = read(kLoopsRange);
  chosen.key2 = read(kKey2Range);
  // Read as 0, a dwell time that is no number at all would be held to the
  // shortest and select before the user could tap again: it keeps its default.
  const std::string dwellText = ini.ReadString(kScanSection, kDwellTimeRange.key, "");
  const std::int32_t dwell = ReadLeadingInteger(dwellText);
  const bool noNumber = dwell == 0 && !ReadWholeInteger(dwellText);
  chosen.selectingPause = noNumber ? SwitchOptions{}.selectingPause : HoldInRange(dwell, kDwellTimeRange);
  chosen.stuckAfterSeconds = read(kStuckAfterRange);
  chosen.mouseButton = read(kMouseButtonRange);
  chosen.mouseButton2 = read(kMouseButton2Range);
  // Nothing readable keeps the default, as for the dwell time: held to the
  // shortest, a pause would end at the first slow press.
  const std::string holdText = ini.ReadString(kScanSection, kResumeHoldRange.key, "");
  const std::int32_t hold = ReadLeadingInteger(holdText);
  const bool holdNoNumber = hold == 0 && !ReadWholeInteger(holdText);
  chosen.resumeHold = holdNoNumber ? SwitchOptions{}.resumeHold : HoldInRange(hold, kResumeHoldRange);
  return chosen;
}

VoiceOptions ReadVoiceOptions(const IniFile& ini) {
  const auto read = [&ini](const char* key, const char* fallback, std::int32_t low, std::int32_t high) {
    return std::clamp<std::int32_t>(LeadingInteger(ini, kVoiceSection, key, fallback), low, high);
  };
  VoiceOptions voice;
  voice.mode = static_cast<VoiceMode>(read("Mode", "0", 0, 2));
  voice.waitForPrompt = read("Wait", "0", 0, 1) != 0;
  voice.rate = read("Rate", "0", -10, 10);
  voice.volume = read("Volume", "100", 0, 100);
  return voice;
}

void ReadButtonFonts(const IniFile& ini, PanelSettings& settings) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int n = SlotButtonNumber(slot);
    ButtonAppearance& look = settings.appearance[slot];
    look.fontStyle = static_cast<std::uint8_t>(WholeIntegerOr(ini, "BtnFont", Key("FontStyle", n), 0) & 0xFF);
    look.fontSize = WholeIntegerOr(ini, "BtnFont", Key("FontSize", n), 11);
    look.fontPitch = WholeIntegerOr(ini, "BtnFont", Key("FontPitch", n), 0);
    const std::string colorText = ini.ReadString("BtnFont", Key("FontColor", n), "clWindowText");
    if (const auto fontColor = ReadColorText(colorText)) {
      look.fontColor = *fontColor;
    } else {
      // A carer's typing slip costs this one key its default, never the rest
      // of the file.
      settings.unreadableFontColors.push_back(colorText);
      look.fontColor = colors::kWindowText;
    }
    look.fontName = ini.ReadString("BtnFont", Key("FontName", n), kUiFontFace);
  }
}

}  // namespace

Language ReadLanguage(const IniFile& ini) { return LanguageOfCode(ini.ReadString("Panel", "Language", "ja")); }

std::string DefaultButtonName(int buttonNumber) { return DefaultButtonName(buttonNumber, CurrentLanguage()); }

std::string DefaultButtonName(int buttonNumber, Language language) {
  if (buttonNumber >= 1 && buttonNumber <= 8) {
    return TextIn(language, static_cast<TextId>(static_cast<int>(TextId::DefaultButtonName1) + buttonNumber - 1));
  }
  return FillText(TextIn(language, TextId::DefaultButtonName), {std::to_string(buttonNumber)});
}

bool IsDefaultButtonName(const std::string& name, int buttonNumber) {
  for (int language = 0; language < kLanguageCount; ++language) {
    if (name == DefaultButtonName(buttonNumber, static_cast<Language>(language))) return true;
  }
  return false;
}

std::u16string ReadJoyToKeyFolder(const SettingsText& file, TextCodec& codec) {
  return ReadUnicodeValue(file, codec, kJoyToKeySection, kFolderKey);
}

bool WriteJoyToKeyFolder(IniFile& ini, SettingsText& file, TextCodec& codec, std::u16string_view folder) {
  return WriteUnicodeValue(ini, file, codec, kJoyToKeySection, kFolderKey, folder);
}

std::vector<char32_t> UnholdableOutsideJoyToKeyFolder(const SettingsText& file, TextCodec& codec) {
  return UnholdableOutside(file, codec, kJoyToKeySection, kFolderKey);
}

PanelSettings ReadPanelSettings(const IniFile& ini, const SettingsText* file, TextCodec& codec,
                                const ScreenRect& desktop) {
  PanelSettings settings;
  settings.language = ReadLanguage(ini);
  if (file != nullptr) settings.joyToKeyFolder = ReadJoyToKeyFolder(*file, codec);
  // A count no layout shows would leave an empty strip whose presses go to
  // buttons nobody sees: the counts are held to 1 to 8.
  settings.buttonCount = std::clamp<std::int32_t>(LeadingInteger(ini, "ScanMax", "ScanMax", "4"), 1, 8);
  settings.subButtonCount = std::clamp<std::int32_t>(LeadingInteger(ini, "SubScan", "SubScan", "4"), 1, 8);
  const std::string intervalText = ini.ReadString("Interval", "ScanTimer", "2");
  settings.intervalSeconds = ReadIntervalSeconds(intervalText);
  // Saved at close as the default, it is reported this once.
  if (ReadSeconds(intervalText) > kLongestIntervalSeconds) settings.tooLongInterval = intervalText;

  const auto on = [&ini](const char* section, bool byDefault) {
    return LeadingInteger(ini, section, "ON", byDefault ? "1" : "0") != 0;
  };
  settings.options.singleDisplay = on("SingleDsp", false);
  settings.options.namesShown = on("BtnNameOn", true);
  settings.options.clickSound = on("Sound", true);
  settings.options.cursorChase = on("Oikake", false);
  settings.secondStick = on("JoyStickID", false);
  settings.recordOn = on("Record", false);
  settings.restartJoyToKey = LeadingInteger(ini, "JoyToKey", "Restart", "1") != 0;

  settings.topLeft.y = WholeIntegerOr(ini, kVerticalSection, "YPOS", (desktop.bottom - desktop.top) / 2);
  settings.topLeft.x = WholeIntegerOr(ini, kHorizontalSection, "XPOS", (desktop.right - desktop.left) / 2);

  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int n = SlotButtonNumber(slot);
    settings.appearance[slot].color =
        static_cast<ColorValue>(ReadLeadingInteger(ini.ReadString("BtnColor", Key("Btn", n) + "Color", "65535")));
    const std::string name = ini.ReadString("BtnName", Key("Name", n), DefaultButtonName(n, settings.language));
    settings.names[slot] = IsDefaultButtonName(name, n) ? DefaultButtonName(n, settings.language) : name;
  }
  ReadButtonFonts(ini, settings);
  const int scale = WholeIntegerOr(ini, "PanelScale", "Scale", 1);
  settings.panelScale = scale >= 1 && scale <= kMaxPanelScale ? scale : 1;
  settings.switchOptions = ReadSwitchOptions(ini);
  // A method nobody chose, from a newer version or a slip of the hand, would
  // leave the user with a switch that does something unexpected: only the
  // numbers of a known method are taken, anything else is the automatic scan.
  const std::int32_t method = LeadingInteger(ini, kScanSection, "Method", "0");
  settings.method = method >= 0 && method <= 3 ? static_cast<ScanMethodId>(method) : ScanMethodId::kAutomatic;
  settings.options.idleCaptions = LeadingInteger(ini, kScanSection, "IdleCaptions", "0") != 0;
  settings.pausePosition = LeadingInteger(ini, kScanSection, "PausePosition", "0") != 0;
  settings.voice = ReadVoiceOptions(ini);
  return settings;
}

void WritePanelSettings(const PanelSettings& settings, IniFile& ini, SettingsText& file, TextCodec& codec) {
  if (!WriteJoyToKeyFolder(ini, file, codec, settings.joyToKeyFolder)) {
    // A file that cannot become UTF-8 cannot hold the folder: the next start
    // searches for it rather than launching from a folder that is not there.
    ini.WriteString(kJoyToKeySection, kFolderKey, "");
  }
  const PanelOptions& options = settings.options;
  ini.WriteString("ScanMax", "ScanMax", WriteInteger(settings.buttonCount));
  ini.WriteString("SubScan", "SubScan", WriteInteger(settings.subButtonCount));
  ini.WriteString("Interval", "ScanTimer", WriteSeconds(settings.intervalSeconds));
  ini.WriteString("SingleDsp", "ON", OnOff(options.singleDisplay));
  ini.WriteString("Sound", "ON", OnOff(options.clickSound));
  ini.WriteString("Oikake", "ON", OnOff(options.cursorChase));
  ini.WriteString("JoyStickID", "ON", OnOff(settings.secondStick));
  ini.WriteString(kVerticalSection, "YPOS", WriteInteger(settings.topLeft.y));
  ini.WriteString(kHorizontalSection, "XPOS", WriteInteger(settings.topLeft.x));
  for (int slot = 0; slot < kSlotCount; ++slot) {
    ini.WriteString("BtnColor", Key("Btn", SlotButtonNumber(slot)) + "Color",
                    WriteInteger(static_cast<std::int32_t>(settings.appearance[slot].color)));
  }
  ini.WriteString("BtnNameOn", "ON", OnOff(options.namesShown));
  for (int slot = 0; slot < kSlotCount; ++slot) {
    ini.WriteString("BtnName", Key("Name", SlotButtonNumber(slot)), WriteText(settings.names[slot]));
  }
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int n = SlotButtonNumber(slot);
    const ButtonAppearance& look = settings.appearance[slot];
    ini.WriteString("BtnFont", Key("FontStyle", n), WriteInteger(look.fontStyle));
    ini.WriteString("BtnFont", Key("FontSize", n), WriteInteger(look.fontSize));
    ini.WriteString("BtnFont", Key("FontPitch", n), WriteInteger(look.fontPitch));
    ini.WriteString("BtnFont", Key("FontColor", n), WriteColorText(look.fontColor));
    ini.WriteString("BtnFont", Key("FontName", n), WriteText(look.fontName));
  }
  ini.WriteString("バージョン", "Ver", settings.version);
  ini.WriteString("PanelScale", "Scale", WriteInteger(settings.panelScale));
  const SwitchOptions& chosen = settings.switchOptions;
  ini.WriteString(kSwitchSection, kKeyRange.key, WriteInteger(chosen.key));
  ini.WriteString(kSwitchSection, kAcceptTimeRange.key, WriteInteger(chosen.acceptTime));
  ini.WriteString(kSwitchSection, kIgnoreRepeatRange.key, WriteInteger(chosen.ignoreRepeatMilliseconds));
  ini.WriteString(kSwitchSection, kFirstPauseRange.key, WriteInteger(chosen.firstPause));
  ini.WriteString(kSwitchSection, kLoopsRange.key, WriteInteger(chosen.quietCyclesBeforeRest));
  ini.WriteString(kSwitchSection, kKey2Range.key, WriteInteger(chosen.key2));
  ini.WriteString(kScanSection, "Method", WriteInteger(static_cast<std::int32_t>(settings.method)));
  ini.WriteString(kScanSection, kDwellTimeRange.key, WriteInteger(chosen.selectingPause));
  ini.WriteString(kScanSection, "IdleCaptions", OnOff(options.idleCaptions));
  ini.WriteString(kScanSection, "PausePosition", OnOff(settings.pausePosition));
  ini.WriteString(kScanSection, kResumeHoldRange.key, WriteInteger(chosen.resumeHold));
  ini.WriteString(kSwitchSection, kStuckAfterRange.key, WriteInteger(chosen.stuckAfterSeconds));
  ini.WriteString(kSwitchSection, kMouseButtonRange.key, WriteInteger(chosen.mouseButton));
  ini.WriteString(kSwitchSection, kMouseButton2Range.key, WriteInteger(chosen.mouseButton2));
  ini.WriteString(kVoiceSection, "Mode", WriteInteger(static_cast<std::int32_t>(settings.voice.mode)));
  ini.WriteString(kVoiceSection, "Wait", OnOff(settings.voice.waitForPrompt));
  ini.WriteString(kVoiceSection, "Rate", WriteInteger(settings.voice.rate));
  ini.WriteString(kVoiceSection, "Volume", WriteInteger(settings.voice.volume));
  ini.WriteString("Record", "ON", OnOff(settings.recordOn));
  ini.WriteString("JoyToKey", "Restart", OnOff(settings.restartJoyToKey));
  ini.WriteString("Panel", "Language", LanguageCode(settings.language));
}

}  // namespace sorvane
