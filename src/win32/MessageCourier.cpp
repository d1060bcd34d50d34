#include "win32/MessageCourier.h"

#include "win32/SwitchReader.h"

namespace sorvane::win32 {

namespace {
// At the end of the program a hung JoyToKey gets this long to take what is left.
constexpr DWORD kStopWait = 200;
// A letter the thread has taken gets this long to reach its window before
// the rest is posted: a posted message must not overtake it.
constexpr DWORD kOvertakingGuard = 100;

void LogNotDelivered(Log& log, const Letter& letter) {
  char line[96];
  wsprintfA(line, "JoyToKey に送れませんでした（メッセージ %u、%d、ウィンドウがありません）", letter.message,
            letter.lParam);
  log.Write(line);
}

}  // namespace

MessageCourier::~MessageCourier() {
  if (!thread_) return;
  AcquireSRWLockExclusive(&shared_->lock);
  shared_->stop = true;
  ReleaseSRWLockExclusive(&shared_->lock);
  WakeAllConditionVariable(&shared_->changed);
  // A thread still held in a send by a hung window keeps the shared state:
  // the process ends around it.
  if (WaitForSingleObject(thread_.get(), kStopWait) == WAIT_OBJECT_0) delete shared_;
}

void MessageCourier::Hand(const Letter& letter) {
  if (!thread_) {
    shared_ = new Shared;
    shared_->log = &log_;
    thread_.Reset(CreateThread(nullptr, 0, &Run, shared_, 0, nullptr));
    if (!thread_) return;
    // As the switch reader's: busy programs on the machine must not delay a press.
    SetThreadPriority(thread_.get(), THREAD_PRIORITY_ABOVE_NORMAL);
  }
  AcquireSRWLockExclusive(&shared_->lock);
  shared_->letters.Push(letter);
  ReleaseSRWLockExclusive(&shared_->lock);
  WakeAllConditionVariable(&shared_->changed);
}

int MessageCourier::Undelivered() {
  if (!thread_) return 0;
  AcquireSRWLockShared(&shared_->lock);
  const int count = shared_->letters.Size() + (shared_->underWay ? 1 : 0);
  ReleaseSRWLockShared(&shared_->lock);
  return count;
}

bool MessageCourier::WaitDelivered(int milliseconds) {
  if (!thread_) return true;
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  AcquireSRWLockExclusive(&shared_->lock);
  while (!shared_->letters.Empty() || shared_->underWay) {
    const ULONGLONG now = GetTickCount64();
    if (now >= end ||
        !SleepConditionVariableSRW(&shared_->changed, &shared_->lock, static_cast<DWORD>(end - now), 0)) {
      break;
    }
  }
  const bool delivered = shared_->letters.Empty() && !shared_->underWay;
  ReleaseSRWLockExclusive(&shared_->lock);
  return delivered;
}

int MessageCourier::PostWaiting() {
  if (!thread_) return 0;
  int posted = 0;
  AcquireSRWLockExclusive(&shared_->lock);
  const ULONGLONG end = GetTickCount64() + kOvertakingGuard;
  while (shared_->underWay) {
    const ULONGLONG now = GetTickCount64();
    if (now >= end ||
        !SleepConditionVariableSRW(&shared_->changed, &shared_->lock, static_cast<DWORD>(end - now), 0)) {
      break;
    }
  }
  // All under the lock, so that the thread sends nothing in between.
  for (; !shared_->letters.Empty(); shared_->letters.Pop()) {
    const Letter& letter = shared_->letters.Front();
    const HWND window = reinterpret_cast<HWND>(letter.window);
    if (IsWindow(window) && PostMessageW(window, letter.message, 0, static_cast<LPARAM>(letter.lParam))) {
      ++posted;
    } else {
      LogNotDelivered(*shared_->log, letter);
    }
  }
  ReleaseSRWLockExclusive(&shared_->lock);
  WakeAllConditionVariable(&shared_->changed);
  return posted;
}

DWORD WINAPI MessageCourier::Run(void* context) {
  Shared& shared = *static_cast<Shared*>(context);
  AcquireSRWLockExclusive(&shared.lock);
  HeldKeys heldKeys;
  for (;;) {
    while (shared.letters.Empty() && !shared.stop) SleepConditionVariableSRW(&shared.changed, &shared.lock, INFINITE, 0);
    if (shared.letters.Empty()) break;
    const std::int64_t now = MonotonicMilliseconds();
    const std::int64_t leaving = heldKeys.EarliestLeaving(shared.letters.Front(), now);
    if (leaving > now) {
      // Woken early when the letters are posted at the end of the program.
      SleepConditionVariableSRW(&shared.changed, &shared.lock, static_cast<DWORD>(leaving - now), 0);
      continue;
    }
    const Letter letter = shared.letters.Front();
    shared.letters.Pop();
    shared.underWay = true;
    heldKeys.Left(letter, now);
    ReleaseSRWLockExclusive(&shared.lock);
    const HWND window = reinterpret_cast<HWND>(letter.window);
    // lParam travels as the 32 bits JoyToKey reads, sign-extended.
    const LPARAM lParam = static_cast<LPARAM>(letter.lParam);
    bool sent = false;
    if (IsWindow(window) && letter.post) {
      sent = PostMessageW(window, letter.message, 0, lParam) != FALSE;
    } else if (IsWindow(window)) {
      // No time-out: a message the window is still handling is never sent
      // again, however long it takes.
      SendMessageW(window, letter.message, 0, lParam);
      sent = true;
    }
    if (!sent) LogNotDelivered(*shared.log, letter);
    AcquireSRWLockExclusive(&shared.lock);
    shared.underWay = false;
    WakeAllConditionVariable(&shared.changed);
  }
  ReleaseSRWLockExclusive(&shared.lock);
  return 0;
}

}  // namespace sorvane::win32
