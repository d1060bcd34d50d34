#include "joytokey/JoyToKeyLauncher.h"

#include <vector>

#include "settings/IniFile.h"
#include "settings/PanelSettings.h"
#include "settings/SettingsFile.h"
#include "text/Unicode.h"

namespace sorvane {

namespace {

const char16_t* const kProgramFileName = u"JoyToKey.exe";

struct FolderListing {
  bool hasProgramFile = false;
  std::vector<std::u16string> subFolders;
};

bool CollectEntry(const FileSystem::FolderEntry& entry, void* context) {
  auto& listing = *static_cast<FolderListing*>(context);
  const std::u16string_view entryName = entry.name;
  if (entryName == kProgramFileName) {
    listing.hasProgramFile = true;
    return false;  // found: nothing else in this folder matters
  }
  // A junction or link is not entered: the search can neither loop nor wander
  // onto another drive.
  if ((entry.attributes & kDirectoryAttribute) != 0 &&
      (entry.attributes & kReparsePointAttribute) == 0 && entryName != u"." && entryName != u"..") {
    listing.subFolders.emplace_back(entryName);
  }
  return true;
}

}  // namespace

std::string JoyToKeyLauncher::ForTheLog(const std::u16string& folder) const {
  if (auto text = platform_.text.ShiftJisFromUtf16(folder)) return *text;
  // The log is Shift-JIS like everything else: a character it cannot hold is a "?".
  std::string text;
  for (std::size_t i = 0; i < folder.size();) {
    std::size_t units = 1;
    CodePointAt(folder, i, units);
    text += platform_.text.ShiftJisFromUtf16(std::u16string_view(folder).substr(i, units)).value_or("?");
    i += units;
  }
  return text;
}

JoyToKeyLauncher::~JoyToKeyLauncher() {
  searchStopped_ = true;
  WaitForTheWorker();
}

void JoyToKeyLauncher::WaitForTheWorker() { platform_.worker.Finish(); }

bool JoyToKeyLauncher::SearchDrives() {
  listings_ = 0;
  foundIn_.clear();
  for (const char16_t* root : {u"C:\\", u"D:\\", u"E:\\", u"F:\\"}) {
    if (SearchFolder(root)) return true;
  }
  return false;
}

bool JoyToKeyLauncher::Search(const FilePath& siblingSettingsFile) {
  if (!SearchDrives()) return false;
  siblingSettingsFile_ = siblingSettingsFile;
  Record(foundIn_);
  return true;
}

bool JoyToKeyLauncher::SearchUnder(const std::u16string& folder, const FilePath& siblingSettingsFile) {
  foundIn_.clear();
  if (!SearchFolder(folder)) return false;
  siblingSettingsFile_ = siblingSettingsFile;
  Record(foundIn_);
  return true;
}

bool JoyToKeyLauncher::SearchFolder(const std::u16string& folder) {
  if (searchStopped_) return false;
  // One listing serves both questions: is the program file here, and which
  // sub-folders are there. The file is checked before any sub-folder is entered.
  FolderListing listing;
  ++listings_;
  platform_.files.ListFolder(folder + u"*.*", &CollectEntry, &listing);
  if (listing.hasProgramFile) {
    foundIn_ = folder;
    return true;
  }
  for (const std::u16string& subFolder : listing.subFolders) {
    if (SearchFolder(folder + subFolder + u"\\")) return true;
  }
  return !foundIn_.empty();
}

void JoyToKeyLauncher::Record(const std::u16string& folder) {
  // The folder is used as found whenever the sibling file cannot take it:
  // an older folder read back from there would be launched and kept.
  folder_ = folder;
  SettingsText existing = ReadSettingsText(platform_, siblingSettingsFile_);
  // The sibling's own lines are never rebuilt from text that could not be read.
  if (existing.status == FileRead::Status::kUnreadable) return;
  IniFile sibling(existing.text);
  if (!WriteJoyToKeyFolder(sibling, existing, platform_.text, folder)) return;
  if (WriteSettingsText(platform_, siblingSettingsFile_, sibling.Contents(), existing) != FileWrite::kWritten) {
    return;
  }
  const std::u16string readBack = ReadJoyToKeyFolder(ReadSettingsText(platform_, siblingSettingsFile_), platform_.text);
  if (!readBack.empty()) folder_ = readBack;
}

bool JoyToKeyLauncher::WaitForWindow() {
  const std::int64_t start = platform_.clock.NowMilliseconds();
  for (;;) {
    link_.FindJoyToKeyWindow();
    if (link_.JoyToKeyWindow() != 0) return true;
    if (platform_.clock.NowMilliseconds() - start >= kLaunchWaitLimit) return false;
    platform_.clock.Sleep(kLaunchPollInterval);
  }
}

bool JoyToKeyLauncher::StartProcess() {
  if (platform_.shell.Launch("open", "JoyToKey", "", folder_, kShowHidden)) return true;
  platform_.log.Write("JoyToKey を起動できませんでした: " + ForTheLog(folder_));
  return false;
}

bool JoyToKeyLauncher::SearchAgain(const FilePath& siblingSettingsFile) {
  const std::u16string stale = folder_;
  if (!Search(siblingSettingsFile) || folder_ == stale) return false;
  platform_.log.Write("JoyToKey が別のフォルダーで見つかりました: " + ForTheLog(folder_));
  return true;
}

JoyToKeyLauncher::Restart JoyToKeyLauncher::BeginRestart(const FilePath& siblingSettingsFile) {
  // A search abandoned before stops at its next folder.
  WaitForTheWorker();
  if (StartProcess()) {
    restart_ = Restart::kWaitingForWindow;
    restartingSince_ = platform_.clock.NowMilliseconds();
    return *restart_;
  }
  // JoyToKey moved or reinstalled elsewhere. A search of whole drives takes
  // long: the panel must stay usable meanwhile.
  restart_ = Restart::kSearching;
  staleFolder_ = folder_;
  restartSiblingFile_ = siblingSettingsFile;
  searchStopped_ = false;
  searchFound_ = false;
  platform_.log.Write("JoyToKey をドライブから探しています（パネルはそのまま使えます）");
  // Without a worker the search is done here, as at start, rather than not at all.
  if (!platform_.worker.Begin([this] { searchFound_ = SearchDrives(); })) searchFound_ = SearchDrives();
  return CheckRestart();
}

JoyToKeyLauncher::Restart JoyToKeyLauncher::CheckRestart() {
  if (!restart_) return Restart::kFailed;
  const std::int64_t now = platform_.clock.NowMilliseconds();
  if (*restart_ == Restart::kWaitingForWindow) {
    if (now - restartingSince_ < kLaunchWaitLimit) return *restart_;
    platform_.log.Write("JoyToKey を起動しましたが、ウィンドウが現れません: " + ForTheLog(folder_));
    restart_.reset();
    return Restart::kFailed;
  }
  if (!platform_.worker.Done()) return *restart_;
  restart_.reset();
  if (!searchFound_) {
    platform_.log.Write("JoyToKey はどのドライブにも見つかりませんでした");
    return Restart::kFailed;
  }
  siblingSettingsFile_ = restartSiblingFile_;
  Record(foundIn_);
  // Found where it could not be started: starting it from there again fails too.
  if (folder_ == staleFolder_) return Restart::kFailed;
  platform_.log.Write("JoyToKey が別のフォルダーで見つかりました: " + ForTheLog(folder_));
  if (!StartProcess()) return Restart::kFailed;
  restart_ = Restart::kWaitingForWindow;
  restartingSince_ = now;
  return *restart_;
}

void JoyToKeyLauncher::AbandonRestart() {
  searchStopped_ = true;
  restart_.reset();
}

bool JoyToKeyLauncher::Launch() {
  if (!StartProcess()) return false;
  link_.ForgetWindow();
  if (!WaitForWindow()) {
    platform_.log.Write("JoyToKey を起動しましたが、ウィンドウが現れません: " + ForTheLog(folder_));
    return false;
  }
  platform_.log.Write("JoyToKey を起動しました: " + ForTheLog(folder_));
  WindowCameAfterLaunch();
  return true;
}

void JoyToKeyLauncher::WindowCameAfterLaunch() {
  link_.Send(WM_JOYTOKEY_AFTER_LAUNCH1, 0);
  link_.Send(WM_JOYTOKEY_AFTER_LAUNCH2, 0);
  restart_.reset();
}

}  // namespace sorvane
