// Files and folders: whole files read and replaced, lines appended, folders
// made, tried and listed; paths longer than the classic limit work too.
#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace sorvane::win32 {

class Files : public FileSystem {
 public:
  FileRead ReadWholeFile(const FilePath& path) override;
  FileWrite ReplaceWholeFile(const FilePath& path, const std::string& contents) override;
  Appended AppendToFile(const FilePath& path, const std::string& firstLine, const std::string& text) override;
  bool RemoveFile(const FilePath& path) override;
  bool FolderWritable(const FilePath& folder) override;
  bool MakeFolder(const FilePath& folder) override;
  FilePath RoamingDataFolder() override;
  bool ListFolder(const std::u16string& pattern, EntryVisitor visit, void* context) override;
};

}  // namespace sorvane::win32
