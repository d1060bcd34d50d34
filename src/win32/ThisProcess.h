// The running process: its program file, its command line, the mutex that
// keeps a second panel from starting.
#pragma once

#include <string>
#include <vector>

#include "platform/Process.h"
#include "win32/Handles.h"

namespace sorvane::win32 {

class ThisProcess : public Process {
 public:
  FilePath ProgramFilePath() override;
  std::string FirstArgument() override;
  std::vector<std::u16string> Arguments() override;
  FilePath WorkingFolder() override;
  bool CreateInstanceMutex(const std::string& name) override;
  void CloseInstanceMutex() override;

 private:
  OwnedMutex instanceMutex_;  // open for the life of the process
};

}  // namespace sorvane::win32
