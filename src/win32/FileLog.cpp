#include "win32/FileLog.h"

#include <cstdio>

#include "win32/Handles.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {
constexpr std::size_t kEarlyLines = 64;
}  // namespace

void FileLog::UseFile(const FilePath& path) {
  AcquireSRWLockExclusive(&lock_);
  path_ = Wide(path.Utf16());
  std::vector<std::string> early;
  early.swap(early_);
  for (const std::string& line : early) Append(line);
  ReleaseSRWLockExclusive(&lock_);
}

std::wstring FileLog::Path() {
  AcquireSRWLockShared(&lock_);
  std::wstring path = path_;
  ReleaseSRWLockShared(&lock_);
  return path;
}

void FileLog::Write(const std::string& line) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u.%03u ", now.wYear, now.wMonth, now.wDay,
                now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
  const std::string stamped = stamp + line + "\r\n";
  AcquireSRWLockExclusive(&lock_);
  if (path_.empty()) {
    if (early_.size() < kEarlyLines) early_.push_back(stamped);
  } else {
    Append(stamped);
  }
  ReleaseSRWLockExclusive(&lock_);
}

void FileLog::Append(const std::string& stamped) {
  OwnedFile file(CreateFileW(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  // A log that cannot be written costs the user nothing; the panel goes on.
  if (!file) return;
  DWORD written = 0;
  WriteFile(file.get(), stamped.data(), static_cast<DWORD>(stamped.size()), &written, nullptr);
  LARGE_INTEGER size{};
  const bool full = GetFileSizeEx(file.get(), &size) && size.QuadPart > kLimitBytes;
  file.Reset();
  if (full) DropOlderHalf();
}

void FileLog::DropOlderHalf() {
  OwnedFile file(CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart > 16 * kLimitBytes) return;
  std::string contents(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &read, nullptr)) return;
  contents.resize(read);
  // The newer half, from the start of a line.
  std::size_t from = contents.find('\n', contents.size() / 2);
  from = from == std::string::npos ? contents.size() : from + 1;
  const std::string kept = contents.substr(from);
  SetFilePointer(file.get(), 0, nullptr, FILE_BEGIN);
  DWORD written = 0;
  WriteFile(file.get(), kept.data(), static_cast<DWORD>(kept.size()), &written, nullptr);
  SetEndOfFile(file.get());
}

}  // namespace sorvane::win32
