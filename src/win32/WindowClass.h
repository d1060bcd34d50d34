// Window classes whose messages go to the object that made the window.
#pragma once

#include <windows.h>

namespace sorvane::win32 {

// Passes every message to Owner::OnMessage of the object given to
// CreateWindowExW as its creation parameter; before that, and after the
// window's end, the default handling answers.
template <typename Owner>
LRESULT CALLBACK OwnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return owner->OnMessage(window, message, wParam, lParam);
}

// Registers the class once per process; later calls change nothing.
template <typename Owner>
void RegisterOwnedClass(const wchar_t* name, HBRUSH background) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &OwnedWindowProc<Owner>;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

}  // namespace sorvane::win32
