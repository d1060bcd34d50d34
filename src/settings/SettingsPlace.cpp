#include "settings/SettingsPlace.h"

#include <vector>

#include "settings/SettingsHistory.h"

namespace sorvane {

const char* const kSettingsFileName = "Sorvane.ini";
const char* const kLogFileName = "Sorvane.log";
const char* const kSiblingSettingsFileName = "Tramvik.ini";
const char* const kClickSoundFile = "Zoboclick.wav";
const char* const kHelpFile = "Sorvane.chm";

void SettingsPlace::Choose() {
  programFolder_ = platform_.process.ProgramFilePath().Folder();
  clickSoundFile_ = programFolder_ + kClickSoundFile;
  helpFile_ = programFolder_ + kHelpFile;
  folder_ = programFolder_;
  // A panel in Program Files, or on a locked-down machine, keeps its settings
  // with the user who runs it.
  bool roaming = false;
  if (programFolder_.Empty() || !platform_.files.FolderWritable(programFolder_)) {
    const FilePath roamingData = platform_.files.RoamingDataFolder();
    const FilePath ownFolder = roamingData + "Sorvane\\";
    if (!roamingData.Empty() && platform_.files.MakeFolder(ownFolder)) {
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
    platform_.log.Write("設定の保存先: " + ReadableText(folder_, platform_.text));
    tell_(MessageText("Sorvane のフォルダー（") + programFolder_ + "）には書き込めないため、設定は次のフォルダーに保存します:\n" +
              folder_,
          kMessageBoxInformationOk);
  }
}

void SettingsPlace::CarryOver() {
  // Beside the program a settings file waits when its folder has become
  // unwritable; in the working folder, when an earlier version was started
  // from elsewhere.
  std::vector<FilePath> earlier;
  if (folder_ != programFolder_) earlier.push_back(programFolder_ + kSettingsFileName);
  earlier.push_back(FilePath(u".\\") + kSettingsFileName);
  for (const FilePath& path : earlier) {
    const FileRead read = ReadHeldFile(platform_, path);
    if (read.status == FileRead::Status::kMissing) continue;
    if (read.status == FileRead::Status::kUnreadable) {
      HoldBack(path, WhyNotRead(read.reason));
      return;
    }
    // Carried byte for byte: its encoding and the carer's own lines with it.
    if (platform_.files.ReplaceWholeFile(settingsFile_, read.contents) == FileWrite::kWritten) {
      platform_.log.Write(ReadableText(path, platform_.text) + " の設定を " + ReadableText(settingsFile_, platform_.text) +
                          " に引き継ぎました");
    } else {
      platform_.log.Write(ReadableText(path, platform_.text) + " の設定を " + ReadableText(settingsFile_, platform_.text) +
                          " に引き継げませんでした");
    }
    return;
  }
}

void SettingsPlace::HoldBack(const FilePath& path, const char* reason) {
  // Defaults written over weeks of a carer's settings would be worse than
  // losing this run's changes: nothing is saved from now on.
  heldBack_ = true;
  tell_(MessageText() + path + " を読み込めません（" + reason + "）。\n"
               "設定は読み込まれず、この起動では既定の設定で動作します。終了時にも設定は保存されません。",
        kMessageBoxWarningOk);
}

std::optional<SettingsText> SettingsPlace::Read() {
  if (heldBack_) return std::nullopt;
  const SettingsText read = ReadSettingsText(platform_, settingsFile_);
  if (read.status == FileRead::Status::kUnreadable) {
    HoldBack(settingsFile_, WhyNotRead(read));
    return std::nullopt;
  }
  // The JoyToKey folder is taken in its own characters: nothing of it is lost.
  const std::vector<char32_t> unholdable = UnholdableOutsideJoyToKeyFolder(read, platform_.text);
  if (!unholdable.empty() && !unholdableReported_) {
    unholdableReported_ = true;
    tell_(MessageText() + settingsFile_ + " に、この表示盤では扱えない文字があります:\n" + DescribeCharacters(unholdable) +
              "\nその文字は〓と表示します。その行を変更しない限り、ファイルの文字はそのまま残ります。",
          kMessageBoxWarningOk);
  }
  return read;
}

SettingsPlace::SaveOutcome SettingsPlace::Save(const PanelSettings& settings) {
  if (heldBack_) return SaveOutcome::kHeldBack;
  const FileRead before = ReadHeldFile(platform_, settingsFile_);
  if (before.status == FileRead::Status::kUnreadable) {
    saveProblem_ = WhyNotRead(before.reason);
    return SaveOutcome::kUnreadable;
  }
  SettingsText current;
  if (before.status == FileRead::Status::kRead) {
    current = DecodeSettingsText(before.contents, platform_.text);
    if (current.status == FileRead::Status::kUnreadable) {
      saveProblem_ = WhyNotRead(current);
      return SaveOutcome::kUnreadable;
    }
  }
  IniFile ini(current.text);
  WritePanelSettings(settings, ini, current, platform_.text);
  const auto bytes = EncodeSettingsText(ini.Contents(), current, platform_.text);
  if (!bytes) {
    saveProblem_ = WhyNotWritten(FileWrite::kFailed);
    return SaveOutcome::kUnwritable;
  }
  // The file as it was is kept for the carer to go back to; a save that
  // changes nothing keeps nothing.
  if (before.status == FileRead::Status::kRead && before.contents != *bytes) {
    KeepInHistory(platform_, settingsFile_, before.contents);
  }
  const FileWrite written = platform_.files.ReplaceWholeFile(settingsFile_, *bytes);
  if (written == FileWrite::kWritten) return SaveOutcome::kSaved;
  saveProblem_ = WhyNotWritten(written);
  return written == FileWrite::kReadOnly ? SaveOutcome::kReadOnly : SaveOutcome::kUnwritable;
}

FilePath SettingsPlace::KeepUnsaved(const PanelSettings& settings, const std::string& stamp) {
  // The carer's own lines go with the panel's where the file can be read at
  // once: the save has already waited for it.
  const FileRead read = platform_.files.ReadWholeFile(settingsFile_);
  SettingsText current;
  if (read.status == FileRead::Status::kRead) current = DecodeSettingsText(read.contents, platform_.text);
  if (current.status != FileRead::Status::kRead) current = SettingsText{};
  IniFile ini(current.text);
  WritePanelSettings(settings, ini, current, platform_.text);
  std::vector<FilePath> folders{folder_};
  const FilePath roamingData = platform_.files.RoamingDataFolder();
  if (!roamingData.Empty() && roamingData + "Sorvane\\" != folder_) folders.push_back(roamingData + "Sorvane\\");
  for (const FilePath& folder : folders) {
    if (folder != folder_ && !platform_.files.MakeFolder(folder)) continue;
    const FilePath path = folder + "Sorvane-unsaved-" + stamp + ".ini";
    if (WriteSettingsText(platform_, path, ini.Contents(), current) == FileWrite::kWritten) return path;
  }
  return {};
}

}  // namespace sorvane
