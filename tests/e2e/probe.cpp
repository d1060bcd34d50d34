// A small probe for the end-to-end tests: finds windows and reads or acts on
// them. Windows are named "class:NAME" or by a part of their title (UTF-8).
//   probe wait NAME MS       wait until a visible window exists; prints its handle
//   probe gone NAME MS       wait until no visible window of that name exists
//   probe appear NAME MS     prints "watching", then the Unix time in ms at which
//                            a visible window of that name was first seen
//   probe count NAME         number of visible windows of that name
//   probe text NAME          the title and every child's text, one a line
//   probe click NAME LABEL   clicks the enabled child button whose text is LABEL
//   probe close NAME         asks the window to close
//   probe syscommand NAME minimize|close
//                            what the taskbar button's click or menu posts
//   probe minimize NAME      minimises the window from outside, as the shell may
//   probe shown NAME         1 or 0: visible, then minimised
//   probe endsession NAME    tells the window the Windows session ends, as
//                            logging off does (query, then the end itself);
//                            prints the Unix time in ms of the end's sending
//   probe rect NAME          left top width height (outer), and the client size
//   probe style NAME         style and extended style in hexadecimal
//   probe ping NAME MS       true when the window answers within MS
//   probe move NAME X Y      moves the window
//   probe owner NAME         the class of the window's owner, or nothing
//   probe top NAME           puts the window at the top of the topmost ones
//   probe raise NAME         puts the window above the other windows that are not
//                            topmost, without activating it
//   probe answers NAME UNTIL GAP
//                            sends WM_NULL every GAP ms until Unix time UNTIL (ms);
//                            prints how many were answered and the slowest answer
//                            in ms (a send given up after 5 s counts as 5000)
//   probe foreground         the class of the window that has the keyboard
//   probe version FILE       FileVersion, ProductName and FileDescription
//   probe icon FILE          number of icons, then the large and small icon's sizes
//   probe manifest FILE      the program's manifest
//   probe send NAME MESSAGE  sends the registered window message MESSAGE; prints the answer
//   probe selections NAME MS prints "watching", then for MS ms one line for each
//                            selection event raised in the window's process:
//                            the Unix time in ms, the selected window's left edge
//                            in its parent's client area, and its class
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr,
                      nullptr);
  return result;
}

void Print(const std::string& line) {
  const std::string withEnd = line + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), withEnd.data(), static_cast<DWORD>(withEnd.size()), &written, nullptr);
}

// A top-level window's title, without asking the window (it may be hung).
std::wstring TitleOf(HWND window) {
  wchar_t title[1024];
  const int length = GetWindowTextW(window, title, 1024);
  return std::wstring(title, static_cast<std::size_t>(length < 0 ? 0 : length));
}

// A control's text: WM_GETTEXT, since GetWindowText does not ask the controls
// of another process.
std::wstring TextOf(HWND window) {
  // Room for a text box's many lines.
  std::vector<wchar_t> title(16384);
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, title.size(), reinterpret_cast<LPARAM>(title.data()),
                           SMTO_ABORTIFHUNG, 2000, &length)) {
    return {};
  }
  return std::wstring(title.data(), static_cast<std::size_t>(length));
}

bool Matches(HWND window, const std::wstring& name) {
  if (!IsWindowVisible(window)) return false;
  if (name.rfind(L"class:", 0) == 0) {
    wchar_t className[256];
    GetClassNameW(window, className, 256);
    return name.substr(6) == className;
  }
  return TitleOf(window).find(name) != std::wstring::npos;
}

std::vector<HWND> Find(const std::wstring& name) {
  struct Context {
    const std::wstring* name;
    std::vector<HWND> found;
  } context{&name, {}};
  EnumWindows(
      [](HWND window, LPARAM lParam) -> BOOL {
        auto* c = reinterpret_cast<Context*>(lParam);
        if (Matches(window, *c->name)) c->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&context));
  return context.found;
}

// Waits are counted in 50 ms sleeps rather than read off the tick count, so a
// wait never ends before its time, whatever the clock does.
constexpr DWORD kPollMilliseconds = 50;

