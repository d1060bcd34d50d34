#include "win32/SwitchMouseHook.h"

namespace sorvane::win32 {

namespace {

// A low-level hook's procedure gets no context of its own; one panel runs one hook.
SwitchMouseHook* g_hook = nullptr;

// The button a hooked message is about, and whether it went down; 0 for a
// move or the wheel.
int ButtonOf(WPARAM message, const MSLLHOOKSTRUCT& mouse, bool& down) {
  down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
         message == WM_XBUTTONDOWN;
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: return kLeftMouseButton;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return kRightMouseButton;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: return kMiddleMouseButton;
    case WM_XBUTTONDOWN: case WM_XBUTTONUP:
      return HIWORD(mouse.mouseData) == XBUTTON1 ? kBackMouseButton : kForwardMouseButton;
    default: return 0;
  }
}

}  // namespace

void SwitchMouseHook::SetButtons(int button, int secondButton) {
  InterlockedExchange(&buttons_[0], button);
  InterlockedExchange(&buttons_[1], secondButton);
  const bool any = button != 0 || secondButton != 0;
  if (!any) InterlockedExchange(&down_, 0);
  if (any && !thread_.Running()) {
    for (bool& swallowed : swallowed_) swallowed = false;
    g_hook = this;
    thread_.Start();
  } else if (!any && thread_.Running()) {
    // A press kept back goes with the hook: no program saw it, so none holds
    // the button; its release reaches the program under the pointer alone.
    thread_.Stop();
    g_hook = nullptr;
  }
}

std::uint32_t SwitchMouseHook::DownButtons(std::int64_t now) {
  const LONG held = InterlockedCompareExchange(&down_, 0, 0);
  std::uint32_t down = 0;
  for (int which = 0; which < 2; ++which) {
    const LONG presses = InterlockedCompareExchange(&presses_[which], 0, 0);
    if (presses != pressesShown_[which]) {
      pressesShown_[which] = presses;
      shownSince_[which] = now;
      showing_[which] = true;
    }
    if (showing_[which] && now - shownSince_[which] >= kShortestPress) showing_[which] = false;
    if ((held & (1 << which)) != 0 || showing_[which]) down |= 1U << which;
  }
  return down;
}

void SwitchMouseHook::UpdateDown() {
  LONG held = 0;
  for (int which = 0; which < 2; ++which) {
    const LONG button = InterlockedCompareExchange(&buttons_[which], 0, 0);
    if (button > 0 && button <= kMouseButtonCount && swallowed_[button]) held |= 1 << which;
  }
  InterlockedExchange(&down_, held);
}

LRESULT CALLBACK SwitchMouseHook::HookProc(int code, WPARAM message, LPARAM info) {
  SwitchMouseHook* hook = g_hook;
  if (code == HC_ACTION && hook != nullptr) {
    const auto& mouse = *reinterpret_cast<const MSLLHOOKSTRUCT*>(info);
    bool down = false;
    const int button = ButtonOf(message, mouse, down);
    if (button != 0) {
      const bool isSwitch = button == InterlockedCompareExchange(&hook->buttons_[0], 0, 0) ||
                            button == InterlockedCompareExchange(&hook->buttons_[1], 0, 0);
      // A press held before the hook went in, or before its button became
      // the switch, went to a program: its release goes there too. A click
      // made by a program (JoyToKey acting for the user) is no switch press.
      const bool made = (mouse.flags & LLMHF_INJECTED) != 0;
      if (down ? isSwitch && !made : hook->swallowed_[button]) {
        hook->swallowed_[button] = down;
        for (int which = 0; down && which < 2; ++which) {
          if (button == InterlockedCompareExchange(&hook->buttons_[which], 0, 0)) {
            InterlockedIncrement(&hook->presses_[which]);
          }
        }
        hook->UpdateDown();
        return 1;  // the program under the pointer never sees it
      }
    }
  }
  return CallNextHookEx(nullptr, code, message, info);
}

}  // namespace sorvane::win32
