#include "platform/win32/PanelView.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win32/Text.h"

namespace sorvane::win32 {

namespace {

PanelView* g_view = nullptr;

constexpr wchar_t kMainClass[] = L"TSorvaneForm";
constexpr wchar_t kButtonClass[] = L"TCuteButton";
constexpr wchar_t kNameClass[] = L"TNameForm";
constexpr wchar_t kNoticeClass[] = L"THikisuuForm";
constexpr int kOkButtonId = 100;
constexpr int kFirstEditId = 200;

void RegisterClassOnce(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

void DrawBevel(HDC dc, RECT& rect, Bevel bevel, int width) {
  if (bevel == Bevel::kNone) return;
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF topLeft = bevel == Bevel::kRaised ? light : dark;
  const COLORREF bottomRight = bevel == Bevel::kRaised ? dark : light;
  for (int i = 0; i < width; ++i) {
    OwnedBrush first(CreateSolidBrush(topLeft));
    OwnedBrush second(CreateSolidBrush(bottomRight));
    RECT edge{rect.left, rect.top, rect.right, rect.top + 1};
    FillRect(dc, &edge, first.get());
    edge = RECT{rect.left, rect.top, rect.left + 1, rect.bottom};
    FillRect(dc, &edge, first.get());
    edge = RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom};
    FillRect(dc, &edge, second.get());
    edge = RECT{rect.right - 1, rect.top, rect.right, rect.bottom};
    FillRect(dc, &edge, second.get());
    InflateRect(&rect, -1, -1);
  }
}

bool SameBounds(HWND window, int left, int top, int width, int height, bool screen) {
  RECT rect{};
  GetWindowRect(window, &rect);
  if (!screen) MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect.left == left && rect.top == top && rect.right - rect.left == width &&
         rect.bottom - rect.top == height;
}

}  // namespace

PanelView::PanelView(SorvaneApplication& app, Win32Platform& platform)
    : app_(app), platform_(platform), form_(*app.SorvaneForm) {
  g_view = this;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  nameBrush_.Reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  CreateWindows();
  platform_.SetTimerHandler([this](Timer& timer) { OnTimer(timer); });
  platform_.SetSwitchWakeHandler([this] {
    if (depth_ == 0 && !app_.Terminated()) Handle([this] { form_.SampleTimerTimer(); });
  });
}

PanelView::~PanelView() {
  platform_.SetTimerHandler(nullptr);
  platform_.SetSwitchWakeHandler(nullptr);
  for (HWND window : {names_, notice_, main_}) {
    if (window != nullptr) DestroyWindow(window);
  }
  g_view = nullptr;
}

void PanelView::CreateWindows() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterClassOnce(kMainClass, &MainProc, nullptr);
  RegisterClassOnce(kButtonClass, &ButtonProc, nullptr);
  RegisterClassOnce(kNameClass, &NameProc, GetSysColorBrush(COLOR_BTNFACE));
  RegisterClassOnce(kNoticeClass, &NoticeProc, GetSysColorBrush(COLOR_BTNFACE));

