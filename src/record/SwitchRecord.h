// The switch record's file: one line appended for each press; once the file
// reaches its limit, the oldest lines are dropped on the worker, so that a
// press never waits on work as large as the file. A file that another program
// holds and that so cannot be replaced is rewritten in place; one that cannot
// be shortened at all pauses the record until it can be. Each failure is told
// to the log once, however long it lasts, and never stops the panel.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "platform/JobQueue.h"
#include "record/RecordLine.h"

namespace sorvane {

extern const char* const kRecordFileName;  // "Sorvane-record.csv"

class SwitchRecord {
 public:
  static constexpr std::int64_t kSizeLimit = 5 * 1024 * 1024;
  // What a shortened file keeps: the header and the newest lines up to this.
  static constexpr std::int64_t kSizeKept = kSizeLimit / 2;
  // A paused record tries to shorten its file again after this long.
  static constexpr std::int64_t kRetryMilliseconds = 60 * 1000;

  SwitchRecord(FileSystem& files, Log& log, JobQueue& worker) : files_(files), log_(log), worker_(worker) {}

  // readablePath: the path as the log can hold it.
  void UseFile(const FilePath& path, std::string readablePath) {
    path_ = path;
    readablePath_ = std::move(readablePath);
  }
  const FilePath& path() const { return path_; }
  void Append(const RecordedPress& press);
  // Takes up what the shortening on the worker came to; called between
  // handlers (every tick), so lines made meanwhile follow it soon.
  void TakeUpShortening();
  // The file is at its limit and cannot be shortened: presses are not written.
  bool Paused() const { return paused_; }

  // The header, then the newest whole lines of text up to kSizeKept bytes;
  // a text without the byte-order mark gets it.
  static std::string Shortened(const std::string& text);

 private:
  enum class Shortening { kUnderWay, kShortened, kUnreadable, kUnwritable };
  void StartShortening();
  void Failed(bool& logged, const char* message);

  FileSystem& files_;
  Log& log_;
  JobQueue& worker_;
  FilePath path_;
  std::string readablePath_;
  // Lines made while the file is being shortened, written after it.
  std::string waiting_;
  JobQueue::Ticket shortening_ = 0;
  std::shared_ptr<Shortening> shorteningOutcome_;
  bool paused_ = false;
  std::int64_t lastTriedAt_ = 0;  // local milliseconds of the press that last tried
  bool appendFailureLogged_ = false;
  bool shorteningFailureLogged_ = false;
};

// The presses of a record file's text that lie at or after from (local
// milliseconds), oldest first; lines that are not presses are passed over.
template <typename Visit>
void ForEachRecordedPress(std::string_view text, std::int64_t from, Visit visit) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const auto press = ParseRecordLine(text.substr(start, end - start));
    if (press && press->localTime >= from) visit(*press);
    start = end + 1;
  }
}

}  // namespace sorvane