HWND WaitFor(const std::wstring& name, DWORD milliseconds) {
  for (DWORD waited = 0;; waited += kPollMilliseconds) {
    const auto found = Find(name);
    if (!found.empty()) return found.front();
    if (waited >= milliseconds) return nullptr;
    Sleep(kPollMilliseconds);
  }
}

unsigned long long UnixMilliseconds() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return ticks / 10000ULL - 11644473600000ULL;
}

std::string ClassOf(HWND window) {
  wchar_t className[256] = {};
  if (window != nullptr) GetClassNameW(window, className, 256);
  return Utf8(className);
}

std::string VersionString(const std::vector<char>& data, const wchar_t* name) {
  const std::wstring path = std::wstring(L"\\StringFileInfo\\041104b0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), path.c_str(), &value, &length) || length == 0) return "-";
  return Utf8(std::wstring(static_cast<const wchar_t*>(value), length - 1));
}

// What a program file holds: its version, icon or manifest.
int ProgramFile(const std::wstring& command, const std::wstring& file) {
  if (command == L"version") {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return 1;
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return 1;
    for (const wchar_t* name : {L"FileVersion", L"ProductName", L"FileDescription"}) {
      Print(VersionString(data, name));
    }
    return 0;
  }
  if (command == L"icon") {
    const UINT count = ExtractIconExW(file.c_str(), -1, nullptr, nullptr, 0);
    HICON large = nullptr;
    HICON small = nullptr;
    ExtractIconExW(file.c_str(), 0, &large, &small, 1);
    std::string line = std::to_string(count);
    for (HICON icon : {large, small}) {
      ICONINFO info{};
      BITMAP bitmap{};
      if (icon != nullptr && GetIconInfo(icon, &info)) {
        GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        const long height = info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2;
        line += " " + std::to_string(bitmap.bmWidth) + "x" + std::to_string(height);
        if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
        if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
        DestroyIcon(icon);
      } else {
        line += " -";
      }
    }
    Print(line);
    return 0;
  }
  if (command == L"manifest") {
    HMODULE module = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return 1;
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    int result = 1;
    if (resource != nullptr) {
      const auto* text = static_cast<const char*>(LockResource(LoadResource(module, resource)));
      Print(std::string(text, SizeofResource(module, resource)));
      result = 0;
    }
    FreeLibrary(module);
    return result;
  }
  return 2;
}

void CALLBACK SelectionSeen(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  Print(std::to_string(UnixMilliseconds()) + " " + std::to_string(rect.left) + " " + ClassOf(window) + " " +
        std::to_string(object) + " " + std::to_string(child));
}

}  // namespace

