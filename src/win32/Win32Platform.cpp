#include "win32/Win32Platform.h"

#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "win32/Handles.h"
#include "win32/SwitchRecordWindow.h"
#include "win32/SwitchSettingsDialog.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

// A JoyToKey that stops answering costs the panel at most this long per message.

struct EnumContext {
  Desktop::WindowVisitor visit;
  void* context;
};

const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct CloseRegistryKey {
  static HKEY Invalid() { return nullptr; }
  void operator()(HKEY key) const { RegCloseKey(key); }
};
using OwnedKey = Owned<HKEY, CloseRegistryKey>;

BOOL CALLBACK EnumTrampoline(HWND window, LPARAM lParam) {
  auto* enumContext = reinterpret_cast<EnumContext*>(lParam);
  enumContext->visit(reinterpret_cast<WindowHandle>(window), enumContext->context);
  return TRUE;
}

HWND AsWindow(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

// Functions of later Windows, looked up so the program still starts on Windows 7.
template <typename Function>
Function Later(const wchar_t* module, const char* name) {
  HMODULE handle = GetModuleHandleW(module);
  if (handle == nullptr) handle = LoadLibraryW(module);
  return handle == nullptr ? nullptr : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
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

std::wstring Wide(std::u16string_view utf16) { return std::wstring(utf16.begin(), utf16.end()); }

// Paths longer than the classic limit need the extended-length prefix.
std::wstring LongPath(std::wstring wide) {
  if (wide.size() >= MAX_PATH - 12 && wide.rfind(L"\\\\", 0) != 0 && wide.size() > 2 &&
      wide[1] == L':') {
    return L"\\\\?\\" + wide;
  }
  return wide;
}

// The file a path ends at, links followed; the path itself when it names
// nothing yet.
std::wstring FinalPath(const std::wstring& path) {
  OwnedFile file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) return path;
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return path;
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(length + 1);
  }
}

bool Refused(DWORD error) { return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT; }

// A folder as the program's paths hold it: code page 932, ending in a
// backslash. A name code page 932 cannot hold is tried in its short form.
std::string FolderName(std::wstring folder) {
  if (folder.empty()) return {};
  if (folder.back() != L'\\') folder += L'\\';
  if (auto name = NarrowExactly(folder)) return *name;
  std::vector<wchar_t> buffer(folder.size() + 1);
  const DWORD length = GetShortPathNameW(folder.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length == 0 || length >= buffer.size()) return {};
  return NarrowExactly(std::wstring(buffer.data(), length)).value_or(std::string());
}

}  // namespace

COLORREF ToColorRef(ColorValue color) {
  if ((color & 0xFF000000U) == 0x80000000U) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0x00FFFFFFU);
}

