// Finding JoyToKey's program file on the drives and starting it.
#include <vector>

#include "panel/PanelForm.h"
#include "settings/IniFile.h"
#include "settings/SettingsFile.h"
#include "text/Unicode.h"

namespace sorvane {

namespace {

const char16_t* const kProgramFileName = u"JoyToKey.exe";
const char* const kFolderKey = "所在フォルダー";
constexpr std::uint32_t kDirectoryAttribute = 0x10;
constexpr std::uint32_t kReparsePointAttribute = 0x400;
constexpr int kLaunchPollInterval = 100;
constexpr int kLaunchWaitLimit = 10000;

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

std::string PanelForm::ForTheLog(const std::u16string& folder) {
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

void PanelForm::FindJoyToKey() {
  listingCount = 0;
  for (const char16_t* root : {u"C:\\", u"D:\\", u"E:\\", u"F:\\"}) {
    if (SearchJoyToKeyFolder(root)) return;
  }
  platform_.dialogs.ShowMessage(handle, "JoyToKeyがインストールされていません", kErrorCaption,
                                kWarningBoxStyle);
}

bool PanelForm::SearchJoyToKeyFolder(const std::u16string& folder) {
  // One listing serves both questions: is the program file here, and which
  // sub-folders are there. The file is checked before any sub-folder is entered.
  FolderListing listing;
  ++listingCount;
  platform_.files.ListFolder(folder + u"*.*", &CollectEntry, &listing);
  if (listing.hasProgramFile) {
    joyToKeyFound = true;
    joyToKeyFoundIn = folder;
    // The folder is used as found whenever the sibling file cannot take it:
    // an older folder read back from there would be launched and kept.
    joyToKeyFolder = folder;
    SettingsText existing = ReadSettingsText(platform_, siblingSettingsFile);
    // The sibling's own lines are never rebuilt from text that could not be read.
    if (existing.status == FileRead::Status::kUnreadable) return true;
    IniFile sibling(existing.text);
    if (!WriteUnicodeValue(sibling, existing, platform_.text, "UseJoyToKey", kFolderKey, folder)) return true;
    if (WriteSettingsText(platform_, siblingSettingsFile, sibling.Contents(), existing) != FileWrite::kWritten) {
      return true;
    }
    const SettingsText written = ReadSettingsText(platform_, siblingSettingsFile);
    const std::u16string readBack = ReadUnicodeValue(written, platform_.text, "UseJoyToKey", kFolderKey);
    if (!readBack.empty()) joyToKeyFolder = readBack;
    return true;
  }
  for (const std::u16string& subFolder : listing.subFolders) {
    if (SearchJoyToKeyFolder(folder + subFolder + u"\\")) return true;
  }
  return joyToKeyFound;
}

bool PanelForm::WaitForJoyToKeyWindow() {
  const std::int64_t start = platform_.clock.NowMilliseconds();
  for (;;) {
    link.FindJoyToKeyWindow();
    if (link.JoyToKeyWindow() != 0) return true;
    if (platform_.clock.NowMilliseconds() - start >= kLaunchWaitLimit) return false;
    platform_.clock.Sleep(kLaunchPollInterval);
  }
}

bool PanelForm::LaunchJoyToKey(const std::u16string& folder) {
  if (!platform_.shell.Launch("open", "JoyToKey", "", folder, 0)) {
    platform_.log.Write("JoyToKey を起動できませんでした: " + ForTheLog(folder));
    return false;
  }
  link.ForgetWindow();
  if (!WaitForJoyToKeyWindow()) {
    platform_.log.Write("JoyToKey を起動しましたが、ウィンドウが現れません: " + ForTheLog(folder));
    return false;
  }
  platform_.log.Write("JoyToKey を起動しました: " + ForTheLog(folder));
  link.Send(WM_JOYTOKEY_AFTER_LAUNCH1, 0);
  link.Send(WM_JOYTOKEY_AFTER_LAUNCH2, 0);
  return true;
}

}  // namespace sorvane
