#include "settings/SettingsHistory.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "record/RecordLine.h"
#include "settings/ValueForms.h"

namespace sorvane {

namespace {

const char* const kHistoryFolderName = "History";
const char* const kNamePrefix = "Sorvane-";
const char* const kNameSuffix = ".ini";

// A kept file's place in time: its stamp (YYYYMMDD-HHMMSS) and its number
// within that second (1 for the first, named without one).
struct KeptFile {
  std::string name;
  std::string stamp;
  int number = 1;
  bool operator<(const KeptFile& other) const {
    return stamp != other.stamp ? stamp < other.stamp : number < other.number;
  }
};

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
  if (text.size() < end.size()) return false;
  for (std::size_t i = 0; i < end.size(); ++i) {
    char c = text[text.size() - end.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != end[i]) return false;
  }
  return true;
}

// Sorvane-20261209-140531.ini, Sorvane-20261209-140531-2.ini; nothing for any other name.
std::optional<KeptFile> ParseKeptName(const std::string& name) {
  const std::string_view prefix = kNamePrefix;
  if (name.rfind(kNamePrefix, 0) != 0 || !EndsWithIgnoringCase(name, kNameSuffix)) return std::nullopt;
  const std::string_view middle =
      std::string_view(name).substr(prefix.size(), name.size() - prefix.size() - std::string_view(kNameSuffix).size());
  if (middle.size() < 15 || middle[8] != '-' || !AllDigits(middle.substr(0, 8)) || !AllDigits(middle.substr(9, 6))) {
    return std::nullopt;
  }
  KeptFile kept{name, std::string(middle.substr(0, 15))};
  if (middle.size() == 15) return kept;
  const std::string_view number = middle.substr(16);
  if (middle[15] != '-' || !AllDigits(number) || number.size() > 6) return std::nullopt;
  kept.number = std::stoi(std::string(number));
  return kept;
}

struct Listing {
  TextCodec* codec;
  std::vector<KeptFile> kept;
};

bool CollectKept(const FileSystem::FolderEntry& entry, void* context) {
  auto& listing = *static_cast<Listing*>(context);
  if ((entry.attributes & kDirectoryAttribute) != 0) return true;
  if (const auto name = listing.codec->ShiftJisFromUtf16(entry.name)) {
    if (auto kept = ParseKeptName(*name)) listing.kept.push_back(std::move(*kept));
  }
  return true;
}

// What the folder holds, oldest first.
std::vector<KeptFile> ListKept(Platform& platform, const FilePath& folder) {
  Listing listing{&platform.text, {}};
  platform.files.ListFolder((folder + kNamePrefix + "*" + kNameSuffix).Utf16(), &CollectKept, &listing);
  std::sort(listing.kept.begin(), listing.kept.end());
  return listing.kept;
}

// "2026-12-09 14:05:31.000" -> "20261209-140531"
std::string StampOf(std::int64_t localMilliseconds) {
  const std::string shown = FormatLocalTime(localMilliseconds);
  return shown.substr(0, 4) + shown.substr(5, 2) + shown.substr(8, 2) + "-" + shown.substr(11, 2) +
         shown.substr(14, 2) + shown.substr(17, 2);
}

// "20261209-140531" -> "2026-12-09 14:05:31"
std::string ShownStamp(const std::string& stamp) {
  return stamp.substr(0, 4) + "-" + stamp.substr(4, 2) + "-" + stamp.substr(6, 2) + " " + stamp.substr(9, 2) + ":" +
         stamp.substr(11, 2) + ":" + stamp.substr(13, 2);
}

std::string Seconds(float seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(seconds));
  std::string shown = text;
  if (shown.size() > 1 && shown.back() == '0' && shown[shown.size() - 2] != '.') shown.pop_back();
  return shown;
}

const char* OnOff(bool on) { return Text(on ? TextId::HistoryOn : TextId::HistoryOff); }

const char* MethodName(ScanMethodId method) {
  switch (method) {
    case ScanMethodId::kHoldToMove: return Text(TextId::HistoryMethodHoldToMove);
    case ScanMethodId::kTwoSwitches: return Text(TextId::HistoryMethodTwoSwitches);
    case ScanMethodId::kTapToMove: return Text(TextId::HistoryMethodTapToMove);
    default: return Text(TextId::HistoryMethodAutomatic);
  }
}

