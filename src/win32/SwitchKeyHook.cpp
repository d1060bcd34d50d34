#include "win32/SwitchKeyHook.h"

namespace sorvane::win32 {

namespace {
// A low-level hook's procedure gets no context of its own; one panel runs one hook.
SwitchKeyHook* g_hook = nullptr;
// The hook sees the left and right keys; a settings file may name either side.
bool Matches(DWORD seen, LONG wanted) {
  if (static_cast<LONG>(seen) == wanted) return true;
  switch (wanted) {
    case VK_SHIFT: return seen == VK_LSHIFT || seen == VK_RSHIFT;
    case VK_CONTROL: return seen == VK_LCONTROL || seen == VK_RCONTROL;
    case VK_MENU: return seen == VK_LMENU || seen == VK_RMENU;
    default: return false;
  }
}

}  // namespace

// The panel's menu, asked for as a right click on its margin asks for it,
// when the window under the pointer is this program's panel and takes the
// mouse (not while the name editor or a dialog has it disabled).
bool SwitchKeyHook::OpenPanelMenuUnderPointer() {
  POINT pointer{};
  if (!GetCursorPos(&pointer)) return false;
  const HWND window = GetAncestor(WindowFromPoint(pointer), GA_ROOT);
  DWORD process = 0;
  if (window == nullptr || GetWindowThreadProcessId(window, &process) == 0 || process != GetCurrentProcessId()) {
    return false;
  }
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (lstrcmpW(name, L"TSorvaneForm") != 0 || !IsWindowEnabled(window)) return false;
  const LPARAM where = MAKELPARAM(pointer.x, pointer.y);
  return PostMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), where) != FALSE;
}

void SwitchKeyHook::SetKeys(int virtualKey, int secondVirtualKey) {
  InterlockedExchange(&keys_[0], virtualKey);
  InterlockedExchange(&keys_[1], secondVirtualKey);
  if (virtualKey == 0 && secondVirtualKey == 0) InterlockedExchange(&down_, 0);
  StartOrStop();
}

void SwitchKeyHook::SetMenuKeyOverPanel(bool on) {
  InterlockedExchange(&menuKey_, on ? 1 : 0);
  StartOrStop();
}

void SwitchKeyHook::StartOrStop() {
  const bool any = InterlockedCompareExchange(&keys_[0], 0, 0) != 0 ||
                   InterlockedCompareExchange(&keys_[1], 0, 0) != 0 ||
                   InterlockedCompareExchange(&menuKey_, 0, 0) != 0;
  if (any && !thread_.Running()) {
    // Presses kept back by an earlier hook were released unseen meanwhile.
    for (bool& swallowed : swallowed_) swallowed = false;
    g_hook = this;
    thread_.Start();
  } else if (!any && thread_.Running()) {
    thread_.Stop();
    g_hook = nullptr;
  }
}

// A switch is held while any key that works as it has its press kept back:
// with Shift, the left one may still be down when the right one comes up.
void SwitchKeyHook::UpdateDown() {
  LONG held = 0;
  for (int which = 0; which < 2; ++which) {
    const LONG wanted = InterlockedCompareExchange(&keys_[which], 0, 0);
    if (wanted == 0) continue;
    for (DWORD code = 0; code < 256; ++code) {
      if (swallowed_[code] && Matches(code, wanted)) held |= 1 << which;
    }
  }
  InterlockedExchange(&down_, held);
}

LRESULT CALLBACK SwitchKeyHook::HookProc(int code, WPARAM message, LPARAM info) {
  SwitchKeyHook* hook = g_hook;
  if (code == HC_ACTION && hook != nullptr) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(info);
    const LONG first = InterlockedCompareExchange(&hook->keys_[0], 0, 0);
    const LONG second = InterlockedCompareExchange(&hook->keys_[1], 0, 0);
    const bool isSwitchKey = (first != 0 && Matches(key->vkCode, first)) || (second != 0 && Matches(key->vkCode, second));
    if (key->vkCode < 256 && isSwitchKey) {
      const DWORD physical = key->vkCode;
      const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
      // A key the system already holds (pressed before the hook, or going
      // through now as its repeat) stays the system's until it is released:
      // keeping back only its release would leave it down for every program.
      // Here the asynchronous state is still the one before this key.
      const bool systemHolds =
          !hook->swallowed_[physical] && (GetAsyncKeyState(static_cast<int>(physical)) & 0x8000) != 0;
      if (down ? !systemHolds : hook->swallowed_[physical]) {
        hook->swallowed_[physical] = down;
        hook->UpdateDown();
        return 1;  // the program with the keyboard never sees it
      }
    } else if (key->vkCode == VK_APPS && InterlockedCompareExchange(&hook->menuKey_, 0, 0) != 0) {
      const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
      if (down ? !hook->swallowed_[VK_APPS] && OpenPanelMenuUnderPointer() : hook->swallowed_[VK_APPS]) {
        hook->swallowed_[VK_APPS] = down;
        return 1;
      }
      if (down && hook->swallowed_[VK_APPS]) return 1;  // its repeat, while the menu opens
    }
  }
  return CallNextHookEx(nullptr, code, message, info);
}

}  // namespace sorvane::win32
