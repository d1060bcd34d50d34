// The program's log: what happened, with the time, for whoever looks into a
// problem afterwards.
#pragma once

#include <string>

namespace sorvane {

class Log {
 public:
  // The file the lines go to from now on (code page 932 path); lines written
  // before it was named are kept for it.
  virtual void UseFile(const std::string& path) = 0;
  // One line, stamped with the local date and time.
  virtual void Write(const std::string& line) = 0;

 protected:
  ~Log() = default;
};

}  // namespace sorvane
