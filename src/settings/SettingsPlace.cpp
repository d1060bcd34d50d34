#include "settings/SettingsPlace.h"

#include <algorithm>
#include <vector>

#include "settings/Profiles.h"
#include "settings/SettingsHistory.h"
#include "text/Texts.h"

namespace sorvane {

const char* const kSettingsFileName = "Sorvane.ini";
const char* const kLogFileName = "Sorvane.log";
const char* const kSiblingSettingsFileName = "Tramvik.ini";
const char* const kClickSoundFile = "Zoboclick.wav";
const char* const kHelpFile = "Sorvane.chm";
const char* const kEnglishHelpFile = "Sorvane-en.chm";

namespace {

// Folder names as Windows compares them: ASCII letters in either case.
bool SameFolder(const FilePath& a, const FilePath& b) {
  const std::u16string& x = a.Utf16();
  const std::u16string& y = b.Utf16();
  if (x.size() != y.size()) return false;
  const auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; };
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (fold(x[i]) != fold(y[i])) return false;
  }
  return true;
}

}  // namespace

SettingsPlace::BaseFolders SettingsPlace::FindBaseFolders(bool makeRoaming) {
  BaseFolders folders;
  folders.program = platform_.process.ProgramFilePath().Folder();
  folders.base = folders.program;
  // A shortcut's "Start in" folder that holds its own settings is one
  // person's; a start at logon begins in the system folder, which holds none.
  const FilePath working = platform_.process.WorkingFolder();
  folders.inStartFolder =
      !working.Empty() && !SameFolder(working, folders.program) &&
      platform_.files.ReadWholeFile(working + kSettingsFileName).status != FileRead::Status::kMissing;
  if (folders.inStartFolder) {
    folders.base = working;
  } else if (folders.program.Empty() || !platform_.files.FolderWritable(folders.program)) {
    // A panel in Program Files, or on a locked-down machine, keeps its
    // settings with the user who runs it.
    const FilePath roamingData = platform_.files.RoamingDataFolder();
    const FilePath ownFolder = roamingData + "Sorvane\\";
    if (!roamingData.Empty() && (!makeRoaming || platform_.files.MakeFolder(ownFolder))) {
      folders.base = ownFolder;
      folders.roaming = true;
    }
  }
  return folders;
}

Language SettingsPlace::LanguageAtStart(const std::vector<std::u16string>& arguments) {
  const StartArguments named = ReadStartArguments(arguments);
  const ProfileNameCheck profile =
      named.profile ? CheckProfileName(*named.profile, {}, platform_.text) : ProfileNameCheck{};
  const BaseFolders folders = FindBaseFolders(false);
  // The profile's own file, else the one it is made from; in a new %APPDATA%
  // folder, the file that will be carried over from beside the program.
  std::vector<FilePath> files;
  if (named.profile && profile.ok()) files.push_back(ProfileFolderIn(folders.base, profile.name) + kSettingsFileName);
  files.push_back(folders.base + kSettingsFileName);
  if (folders.roaming) files.push_back(folders.program + kSettingsFileName);
  // Read once, with no wait for a file another program holds: the reading
  // that follows waits for it.
  const auto languageOf = [this](const FileRead& bytes) -> std::optional<Language> {
    if (bytes.status != FileRead::Status::kRead) return std::nullopt;
    const SettingsText read = DecodeSettingsText(bytes.contents, platform_.text);
    if (read.status != FileRead::Status::kRead) return std::nullopt;
    return ReadLanguage(IniFile(read.text));
  };
  for (const FilePath& file : files) {
    const FileRead bytes = platform_.files.ReadWholeFile(file);
    if (bytes.status == FileRead::Status::kMissing) continue;
    if (const auto language = languageOf(bytes)) return *language;
    // A file that cannot be read now was saved before: its last copy tells.
    for (const HistoryEntry& kept : ListHistory(platform_, file)) {
      if (const auto language = languageOf(platform_.files.ReadWholeFile(kept.path))) return *language;
    }
    break;
  }
  return Language::kJapanese;
}