int wmain(int count, wchar_t** arguments) {
  if (count == 2 && std::wstring(arguments[1]) == L"foreground") {
    Print(ClassOf(GetForegroundWindow()));
    return 0;
  }
  if (count < 3) return 2;
  const std::wstring command = arguments[1];
  const std::wstring name = arguments[2];
  const DWORD wait = count > 3 ? static_cast<DWORD>(_wtoi(arguments[3])) : 0;

  if (command == L"wait") {
    HWND window = WaitFor(name, wait);
    if (window == nullptr) return 1;
    Print(std::to_string(reinterpret_cast<std::uintptr_t>(window)));
    return 0;
  }
  if (command == L"appear") {
    // Polled every millisecond rather than every 50: the time is what a test
    // measures against. "watching" tells the test the probe is up.
    Print("watching");
    for (DWORD waited = 0; waited < wait; ++waited) {
      if (!Find(name).empty()) {
        Print(std::to_string(UnixMilliseconds()));
        return 0;
      }
      Sleep(1);
    }
    return 1;
  }
  if (command == L"gone") {
    for (DWORD waited = 0; !Find(name).empty(); waited += kPollMilliseconds) {
      if (waited >= wait) return 1;
      Sleep(kPollMilliseconds);
    }
    return 0;
  }
  if (command == L"version" || command == L"icon" || command == L"manifest") return ProgramFile(command, name);
  if (command == L"count") {
    Print(std::to_string(Find(name).size()));
    return 0;
  }
  HWND window = WaitFor(name, 5000);
  if (window == nullptr) return 1;
  if (command == L"text") {
    Print(Utf8(TitleOf(window)));
    EnumChildWindows(
        window,
        [](HWND child, LPARAM) -> BOOL {
          const std::wstring text = TextOf(child);
          if (!text.empty()) Print(Utf8(text));
          return TRUE;
        },
        0);
    return 0;
  }
  if (command == L"click" && count > 3) {
    struct Context {
      std::wstring label;
      HWND button;
    } context{arguments[3], nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM lParam) -> BOOL {
          auto* c = reinterpret_cast<Context*>(lParam);
          if (TextOf(child) == c->label) c->button = child;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&context));
    if (context.button == nullptr || !IsWindowEnabled(context.button)) return 1;
    // What the button tells its window when clicked. BM_CLICK would go through
    // the button's own press, which under Wine depends on who has the focus and
    // the capture at that moment and is lost now and then.
    PostMessageW(GetParent(context.button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(context.button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(context.button));
    return 0;
  }
  if (command == L"close") {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == L"syscommand" && count > 3) {
    const std::wstring code = arguments[3];
    if (code != L"minimize" && code != L"close") return 2;
    PostMessageW(window, WM_SYSCOMMAND, code == L"close" ? SC_CLOSE : SC_MINIMIZE, 0);
    return 0;
  }
  if (command == L"minimize") {
    ShowWindowAsync(window, SW_MINIMIZE);
    return 0;
  }
  if (command == L"shown") {
    Print(std::to_string(IsWindowVisible(window) ? 1 : 0) + " " + std::to_string(IsIconic(window) ? 1 : 0));
    return 0;
  }
  if (command == L"endsession") {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &result);
    Print(std::to_string(UnixMilliseconds()));
    SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &result);
    return 0;
  }
  if (command == L"rect") {
    RECT outer{};
    RECT client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    char line[128];
    std::snprintf(line, sizeof line, "%ld %ld %ld %ld %ld %ld", outer.left, outer.top, outer.right - outer.left,
                  outer.bottom - outer.top, client.right, client.bottom);
    Print(line);
    return 0;
  }
  if (command == L"style") {
    char line[64];
    std::snprintf(line, sizeof line, "%08lx %08lx", static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
                  static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)));
    Print(line);
    return 0;
  }
  if (command == L"ping") {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, wait, &result) ? 0 : 1;
  }
  if (command == L"top") {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return 0;
  }
  if (command == L"raise") {
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return 0;
  }
  if (command == L"answers" && count > 4) {
    const unsigned long long until = _wcstoui64(arguments[3], nullptr, 10);
    const DWORD gap = static_cast<DWORD>(_wtoi(arguments[4]));
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    int answered = 0;
    long long slowest = 0;
    while (UnixMilliseconds() < until) {
      LARGE_INTEGER before{};
      LARGE_INTEGER after{};
      DWORD_PTR result = 0;
      QueryPerformanceCounter(&before);
      const bool ok = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
      QueryPerformanceCounter(&after);
      const long long took = ok ? (after.QuadPart - before.QuadPart) * 1000 / frequency.QuadPart : 5000;
      if (ok) ++answered;
      if (took > slowest) slowest = took;
      Sleep(gap);
    }
    Print(std::to_string(answered) + " " + std::to_string(slowest));
    return 0;
  }
  if (command == L"send" && count > 3) {
    DWORD_PTR answer = 0;
    const UINT message = RegisterWindowMessageW(arguments[3]);
    if (!SendMessageTimeoutW(window, message, 0, 0, SMTO_ABORTIFHUNG, 10000, &answer)) return 1;
    Print(std::to_string(answer));
    return 0;
  }
  if (command == L"selections") {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_SELECTION, EVENT_OBJECT_SELECTION, nullptr, &SelectionSeen,
                                         process, 0, WINEVENT_OUTOFCONTEXT);
    if (hook == nullptr) return 2;
    Print("watching");
    const unsigned long long end = UnixMilliseconds() + wait;
    for (unsigned long long now = UnixMilliseconds(); now < end; now = UnixMilliseconds()) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    UnhookWinEvent(hook);
    return 0;
  }
  if (command == L"owner") {
    Print(ClassOf(GetWindow(window, GW_OWNER)));
    return 0;
  }
  if (command == L"move" && count > 4) {
    SetWindowPos(window, nullptr, _wtoi(arguments[3]), _wtoi(arguments[4]), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
  }
  return 2;
}
