// Starting JoyToKey when the panel finds none running: from the folder the
// settings name, or from the one a search of the drives finds, which the
// sibling settings file records.
#pragma once

#include <cstdint>
#include <string>

#include "joytokey/JoyToKeyLink.h"
#include "platform/Platform.h"

namespace sorvane {

class JoyToKeyLauncher {
 public:
  JoyToKeyLauncher(Platform& platform, JoyToKeyLink& link) : platform_(platform), link_(link) {}

  // The folder JoyToKey is launched from, as the file system names it.
  const std::u16string& Folder() const { return folder_; }
  void SetFolder(std::u16string folder) { folder_ = std::move(folder); }

  // Searches the drives C: to F: in turn, each depth first in listing order,
  // for JoyToKey's program file. The folder found becomes Folder(), and
  // siblingSettingsFile records it. False when no drive holds it.
  bool Search(const FilePath& siblingSettingsFile);
  // Searches one folder tree (ending in a backslash) the same way.
  bool SearchUnder(const std::u16string& folder, const FilePath& siblingSettingsFile);
  // Where the search found the program file; empty when it did not.
  const std::u16string& FoundIn() const { return foundIn_; }
  // Folder listings made by the last search (for measurements).
  long Listings() const { return listings_; }

  // Starts JoyToKey hidden from Folder(), waits for its window and sends it
  // the two after-launch notices. False when the shell could not start it or
  // no window came within the wait.
  bool Launch();

  // Starts JoyToKey hidden from Folder() without waiting for its window;
  // where the folder no longer holds it, the drives are searched again and
  // the folder found replaces it. False when it could be started from nowhere.
  bool StartFromFolderOrSearch(const FilePath& siblingSettingsFile);
  // Searches the drives for a JoyToKey that Folder() no longer holds; true
  // when one was found in another folder, which becomes Folder().
  bool SearchAgain(const FilePath& siblingSettingsFile);

  // A JoyToKey that has gone is started again while the panel goes on; the
  // tick binds to its window once it is there.
  bool restartWhenGone = true;
  bool Restarting() const { return restartingSince_ >= 0; }
  void RestartBegan() { restartingSince_ = platform_.clock.NowMilliseconds(); }
  bool RestartOverdue() const {
    return Restarting() && platform_.clock.NowMilliseconds() - restartingSince_ >= kLaunchWaitLimit;
  }
  void RestartEnded() { restartingSince_ = -1; }
  // The window of a JoyToKey just started is bound: it hears the two
  // after-launch notices, as at start, and a restart under way has ended.
  void WindowCameAfterLaunch();

  static constexpr int kLaunchPollInterval = 100;
  static constexpr int kLaunchWaitLimit = 10000;

 private:
  bool SearchFolder(const std::u16string& folder);
  void Record(const std::u16string& folder);
  bool WaitForWindow();
  bool StartProcess();
  // A folder as the log can show it.
  std::string ForTheLog(const std::u16string& folder) const;

  Platform& platform_;
  JoyToKeyLink& link_;
  std::u16string folder_;
  std::u16string foundIn_;
  FilePath siblingSettingsFile_;  // during a search
  long listings_ = 0;
  std::int64_t restartingSince_ = -1;
};

}  // namespace sorvane