void SettingsPlace::Choose(const std::string& profile) {
  const BaseFolders folders = FindBaseFolders(true);
  programFolder_ = folders.program;
  baseFolder_ = folders.base;
  inStartFolder_ = folders.inStartFolder;
  const bool roaming = folders.roaming;
  clickSoundFile_ = programFolder_ + kClickSoundFile;
  helpFile_ = programFolder_ + kHelpFile;
  englishHelpFile_ = programFolder_ + kEnglishHelpFile;
  siblingSettingsFile_ = baseFolder_ + kSiblingSettingsFileName;
  platform_.log.UseFile(baseFolder_ + kLogFileName);
  if (inStartFolder_) platform_.log.Write("設定の場所（開始フォルダー）: " + ReadableText(baseFolder_, platform_.text));
  const FilePath baseSettings = baseFolder_ + kSettingsFileName;
  if (roaming && platform_.files.ReadWholeFile(baseSettings).status == FileRead::Status::kMissing) {
    folder_ = baseFolder_;
    settingsFile_ = baseSettings;
    CarryOver();
    baseHeldBack_ = heldBack_;
    platform_.log.Write("設定の保存先: " + ReadableText(baseFolder_, platform_.text));
    tell_(TextMessage(TextId::SettingsElsewhere, {programFolder_, baseFolder_}), kMessageBoxInformationOk);
  }
  if (!UseProfile(profile)) {
    tell_(TextMessage(TextId::ProfileFolderUnmade, {ProfileFolder(profile), profile}), kMessageBoxWarningOk);
    UseProfile(std::string());
  }
}

FilePath SettingsPlace::ProfileFolder(const std::string& profile) const {
  return ProfileFolderIn(baseFolder_, profile);
}

FilePath SettingsPlace::ProfileFolderIn(const FilePath& base, const std::string& profile) const {
  // Names are checked to be code page 932 before they get here.
  return base + kProfilesFolderName + "\\" + platform_.text.Utf16FromShiftJis(profile).value_or(u"?") + u"\\";
}

bool SettingsPlace::UseProfile(const std::string& profile) {
  const FilePath folder = profile.empty() ? baseFolder_ : ProfileFolder(profile);
  if (!profile.empty() && !platform_.files.MakeFolder(folder)) return false;
  profileName_ = profile;
  ++profileChoices_;
  folder_ = folder;
  settingsFile_ = folder_ + kSettingsFileName;
  heldBack_ = profile.empty() && baseHeldBack_;
  unholdableReported_ = false;
  if (!profile.empty()) platform_.log.Write("利用者: " + profile + "（" + ReadableText(folder_, platform_.text) + "）");
  return true;
}

std::vector<std::string> SettingsPlace::ProfileNames() {
  struct Listing {
    std::vector<std::u16string> names;
  } listing;
  platform_.files.ListFolder(
      (baseFolder_ + kProfilesFolderName + "\\*").Utf16(),
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
  const FilePath path = programFolder_ + kSettingsFileName;
  const FileRead read = ReadHeldFile(platform_, path);
  if (read.status == FileRead::Status::kMissing) return;
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
}

void SettingsPlace::HoldBack(const FilePath& path, const char* reason) {
  // Defaults written over weeks of a carer's settings would be worse than
  // losing this run's changes: nothing is saved from now on.
  heldBack_ = true;
  tell_(TextMessage(TextId::SettingsHeldBack, {path, reason}), kMessageBoxWarningOk);
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
    tell_(TextMessage(TextId::SettingsUnholdable, {settingsFile_, DescribeCharacters(unholdable)}),
          kMessageBoxWarningOk);
  }
  return read;
}

bool SettingsPlace::OnlyThePositionDiffers(const PanelSettings& settings, const SettingsText& replaced,
                                           const std::string& replacedBytes) {
  const PanelSettings earlier =
      ReadPanelSettings(IniFile(replaced.text), &replaced, platform_.text, platform_.desktop.DesktopWindowRect());
  PanelSettings unmoved = settings;
  unmoved.topLeft = earlier.topLeft;
  SettingsText file = replaced;
  IniFile ini(file.text);
  WritePanelSettings(unmoved, ini, file, platform_.text);
  const auto bytes = EncodeSettingsText(ini.Contents(), file, platform_.text);
  return bytes && *bytes == replacedBytes;
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
  // The file as it was is kept for the carer to go back to. A save that
  // changes nothing the history can bring back (only the window was moved)
  // keeps nothing, so that moving the panel never pushes a real change out.
  if (before.status == FileRead::Status::kRead && before.contents != *bytes &&
      !OnlyThePositionDiffers(settings, current, before.contents)) {
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
