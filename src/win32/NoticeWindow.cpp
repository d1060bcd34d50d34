#include "win32/NoticeWindow.h"

#include "win32/Colors.h"
#include "win32/Text.h"
#ifdef SORVANE_E2E_SWITCH
#include "win32/TextFitCheck.h"
#endif
#include "win32/WindowClass.h"
#include "win32/WindowEvents.h"

namespace sorvane::win32 {

namespace {

constexpr wchar_t kClass[] = L"THikisuuForm";

}  // namespace

NoticeWindow::NoticeWindow(WindowEvents& view, ArgumentNotice& form, FontCache& fonts)
    : view_(view), form_(form), fonts_(fonts) {
  RegisterOwnedClass<NoticeWindow>(kClass, GetSysColorBrush(COLOR_BTNFACE));
  window_.Reset(CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClass,
                                Wide(form.caption).c_str(), WS_POPUP | WS_CAPTION, form.left, form.top, form.width,
                                form.height, nullptr, nullptr, GetModuleHandleW(nullptr), this));
}

NoticeWindow::~NoticeWindow() {
  window_.Reset();
}

void NoticeWindow::Update() {
  if (form_.visible == shown_) return;
  shown_ = form_.visible;
  ShowWindow(window_.get(), shown_ ? SW_SHOWNA : SW_HIDE);
}

LRESULT NoticeWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      SetBkMode(dc, TRANSPARENT);
      for (const Label& line : form_.lines) {
        HGDIOBJ previous = SelectObject(dc, fonts_.For(line.font, form_.dpi));
        SetTextColor(dc, ToColorRef(line.font.color));
        const std::wstring text = Wide(line.caption);
        TextOutW(dc, line.left, line.top, text.c_str(), static_cast<int>(text.size()));
#ifdef SORVANE_E2E_SWITCH
        RECT client{};
        GetClientRect(window, &client);
        ReportTextCutOff(dc, text, client.right - line.left, window);
#endif
        SelectObject(dc, previous);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DPICHANGED:
      form_.ApplyDpi(HIWORD(wParam));
      SetWindowPos(window, nullptr, form_.left, form_.top, form_.width, form_.height, SWP_NOZORDER | SWP_NOACTIVATE);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_CLOSE: {
      ArgumentNotice& form = form_;
      view_.Handle([&form] { form.Close(); });
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace sorvane::win32
