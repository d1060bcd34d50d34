#include "record/SwitchRecord.h"

namespace sorvane {

const char* const kRecordFileName = "Sorvane-record.csv";

void SwitchRecord::Append(const RecordedPress& press) {
  if (path_.Empty()) return;
  const FileSystem::Appended appended = files_.AppendToFile(path_, kRecordHeader, RecordLine(press));
  if (appended.result != FileWrite::kWritten) {
    Failed("書き足せません");
    return;
  }
  failureLogged_ = false;
  if (appended.size >= kSizeLimit) DropOldestHalf();
}

void SwitchRecord::DropOldestHalf() {
  const FileRead read = files_.ReadWholeFile(path_);
  if (read.status != FileRead::Status::kRead) {
    Failed("読めないため短くできません");
    return;
  }
  const std::string& text = read.contents;
  const std::size_t headerEnd = text.find('\n');
  if (headerEnd == std::string::npos) return;
  // Whole lines from the middle on: the header, then the newer half.
  const std::size_t middle = headerEnd + 1 + (text.size() - headerEnd - 1) / 2;
  const std::size_t keptFrom = text.find('\n', middle);
  std::string kept = text.substr(0, headerEnd + 1);
  if (keptFrom != std::string::npos) kept.append(text, keptFrom + 1, std::string::npos);
  if (files_.ReplaceWholeFile(path_, kept) != FileWrite::kWritten) Failed("短くできません");
}

void SwitchRecord::Failed(const char* what) {
  if (failureLogged_) return;
  failureLogged_ = true;
  log_.Write(std::string("スイッチの記録のファイルに") + what + "（記録は続けて試みます）: " + readablePath_);
}

}  // namespace sorvane
