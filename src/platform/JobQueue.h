// Work that takes long (reading or rewriting a large file) done on a thread
// of its own, so that the panel's thread goes on answering and scanning. Jobs
// run one after another in the order they were queued; whoever queued one
// looks, between handlers, whether it has ended.
#pragma once

#include <cstdint>
#include <functional>

namespace sorvane {

class JobQueue {
 public:
  using Job = std::function<void()>;
  using Ticket = std::uint64_t;  // 0 names no job

  // Queues job. It must touch nothing the panel's thread touches meanwhile:
  // it takes copies, and leaves its results where only Done tells they are.
  virtual Ticket Queue(Job job) = 0;
  // Whether the job of ticket has ended; what it left is then the caller's.
  virtual bool Done(Ticket ticket) = 0;

 protected:
  ~JobQueue() = default;
};

}  // namespace sorvane
