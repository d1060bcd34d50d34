#include "record/SwitchRecord.h"

namespace sorvane {

const char* const kRecordFileName = "Sorvane-record.csv";

namespace {

// Lines waiting behind a shortening beyond this are dropped: a worker that
// never ends must not fill the memory.
constexpr std::size_t kMostWaiting = 256 * 1024;

}  // namespace

void SwitchRecord::Append(const RecordedPress& press) {
  if (path_.Empty()) return;
  TakeUpShortening();
  if (shortening_ != 0) {
    if (waiting_.size() < kMostWaiting) waiting_ += RecordLine(press);
    return;
  }
  if (paused_) {
    if (press.localTime - lastTriedAt_ < kRetryMilliseconds) return;
    lastTriedAt_ = press.localTime;
    waiting_ = RecordLine(press);
    StartShortening();
    return;
  }
  const FileSystem::Appended appended = files_.AppendToFile(path_, kRecordHeader, RecordLine(press));
  if (appended.result != FileWrite::kWritten) {
    Failed(appendFailureLogged_, "スイッチの記録のファイルに書き足せません（記録は続けて試みます）");
    return;
  }
  appendFailureLogged_ = false;
  if (appended.size >= kSizeLimit) {
    lastTriedAt_ = press.localTime;
    StartShortening();
  }
}

void SwitchRecord::StartShortening() {
  auto outcome = std::make_shared<Shortening>(Shortening::kUnderWay);
  shorteningOutcome_ = outcome;
  FileSystem& files = files_;
  shortening_ = worker_.Queue([&files, path = path_, outcome] {
    const FileRead read = files.ReadWholeFile(path);
    if (read.status != FileRead::Status::kRead) {
      *outcome = Shortening::kUnreadable;
      return;
    }
    const std::string kept = Shortened(read.contents);
    // Held open by a program that lets others write but not delete, the file
    // cannot be replaced, but can still be written over.
    const bool written = files.ReplaceWholeFile(path, kept) == FileWrite::kWritten ||
                         files.RewriteInPlace(path, kept) == FileWrite::kWritten;
    *outcome = written ? Shortening::kShortened : Shortening::kUnwritable;
  });
  TakeUpShortening();
}

void SwitchRecord::TakeUpShortening() {
  if (shortening_ == 0 || !worker_.Done(shortening_)) return;
  shortening_ = 0;
  const Shortening outcome = *shorteningOutcome_;
  shorteningOutcome_.reset();
  std::string waiting;
  waiting.swap(waiting_);
  if (outcome != Shortening::kShortened) {
    // Written on, the file would grow without bound: the record waits.
    paused_ = true;
    Failed(shorteningFailureLogged_,
           outcome == Shortening::kUnreadable
               ? "スイッチの記録のファイルを読めないため短くできません（短くできるまで記録を止めます）"
               : "スイッチの記録のファイルを書き直せないため短くできません（短くできるまで記録を止めます）");
    return;
  }
  paused_ = false;
  shorteningFailureLogged_ = false;
  if (waiting.empty()) return;
  const FileSystem::Appended appended = files_.AppendToFile(path_, kRecordHeader, waiting);
  if (appended.result != FileWrite::kWritten) {
    Failed(appendFailureLogged_, "スイッチの記録のファイルに書き足せません（記録は続けて試みます）");
    return;
  }
  appendFailureLogged_ = false;
}

std::string SwitchRecord::Shortened(const std::string& text) {
  const std::size_t headerEnd = text.find('\n');
  std::string kept;
  if (text.rfind(kRecordByteOrderMark, 0) != 0) kept = kRecordByteOrderMark;
  if (headerEnd == std::string::npos) return kept + text;
  kept.append(text, 0, headerEnd + 1);
  // Whole lines only: from the first line that begins within the newest part.
  const std::size_t bodyStart = headerEnd + 1;
  const std::size_t body = text.size() - bodyStart;
  if (body <= static_cast<std::size_t>(kSizeKept)) return kept.append(text, bodyStart, std::string::npos);
  const std::size_t lineEnd = text.find('\n', text.size() - static_cast<std::size_t>(kSizeKept) - 1);
  if (lineEnd != std::string::npos) kept.append(text, lineEnd + 1, std::string::npos);
  return kept;
}

void SwitchRecord::Failed(bool& logged, const char* message) {
  if (logged) return;
  logged = true;
  log_.Write(std::string(message) + ": " + readablePath_);
}

}  // namespace sorvane
