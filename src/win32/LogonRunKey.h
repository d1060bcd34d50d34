// Starting with the user's logon: values of the user's Run key.
#pragma once

#include <optional>
#include <string>

#include "platform/LogonStart.h"

namespace sorvane::win32 {

class LogonRunKey : public LogonStart {
 public:
  std::optional<std::u16string> ReadRunValue(const std::string& name) override;
  bool WriteRunValue(const std::string& name, const std::u16string& command) override;
  bool RemoveRunValue(const std::string& name) override;
};

}  // namespace sorvane::win32
