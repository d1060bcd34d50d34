#include "win32/PanelWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <tuple>

#include "win32/Colors.h"
#include "win32/PanelStyle.h"
#include "win32/Text.h"
#include "win32/WindowClass.h"
#include "win32/WindowEvents.h"
#ifdef SORVANE_E2E_SWITCH
#include "win32/AccessibilityDump.h"
#endif

namespace sorvane::win32 {

namespace {

constexpr wchar_t kClass[] = L"TSorvaneForm";
constexpr int kProgramIcon = 1;  // the program file's icon resource
// Posted when something outside has minimised the panel.
constexpr UINT kShowAgainMessage = WM_APP + 3;

}  // namespace

PanelWindow::PanelWindow() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterOwnedClass<PanelWindow>(kClass, nullptr);
  window_.Reset(CreateWindowExW(kPanelExStyle, kClass, L"", kPanelStyle, 0, 0, 0, 0,
                                nullptr, nullptr, GetModuleHandleW(nullptr), this));
  GetWindowRect(window_.get(), &bounds_);
  // The program file's icon, on the taskbar button and in the task switcher.
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const auto& [index, width, height] : {std::tuple{GCLP_HICON, SM_CXICON, SM_CYICON},
                                             std::tuple{GCLP_HICONSM, SM_CXSMICON, SM_CYSMICON}}) {
    const HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON, GetSystemMetrics(width),
                                   GetSystemMetrics(height), LR_SHARED);
    if (icon != nullptr) SetClassLongPtrW(window_.get(), index, reinterpret_cast<LONG_PTR>(icon));
  }
}

PanelWindow::~PanelWindow() {
  window_.Reset();
}

void PanelWindow::Attach(WindowEvents& view, PanelForm& form, const std::string& title) {
  view_ = &view;
  form_ = &form;
  form.handle = reinterpret_cast<WindowHandle>(window_.get());
  SetWindowTextW(window_.get(), Wide(title).c_str());
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.get(), nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  AddHint(window_.get(), form.hint);
}

void PanelWindow::Detach() {
  view_ = nullptr;
  form_ = nullptr;
}

