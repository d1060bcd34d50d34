// The log file beside the settings: one line an event, with the local time,
// kept below a few hundred kilobytes by dropping its older half. Any thread
// may write to it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/Log.h"

namespace sorvane::win32 {

class FileLog : public Log {
 public:
  static constexpr LONGLONG kLimitBytes = 256 * 1024;

  void UseFile(const FilePath& path) override;
  void Write(const std::string& line) override;
  // The file the log is written to, empty while none is named.
  std::wstring Path();

 private:
  void Append(const std::string& stamped);
  void DropOlderHalf();

  SRWLOCK lock_ = SRWLOCK_INIT;
  std::wstring path_;
  std::vector<std::string> early_;  // lines written before the file was named
};

}  // namespace sorvane::win32
