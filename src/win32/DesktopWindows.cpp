#include "win32/DesktopWindows.h"

#include <cstring>
#include <string>

#include "win32/Handles.h"
#include "win32/PanelStyle.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

struct EnumContext {
  Desktop::WindowVisitor visit;
  void* context;
};

BOOL CALLBACK EnumTrampoline(HWND window, LPARAM lParam) {
  auto* enumContext = reinterpret_cast<EnumContext*>(lParam);
  enumContext->visit(reinterpret_cast<WindowHandle>(window), enumContext->context);
  return TRUE;
}

// Functions of later Windows, looked up so the program still starts on Windows 7.
template <typename Function>
Function Later(const wchar_t* module, const char* name) {
  HMODULE handle = GetModuleHandleW(module);
  if (handle == nullptr) handle = LoadLibraryW(module);
  return handle == nullptr ? nullptr : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

int SystemDpi() {
  const BorrowedDC screen;
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

int MonitorDpi(HMONITOR monitor) {
  using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto getDpiForMonitor = Later<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
  UINT x = 0;
  UINT y = 0;
  if (getDpiForMonitor != nullptr && SUCCEEDED(getDpiForMonitor(monitor, 0, &x, &y)) && y > 0) {
    return static_cast<int>(y);
  }
  return SystemDpi();
}

MonitorArea AreaOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  MonitorArea area;
  area.bounds = {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
  area.workArea = {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
  area.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
  // SM_CYFULLSCREEN is the primary work area's height less a caption; the
  // same allowance holds on every monitor.
  MONITORINFO primary{};
  primary.cbSize = sizeof primary;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary);
  const int allowance = (primary.rcWork.bottom - primary.rcWork.top) - GetSystemMetrics(SM_CYFULLSCREEN);
  area.fullScreenClientHeight = (info.rcWork.bottom - info.rcWork.top) - allowance;
  area.dpi = MonitorDpi(monitor);
  return area;
}

}  // namespace

void DesktopWindows::EnumerateTopLevelWindows(WindowVisitor visit, void* context) {
  EnumContext enumContext{visit, context};
  EnumWindows(&EnumTrampoline, reinterpret_cast<LPARAM>(&enumContext));
}

int DesktopWindows::GetWindowTitle(WindowHandle window, char* buffer, int size) {
  if (size <= 0) return 0;
  wchar_t title[256];
  const int length = GetWindowTextW(AsWindow(window), title, 256);
  int bytes = WideCharToMultiByte(932, 0, title, length, buffer, size - 1, nullptr, nullptr);
  if (bytes <= 0 && length > 0) {
    // Too long for the buffer: take what fits.
    std::string whole = Narrow(std::wstring(title, static_cast<std::size_t>(length)));
    bytes = static_cast<int>(whole.size() < static_cast<std::size_t>(size - 1) ? whole.size() : size - 1);
    std::memcpy(buffer, whole.data(), static_cast<std::size_t>(bytes));
  }
  buffer[bytes < 0 ? 0 : bytes] = '\0';
  return bytes < 0 ? 0 : bytes;
}

bool DesktopWindows::WindowBelongsToProgram(WindowHandle window, const char* programFileName) {
  DWORD processId = 0;
  GetWindowThreadProcessId(AsWindow(window), &processId);
  if (processId == 0) return false;
  if (AsWindow(window) == checkedWindow_ && processId == checkedProcess_) return checkedAnswer_;
  const OwnedProcess process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return false;
  DWORD length = static_cast<DWORD>(imagePath_.size());
  while (!QueryFullProcessImageNameW(process.get(), 0, imagePath_.data(), &length)) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || imagePath_.size() >= 32768) return false;
    imagePath_.resize(imagePath_.size() * 2);
    length = static_cast<DWORD>(imagePath_.size());
  }
  const wchar_t* fileName = imagePath_.data();
  for (DWORD i = 0; i < length; ++i) {
    if (imagePath_[i] == L'\\' || imagePath_[i] == L'/') fileName = imagePath_.data() + i + 1;
  }
  const std::wstring wanted = Wide(programFileName);
  checkedWindow_ = AsWindow(window);
  checkedProcess_ = processId;
  checkedAnswer_ = CompareStringOrdinal(fileName, -1, wanted.c_str(), -1, TRUE) == CSTR_EQUAL;
  return checkedAnswer_;
}

bool DesktopWindows::WindowExists(WindowHandle window) { return window != 0 && IsWindow(AsWindow(window)) != FALSE; }

int DesktopWindows::ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int DesktopWindows::ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }
int DesktopWindows::FullScreenClientHeight() { return GetSystemMetrics(SM_CYFULLSCREEN); }

ScreenRect DesktopWindows::DesktopWindowRect() {
  RECT rect{};
  GetWindowRect(GetDesktopWindow(), &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

ScreenPoint DesktopWindows::CursorPosition() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

bool DesktopWindows::LeftButtonDownNow() { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }
std::int16_t DesktopWindows::LeftButtonKeyState() { return GetKeyState(VK_LBUTTON); }
void DesktopWindows::ReleaseMouseCapture() { ReleaseCapture(); }

FrameInsets DesktopWindows::PanelFrame(int dpi) {
  using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = Later<AdjustForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
  RECT rect{0, 0, 100, 100};
  if (adjustForDpi == nullptr || !adjustForDpi(&rect, kPanelStyle, FALSE, kPanelExStyle, static_cast<UINT>(dpi))) {
    rect = RECT{0, 0, 100, 100};
    AdjustWindowRectEx(&rect, kPanelStyle, FALSE, kPanelExStyle);
  }
  return {-rect.left, -rect.top, rect.right - 100, rect.bottom - 100};
}

int DesktopWindows::MonitorCount() { return GetSystemMetrics(SM_CMONITORS); }

MonitorArea DesktopWindows::PrimaryMonitor() {
  return AreaOf(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

MonitorArea DesktopWindows::MonitorNearest(const ScreenRect& bounds) {
  const RECT rect{bounds.left, bounds.top, bounds.right, bounds.bottom};
  return AreaOf(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST));
}

bool DesktopWindows::OnAnyMonitor(ScreenPoint point) {
  return MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONULL) != nullptr;
}


int WindowDpi(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = Later<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
  if (getDpiForWindow != nullptr) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

}  // namespace sorvane::win32
