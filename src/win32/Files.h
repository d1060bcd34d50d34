// Files and folders: whole files read and replaced, lines appended, folders
// made, tried and listed; paths longer than the classic limit work too.
#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace sorvane::win32 {

class Files : public FileSystem {
 public:
  FileRead ReadWholeFile(const std::string& path) override;
  FileWrite ReplaceWholeFile(const std::string& path, const std::string& contents) override;
  Appended AppendToFile(const std::string& path, const std::string& firstLine, const std::string& text) override;
  bool RemoveFile(const std::string& path) override;
  bool FolderWritable(const std::string& folder) override;
  bool MakeFolder(const std::string& folder) override;
  std::string RoamingDataFolder() override;
  bool ListFolder(const std::u16string& pattern, EntryVisitor visit, void* context) override;
};

// A folder as the program's paths hold it: code page 932, ending in a
// backslash. A name code page 932 cannot hold is given in its short form;
// empty when even that cannot be had.
std::string FolderName(std::wstring folder);

}  // namespace sorvane::win32
