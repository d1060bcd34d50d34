// Work done on a thread of its own, one piece at a time, at a lower priority
// than the panel's, which must keep its ticks.
#pragma once

#include <functional>

#include "platform/Worker.h"
#include "win32/Handles.h"

namespace sorvane::win32 {

class BackgroundWorker final : public Worker {
 public:
  BackgroundWorker() = default;
  BackgroundWorker(const BackgroundWorker&) = delete;
  BackgroundWorker& operator=(const BackgroundWorker&) = delete;
  ~BackgroundWorker() { Finish(); }

  bool Begin(std::function<void()> work) override;
  bool Done() override;
  void Finish() override;

 private:
  static DWORD WINAPI Run(void* self);

  std::function<void()> work_;
  OwnedThread thread_;
};

}  // namespace sorvane::win32