LRESULT CALLBACK Win32Platform::TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kSwitchWakeMessage) {
    auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && self->switchWakeHandler_) self->switchWakeHandler_();
    return 0;
  }
  if (message == WM_TIMER) {
    auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    auto* timer = reinterpret_cast<Timer*>(wParam);
    if (self != nullptr && self->timerHandler_ && timer->Running()) self->timerHandler_(*timer);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

Win32Platform::Win32Platform()
    : platform_{*this, courier_, *this, *this, prompts_, *this, *this, *this, *this, *this, *this, *this, log_, *this} {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &TimerProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"SorvaneTimers";
  RegisterClassW(&windowClass);
  timerWindow_ = CreateWindowExW(0, L"SorvaneTimers", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Platform::~Win32Platform() {
  switchReader_.reset();
  if (timerWindow_ != nullptr) DestroyWindow(timerWindow_);
}

void Win32Platform::EnumerateTopLevelWindows(WindowVisitor visit, void* context) {
  EnumContext enumContext{visit, context};
  EnumWindows(&EnumTrampoline, reinterpret_cast<LPARAM>(&enumContext));
}

int Win32Platform::GetWindowTitle(WindowHandle window, char* buffer, int size) {
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

bool Win32Platform::WindowBelongsToProgram(WindowHandle window, const char* programFileName) {
  DWORD processId = 0;
  GetWindowThreadProcessId(AsWindow(window), &processId);
  if (processId == 0) return false;
  if (AsWindow(window) == checkedWindow_ && processId == checkedProcess_) return checkedAnswer_;
  HANDLE opened = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (opened == nullptr) return false;
  OwnedFile process(opened);
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

bool Win32Platform::WindowExists(WindowHandle window) { return window != 0 && IsWindow(AsWindow(window)) != FALSE; }

int Win32Platform::ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int Win32Platform::ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }
int Win32Platform::FullScreenClientHeight() { return GetSystemMetrics(SM_CYFULLSCREEN); }

ScreenRect Win32Platform::DesktopWindowRect() {
  RECT rect{};
  GetWindowRect(GetDesktopWindow(), &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

ScreenPoint Win32Platform::CursorPosition() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

bool Win32Platform::LeftButtonDownNow() { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }
std::int16_t Win32Platform::LeftButtonKeyState() { return GetKeyState(VK_LBUTTON); }
void Win32Platform::ReleaseMouseCapture() { ReleaseCapture(); }

FrameInsets Win32Platform::PanelFrame(int dpi) {
  using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = Later<AdjustForDpiFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
  RECT rect{0, 0, 100, 100};
  if (adjustForDpi == nullptr || !adjustForDpi(&rect, kPanelStyle, FALSE, kPanelExStyle, static_cast<UINT>(dpi))) {
    rect = RECT{0, 0, 100, 100};
    AdjustWindowRectEx(&rect, kPanelStyle, FALSE, kPanelExStyle);
  }
  return {-rect.left, -rect.top, rect.right - 100, rect.bottom - 100};
}

int Win32Platform::MonitorCount() { return GetSystemMetrics(SM_CMONITORS); }

MonitorArea Win32Platform::PrimaryMonitor() {
  return AreaOf(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

MonitorArea Win32Platform::MonitorNearest(const ScreenRect& bounds) {
  const RECT rect{bounds.left, bounds.top, bounds.right, bounds.bottom};
  return AreaOf(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST));
}

bool Win32Platform::OnAnyMonitor(ScreenPoint point) {
  return MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONULL) != nullptr;
}

int Win32Platform::WindowDpi(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = Later<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
  if (getDpiForWindow != nullptr) {
    const UINT dpi = getDpiForWindow(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

SwitchReader& Win32Platform::Reader() {
  if (!switchReader_) {
    switchReader_ = std::make_unique<SwitchReader>(timerWindow_, kSwitchWakeMessage);
    switchReader_->SetKeys(switchKey_, secondSwitchKey_);
  }
  return *switchReader_;
}

void Win32Platform::TakeReadings(ReadingVisitor visit, void* context) { Reader().Take(visit, context); }

void Win32Platform::SetSwitchKeys(int virtualKey, int secondVirtualKey) {
  switchKey_ = virtualKey;
  secondSwitchKey_ = secondVirtualKey;
  Reader().SetKeys(virtualKey, secondVirtualKey);
}

bool Win32Platform::ShowSwitchRecord(WindowHandle owner, const SwitchRecordReport& report) {
  BeforeDialog();
  return RunSwitchRecordWindow(AsWindow(owner), report);
}

bool Win32Platform::EditSwitchOptions(WindowHandle owner, SwitchOptionTexts& texts) {
  // The key must reach the dialog's key field, not act as the switch.
  Reader().SetKeys(0, 0);
  BeforeDialog();
  const bool confirmed = RunSwitchSettingsDialog(AsWindow(owner), texts);
  Reader().SetKeys(switchKey_, secondSwitchKey_);
  return confirmed;
}

void Win32Platform::PlaySync(const char* fileName) {
  // A missing file stays silent rather than playing the system's default sound.
  PlaySoundW(Wide(fileName).c_str(), nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT);
}

void Win32Platform::Open(WindowHandle owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& folder, int showCommand) {
  const std::wstring wideParameters = Wide(parameters);
  const std::wstring wideFolder = Wide(folder);
  // The help or the web page comes to the front although the panel gives the
  // keyboard back to the user's program once the menu has closed.
  AllowSetForegroundWindow(ASFW_ANY);
  ShellExecuteW(AsWindow(owner), Wide(verb).c_str(), Wide(file).c_str(),
                wideParameters.empty() ? nullptr : wideParameters.c_str(),
                wideFolder.empty() ? nullptr : wideFolder.c_str(), showCommand);
}

bool Win32Platform::Launch(const std::string& verb, const std::string& file,
                           const std::string& parameters, const std::u16string& folder, int showCommand) {
  const std::wstring wideVerb = Wide(verb);
  const std::wstring wideFile = Wide(file);
  const std::wstring wideParameters = Wide(parameters);
  const std::wstring wideFolder = Wide(folder);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpVerb = wideVerb.c_str();
  info.lpFile = wideFile.c_str();
  info.lpParameters = wideParameters.empty() ? nullptr : wideParameters.c_str();
  info.lpDirectory = wideFolder.empty() ? nullptr : wideFolder.c_str();
  info.nShow = showCommand;
  return ShellExecuteExW(&info) != FALSE;
}

FileRead Win32Platform::ReadWholeFile(const std::string& path) {
  OwnedFile file(CreateFileW(LongPath(Wide(path)).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  const auto Unreadable = [&path](DWORD error) {
    FileRead::Reason reason = FileRead::Reason::kFailed;
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) reason = FileRead::Reason::kInUse;
    if (error == ERROR_ACCESS_DENIED) {
      const DWORD attributes = GetFileAttributesW(LongPath(Wide(path)).c_str());
      const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      reason = folder ? FileRead::Reason::kFolder : FileRead::Reason::kDenied;
    }
    return FileRead{FileRead::Status::kUnreadable, {}, reason};
  };
  if (!file) {
    const DWORD error = GetLastError();
    // Only a file that is not there is missing; held, denied or failing is not.
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return {FileRead::Status::kMissing, {}};
    return Unreadable(error);
  }
  FileRead result{FileRead::Status::kRead, {}};
  char chunk[16384];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr)) return Unreadable(GetLastError());
    if (read == 0) break;
    result.contents.append(chunk, read);
  }
  return result;
}

FileWrite Win32Platform::ReplaceWholeFile(const std::string& path, const std::string& contents) {
  // A link is replaced in its target: a file moved over the link itself
  // would take the link's place.
  const std::wstring target = FinalPath(LongPath(Wide(path)));
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    return FileWrite::kReadOnly;
  }
  const std::wstring temporary = target + L".new";
  // A temporary file left by an interrupted replace is overwritten, even one
  // marked read-only, hidden or system.
  SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
  {
    OwnedFile file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return Refused(GetLastError()) ? FileWrite::kReadOnly : FileWrite::kFailed;
    DWORD written = 0;
    const bool ok = WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &written,
                              nullptr) &&
                    written == contents.size() && FlushFileBuffers(file.get());
    if (!ok) {
      file.Reset();
      DeleteFileW(temporary.c_str());
      return FileWrite::kFailed;
    }
  }
  if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporary.c_str());
    // A file held by another program is refused too; only one that cannot
    // even be opened for writing is read-only.
    OwnedFile existing(CreateFileW(target.c_str(), GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    return !existing && Refused(GetLastError()) ? FileWrite::kReadOnly : FileWrite::kFailed;
  }
  return FileWrite::kWritten;
}

FileSystem::Appended Win32Platform::AppendToFile(const std::string& path, const std::string& firstLine,
                                                const std::string& text) {
  // Appending only: whatever else holds the file open for reading still can.
  OwnedFile file(CreateFileW(LongPath(Wide(path)).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {Refused(GetLastError()) ? FileWrite::kReadOnly : FileWrite::kFailed, 0};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return {FileWrite::kFailed, 0};
  const std::string& lines = size.QuadPart == 0 ? firstLine + text : text;
  DWORD written = 0;
  if (!WriteFile(file.get(), lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr) ||
      written != lines.size()) {
    return {FileWrite::kFailed, 0};
  }
  return {FileWrite::kWritten, static_cast<std::int64_t>(size.QuadPart) + static_cast<std::int64_t>(written)};
}

bool Win32Platform::FolderWritable(const std::string& folder) {
  wchar_t name[64];
  wsprintfW(name, L"Sorvane-%lu.tmp", GetCurrentProcessId());
  OwnedFile file(CreateFileW(LongPath(Wide(folder) + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return static_cast<bool>(file);
}

bool Win32Platform::MakeFolder(const std::string& folder) {
  const std::wstring wide = Wide(folder);
  // Each level from the drive down; those that exist are passed by.
  for (std::size_t slash = wide.find(L'\\', 3); slash != std::wstring::npos; slash = wide.find(L'\\', slash + 1)) {
    CreateDirectoryW(LongPath(wide.substr(0, slash)).c_str(), nullptr);
  }
  const DWORD attributes = GetFileAttributesW(LongPath(wide).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string Win32Platform::RoamingDataFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return {};
  }
  return FolderName(folder);
}

bool Win32Platform::ListFolder(const std::u16string& pattern, EntryVisitor visit, void* context) {
  WIN32_FIND_DATAW data{};
  // Names and attributes are all the search needs: no short names, and the
  // listing fetched in large batches.
  OwnedFind find(FindFirstFileExW(LongPath(Wide(pattern)).c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                  nullptr, FIND_FIRST_EX_LARGE_FETCH));
  if (!find) return false;
  std::u16string name;
  do {
    name.assign(data.cFileName, data.cFileName + wcslen(data.cFileName));
    const FolderEntry entry{name, data.dwFileAttributes};
    if (!visit(entry, context)) break;
  } while (FindNextFileW(find.get(), &data));
  return true;
}

void Win32Platform::Sleep(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds)); }

std::int64_t Win32Platform::NowMilliseconds() { return MonotonicMilliseconds(); }

std::int64_t Win32Platform::LocalMilliseconds() {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  // The local time read as if it were UTC gives its count from 1601; from 1970 on, in milliseconds.
  FILETIME asIfUtc{};
  SystemTimeToFileTime(&local, &asIfUtc);
  const ULONGLONG ticks = (static_cast<ULONGLONG>(asIfUtc.dwHighDateTime) << 32) | asIfUtc.dwLowDateTime;
  constexpr ULONGLONG kTicksFrom1601To1970 = 116444736000000000ULL;
  return static_cast<std::int64_t>((ticks - kTicksFrom1601To1970) / 10000);
}

void Win32Platform::BeforeDialog() {
  keyboard_.Remember();
  if (beforeDialog_) beforeDialog_();
}

int Win32Platform::ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                               unsigned flags) {
  BeforeDialog();
  return MessageBoxW(AsWindow(owner), Wide(text).c_str(), Wide(caption).c_str(), flags | MB_SETFOREGROUND);
}

std::optional<ColorValue> Win32Platform::ChooseColor(WindowHandle owner, ColorValue initial) {
  static COLORREF customColors[16] = {};
  BeforeDialog();
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = AsWindow(owner);
  choose.rgbResult = ToColorRef(initial);
  choose.lpCustColors = customColors;
  choose.Flags = CC_RGBINIT;
  if (!ChooseColorW(&choose)) return std::nullopt;
  return static_cast<ColorValue>(choose.rgbResult);
}

bool Win32Platform::ChooseFont(WindowHandle owner, FontChoice& font) {
  LOGFONTW logFont{};
  HDC screen = GetDC(nullptr);
  logFont.lfHeight = -MulDiv(font.size, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  logFont.lfWeight = (font.style & 1) ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (font.style & 2) ? TRUE : FALSE;
  logFont.lfUnderline = (font.style & 4) ? TRUE : FALSE;
  logFont.lfStrikeOut = (font.style & 8) ? TRUE : FALSE;
  logFont.lfCharSet = static_cast<BYTE>(font.charset);
  logFont.lfPitchAndFamily = static_cast<BYTE>(font.pitch == 1 ? VARIABLE_PITCH
                                               : font.pitch == 2 ? FIXED_PITCH
                                                                 : DEFAULT_PITCH);
  const std::wstring face = Wide(font.name);
  lstrcpynW(logFont.lfFaceName, face.c_str(), LF_FACESIZE);

  CHOOSEFONTW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = AsWindow(owner);
  choose.lpLogFont = &logFont;
  choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  choose.rgbColors = ToColorRef(font.color);
  BeforeDialog();
  if (!ChooseFontW(&choose)) return false;

  font.name = Narrow(logFont.lfFaceName);
  font.size = choose.iPointSize / 10;
  font.style = static_cast<std::uint8_t>((logFont.lfWeight >= FW_BOLD ? 1 : 0) | (logFont.lfItalic ? 2 : 0) |
                                         (logFont.lfUnderline ? 4 : 0) | (logFont.lfStrikeOut ? 8 : 0));
  const int pitch = logFont.lfPitchAndFamily & 3;
  font.pitch = pitch == VARIABLE_PITCH ? 1 : pitch == FIXED_PITCH ? 2 : 0;
  font.charset = logFont.lfCharSet;
  font.color = static_cast<ColorValue>(choose.rgbColors);
  return true;
}

std::string Win32Platform::ProgramFilePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return Narrow(std::wstring(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

std::string Win32Platform::ProgramFolder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  DWORD length = 0;
  for (;;) {
    length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) break;
    buffer.resize(buffer.size() * 2);
  }
  std::wstring file(buffer.data(), length);
  return FolderName(file.substr(0, file.find_last_of(L'\\') + 1));
}

std::string Win32Platform::FirstArgument() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::string first;
  if (arguments != nullptr && count > 1) first = Narrow(arguments[1]);
  LocalFree(arguments);
  return first;
}

bool Win32Platform::CreateInstanceMutex(const std::string& name) {
  // Kept open for the life of the process on purpose.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, Wide(name).c_str());
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  instanceMutex_.Reset(mutex);
  return existed;
}

void Win32Platform::CloseInstanceMutex() { instanceMutex_.Reset(); }

std::optional<std::u16string> Win32Platform::Utf16FromShiftJis(std::string_view text) {
  const auto wide = WideExactly(text);
  if (!wide) return std::nullopt;
  return std::u16string(wide->begin(), wide->end());
}

std::optional<std::string> Win32Platform::ShiftJisFromUtf16(std::u16string_view text) {
  return NarrowExactly(std::wstring(text.begin(), text.end()));
}

void Win32Platform::TimerChanged(Timer& timer) {
  const auto id = reinterpret_cast<UINT_PTR>(&timer);
  if (timer.Running()) {
    const UINT interval = timer.Interval() > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<UINT>(timer.Interval());
    SetTimer(timerWindow_, id, interval, nullptr);
  } else {
    KillTimer(timerWindow_, id);
  }
}

void Win32Platform::TimerGone(Timer& timer) { KillTimer(timerWindow_, reinterpret_cast<UINT_PTR>(&timer)); }

std::optional<std::string> Win32Platform::ReadRunValue(const std::string& name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return std::nullopt;
  const OwnedKey key(opened);
  const std::wstring wideName = Wide(name);
  std::vector<wchar_t> data(MAX_PATH);
  for (;;) {
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    const LONG result =
        RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &bytes);
    if (result == ERROR_MORE_DATA) {
      data.resize(bytes / sizeof(wchar_t) + 1);
      continue;
    }
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    // The stored string may or may not end in its terminating zero.
    std::wstring value(data.data(), bytes / sizeof(wchar_t));
    while (!value.empty() && value.back() == L'\0') value.pop_back();
    return Narrow(value);
  }
}

bool Win32Platform::WriteRunValue(const std::string& name, const std::string& command) {
  const auto wideCommand = WideExactly(command);
  if (!wideCommand) return false;
  HKEY opened = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const OwnedKey key(opened);
  const DWORD bytes = static_cast<DWORD>((wideCommand->size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.get(), Wide(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(wideCommand->c_str()), bytes) == ERROR_SUCCESS;
}

bool Win32Platform::RemoveRunValue(const std::string& name) {
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &opened);
  if (result == ERROR_FILE_NOT_FOUND) return true;
  if (result != ERROR_SUCCESS) return false;
  const OwnedKey key(opened);
  const LONG removed = RegDeleteValueW(key.get(), Wide(name).c_str());
  return removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND;
}

}  // namespace sorvane::win32
