// The shell: files opened with the program that shows them, programs launched.
#pragma once

#include <string>

#include "platform/Shell.h"

namespace sorvane::win32 {

class ShellLauncher : public Shell {
 public:
  void Open(WindowHandle owner, const std::string& verb, const std::u16string& file,
            const std::u16string& parameters, int showCommand) override;
  bool Launch(const std::string& verb, const std::string& file, const std::string& parameters,
              const std::u16string& folder, int showCommand) override;
};

}  // namespace sorvane::win32