const char* VoiceModeName(VoiceMode mode) {
  switch (mode) {
    case VoiceMode::kRecorded: return Text(TextId::HistoryVoiceRecorded);
    case VoiceMode::kRecordedOrVoice: return Text(TextId::HistoryVoiceRecordedOrSystem);
    default: return Text(TextId::HistoryVoiceOff);
  }
}

std::string StyleName(std::uint8_t style) {
  static constexpr TextId kBits[] = {TextId::HistoryBold, TextId::HistoryItalic, TextId::HistoryUnderline,
                                     TextId::HistoryStrikeOut};
  std::string shown;
  for (int bit = 0; bit < 4; ++bit) {
    if ((style & (1U << bit)) == 0) continue;
    if (!shown.empty()) shown += Text(TextId::HistoryStyleJoin);
    shown += Text(kBits[bit]);
  }
  return shown.empty() ? Text(TextId::HistoryStyleRegular) : shown;
}

std::string Shown(const std::string& text) { return text.empty() ? Text(TextId::HistoryEmpty) : text; }

class Differences {
 public:
  template <typename Value, typename Show>
  void Add(const std::string& what, const Value& now, const Value& then, Show show) {
    if (!(now == then)) found.push_back(what + " " + std::string(show(now)) + " → " + show(then));
  }
  void Add(const std::string& what, std::int32_t now, std::int32_t then) {
    Add(what, now, then, [](std::int32_t value) { return std::to_string(value); });
  }
  void Add(const std::string& what, bool now, bool then) {
    Add(what, now, then, [](bool value) { return std::string(OnOff(value)); });
  }
  std::vector<std::string> found;
};

}  // namespace

FilePath HistoryFolderOf(const FilePath& settingsFile) {
  return settingsFile.Folder() + kHistoryFolderName + "\\";
}

void KeepInHistory(Platform& platform, const FilePath& settingsFile, const std::string& replaced) {
  const FilePath folder = HistoryFolderOf(settingsFile);
  std::vector<KeptFile> kept = platform.files.MakeFolder(folder) ? ListKept(platform, folder) : std::vector<KeptFile>{};
  const std::string stamp = StampOf(platform.clock.LocalMilliseconds());
  int number = 1;
  for (const KeptFile& file : kept) {
    if (file.stamp == stamp) number = std::max(number, file.number + 1);
  }
  const std::string name =
      kNamePrefix + stamp + (number > 1 ? "-" + std::to_string(number) : std::string()) + kNameSuffix;
  if (platform.files.ReplaceWholeFile(folder + name, replaced) != FileWrite::kWritten) {
    const std::string shown = ReadableText(folder, platform.text);
    platform.log.Write("設定の履歴を " + shown.substr(0, shown.size() - 1) + " に残せませんでした");
    return;
  }
  kept.push_back({name, stamp, number});
  std::sort(kept.begin(), kept.end());
  const std::size_t surplus = kept.size() > kSettingsKeptInHistory ? kept.size() - kSettingsKeptInHistory : 0;
  for (std::size_t i = 0; i < surplus; ++i) platform.files.RemoveFile(folder + kept[i].name);
}

std::vector<HistoryEntry> ListHistory(Platform& platform, const FilePath& settingsFile) {
  const FilePath folder = HistoryFolderOf(settingsFile);
  std::vector<KeptFile> kept = ListKept(platform, folder);
  std::vector<HistoryEntry> entries;
  for (auto file = kept.rbegin(); file != kept.rend(); ++file) {
    entries.push_back({folder + file->name, ShownStamp(file->stamp)});
  }
  return entries;
}

