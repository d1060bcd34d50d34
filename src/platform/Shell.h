#pragma once

#include <string>

#include "platform/FilePath.h"
#include "platform/Types.h"

namespace sorvane {

// Show commands, as ShellExecute takes them.
constexpr int kShowHidden = 0;  // SW_HIDE
constexpr int kShowNormal = 5;  // SW_SHOW

class Shell {
 public:
  // ShellExecute(owner, verb, file, parameters, no folder, show); result
  // ignored. The file and its parameters are UTF-16: they may name a path.
  virtual void Open(WindowHandle owner, const std::string& verb, const std::u16string& file,
                    const std::u16string& parameters, int showCommand) = 0;
  // ShellExecuteExW with no owner: true when the shell reports success. The
  // folder is UTF-16, as a folder listing names it.
  virtual bool Launch(const std::string& verb, const std::string& file,
                      const std::string& parameters, const std::u16string& folder,
                      int showCommand) = 0;

 protected:
  ~Shell() = default;
};

}  // namespace sorvane
