// The programs Windows starts when the user logs on: values of the current
// user's Run key (HKCU\Software\Microsoft\Windows\CurrentVersion\Run).
#pragma once

#include <optional>
#include <string>

namespace sorvane {

class LogonStart {
 public:
  // The command a value holds, or nothing when there is no such value or it
  // cannot be read. Commands are UTF-16, as the program's path is.
  virtual std::optional<std::u16string> ReadRunValue(const std::string& name) = 0;
  // Sets the value to command; false when it could not be written.
  virtual bool WriteRunValue(const std::string& name, const std::u16string& command) = 0;
  // Removes the value; true also when there was none.
  virtual bool RemoveRunValue(const std::string& name) = 0;

 protected:
  ~LogonStart() = default;
};

}  // namespace sorvane