void PanelWindow::AddHint(HWND control, const std::string& text) {
  const std::wstring hint = Wide(text);
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_.get();
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(hint.c_str());
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void PanelWindow::Update() {
  const PanelForm& form = *form_;
  if (bounds_.left != form.left || bounds_.top != form.top || bounds_.right - bounds_.left != form.width ||
      bounds_.bottom - bounds_.top != form.height) {
    bounds_ = RECT{form.left, form.top, form.left + form.width, form.top + form.height};
    SetWindowPos(window_.get(), nullptr, form.left, form.top, form.width, form.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (form.color != color_ || !background_) {
    color_ = form.color;
    background_.Reset(CreateSolidBrush(ToColorRef(color_)));
    InvalidateRect(window_.get(), nullptr, TRUE);
  }
  const TitleMarks marks{form.practice.On(), !form.JoyToKeyBound(), form.scanner().Paused(),
                         form.settingsPlace.ProfileChoices()};
  if (!(marks == marks_)) {
    marks_ = marks;
    SetWindowTextW(window_.get(), Wide(form.WindowTitle()).c_str());
    // The border is drawn with the background, around the buttons.
    RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  }
  if (form.visible != shown_) {
    shown_ = form.visible;
    if (shown_) {
      SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    } else {
      ShowWindow(window_.get(), SW_HIDE);
    }
  }
}

void PanelWindow::FollowDrag() {
  POINT pointer{};
  GetCursorPos(&pointer);
  SetWindowPos(window_.get(), nullptr, pointer.x - grab_.x, pointer.y - grab_.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT PanelWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (form_ == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  PanelForm& form = *form_;
#ifdef SORVANE_E2E_SWITCH
  if (message == AccessibilityDumpMessage() && view_ != nullptr) {
    view_->DumpAccessibility();
    return 1;
  }
#endif
  switch (message) {
    case WM_NCHITTEST: {
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      RECT client{};
      GetClientRect(window, &client);
      const bool inFrame = ScreenToClient(window, &point) && !PtInRect(&client, point);
      return form.HitTest(inFrame);
    }
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCLBUTTONDOWN:
      if (wParam != HTCAPTION) break;
      // The system's own move would make the panel the active window: the
      // window follows the pointer itself until the button is released.
      // Where the button went down, which the pointer may have left already.
      grab_ = POINT{GET_X_LPARAM(lParam) - bounds_.left, GET_Y_LPARAM(lParam) - bounds_.top};
      dragging_ = true;
      SetCapture(window);
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_) {
        FollowDrag();
      } else {
        view_->PointerOver(window);
      }
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) {
        FollowDrag();
        dragging_ = false;
        ReleaseCapture();
      }
      return 0;
    // A right click on the frame opens the menu, as on the margin; the
    // system's own caption handling would show nothing.
    case WM_NCRBUTTONDOWN:
      if (wParam != HTCAPTION) break;
      return 0;
    case WM_NCRBUTTONUP:
      if (wParam != HTCAPTION) break;
      SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), lParam);
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return 0;
    case WM_MOUSELEAVE:
      view_->PointerLeft(window);
      return 0;
    case WM_NCMOUSEMOVE:
      if (!dragging_) view_->PointerOver(window, true);
      break;
    case WM_NCMOUSELEAVE:
      view_->PointerLeft(window, true);
      return 0;
    case WM_CONTEXTMENU: {
      int x = GET_X_LPARAM(lParam);
      int y = GET_Y_LPARAM(lParam);
      if (x == -1 && y == -1) {
        x = form.left;
        y = form.top;
      }
      view_->ShowPopupMenu(x, y);
      return 0;
    }
    case WM_INITMENUPOPUP:
      view_->SubmenuOpened(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      const int dpi = HIWORD(wParam);
      view_->Handle([&form, dpi, suggested] { form.DpiChanged(dpi, {suggested->left, suggested->top}); });
      return 0;
    }
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        // The taskbar button's menu and clicks: the panel stays shown, and
        // closing it is closing the panel.
        case SC_MINIMIZE:
        case SC_MAXIMIZE:
          return 0;
        case SC_CLOSE:
          view_->Handle([&form] { form.Close(); });
          return 0;
        default:
          break;
      }
      break;
    case WM_WINDOWPOSCHANGING: {
      // Only the panel itself hides the panel.
      auto* change = reinterpret_cast<WINDOWPOS*>(lParam);
      if (shown_) change->flags &= ~static_cast<UINT>(SWP_HIDEWINDOW);
      break;
    }
    case kShowAgainMessage:
      if (shown_) ShowWindow(window, SW_SHOWNOACTIVATE);
      return 0;
    case WM_WINDOWPOSCHANGED:
      // A minimised panel is shown again where it was; the form keeps that place.
      if (IsIconic(window)) {
        PostMessageW(window, kShowAgainMessage, 0, 0);
        return 0;
      }
      // A drag moves the window; the form follows.
      GetWindowRect(window, &bounds_);
      form.left = bounds_.left;
      form.top = bounds_.top;
      form.width = bounds_.right - bounds_.left;
      form.height = bounds_.bottom - bounds_.top;
      return 0;
    case WM_ERASEBKGND: {
      RECT rect{};
      GetClientRect(window, &rect);
      FillRect(reinterpret_cast<HDC>(wParam), &rect, background_.get());
      if (marks_.practice || marks_.unbound) {
        // A thin border in the colour of a warning: nothing reaches JoyToKey,
        // in red where there is no JoyToKey to reach.
        OwnedBrush border(CreateSolidBrush(marks_.unbound ? RGB(255, 0, 0) : RGB(255, 140, 0)));
        const int thickness = MulDiv(marks_.unbound ? 3 : 2, form.LayoutDpi(), 96);
        for (int edge = 0; edge < thickness; ++edge) {
          FrameRect(reinterpret_cast<HDC>(wParam), &rect, border.get());
          InflateRect(&rect, -1, -1);
        }
      }
      return 1;
    }
    case WM_SYSCHAR:
      if (view_->AcceleratorKey(static_cast<char>(wParam))) return 0;
      break;
    case WM_CLOSE:
      view_->Handle([&form] { form.Close(); });
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam != FALSE) view_->Handle([&form] { form.EndSession(); });
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace sorvane::win32
