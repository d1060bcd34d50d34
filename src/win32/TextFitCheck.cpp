#include "win32/TextFitCheck.h"

#include <vector>

#include "win32/Handles.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

void Append(const std::wstring& line) {
  wchar_t path[1024] = {};
  if (GetEnvironmentVariableW(L"SORVANE_E2E_FIT_FILE", path, 1024) == 0) return;
  OwnedFile file(CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return;
  DWORD written = 0;
  const std::string utf8 = Utf8(line + L"\n");
  WriteFile(file.get(), utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

// "class<TAB>text<TAB>needed WxH in WxH".
void AppendCutOff(const std::wstring& owner, const std::wstring& text, const SIZE& needed, const RECT& room) {
  wchar_t sizes[96] = {};
  wsprintfW(sizes, L"\t%dx%d in %dx%d", static_cast<int>(needed.cx), static_cast<int>(needed.cy),
            static_cast<int>(room.right), static_cast<int>(room.bottom));
  Append(owner + L"\t" + text + sizes);
}

// The size text takes in dc, within width where it may wrap.
SIZE Needed(HDC dc, const std::wstring& text, UINT format, int width) {
  RECT box{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_CALCRECT);
  return SIZE{box.right, box.bottom};
}

void Check(HDC dc, HWND control, const std::wstring& owner) {
  const std::wstring kind = ClassOf(control);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
  RECT room{};
  GetClientRect(control, &room);
  HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  std::vector<std::pair<std::wstring, SIZE>> texts;
  const std::wstring text = WholeWindowText(control);
  if (_wcsicmp(kind.c_str(), L"Static") == 0) {
    const DWORD type = style & SS_TYPEMASK;
    if (type <= SS_RIGHT || type == SS_LEFTNOWORDWRAP) {
      const UINT format =
          (type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK) | ((style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0U);
      texts.emplace_back(text, Needed(dc, text, format, room.right));
    }
  } else if (_wcsicmp(kind.c_str(), L"Button") == 0) {
    const DWORD type = style & BS_TYPEMASK;
    // A push button's raised edge, or a box's square and the gap beside it.
    const int beside = type <= BS_DEFPUSHBUTTON ? 2 * GetSystemMetrics(SM_CXEDGE) + 2
                                                : GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE);
    SIZE needed = Needed(dc, text, DT_SINGLELINE, 0);
    needed.cx += beside;
    texts.emplace_back(text, needed);
  } else if (_wcsicmp(kind.c_str(), L"ComboBox") == 0) {
    const auto count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::wstring item(static_cast<std::size_t>(SendMessageW(control, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
      item.resize(
          static_cast<std::size_t>(SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
      SIZE needed = Needed(dc, item, DT_SINGLELINE | DT_NOPREFIX, 0);
      needed.cx += GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXEDGE);
      needed.cy = 0;
      texts.emplace_back(item, needed);
    }
  }
  SelectObject(dc, previous);
  for (const auto& [shown, needed] : texts) {
    if (needed.cx > room.right || needed.cy > room.bottom) AppendCutOff(owner, shown, needed, room);
  }
}

}  // namespace

void ReportTextsCutOff(HWND window) {
  OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return;
  const std::wstring owner = ClassOf(window);
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child)) Check(dc.get(), child, owner);
  }
  // A line the test can wait for: this window has been looked at.
  Append(owner + L"\tchecked");
}

void ReportTextCutOff(HDC dc, const std::wstring& text, int room, HWND window) {
  const SIZE needed = Needed(dc, text, DT_SINGLELINE | DT_NOPREFIX, 0);
  if (needed.cx > room) AppendCutOff(ClassOf(window), text, needed, RECT{0, 0, room, needed.cy});
}

}  // namespace sorvane::win32
