#include "win32/ButtonWindow.h"

#include <windowsx.h>

#include "win32/Colors.h"
#include "win32/Fonts.h"
#include "win32/Text.h"
#include "win32/WindowClass.h"
#include "win32/WindowEvents.h"

namespace sorvane::win32 {

namespace {

constexpr wchar_t kClass[] = L"TCuteButton";

void DrawBevel(HDC dc, RECT& rect, Bevel bevel, int width) {
  if (bevel == Bevel::kNone) return;
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF topLeft = bevel == Bevel::kRaised ? light : dark;
  const COLORREF bottomRight = bevel == Bevel::kRaised ? dark : light;
  OwnedBrush first(CreateSolidBrush(topLeft));
  OwnedBrush second(CreateSolidBrush(bottomRight));
  for (int i = 0; i < width; ++i) {
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

}  // namespace

ButtonWindow::ButtonWindow(WindowEvents& view, PanelButton& button, const PanelForm& panel, HWND parent,
                           FontCache& fonts)
    : view_(view), button_(button), panel_(panel), fonts_(fonts) {
  RegisterOwnedClass<ButtonWindow>(kClass, nullptr);
  window_.Reset(CreateWindowExW(0, kClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                                GetModuleHandleW(nullptr), this));
}

ButtonWindow::~ButtonWindow() {
  window_.Reset();
  if (accessible_ != nullptr) {
    accessible_->Disconnect();
    accessible_->Release();
  }
}

IAccessible* ButtonWindow::AccessibleObject() {
  if (accessible_ == nullptr) accessible_ = new ButtonAccessible(window_.get(), *this);
  return accessible_;
}

std::string ButtonWindow::AccessibleName() const { return panel_.SpokenName(panel_.PositionShownBy(button_)); }

bool ButtonWindow::AccessibleSelected() const {
  return panel_.lit != PanelForm::kNothingLit && panel_.PositionShownBy(button_) == panel_.lit;
}

void ButtonWindow::Update() {
  const PanelButton& b = button_;
  Look& s = shown_;
  if (b.left != s.left || b.top != s.top || b.width != s.width || b.height != s.height) {
    s.left = b.left;
    s.top = b.top;
    s.width = b.width;
    s.height = b.height;
    MoveWindow(window_.get(), b.left, b.top, b.width, b.height, TRUE);
  }
  bool changed = false;
  if (b.caption != s.caption) {
    s.caption = b.caption;
    // The caption is also the window's text, for screen readers.
    SetWindowTextW(window_.get(), Wide(b.caption).c_str());
    changed = true;
  }
  const int dpi = panel_.LayoutDpi();
  if (b.color != s.color || b.bevelOuter != s.outer || b.bevelInner != s.inner || b.bevelWidth != s.bevelWidth ||
      dpi != s.dpi || !(b.font == s.font)) {
    s.dpi = dpi;
    s.color = b.color;
    s.outer = b.bevelOuter;
    s.inner = b.bevelInner;
    s.bevelWidth = b.bevelWidth;
    if (!(b.font == s.font)) s.font = b.font;
    changed = true;
  }
  if (changed) InvalidateRect(window_.get(), nullptr, FALSE);
  if (b.visible != s.visible) {
    s.visible = b.visible;
    ShowWindow(window_.get(), b.visible ? SW_SHOWNA : SW_HIDE);
  }
}

void ButtonWindow::Paint(HDC dc) {
  const PanelButton& b = button_;
  RECT rect{};
  GetClientRect(window_.get(), &rect);
  OwnedBrush face(CreateSolidBrush(ToColorRef(b.color)));
  FillRect(dc, &rect, face.get());
  const int dpi = panel_.LayoutDpi();
  const int bevelWidth = ScaledPixels(b.bevelWidth, dpi);
  DrawBevel(dc, rect, b.bevelOuter, bevelWidth);
  DrawBevel(dc, rect, b.bevelInner, bevelWidth);
  if (b.caption.empty()) return;
  // The caption is centred in the part of the face in view, and drawn smaller
  // where its own size would be cut there.
  const ScreenRect room = b.CaptionRoom(panel_.ClientHeight() - b.top, dpi);
  RECT captionRect{room.left, room.top, room.right, room.bottom};
  const std::wstring caption = Wide(b.caption);
  HGDIOBJ previous = GetCurrentObject(dc, OBJ_FONT);
  SelectFittingFont(dc, fonts_, b.font, PixelHeightForPoints(b.font.size, dpi), caption, room.right - room.left,
                    room.bottom - room.top);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(b.font.color));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &captionRect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, previous);
}

LRESULT ButtonWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PanelButton& button = button_;
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      Paint(dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_GETOBJECT:
      // The object id arrives in the low 32 bits, whatever the upper ones hold.
      if (static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
        return LresultFromObject(IID_IAccessible, wParam, AccessibleObject());
      }
      break;
    case WM_MOUSEMOVE:
      view_.PointerOver(window);
      return 0;
    case WM_MOUSELEAVE:
      view_.PointerLeft(window);
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(window);
      view_.Handle([&button] { button.MouseDown(MouseButton::kLeft); });
      return 0;
    case WM_LBUTTONUP: {
      RECT rect{};
      GetClientRect(window, &rect);
      const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const bool inside = PtInRect(&rect, point) != FALSE;
      view_.Handle([&button, inside] { button.MouseRelease(MouseButton::kLeft, inside); });
      return 0;
    }
    case WM_RBUTTONUP:
      view_.Handle([&button] { button.MouseRelease(MouseButton::kRight, true); });
      break;  // the default handling raises the context menu at the panel
    case WM_SETFOCUS:
      view_.Handle([&button] { button.DoEnter(); });
      return 0;
    case WM_KILLFOCUS:
      view_.Handle([&button] { button.DoExit(); });
      return 0;
    case WM_KEYDOWN:
      view_.Handle([&button, wParam] { button.KeyDown(static_cast<int>(wParam)); });
      return 0;
    case WM_KEYUP:
      view_.Handle([&button, wParam] { button.KeyUp(static_cast<int>(wParam)); });
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace sorvane::win32