std::vector<std::string> SettingsDifferences(const PanelSettings& now, const PanelSettings& then) {
  Differences d;
  d.Add(Text(TextId::HistoryButtonCount), now.buttonCount, then.buttonCount);
  d.Add(Text(TextId::HistorySubButtonCount), now.subButtonCount, then.subButtonCount);
  d.Add(Text(TextId::HistoryScanSpeed), now.intervalSeconds, then.intervalSeconds, Seconds);
  d.Add(Text(TextId::HistorySize), now.panelScale, then.panelScale,
        [](int scale) { return "×" + std::to_string(scale); });
  d.Add(Text(TextId::HistorySingleDisplay), now.options.singleDisplay, then.options.singleDisplay);
  d.Add(Text(TextId::HistoryShowNames), now.options.namesShown, then.options.namesShown);
  d.Add(Text(TextId::HistorySound), now.options.clickSound, then.options.clickSound);
  d.Add(Text(TextId::HistoryCursorChase), now.options.cursorChase, then.options.cursorChase);
  d.Add(Text(TextId::HistorySecondStick), now.secondStick, then.secondStick);
  d.Add(Text(TextId::HistoryRecord), now.recordOn, then.recordOn);
  d.Add(Text(TextId::HistoryVoice), now.voice.mode, then.voice.mode, VoiceModeName);
  d.Add(Text(TextId::HistoryVoiceWait), now.voice.waitForPrompt, then.voice.waitForPrompt);
  d.Add(Text(TextId::HistoryVoiceRate), now.voice.rate, then.voice.rate);
  d.Add(Text(TextId::HistoryVoiceVolume), now.voice.volume, then.voice.volume);
  d.Add(Text(TextId::HistoryPausePosition), now.pausePosition, then.pausePosition);
  d.Add(Text(TextId::HistoryScanMethod), now.method, then.method, MethodName);
  d.Add(Text(TextId::HistoryIdleCaptions), now.options.idleCaptions, then.options.idleCaptions);
  const SwitchOptions& a = now.switchOptions;
  const SwitchOptions& b = then.switchOptions;
  d.Add(Text(kKeyRange.label), a.key, b.key);
  d.Add(Text(kAcceptTimeRange.label), a.acceptTime, b.acceptTime);
  d.Add(Text(kIgnoreRepeatRange.label), a.ignoreRepeatMilliseconds, b.ignoreRepeatMilliseconds);
  d.Add(Text(kFirstPauseRange.label), a.firstPause, b.firstPause);
  d.Add(Text(kLoopsRange.label), a.quietCyclesBeforeRest, b.quietCyclesBeforeRest);
  d.Add(Text(kKey2Range.label), a.key2, b.key2);
  d.Add(Text(kDwellTimeRange.label), a.selectingPause, b.selectingPause);
  d.Add(Text(kResumeHoldRange.label), a.resumeHold, b.resumeHold);
  d.Add(Text(kStuckAfterRange.label), a.stuckAfterSeconds, b.stuckAfterSeconds);
  d.Add(Text(kMouseButtonRange.label), a.mouseButton, b.mouseButton);
  d.Add(Text(kMouseButton2Range.label), a.mouseButton2, b.mouseButton2);
  d.Add(Text(TextId::HistoryRestartJoyToKey), now.restartJoyToKey, then.restartJoyToKey);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string number = std::to_string(SlotButtonNumber(slot));
    const auto button = [&number](TextId what) { return Text(what, {number}); };
    const ButtonAppearance& x = now.appearance[slot];
    const ButtonAppearance& y = then.appearance[slot];
    d.Add(button(TextId::HistoryButtonName), now.names[slot], then.names[slot], Shown);
    d.Add(button(TextId::HistoryButtonColor), x.color, y.color, WriteColorText);
    d.Add(button(TextId::HistoryButtonFontColor), x.fontColor, y.fontColor, WriteColorText);
    d.Add(button(TextId::HistoryButtonFontName), x.fontName, y.fontName, Shown);
    d.Add(button(TextId::HistoryButtonFontSize), x.fontSize, y.fontSize);
    d.Add(button(TextId::HistoryButtonFontStyle), x.fontStyle, y.fontStyle, StyleName);
    d.Add(button(TextId::HistoryButtonFontPitch), x.fontPitch, y.fontPitch);
  }
  return d.found;
}

std::string HistoryCaption(const HistoryEntry& entry, const std::vector<std::string>& differences) {
  constexpr std::size_t kShown = 3;
  std::string caption = entry.savedAt + "  ";
  if (differences.empty()) return caption + Text(TextId::HistorySameAsNow);
  for (std::size_t i = 0; i < differences.size() && i < kShown; ++i) {
    if (i > 0) caption += Text(TextId::HistoryJoin);
    caption += differences[i];
  }
  if (differences.size() > kShown) caption += Text(TextId::HistoryMore, {std::to_string(differences.size() - kShown)});
  return caption;
}

}  // namespace sorvane