  main_ = CreateWindowExW(Win32Platform::kPanelExStyle, kMainClass, Wide(app_.title).c_str(),
                          Win32Platform::kPanelStyle, form_.left, form_.top, form_.width, form_.height,
                          nullptr, nullptr, instance, nullptr);
  form_.handle = reinterpret_cast<WindowHandle>(main_);

  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, main_, nullptr,
                             instance, nullptr);
  const std::wstring panelHint = Wide(form_.hint);
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = main_;
  tool.uId = reinterpret_cast<UINT_PTR>(main_);
  tool.lpszText = const_cast<wchar_t*>(panelHint.c_str());
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));

  auto addButton = [&](TCuteButton& button) {
    HWND window = CreateWindowExW(0, kButtonClass, L"", WS_CHILD | WS_CLIPSIBLINGS, button.left, button.top,
                                  button.width, button.height, main_, nullptr, instance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&button));
    buttons_.emplace_back(window, &button);
    if (button.showHint) {
      const std::wstring hint = Wide(button.hint);
      TOOLINFOW buttonTool{};
      buttonTool.cbSize = TTTOOLINFOW_V2_SIZE;
      buttonTool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      buttonTool.hwnd = main_;
      buttonTool.uId = reinterpret_cast<UINT_PTR>(window);
      buttonTool.lpszText = const_cast<wchar_t*>(hint.c_str());
      SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&buttonTool));
    }
  };
  for (int k = 1; k <= 8; ++k) addButton(form_.CuteButton(k));
  addButton(form_.BtnOption);

  TNameForm& nameForm = *app_.NameForm;
  names_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kNameClass, Wide(nameForm.caption).c_str(),
                           WS_POPUP | WS_CAPTION | WS_THICKFRAME, nameForm.left, nameForm.top,
                           nameForm.width, nameForm.height, main_, nullptr, instance, nullptr);
  for (const Label& label : nameForm.labels) {
    HWND window = CreateWindowExW(0, L"STATIC", Wide(label.caption).c_str(),
                                  WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, label.left, label.top, label.width,
                                  label.height, names_, nullptr, instance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&label));
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(label.font, nameForm.dpi)), FALSE);
  }
  nameEdits_.assign(16, nullptr);
  auto addEdit = [&](int slot) {
    const EditField& edit = nameForm.edits[static_cast<std::size_t>(slot)];
    nameEdits_[static_cast<std::size_t>(slot)] = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, edit.left,
        edit.top, edit.width, edit.height, names_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstEditId + slot)),
        instance, nullptr);
    SendMessageW(nameEdits_[static_cast<std::size_t>(slot)], WM_SETFONT,
                 reinterpret_cast<WPARAM>(FontFor(edit.font, nameForm.dpi)), FALSE);
  };
  for (int slot = 0; slot < 8; ++slot) addEdit(slot);
  okButton_ = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                              nameForm.OkBtn.left, nameForm.OkBtn.top, nameForm.OkBtn.width,
                              nameForm.OkBtn.height, names_, reinterpret_cast<HMENU>(kOkButtonId), instance,
                              nullptr);
  SendMessageW(okButton_, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(nameForm.OkBtn.font, nameForm.dpi)),
               FALSE);
  for (int slot = 8; slot < 16; ++slot) addEdit(slot);

  THikisuuForm& notice = *app_.HikisuuForm;
  notice_ = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, kNoticeClass, Wide(notice.caption).c_str(),
                            WS_POPUP | WS_CAPTION, notice.left, notice.top, notice.width, notice.height,
                            nullptr, nullptr, instance, nullptr);

  // The system has the last word on the dots per inch each window is drawn at.
  const int panelDpi = Win32Platform::WindowDpi(main_);
  if (panelDpi != form_.dpi) Handle([this, panelDpi] { form_.DpiChanged(panelDpi, {form_.left, form_.top}); });
}

void PanelView::LayoutNameEditor() {
  const TNameForm& nameForm = *app_.NameForm;
  SetWindowPos(names_, nullptr, nameForm.left, nameForm.top, nameForm.width, nameForm.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  HWND child = GetWindow(names_, GW_CHILD);
  for (; child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const Control* control = nullptr;
    const int id = GetDlgCtrlID(child);
    if (child == okButton_) {
      control = &nameForm.OkBtn;
    } else if (id >= kFirstEditId && id < kFirstEditId + 16) {
      control = &nameForm.edits[static_cast<std::size_t>(id - kFirstEditId)];
    } else {
      control = reinterpret_cast<const Label*>(GetWindowLongPtrW(child, GWLP_USERDATA));
    }
    if (control == nullptr) continue;
    MoveWindow(child, control->left, control->top, control->width, control->height, FALSE);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control->font, nameForm.dpi)), FALSE);
  }
  InvalidateRect(names_, nullptr, TRUE);
}

