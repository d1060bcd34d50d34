#include "win32/BackgroundWorker.h"

namespace sorvane::win32 {

bool BackgroundWorker::Begin(std::function<void()> work) {
  if (!Done()) return false;
  thread_.Reset();
  work_ = std::move(work);
  thread_.Reset(CreateThread(nullptr, 0, &Run, this, CREATE_SUSPENDED, nullptr));
  if (!thread_) return false;
  SetThreadPriority(thread_.get(), THREAD_PRIORITY_BELOW_NORMAL);
  ResumeThread(thread_.get());
  return true;
}

bool BackgroundWorker::Done() {
  // The wait is also what makes the work's writes visible to this thread.
  return !thread_ || WaitForSingleObject(thread_.get(), 0) == WAIT_OBJECT_0;
}

void BackgroundWorker::Finish() {
  if (thread_) WaitForSingleObject(thread_.get(), INFINITE);
}

DWORD WINAPI BackgroundWorker::Run(void* self) {
  auto& worker = *static_cast<BackgroundWorker*>(self);
  try {
    worker.work_();
  } catch (...) {
    // Nothing may escape a thread; the work reports what it found itself.
  }
  return 0;
}

}  // namespace sorvane::win32
