// The running process: its file, its command line, the single-instance mutex.
#pragma once

#include <string>
#include <vector>

#include "platform/FilePath.h"

namespace sorvane {

class Process {
 public:
  // The program file's full path as the system reports it.
  virtual FilePath ProgramFilePath() = 0;
  // The first command-line argument, empty when there is none.
  virtual std::string FirstArgument() = 0;
  // Every command-line argument after the program's name.
  virtual std::vector<std::u16string> Arguments() = 0;
  // The working folder, ending in a backslash; empty when unknown.
  virtual FilePath WorkingFolder() = 0;
  // Creates the named mutex, not initially owned, kept open until the process
  // ends. True when the mutex already existed.
  virtual bool CreateInstanceMutex(const std::string& name) = 0;
  // Closes the handle CreateInstanceMutex opened, so that a refused start
  // holds nothing while it shows its message.
  virtual void CloseInstanceMutex() = 0;

 protected:
  ~Process() = default;
};

}  // namespace sorvane
