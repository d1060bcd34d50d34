#include "win32/Files.h"

#include <shlobj.h>

#include <cwchar>
#include <vector>

#include "win32/Handles.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

// Paths longer than the classic limit need the extended-length prefix.
std::wstring LongPath(std::wstring wide) {
  if (wide.size() >= MAX_PATH - 12 && wide.rfind(L"\\\\", 0) != 0 && wide.size() > 2 &&
      wide[1] == L':') {
    return L"\\\\?\\" + wide;
  }
  return wide;
}

// The file a path ends at, links followed; the path itself when it names
// nothing yet.
std::wstring FinalPath(const std::wstring& path) {
  OwnedFile file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) return path;
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return path;
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(length + 1);
  }
}

bool Refused(DWORD error) { return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT; }
bool Held(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;

// Why a file could not be opened for writing: the name taken by a folder,
// the file itself refusing, its folder refusing a new file, or another
// program holding it.
FileWrite WhyNotOpened(DWORD error, DWORD attributes) {
  if (attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FileWrite::kIsFolder;
  if (Held(error)) return FileWrite::kInUse;
  if (!Refused(error)) return FileWrite::kFailed;
  return attributes == kNoAttributes ? FileWrite::kFolderRefused : FileWrite::kReadOnly;
}

}  // namespace

// path in the W functions' characters.
std::wstring WidePath(const FilePath& path) { return LongPath(Wide(path.Utf16())); }

FileRead Files::ReadWholeFile(const FilePath& path) {
  OwnedFile file(CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  const auto Unreadable = [&path](DWORD error) {
    FileRead::Reason reason = FileRead::Reason::kFailed;
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) reason = FileRead::Reason::kInUse;
    if (error == ERROR_ACCESS_DENIED) {
      const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
      const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      reason = folder ? FileRead::Reason::kFolder : FileRead::Reason::kDenied;
    }
    return FileRead{FileRead::Status::kUnreadable, {}, reason};
  };
  if (!file) {
    const DWORD error = GetLastError();
    // Only a file that is not there is missing; held, denied or failing is not.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {FileRead::Status::kMissing, {}};
    return Unreadable(error);
  }
  FileRead result{FileRead::Status::kRead, {}};
  char chunk[16384];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr)) return Unreadable(GetLastError());
    if (read == 0) break;
    result.contents.append(chunk, read);
  }
  return result;
}

FileWrite Files::ReplaceWholeFile(const FilePath& path, const std::string& contents) {
  // A link is replaced in its target: a file moved over the link itself
  // would take the link's place.
  const std::wstring target = FinalPath(WidePath(path));
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FileWrite::kIsFolder;
  if (attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return FileWrite::kReadOnly;
  const std::wstring temporary = target + L".new";
  // A temporary file left by an interrupted replace is overwritten, even one
  // marked read-only, hidden or system.
  SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
  {
    OwnedFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
      const DWORD error = GetLastError();
      // The temporary file is new: a refusal is the folder's.
      return Refused(error) ? FileWrite::kFolderRefused : Held(error) ? FileWrite::kInUse : FileWrite::kFailed;
    }
    DWORD written = 0;
    const bool ok = WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &written,
                              nullptr) &&
                    written == contents.size() && FlushFileBuffers(file.get());
    if (!ok) {
      file.Reset();
      DeleteFileW(temporary.c_str());
      return FileWrite::kFailed;
    }
  }
  if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD moveError = GetLastError();
    DeleteFileW(temporary.c_str());
    // A file held by another program refuses the move as well; only one that
    // cannot even be opened for writing is read-only. One that can is held.
    OwnedFile existing(CreateFileW(target.c_str(), GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (existing) return Refused(moveError) || Held(moveError) ? FileWrite::kInUse : FileWrite::kFailed;
    const DWORD openError = GetLastError();
    if (Held(openError)) return FileWrite::kInUse;
    return Refused(openError) ? FileWrite::kReadOnly : FileWrite::kFailed;
  }
  return FileWrite::kWritten;
}

FileSystem::Appended Files::AppendToFile(const FilePath& path, const std::string& firstLine,
                                                const std::string& text) {
  // Appending only: whatever else holds the file open for reading still can.
  const std::wstring wide = WidePath(path);
  OwnedFile file(CreateFileW(wide.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    return {WhyNotOpened(error, GetFileAttributesW(wide.c_str())), 0};
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return {FileWrite::kFailed, 0};
  const std::string& lines = size.QuadPart == 0 ? firstLine + text : text;
  DWORD written = 0;
  if (!WriteFile(file.get(), lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr) ||
      written != lines.size()) {
    return {FileWrite::kFailed, 0};
  }
  return {FileWrite::kWritten, static_cast<std::int64_t>(size.QuadPart) + static_cast<std::int64_t>(written)};
}

bool Files::RemoveFile(const FilePath& path) {
  if (DeleteFileW(WidePath(path).c_str())) return true;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool Files::FolderWritable(const FilePath& folder) {
  wchar_t name[64];
  wsprintfW(name, L"Sorvane-%lu.tmp", GetCurrentProcessId());
  OwnedFile file(CreateFileW(LongPath(Wide(folder.Utf16()) + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return static_cast<bool>(file);
}

bool Files::MakeFolder(const FilePath& folder) {
  const std::wstring wide = Wide(folder.Utf16());
  // Each level from the drive down; those that exist are passed by.
  for (std::size_t slash = wide.find(L'\\', 3); slash != std::wstring::npos; slash = wide.find(L'\\', slash + 1)) {
    CreateDirectoryW(LongPath(wide.substr(0, slash)).c_str(), nullptr);
  }
  const DWORD attributes = GetFileAttributesW(LongPath(wide).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

FilePath Files::RoamingDataFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return {};
  }
  std::u16string name(folder, folder + wcslen(folder));
  if (!name.empty() && name.back() != u'\\') name += u'\\';
  return FilePath(name);
}

bool Files::ListFolder(const std::u16string& pattern, EntryVisitor visit, void* context) {
  WIN32_FIND_DATAW data{};
  // Names and attributes are all the search needs: no short names, and the
  // listing fetched in large batches.
  OwnedFind find(FindFirstFileExW(LongPath(Wide(pattern)).c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                  nullptr, FIND_FIRST_EX_LARGE_FETCH));
  if (!find) return false;
  std::u16string name;
  do {
    name.assign(data.cFileName, data.cFileName + wcslen(data.cFileName));
    const FolderEntry entry{name, data.dwFileAttributes};
    if (!visit(entry, context)) break;
  } while (FindNextFileW(find.get(), &data));
  return true;
}

}  // namespace sorvane::win32
