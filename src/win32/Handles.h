// Owners for system handles and GDI objects, so nothing is closed by hand.
#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>

namespace sorvane::win32 {

template <typename Handle, typename Closer>
class Owned {
  static Handle Invalid() { return Closer::Invalid(); }

 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { Reset(); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Invalid())) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, Invalid());
    }
    return *this;
  }
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Invalid(); }
  void Reset(Handle handle = Invalid()) {
    if (handle_ != Invalid()) Closer{}(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Invalid();
};

struct CloseKernelHandle {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  void operator()(HANDLE h) const { CloseHandle(h); }
};
struct CloseNullableHandle {
  static HANDLE Invalid() { return nullptr; }
  void operator()(HANDLE h) const { CloseHandle(h); }
};
struct CloseFind {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  void operator()(HANDLE h) const { FindClose(h); }
};
template <typename Gdi>
struct DeleteGdiObject {
  static Gdi Invalid() { return nullptr; }
  void operator()(Gdi h) const { DeleteObject(h); }
};
struct DestroyWindowHandle {
  static HWND Invalid() { return nullptr; }
  void operator()(HWND h) const { DestroyWindow(h); }
};
struct CloseRegistryKey {
  static HKEY Invalid() { return nullptr; }
  void operator()(HKEY h) const { RegCloseKey(h); }
};
struct RemoveHook {
  static HHOOK Invalid() { return nullptr; }
  void operator()(HHOOK h) const { UnhookWindowsHookEx(h); }
};
struct FreeLocalMemory {
  static LPWSTR* Invalid() { return nullptr; }
  void operator()(LPWSTR* h) const { LocalFree(h); }
};
struct DeleteDeviceContext {
  static HDC Invalid() { return nullptr; }
  void operator()(HDC h) const { DeleteDC(h); }
};
struct DestroyMenuHandle {
  static HMENU Invalid() { return nullptr; }
  void operator()(HMENU h) const { DestroyMenu(h); }
};

template <typename Interface>
struct ReleaseComObject {
  static Interface* Invalid() { return nullptr; }
  void operator()(Interface* object) const { object->Release(); }
};

using OwnedFile = Owned<HANDLE, CloseKernelHandle>;
using OwnedMutex = Owned<HANDLE, CloseNullableHandle>;
using OwnedProcess = Owned<HANDLE, CloseNullableHandle>;
using OwnedThread = Owned<HANDLE, CloseNullableHandle>;
using OwnedEvent = Owned<HANDLE, CloseNullableHandle>;
using OwnedFind = Owned<HANDLE, CloseFind>;
using OwnedFont = Owned<HFONT, DeleteGdiObject<HFONT>>;
using OwnedBrush = Owned<HBRUSH, DeleteGdiObject<HBRUSH>>;
using OwnedMenu = Owned<HMENU, DestroyMenuHandle>;
using OwnedWindow = Owned<HWND, DestroyWindowHandle>;
using OwnedKey = Owned<HKEY, CloseRegistryKey>;
using OwnedHook = Owned<HHOOK, RemoveHook>;
// The argument list CommandLineToArgvW hands out.
using OwnedArguments = Owned<LPWSTR*, FreeLocalMemory>;
using OwnedMemoryDc = Owned<HDC, DeleteDeviceContext>;
template <typename Interface>
using OwnedInterface = Owned<Interface*, ReleaseComObject<Interface>>;

// A window's device context, borrowed for one scope; the screen's for no window.
class BorrowedDC {
 public:
  explicit BorrowedDC(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
  ~BorrowedDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  BorrowedDC(const BorrowedDC&) = delete;
  BorrowedDC& operator=(const BorrowedDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace sorvane::win32
