// Included ahead of everything in GoogleTest and the unit tests when they are
// cross-built with mingw-w64's win32 thread model, whose library has no
// std::mutex or std::condition_variable for GoogleTest's Notification.
// Only GoogleTest's own thread tests wait on one; the unit tests never do.
#pragma once

#include <atomic>

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify() { notified_.store(true); }
  void WaitForNotification() {
    while (!notified_.load()) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal

#define GTEST_HAS_NOTIFICATION_ 1
