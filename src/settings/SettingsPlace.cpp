#include "settings/SettingsPlace.h"

#include <vector>

#include "text/Texts.h"
#include "settings/SettingsHistory.h"

namespace sorvane {

const char* const kSettingsFileName = "Sorvane.ini";
const char* const kLogFileName = "Sorvane.log";
const char* const kSiblingSettingsFileName = "Tramvik.ini";
const char* const kClickSoundFile = "Zoboclick.wav";
const char* const kHelpFile = "Sorvane.chm";
const char* const kEnglishHelpFile = "Sorvane-en.chm";

void SettingsPlace::Choose() {
  programFolder_ = platform_.process.ProgramFolder();
  clickSoundFile_ = programFolder_ + kClickSoundFile;
  helpFile_ = programFolder_ + kHelpFile;
  englishHelpFile_ = programFolder_ + kEnglishHelpFile;
  folder_ = programFolder_;
  // A panel in Program Files, or on a locked-down machine, keeps its settings
  // with the user who runs it.
  bool roaming = false;
  if (programFolder_.empty() || !platform_.files.FolderWritable(programFolder_)) {
    const std::string roamingData = platform_.files.RoamingDataFolder();
    const std::string ownFolder = roamingData + "Sorvane\\";
    if (!roamingData.empty() && platform_.files.MakeFolder(ownFolder)) {
      folder_ = ownFolder;
      roaming = true;
    }
  }
  settingsFile_ = folder_ + kSettingsFileName;
  siblingSettingsFile_ = folder_ + kSiblingSettingsFileName;
  platform_.log.UseFile(folder_ + kLogFileName);
  const bool firstStartHere = platform_.files.ReadWholeFile(settingsFile_).status == FileRead::Status::kMissing;
  if (!firstStartHere) return;
  CarryOver();
  if (roaming) {
    platform_.log.Write("設定の保存先: " + folder_);
    tell_(Text(TextId::SettingsElsewhere, {programFolder_, folder_}), kMessageBoxInformationOk);
  }
}

void SettingsPlace::CarryOver() {
  // Beside the program a settings file waits when its folder has become
  // unwritable; in the working folder, when an earlier version was started
  // from elsewhere.
  std::vector<std::string> earlier;
  if (folder_ != programFolder_) earlier.push_back(programFolder_ + kSettingsFileName);
  earlier.push_back(std::string(".\\") + kSettingsFileName);
  for (const std::string& path : earlier) {
    const FileRead read = ReadHeldFile(platform_, path);
    if (read.status == FileRead::Status::kMissing) continue;
    if (read.status == FileRead::Status::kUnreadable) {
      HoldBack(path, Text(TextId::ReasonMaybeInUse));
      return;
    }
    // Carried byte for byte: its encoding and the carer's own lines with it.
    if (platform_.files.ReplaceWholeFile(settingsFile_, read.contents) == FileWrite::kWritten) {
      platform_.log.Write(path + " の設定を " + settingsFile_ + " に引き継ぎました");
    } else {
      platform_.log.Write(path + " の設定を " + settingsFile_ + " に引き継げませんでした");
    }
    return;
  }
}

void SettingsPlace::HoldBack(const std::string& path, const char* reason) {
  // Defaults written over weeks of a carer's settings would be worse than
  // losing this run's changes: nothing is saved from now on.
  heldBack_ = true;
  tell_(Text(TextId::SettingsHeldBack, {path, reason}), kMessageBoxWarningOk);
}

std::optional<SettingsText> SettingsPlace::Read() {
  if (heldBack_) return std::nullopt;
  const SettingsText read = ReadSettingsText(platform_, settingsFile_);
  if (read.status == FileRead::Status::kUnreadable) {
    HoldBack(settingsFile_, Text(read.undecodable ? TextId::ReasonUndecodable : TextId::ReasonMaybeInUse));
    return std::nullopt;
  }
  // The JoyToKey folder is taken in its own characters: nothing of it is lost.
  const std::vector<char32_t> unholdable = UnholdableOutsideJoyToKeyFolder(read, platform_.text);
  if (!unholdable.empty() && !unholdableReported_) {
    unholdableReported_ = true;
    tell_(Text(TextId::SettingsUnholdable, {settingsFile_, DescribeCharacters(unholdable)}), kMessageBoxWarningOk);
  }
  return read;
}

SettingsPlace::SaveOutcome SettingsPlace::Save(const PanelSettings& settings) {
  if (heldBack_) return SaveOutcome::kHeldBack;
  const FileRead before = ReadHeldFile(platform_, settingsFile_);
  if (before.status == FileRead::Status::kUnreadable) return SaveOutcome::kUnreadable;
  SettingsText current;
  if (before.status == FileRead::Status::kRead) {
    current = DecodeSettingsText(before.contents, platform_.text);
    if (current.status == FileRead::Status::kUnreadable) return SaveOutcome::kUnreadable;
  }
  IniFile ini(current.text);
  WritePanelSettings(settings, ini, current, platform_.text);
  const auto bytes = EncodeSettingsText(ini.Contents(), current, platform_.text);
  if (!bytes) return SaveOutcome::kUnwritable;
  // The file as it was is kept for the carer to go back to; a save that
  // changes nothing keeps nothing.
  if (before.status == FileRead::Status::kRead && before.contents != *bytes) {
    KeepInHistory(platform_, settingsFile_, before.contents);
  }
  switch (platform_.files.ReplaceWholeFile(settingsFile_, *bytes)) {
    case FileWrite::kWritten:
      return SaveOutcome::kSaved;
    case FileWrite::kReadOnly:
      return SaveOutcome::kReadOnly;
    default:
      return SaveOutcome::kUnwritable;
  }
}

std::string SettingsPlace::KeepUnsaved(const PanelSettings& settings, const std::string& stamp) {
  // The carer's own lines go with the panel's where the file can be read at
  // once: the save has already waited for it.
  const FileRead read = platform_.files.ReadWholeFile(settingsFile_);
  SettingsText current;
  if (read.status == FileRead::Status::kRead) current = DecodeSettingsText(read.contents, platform_.text);
  if (current.status != FileRead::Status::kRead) current = SettingsText{};
  IniFile ini(current.text);
  WritePanelSettings(settings, ini, current, platform_.text);
  std::vector<std::string> folders{folder_};
  const std::string roamingData = platform_.files.RoamingDataFolder();
  if (!roamingData.empty() && roamingData + "Sorvane\\" != folder_) folders.push_back(roamingData + "Sorvane\\");
  for (const std::string& folder : folders) {
    if (folder != folder_ && !platform_.files.MakeFolder(folder)) continue;
    const std::string path = folder + "Sorvane-unsaved-" + stamp + ".ini";
    if (WriteSettingsText(platform_, path, ini.Contents(), current) == FileWrite::kWritten) return path;
  }
  return {};
}

}  // namespace sorvane
