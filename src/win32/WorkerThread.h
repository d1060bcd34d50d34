// The worker: one thread, started with the first job, that runs the queued
// jobs in turn. Its end waits a while for the job under way, so that no file
// is left half rewritten; jobs not yet begun are dropped.
#pragma once

#include <windows.h>

#include <deque>

#include "platform/JobQueue.h"
#include "win32/Handles.h"

namespace sorvane::win32 {

class WorkerThread : public JobQueue {
 public:
  WorkerThread() = default;
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  Ticket Queue(Job job) override;
  bool Done(Ticket ticket) override;

 private:
  struct Shared {
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE changed = CONDITION_VARIABLE_INIT;
    std::deque<Job> jobs;
    Ticket ended = 0;
    bool stop = false;
  };
  static DWORD WINAPI Run(void* shared);

  Shared* shared_ = nullptr;
  Ticket queued_ = 0;
  OwnedThread thread_;
};

}  // namespace sorvane::win32
