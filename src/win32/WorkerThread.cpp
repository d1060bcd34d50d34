#include "win32/WorkerThread.h"

namespace sorvane::win32 {

namespace {

// A job still under way by then (a file on a drive that does not answer)
// keeps the shared state: the process ends around it.
constexpr DWORD kStopWait = 10000;

}  // namespace

WorkerThread::~WorkerThread() {
  if (!thread_) {
    delete shared_;
    return;
  }
  AcquireSRWLockExclusive(&shared_->lock);
  shared_->stop = true;
  shared_->jobs.clear();
  ReleaseSRWLockExclusive(&shared_->lock);
  WakeAllConditionVariable(&shared_->changed);
  if (WaitForSingleObject(thread_.get(), kStopWait) == WAIT_OBJECT_0) delete shared_;
}

JobQueue::Ticket WorkerThread::Queue(Job job) {
  if (shared_ == nullptr) shared_ = new Shared;
  if (!thread_) {
    thread_.Reset(CreateThread(nullptr, 0, &Run, shared_, 0, nullptr));
  }
  const Ticket ticket = ++queued_;
  if (!thread_) {
    // No thread to be had: the job is done here rather than never.
    job();
    AcquireSRWLockExclusive(&shared_->lock);
    shared_->ended = ticket;
    ReleaseSRWLockExclusive(&shared_->lock);
    return ticket;
  }
  AcquireSRWLockExclusive(&shared_->lock);
  shared_->jobs.push_back(std::move(job));
  ReleaseSRWLockExclusive(&shared_->lock);
  WakeAllConditionVariable(&shared_->changed);
  return ticket;
}

bool WorkerThread::Done(Ticket ticket) {
  if (shared_ == nullptr) return true;
  AcquireSRWLockShared(&shared_->lock);
  const bool done = shared_->ended >= ticket;
  ReleaseSRWLockShared(&shared_->lock);
  return done;
}

DWORD WINAPI WorkerThread::Run(void* state) {
  auto& shared = *static_cast<Shared*>(state);
  for (;;) {
    AcquireSRWLockExclusive(&shared.lock);
    while (shared.jobs.empty() && !shared.stop) SleepConditionVariableSRW(&shared.changed, &shared.lock, INFINITE, 0);
    if (shared.stop) {
      ReleaseSRWLockExclusive(&shared.lock);
      return 0;
    }
    Job job = std::move(shared.jobs.front());
    shared.jobs.pop_front();
    ReleaseSRWLockExclusive(&shared.lock);
    // Nothing thrown may end the thread, nor leave the job's ticket undone.
    try {
      job();
    } catch (...) {
    }
    job = nullptr;
    AcquireSRWLockExclusive(&shared.lock);
    ++shared.ended;
    ReleaseSRWLockExclusive(&shared.lock);
  }
}

}  // namespace sorvane::win32
