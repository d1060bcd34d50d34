// The settings file as it was before its last saves: each file a save
// replaces is kept in History\ beside it, the last ten of them, so that a
// carer can go back to any of them.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "settings/PanelSettings.h"

namespace sorvane {

constexpr int kSettingsKeptInHistory = 10;

// "C:\Sorvane\History\" for "C:\Sorvane\Sorvane.ini".
FilePath HistoryFolderOf(const FilePath& settingsFile);

// Keeps replaced, the bytes settingsFile holds before a save replaces them, as
// History\Sorvane-YYYYMMDD-HHMMSS.ini (-2, -3... within one second), and drops
// the oldest beyond kSettingsKeptInHistory. A history that cannot be written
// is logged; the save goes on without it.
void KeepInHistory(Platform& platform, const FilePath& settingsFile, const std::string& replaced);

struct HistoryEntry {
  FilePath path;
  std::string savedAt;  // "2026-12-09 14:05:31", as the file's name gives it
};

// What the history holds, newest first.
std::vector<HistoryEntry> ListHistory(Platform& platform, const FilePath& settingsFile);

// What going from now to then would change, in the carer's words, in the
// order of the menu ("スキャン速度 2.0 → 3.0"). The window's position and the
// JoyToKey folder are left out: the history never brings them back.
std::vector<std::string> SettingsDifferences(const PanelSettings& now, const PanelSettings& then);

// "2026-12-09 14:05:31  スキャン速度 5.0 → 3.0、ボタン数 4 → 6": up to three
// differences, then how many more.
std::string HistoryCaption(const HistoryEntry& entry, const std::vector<std::string>& differences);

}  // namespace sorvane
