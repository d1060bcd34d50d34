#include "settings/SettingsPlace.h"

#include <algorithm>
#include <vector>

#include "settings/Profiles.h"
#include "settings/SettingsHistory.h"

namespace sorvane {

const char* const kSettingsFileName = "Sorvane.ini";
const char* const kLogFileName = "Sorvane.log";
const char* const kSiblingSettingsFileName = "Tramvik.ini";
const char* const kClickSoundFile = "Zoboclick.wav";
const char* const kHelpFile = "Sorvane.chm";

namespace {

// Folder names as Windows compares them: ASCII letters in either case.
bool SameFolder(const std::string& a, const std::string& b) { return SameProfileName(a, b); }

}  // namespace

void SettingsPlace::Choose(const std::string& profile) {
  programFolder_ = platform_.process.ProgramFolder();
  clickSoundFile_ = programFolder_ + kClickSoundFile;
  helpFile_ = programFolder_ + kHelpFile;
  baseFolder_ = programFolder_;
  // A shortcut's "Start in" folder that holds its own settings is one
  // person's; a start at logon begins in the system folder, which holds none.
  const std::string working = platform_.process.WorkingFolder();
  inStartFolder_ = !working.empty() && !SameFolder(working, programFolder_) &&
                   platform_.files.ReadWholeFile(working + kSettingsFileName).status != FileRead::Status::kMissing;
  bool roaming = false;
  if (inStartFolder_) {
    baseFolder_ = working;
  } else if (programFolder_.empty() || !platform_.files.FolderWritable(programFolder_)) {
    // A panel in Program Files, or on a locked-down machine, keeps its
    // settings with the user who runs it.
    const std::string roamingData = platform_.files.RoamingDataFolder();
    const std::string ownFolder = roamingData + "Sorvane\\";
    if (!roamingData.empty() && platform_.files.MakeFolder(ownFolder)) {
      baseFolder_ = ownFolder;
      roaming = true;
    }
  }
  siblingSettingsFile_ = baseFolder_ + kSiblingSettingsFileName;
  platform_.log.UseFile(baseFolder_ + kLogFileName);
  if (inStartFolder_) platform_.log.Write("設定の場所（開始フォルダー）: " + baseFolder_);
  const std::string baseSettings = baseFolder_ + kSettingsFileName;
  if (roaming && platform_.files.ReadWholeFile(baseSettings).status == FileRead::Status::kMissing) {
    folder_ = baseFolder_;
    settingsFile_ = baseSettings;
    CarryOver();
    baseHeldBack_ = heldBack_;
    platform_.log.Write("設定の保存先: " + baseFolder_);
    tell_("Sorvane のフォルダー（" + programFolder_ + "）には書き込めないため、設定は次のフォルダーに保存します:\n" +
              baseFolder_,
          kMessageBoxInformationOk);
  }
  if (!UseProfile(profile)) {
    tell_(baseFolder_ + kProfilesFolderName + "\\" + profile + "\\ を作れないため、利用者「" + profile +
              "」の設定は使えません。\n利用者なしの設定で動作します。",
          kMessageBoxWarningOk);
    UseProfile(std::string());
  }
}

bool SettingsPlace::UseProfile(const std::string& profile) {
  const std::string folder =
      profile.empty() ? baseFolder_ : baseFolder_ + kProfilesFolderName + "\\" + profile + "\\";
  if (!profile.empty() && !platform_.files.MakeFolder(folder)) return false;
  profileName_ = profile;
  ++profileChoices_;
  folder_ = folder;
  settingsFile_ = folder_ + kSettingsFileName;
  heldBack_ = profile.empty() && baseHeldBack_;
  unholdableReported_ = false;
  if (!profile.empty()) platform_.log.Write("利用者: " + profile + "（" + folder_ + "）");
  return true;
}

std::vector<std::string> SettingsPlace::ProfileNames() {
  struct Listing {
    TextCodec& text;
    std::vector<std::u16string> names;
  } listing{platform_.text, {}};
  const auto pattern = platform_.text.Utf16FromShiftJis(baseFolder_ + kProfilesFolderName + "\\*");
  if (!pattern) return {};
  platform_.files.ListFolder(
      *pattern,
      [](const FileSystem::FolderEntry& entry, void* context) {
        auto& into = *static_cast<Listing*>(context);
        if ((entry.attributes & kDirectoryAttribute) != 0 && entry.name != u"." && entry.name != u"..") {
          into.names.emplace_back(entry.name);
        }
        return true;
      },
      &listing);
  std::sort(listing.names.begin(), listing.names.end());
  std::vector<std::string> names;
  // A folder made by hand under a name the panel cannot hold is left alone.
  for (const std::u16string& name : listing.names) {
    if (auto converted = platform_.text.ShiftJisFromUtf16(name)) names.push_back(*converted);
  }
  return names;
}

void SettingsPlace::CarryOver() {
  // Beside the program a settings file waits when its folder has become
  // unwritable. Nothing is taken from a working folder: its file is the
  // settings of whoever starts the panel there.
  const std::string path = programFolder_ + kSettingsFileName;
  const FileRead read = ReadHeldFile(platform_, path);
  if (read.status == FileRead::Status::kMissing) return;
  if (read.status == FileRead::Status::kUnreadable) {
    HoldBack(path, "ほかのプログラムが使用中かもしれません");
    return;
  }
  // Carried byte for byte: its encoding and the carer's own lines with it.
  if (platform_.files.ReplaceWholeFile(settingsFile_, read.contents) == FileWrite::kWritten) {
    platform_.log.Write(path + " の設定を " + settingsFile_ + " に引き継ぎました");
  } else {
    platform_.log.Write(path + " の設定を " + settingsFile_ + " に引き継げませんでした");
  }
}

void SettingsPlace::HoldBack(const std::string& path, const char* reason) {
  // Defaults written over weeks of a carer's settings would be worse than
  // losing this run's changes: nothing is saved from now on.
  heldBack_ = true;
  tell_(path + " を読み込めません（" + reason + "）。\n"
               "設定は読み込まれず、この起動では既定の設定で動作します。終了時にも設定は保存されません。",
        kMessageBoxWarningOk);
}

std::optional<SettingsText> SettingsPlace::Read() {
  if (heldBack_) return std::nullopt;
  const SettingsText read = ReadSettingsText(platform_, settingsFile_);
  if (read.status == FileRead::Status::kUnreadable) {
    HoldBack(settingsFile_, read.undecodable ? "文字コードを判別できません" : "ほかのプログラムが使用中かもしれません");
    return std::nullopt;
  }
  // The JoyToKey folder is taken in its own characters: nothing of it is lost.
  const std::vector<char32_t> unholdable = UnholdableOutsideJoyToKeyFolder(read, platform_.text);
  if (!unholdable.empty() && !unholdableReported_) {
    unholdableReported_ = true;
    tell_(settingsFile_ + " に、この表示盤では扱えない文字があります:\n" + DescribeCharacters(unholdable) +
              "\nその文字は〓と表示します。その行を変更しない限り、ファイルの文字はそのまま残ります。",
          kMessageBoxWarningOk);
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
