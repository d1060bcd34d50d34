// The program's log: what happened, with the time, for whoever looks into a
// problem afterwards.
#pragma once

#include <string>

#include "platform/FilePath.h"

namespace sorvane {

class Log {
 public:
  // The file the lines go to from now on; lines written before it was named
  // are kept for it.
  virtual void UseFile(const FilePath& path) = 0;
  // One line, stamped with the local date and time.
  virtual void Write(const std::string& line) = 0;

 protected:
  ~Log() = default;
};

}  // namespace sorvane
