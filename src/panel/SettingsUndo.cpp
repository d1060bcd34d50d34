// Going back to earlier settings: the menu lists what the history kept, with
// what each would change, and choosing one applies and saves it.
#include "panel/PanelForm.h"
#include "settings/SettingsHistory.h"

namespace sorvane {

namespace {

// A menu shows "&" as the access key and a tab as a column: text from the
// file shows as it is.
std::string MenuText(const std::string& text) {
  std::string shown;
  for (char c : text) {
    if (c == '&') shown += '&';
    shown += c == '\t' ? ' ' : c;
  }
  return shown;
}

std::optional<PanelSettings> ReadEarlier(Platform& platform, const FilePath& path) {
  // Read once, never waited for: the menu is opening.
  const FileRead read = platform.files.ReadWholeFile(path);
  if (read.status != FileRead::Status::kRead) return std::nullopt;
  const SettingsText file = DecodeSettingsText(read.contents, platform.text);
  if (file.status != FileRead::Status::kRead) return std::nullopt;
  return ReadPanelSettings(IniFile(file.text), &file, platform.text, platform.desktop.DesktopWindowRect());
}

}  // namespace

void PanelForm::SaveNow() {
  const SettingsPlace::SaveOutcome outcome = SaveSettings();
  if (outcome == SettingsPlace::SaveOutcome::kSaved || outcome == SettingsPlace::SaveOutcome::kHeldBack) return;
  platform_.log.Write(ReadableText(settingsPlace.SettingsFile(), platform_.text) + " に書き込めません（" +
                      settingsPlace.SaveProblem() + "）");
}

void PanelForm::ListEarlierSettings() {
  earlierSettings.clear();
  const std::vector<HistoryEntry> entries = ListHistory(platform_, settingsPlace.SettingsFile());
  const PanelSettings now = ShownSettings();
  for (int index = 0; index < kSettingsKeptInHistory; ++index) {
    MenuItem& item = menu.Item(PanelMenu::EarlierSettingsItem(index));
    item.hidden = static_cast<std::size_t>(index) >= entries.size();
    if (item.hidden) continue;
    const HistoryEntry& entry = entries[static_cast<std::size_t>(index)];
    const std::optional<PanelSettings> then = ReadEarlier(platform_, entry.path);
    item.caption = MenuText(then ? HistoryCaption(entry, SettingsDifferences(now, *then))
                                 : entry.savedAt + Text(TextId::HistoryUnreadable));
    earlierSettings.push_back({entry.path, then.has_value()});
  }
}

void PanelForm::EarlierSettingsClick(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= earlierSettings.size()) return;
  const FilePath path = earlierSettings[static_cast<std::size_t>(index)].path;
  std::optional<PanelSettings> earlier = ReadEarlier(platform_, path);
  if (!earlier) {
    platform_.log.Write("設定の履歴 " + ReadableText(path, platform_.text) + " を読み込めません");
    return;
  }
  // The settings as they are now are kept first, so that this too can be undone.
  SaveNow();
  const PanelSettings now = ShownSettings();
  earlier->topLeft = now.topLeft;
  earlier->joyToKeyFolder = now.joyToKeyFolder;
  ApplyEarlierSettings(*earlier);
  SaveNow();
  platform_.log.Write("設定を " + ReadableText(path, platform_.text) + " の内容に戻しました");
}

void PanelForm::ApplyEarlierSettings(const PanelSettings& earlier) {
  // Nothing may stay held at JoyToKey across the change of layout.
  scanner().ReleaseHeldButton();
  ScanState& s = scan();
  options = earlier.options;
  s.secondStick = earlier.secondStick;
  s.pausePosition = earlier.pausePosition;
  recorder.SetOn(earlier.recordOn);
  launcher.restartWhenGone = earlier.restartJoyToKey;
  appearance = earlier.appearance;
  if (nameEditor != nullptr) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      nameEditor->Edit(SlotButtonNumber(slot)).caption = earlier.names[slot];
    }
  }
  panelScale = earlier.panelScale;
  ApplyScale();
  switchOptions = earlier.switchOptions;
  ApplySwitchOptions();
  speaker.SetOptions(earlier.voice);
  s.subButtonCount = earlier.subButtonCount;
  s.method = earlier.method;
  // Laid out afresh, as a button count chosen in the menu: first stick, first position.
  scanner().ShowButtons(earlier.buttonCount);
  ShowActiveStick();
  ShowStickNames();
  driver.RestartTicks();
  SetScanSpeed(earlier.intervalSeconds);
  ApplyScanMethod();
}

}  // namespace sorvane
