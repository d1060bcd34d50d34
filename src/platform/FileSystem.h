// Files and folders. Paths are UTF-16, relative to the working directory
// unless they carry a drive, so that folders of any name Windows allows are
// read, written and searched.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FilePath.h"

namespace sorvane {

// What reading a whole file found.
struct FileRead {
  enum class Status {
    kRead,
    kMissing,     // no such file (or folder on its path)
    kUnreadable,  // it exists but could not be read: held by another program, denied, failed
  };
  Status status = Status::kMissing;
  std::string contents;  // the bytes, when read
  // Why a file that exists could not be read.
  enum class Reason { kFailed, kInUse, kFolder, kDenied };
  Reason reason = Reason::kFailed;
};

// What replacing a whole file came to.
enum class FileWrite {
  kWritten,
  kReadOnly,       // the file itself refuses writing (read-only)
  kFolderRefused,  // its folder refuses new files
  kIsFolder,       // a folder has the file's name
  kInUse,          // another program holds the file
  kFailed,         // anything else: the disk, the network, ...
};

// Attribute bits of a folder entry, as FindFirstFileW gives them.
constexpr std::uint32_t kDirectoryAttribute = 0x10;      // FILE_ATTRIBUTE_DIRECTORY
constexpr std::uint32_t kReparsePointAttribute = 0x400;  // FILE_ATTRIBUTE_REPARSE_POINT: a junction or link

class FileSystem {
 public:
  // The whole file, or why there is none. A partial read is never a read.
  virtual FileRead ReadWholeFile(const FilePath& path) = 0;
  // Writes contents to a new file beside path and moves it over path, so that
  // path holds either the old or the new contents, never a mix. A temporary
  // file left by an earlier, interrupted replace is overwritten. A symbolic
  // link is followed: its target is replaced and the link stays.
  virtual FileWrite ReplaceWholeFile(const FilePath& path, const std::string& contents) = 0;

  // Adds text at the end of path, making the file when there is none; a file
  // that is new or empty gets firstLine before it. Written is reported only
  // when all of it was; size is the file's size after it (bytes).
  struct Appended {
    FileWrite result = FileWrite::kFailed;
    std::int64_t size = 0;
  };
  virtual Appended AppendToFile(const FilePath& path, const std::string& firstLine, const std::string& text) = 0;
  // Deletes the file; true when it is gone.
  virtual bool RemoveFile(const FilePath& path) = 0;

  // Whether a new file can be made in folder (ending in a backslash).
  virtual bool FolderWritable(const FilePath& folder) = 0;
  // Makes folder (ending in a backslash) and its parents; true when it exists.
  virtual bool MakeFolder(const FilePath& folder) = 0;
  // The user's roaming application-data folder, ending in a backslash; empty
  // when there is none.
  virtual FilePath RoamingDataFolder() = 0;

  struct FolderEntry {
    std::u16string_view name;  // valid during the call only
    std::uint32_t attributes;  // kDirectoryAttribute, kReparsePointAttribute, ...
  };
  using EntryVisitor = bool (*)(const FolderEntry& entry, void* context);  // false stops
  // Lists the entries matching pattern (FindFirstFileW style) in listing order.
  // Returns false when nothing could be listed.
  virtual bool ListFolder(const std::u16string& pattern, EntryVisitor visit, void* context) = 0;

 protected:
  ~FileSystem() = default;
};

}  // namespace sorvane