void PanelView::Run() {
  Handle([this] { app_.MainFormShown(); });
  MSG message{};
  while (!app_.Terminated() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsWindowVisible(names_) && IsDialogMessageW(names_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void PanelView::OnTimer(Timer& timer) {
  // A tick that falls due inside a handler (behind a message box) is not run
  // nested; the timer's next one comes as usual.
  if (depth_ != 0) return;
  Handle([&timer] { timer.Fire(); });
}

HFONT PanelView::FontFor(const Font& font, int dpi) {
  for (const CachedFont& cached : fonts_) {
    if (cached.dpi == dpi && cached.font == font) return cached.handle.get();
  }
  LOGFONTW logFont{};
  logFont.lfHeight = -PixelHeightForPoints(font.size, dpi);
  logFont.lfWeight = (font.style & kFontBold) ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (font.style & kFontItalic) ? TRUE : FALSE;
  logFont.lfUnderline = (font.style & kFontUnderline) ? TRUE : FALSE;
  logFont.lfStrikeOut = (font.style & kFontStrikeOut) ? TRUE : FALSE;
  logFont.lfCharSet = static_cast<BYTE>(font.charset);
  logFont.lfPitchAndFamily =
      static_cast<BYTE>(font.pitch == 1 ? VARIABLE_PITCH : font.pitch == 2 ? FIXED_PITCH : DEFAULT_PITCH);
  lstrcpynW(logFont.lfFaceName, Wide(font.name).c_str(), LF_FACESIZE);
  if (fonts_.size() > 64) fonts_.erase(fonts_.begin());
  fonts_.push_back(CachedFont{font, dpi, OwnedFont(CreateFontIndirectW(&logFont))});
  return fonts_.back().handle.get();
}

void PanelView::ShowError(const char* what) {
  MessageBoxW(main_, Wide(what).c_str(), L"Sorvane", MB_OK | MB_ICONERROR);
}

TCuteButton* PanelView::ButtonOf(HWND window) {
  return reinterpret_cast<TCuteButton*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void PanelView::Render() {
  if (app_.Terminated()) {
    PostQuitMessage(0);
    return;
  }
  if (!SameBounds(main_, form_.left, form_.top, form_.width, form_.height, true)) {
    SetWindowPos(main_, nullptr, form_.left, form_.top, form_.width, form_.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (form_.visible && !IsWindowVisible(main_)) {
    SetWindowPos(main_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  }
  for (const auto& [window, button] : buttons_) {
    if (!SameBounds(window, button->left, button->top, button->width, button->height, false)) {
      MoveWindow(window, button->left, button->top, button->width, button->height, FALSE);
    }
    // The caption is also the window's text, for screen readers.
    const std::wstring caption = Wide(button->caption);
    wchar_t shown[256] = {};
    GetWindowTextW(window, shown, 256);
    if (caption != shown) SetWindowTextW(window, caption.c_str());
    if ((IsWindowVisible(window) != FALSE) != button->visible) {
      ShowWindow(window, button->visible ? SW_SHOWNA : SW_HIDE);
    }
    InvalidateRect(window, nullptr, FALSE);
  }
  InvalidateRect(main_, nullptr, TRUE);

  TNameForm& nameForm = *app_.NameForm;
  const bool namesShown = IsWindowVisible(names_) != FALSE;
  if (nameForm.visible && !namesShown) {
    SetWindowTextW(names_, Wide(nameForm.caption).c_str());
    SyncNameFields();
    EnableWindow(main_, FALSE);
    ShowWindow(names_, SW_SHOW);
    SetForegroundWindow(names_);
    SetFocus(nameEdits_[0]);
  } else if (!nameForm.visible && namesShown) {
    EnableWindow(main_, TRUE);
    ShowWindow(names_, SW_HIDE);
  }
  const bool noticeShown = IsWindowVisible(notice_) != FALSE;
  if (app_.HikisuuForm->visible != noticeShown) {
    ShowWindow(notice_, app_.HikisuuForm->visible ? SW_SHOWNA : SW_HIDE);
  }
}

void PanelView::SyncNameFields() {
  syncingNames_ = true;
  for (std::size_t slot = 0; slot < nameEdits_.size(); ++slot) {
    SetWindowTextW(nameEdits_[slot], Wide(app_.NameForm->edits[slot].caption).c_str());
  }
  syncingNames_ = false;
}

void PanelView::ShowPopupMenu(int x, int y) {
  Handle([this] { form_.PopupMenu1Popup(); });
  const PopupMenu& menu = form_.PopupMenu1;
  std::vector<OwnedMenu> owned;
  auto build = [&](auto&& self, MenuId parent) -> HMENU {
    HMENU handle = CreatePopupMenu();
    for (const MenuItem& item : menu.Items()) {
      if (item.parent != parent) continue;
      const std::wstring caption = Wide(item.caption);
      const UINT checked = (item.checked ? MF_CHECKED : MF_UNCHECKED) | (item.radio ? MFT_RADIOCHECK : 0);
      if (menu.HasChildren(item.id)) {
        HMENU child = self(self, item.id);
        if (item.id == MenuId::Btn1) btn1Submenu_ = child;
        AppendMenuW(handle, MF_POPUP | MF_STRING | checked, reinterpret_cast<UINT_PTR>(child), caption.c_str());
      } else {
        AppendMenuW(handle, MF_STRING | checked, static_cast<UINT_PTR>(item.id) + 1, caption.c_str());
      }
    }
    return handle;
  };
  OwnedMenu root(build(build, MenuId::kNone));
  SetForegroundWindow(main_);
  const int chosen = TrackPopupMenu(root.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, main_,
                                    nullptr);
  PostMessageW(main_, WM_NULL, 0, 0);
  btn1Submenu_ = nullptr;
  if (chosen > 0) Handle([this, chosen] { form_.MenuCommand(static_cast<MenuId>(chosen - 1)); });
}

LRESULT CALLBACK PanelView::MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_view == nullptr || g_view->main_ == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return g_view->OnMain(window, message, wParam, lParam);
}

LRESULT PanelView::OnMain(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST: {
      const LRESULT hit = DefWindowProcW(window, message, wParam, lParam);
      if (hit != HTCLIENT) return hit;  // the frame stays the frame
      return *form_.Dispatch(TSorvaneForm::kWmNcHitTest);
    }
    case WM_MOUSEMOVE:
      if (!trackingMain_) {
        trackingMain_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        Handle([this] { form_.Dispatch(TSorvaneForm::kCmMouseEnter); });
      }
      return 0;
    case WM_MOUSELEAVE:
      trackingMain_ = false;
      Handle([this] { form_.Dispatch(TSorvaneForm::kCmMouseLeave); });
      return 0;
    case WM_CONTEXTMENU: {
      int x = GET_X_LPARAM(lParam);
      int y = GET_Y_LPARAM(lParam);
      if (x == -1 && y == -1) {
        x = form_.left;
        y = form_.top;
      }
      ShowPopupMenu(x, y);
      return 0;
    }
    case WM_INITMENUPOPUP:
      if (reinterpret_cast<HMENU>(wParam) == btn1Submenu_) Handle([this] { form_.Btn1Click(); });
      return 0;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      const int newDpi = HIWORD(wParam);
      Handle([this, newDpi, suggested] { form_.DpiChanged(newDpi, {suggested->left, suggested->top}); });
      return 0;
    }
    case WM_WINDOWPOSCHANGED: {
      // A drag moves the window; the form follows.
      RECT rect{};
      GetWindowRect(window, &rect);
      form_.left = rect.left;
      form_.top = rect.top;
      form_.width = rect.right - rect.left;
      form_.height = rect.bottom - rect.top;
      return 0;
    }
    case WM_ERASEBKGND: {
      RECT rect{};
      GetClientRect(window, &rect);
      OwnedBrush brush(CreateSolidBrush(ToColorRef(form_.color)));
      FillRect(reinterpret_cast<HDC>(wParam), &rect, brush.get());
      return 1;
    }
    case WM_SYSCHAR:
      for (const auto& entry : buttons_) {
        bool handled = false;
        Handle([&] { handled = entry.second->KeyAccel(static_cast<char>(wParam)); });
        if (handled) return 0;
      }
      break;
    case WM_CLOSE:
      Handle([this] { form_.Close(); });
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam != FALSE) Handle([this] { form_.Close(); });
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK PanelView::ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_view == nullptr || g_view->ButtonOf(window) == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return g_view->OnButton(window, message, wParam, lParam);
}

LRESULT PanelView::OnButton(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TCuteButton& button = *ButtonOf(window);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      PaintButton(window, button);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      if (trackingButton_ != window) {
        trackingButton_ = window;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        Handle([&button] { button.CMMouseEnter(); });
      }
      return 0;
    case WM_MOUSELEAVE:
      if (trackingButton_ == window) trackingButton_ = nullptr;
      Handle([&button] { button.CMMouseLeave(); });
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(window);
      Handle([&button] { button.MouseDown(MouseButton::kLeft); });
      return 0;
    case WM_LBUTTONUP: {
      RECT rect{};
      GetClientRect(window, &rect);
      const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const bool inside = PtInRect(&rect, point) != FALSE;
      Handle([&button, inside] { button.MouseRelease(MouseButton::kLeft, inside); });
      return 0;
    }
    case WM_RBUTTONUP:
      Handle([&button] { button.MouseRelease(MouseButton::kRight, true); });
      break;  // the default handling raises the context menu at the panel
    case WM_SETFOCUS:
      Handle([&button] { button.DoEnter(); });
      return 0;
    case WM_KILLFOCUS:
      Handle([&button] { button.DoExit(); });
      return 0;
    case WM_KEYDOWN:
      Handle([&button, wParam] { button.KeyDown(static_cast<int>(wParam)); });
      return 0;
    case WM_KEYUP:
      Handle([&button, wParam] { button.KeyUp(static_cast<int>(wParam)); });
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void PanelView::PaintButton(HWND window, const TCuteButton& button) {
  HDC dc = GetDC(window);
  RECT rect{};
  GetClientRect(window, &rect);
  OwnedBrush face(CreateSolidBrush(ToColorRef(button.color)));
  FillRect(dc, &rect, face.get());
  const int bevelWidth = ScaledPixels(button.bevelWidth, form_.LayoutDpi());
  DrawBevel(dc, rect, button.bevelOuter, bevelWidth);
  DrawBevel(dc, rect, button.bevelInner, bevelWidth);
  if (!button.caption.empty()) {
    HGDIOBJ previous = SelectObject(dc, FontFor(button.font, form_.LayoutDpi()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(button.font.color));
    const std::wstring caption = Wide(button.caption);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, previous);
  }
  ReleaseDC(window, dc);
}

LRESULT CALLBACK PanelView::NameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_view == nullptr || g_view->names_ == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return g_view->OnName(window, message, wParam, lParam);
}

LRESULT PanelView::OnName(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TNameForm& nameForm = *app_.NameForm;
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (id == kOkButtonId && HIWORD(wParam) == BN_CLICKED) {
        Handle([&nameForm] { nameForm.OkBtnClick(); });
        return 0;
      }
      if (id == IDOK) {
        Handle([&nameForm] { nameForm.OkBtnClick(); });
        return 0;
      }
      if (id >= kFirstEditId && id < kFirstEditId + 16 && HIWORD(wParam) == EN_CHANGE && !syncingNames_) {
        EditField& edit = nameForm.edits[static_cast<std::size_t>(id - kFirstEditId)];
        HWND control = reinterpret_cast<HWND>(lParam);
        // A character code page 932 cannot hold is refused, as is a name past
        // the limit in Shift-JIS bytes, which the edit control cannot count.
        const auto typed = NarrowExactly(WholeWindowText(control));
        if (!typed || !TNameForm::EditFits(edit.caption, *typed, edit.maxTypedBytes)) {
          syncingNames_ = true;
          SetWindowTextW(control, Wide(edit.caption).c_str());
          SendMessageW(control, EM_SETSEL, 0x7FFF, 0x7FFF);
          syncingNames_ = false;
          MessageBeep(MB_OK);
        } else {
          edit.caption = *typed;
        }
        return 0;
      }
      break;
    }
    case WM_CTLCOLORSTATIC: {
      const auto* label = reinterpret_cast<const Label*>(GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA));
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (label != nullptr) SetTextColor(dc, ToColorRef(label->font.color));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(nameBrush_.get());
    }
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      nameForm.left = suggested->left;
      nameForm.top = suggested->top;
      nameForm.ApplyDpi(HIWORD(wParam));
      LayoutNameEditor();
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && nameForm.visible) Handle([&nameForm] { nameForm.FormActivate(); });
      break;
    case WM_CLOSE:
      Handle([&nameForm] { nameForm.FormClose(); });
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK PanelView::NoticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_view == nullptr || g_view->notice_ == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return g_view->OnNotice(window, message, wParam, lParam);
}

LRESULT PanelView::OnNotice(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      SetBkMode(dc, TRANSPARENT);
      for (const Label& line : app_.HikisuuForm->lines) {
        HGDIOBJ previous = SelectObject(dc, FontFor(line.font, app_.HikisuuForm->dpi));
        SetTextColor(dc, ToColorRef(line.font.color));
        const std::wstring text = Wide(line.caption);
        TextOutW(dc, line.left, line.top, text.c_str(), static_cast<int>(text.size()));
        SelectObject(dc, previous);
      }
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DPICHANGED: {
      THikisuuForm& notice = *app_.HikisuuForm;
      notice.ApplyDpi(HIWORD(wParam));
      SetWindowPos(window, nullptr, notice.left, notice.top, notice.width, notice.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    }
    case WM_CLOSE:
      Handle([this] { app_.HikisuuForm->Close(); });
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace sorvane::win32
