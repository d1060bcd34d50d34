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
using OwnedFind = Owned<HANDLE, CloseFind>;
using OwnedFont = Owned<HFONT, DeleteGdiObject<HFONT>>;
using OwnedBrush = Owned<HBRUSH, DeleteGdiObject<HBRUSH>>;
using OwnedMenu = Owned<HMENU, DestroyMenuHandle>;
using OwnedMemoryDc = Owned<HDC, DeleteDeviceContext>;
template <typename Interface>
using OwnedInterface = Owned<Interface*, ReleaseComObject<Interface>>;

}  // namespace sorvane::win32
