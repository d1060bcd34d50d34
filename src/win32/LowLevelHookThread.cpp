#include "win32/LowLevelHookThread.h"

namespace sorvane::win32 {

void LowLevelHookThread::Start() {
  if (thread_) return;
  ready_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  thread_.Reset(CreateThread(nullptr, 0, &Run, this, 0, &threadId_));
  if (thread_) WaitForSingleObject(ready_.get(), 5000);
}

void LowLevelHookThread::Stop() {
  if (!thread_) return;
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  WaitForSingleObject(thread_.get(), INFINITE);
  thread_.Reset();
  ready_.Reset();
}

DWORD WINAPI LowLevelHookThread::Run(void* self) {
  auto* hook = static_cast<LowLevelHookThread*>(self);
  MSG message{};
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue, for WM_QUIT
  const OwnedHook installed(SetWindowsHookExW(hook->kind_, hook->procedure_, GetModuleHandleW(nullptr), 0));
  SetEvent(hook->ready_.get());
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}

}  // namespace sorvane::win32
