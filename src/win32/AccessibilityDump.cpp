#include "win32/AccessibilityDump.h"

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win32/Handles.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

struct Button {
  int left;
  std::string line;
};

Button Describe(const AccessibleWindow& button) {
  RECT rect{};
  GetWindowRect(button.window, &rect);
  MapWindowPoints(nullptr, GetParent(button.window), reinterpret_cast<POINT*>(&rect), 2);
  // As a screen reader asks; the window's own object where that fails.
  IAccessible* object = nullptr;
  const char* reached = "system";
  if (FAILED(AccessibleObjectFromWindow(button.window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object))) ||
      object == nullptr) {
    object = button.own;
    object->AddRef();
    reached = "own";
  }
  OwnedInterface<IAccessible> accessible(object);
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  accessible.get()->get_accName(self, &name);
  VARIANT role;
  VariantInit(&role);
  accessible.get()->get_accRole(self, &role);
  VARIANT state;
  VariantInit(&state);
  accessible.get()->get_accState(self, &state);
  const std::wstring_view nameText =
      name != nullptr ? std::wstring_view(name, SysStringLen(name)) : std::wstring_view();
  std::string line = std::to_string(rect.left) + "\t" + reached + "\t" + Utf8(nameText) + "\t" +
                     std::to_string(role.vt == VT_I4 ? role.lVal : -1) + "\t" +
                     std::to_string(state.vt == VT_I4 ? state.lVal : -1);
  SysFreeString(name);
  return {static_cast<int>(rect.left), line};
}

void DumpMenu(HMENU menu, std::string& out) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
    const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    out += std::string("menu\t") + ((state & MF_GRAYED) != 0 ? "1" : "0") + "\t" +
           ((state & MF_CHECKED) != 0 ? "1" : "0") + "\t" + Utf8(text) + "\n";
    if (HMENU submenu = GetSubMenu(menu, i)) DumpMenu(submenu, out);
  }
}

}  // namespace

UINT AccessibilityDumpMessage() {
  static const UINT message = RegisterWindowMessageW(L"SorvaneE2EAccessibility");
  return message;
}

void DumpAccessibility(const std::vector<AccessibleWindow>& windows) {
  wchar_t path[1024] = {};
  if (GetEnvironmentVariableW(L"SORVANE_E2E_ACCESSIBILITY_FILE", path, 1024) == 0) return;
  std::vector<Button> buttons;
  for (const AccessibleWindow& window : windows) buttons.push_back(Describe(window));
  std::stable_sort(buttons.begin(), buttons.end(), [](const Button& a, const Button& b) { return a.left < b.left; });
  std::string out;
  for (const Button& button : buttons) out += button.line + "\n";
  // The popup menu is a window of its own while it is open.
  if (HWND menuWindow = FindWindowW(L"#32768", nullptr)) {
    constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
    if (auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, kGetMenuHandle, 0, 0))) DumpMenu(menu, out);
  }
  OwnedFile file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  DWORD written = 0;
  WriteFile(file.get(), out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
}

}  // namespace sorvane::win32
