// Work that may take long (a search of whole drives) done beside the panel's
// thread, so that the scan and the switch go on meanwhile.
#pragma once

#include <functional>

namespace sorvane {

class Worker {
 public:
  // Starts work on its own; one piece at a time. False when it could not be
  // started, or while the work begun before has not ended. The work must touch
  // nothing the panel's thread uses until Done() says it has ended.
  virtual bool Begin(std::function<void()> work) = 0;
  // The work begun last has ended (or none was begun); what it wrote can be read.
  virtual bool Done() = 0;
  // Waits until the work begun last has ended.
  virtual void Finish() = 0;

 protected:
  ~Worker() = default;
};

}  // namespace sorvane
