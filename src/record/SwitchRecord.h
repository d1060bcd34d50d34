// The switch record's file: one line appended for each press, the oldest half
// dropped when the file reaches its limit. A file that cannot be written is
// told to the log once and never stops the panel.
#pragma once

#include <cstdint>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Log.h"
#include "record/RecordLine.h"

namespace sorvane {

extern const char* const kRecordFileName;  // "Sorvane-record.csv"

class SwitchRecord {
 public:
  static constexpr std::int64_t kSizeLimit = 5 * 1024 * 1024;

  SwitchRecord(FileSystem& files, Log& log) : files_(files), log_(log) {}

  // readablePath: the path as the log can hold it.
  void UseFile(const FilePath& path, std::string readablePath) {
    path_ = path;
    readablePath_ = std::move(readablePath);
  }
  const FilePath& path() const { return path_; }
  void Append(const RecordedPress& press);

 private:
  // Keeps the header and the newer half of the lines.
  void DropOldestHalf();
  void Failed(const char* what);

  FileSystem& files_;
  Log& log_;
  FilePath path_;
  std::string readablePath_;
  bool failureLogged_ = false;
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
