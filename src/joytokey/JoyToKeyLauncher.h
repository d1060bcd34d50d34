// Starting JoyToKey when the panel finds none running: from the folder the
// settings name, or from the one a search of the drives finds, which the
// sibling settings file records. While the panel runs, the search is done by
// the worker, so the scan and the switch go on.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "joytokey/JoyToKeyLink.h"
#include "platform/Platform.h"

namespace sorvane {

class JoyToKeyLauncher {
 public:
  JoyToKeyLauncher(Platform& platform, JoyToKeyLink& link) : platform_(platform), link_(link) {}
  JoyToKeyLauncher(const JoyToKeyLauncher&) = delete;
  JoyToKeyLauncher& operator=(const JoyToKeyLauncher&) = delete;
  // A search still under way on the worker is stopped and waited for.
  ~JoyToKeyLauncher();

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

  // Searches the drives for a JoyToKey that Folder() no longer holds; true
  // when one was found in another folder, which becomes Folder().
  bool SearchAgain(const FilePath& siblingSettingsFile);

  // A JoyToKey that has gone is started again while the panel goes on; the
  // tick binds to its window once it is there.
  bool restartWhenGone = true;
  enum class Restart {
    kWaitingForWindow,  // started from Folder(); its window has not come yet
    kSearching,         // Folder() could not start it: the worker searches the drives
    kFailed,            // it could be started from nowhere, or its window never came
  };
  // Starts JoyToKey hidden from Folder() without waiting for its window; where
  // that fails, the worker begins a search of the drives.
  Restart BeginRestart(const FilePath& siblingSettingsFile);
  // At each tick of a restart under way: a search that has ended and found
  // JoyToKey in another folder records it there and starts it from there.
  Restart CheckRestart();
  bool Restarting() const { return restart_.has_value(); }
  bool WaitingForWindow() const { return restart_ == Restart::kWaitingForWindow; }
  // Another JoyToKey window came while the drives were searched: the search
  // stops, and what it would have found is not wanted.
  void AbandonRestart();
  // The window of a JoyToKey just started is bound: it hears the two
  // after-launch notices, as at start, and a restart under way has ended.
  void WindowCameAfterLaunch();

  static constexpr int kLaunchPollInterval = 100;
  static constexpr int kLaunchWaitLimit = 10000;

 private:
  // The search itself lists folders and nothing else, so that the worker may
  // run it: foundIn_ and listings_ are its own until it ends.
  bool SearchFolder(const std::u16string& folder);
  bool SearchDrives();
  void Record(const std::u16string& folder);
  void WaitForTheWorker();
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
  std::optional<Restart> restart_;  // waiting for the window, or searching
  std::int64_t restartingSince_ = 0;
  std::u16string staleFolder_;
  FilePath restartSiblingFile_;
  bool searchFound_ = false;  // written by the worker
  std::atomic<bool> searchStopped_{false};
};

}  // namespace sorvane
