#include "win32/ModalWindow.h"

#include "win32/Text.h"
#ifdef SORVANE_E2E_SWITCH
#include "win32/TextFitCheck.h"
#endif

namespace sorvane::win32 {

ModalWindow::ModalWindow(const wchar_t* className, WNDPROC procedure, const std::string& title, int width,
                         int height, HWND owner, void* state, int scale)
    : owner_(owner) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);  // fails harmlessly once the class is there

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  look_ = metrics.lfMessageFont;

  const int screenDpi = GetDeviceCaps(BorrowedDC().get(), LOGPIXELSY);
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  for (scale = scale < 1 ? 1 : scale; scale > 1; --scale) {
    RECT scaled{0, 0, MulDiv(width, screenDpi * scale, 96), MulDiv(height, screenDpi * scale, 96)};
    AdjustWindowRectEx(&scaled, style, FALSE, WS_EX_DLGMODALFRAME);
    if (scaled.right - scaled.left <= GetSystemMetrics(SM_CXSCREEN) &&
        scaled.bottom - scaled.top <= GetSystemMetrics(SM_CYSCREEN)) {
      break;
    }
  }
  dpi_ = screenDpi * scale;
  look_.lfHeight *= scale;
  font_ = OwnedFont(CreateFontIndirectW(&look_));

  RECT outer{0, 0, Scaled(width), Scaled(height)};
  AdjustWindowRectEx(&outer, style, FALSE, WS_EX_DLGMODALFRAME);
  const int outerWidth = outer.right - outer.left;
  const int outerHeight = outer.bottom - outer.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2;
  window_.Reset(CreateWindowExW(WS_EX_DLGMODALFRAME, className, Wide(title).c_str(), style, x, y, outerWidth,
                                outerHeight, owner, nullptr, instance, nullptr));
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
}

ModalWindow::~ModalWindow() {
  window_.Reset();
}

HFONT ModalWindow::BoldFont() {
  if (!bold_) {
    LOGFONTW boldLook = look_;
    boldLook.lfWeight = FW_BOLD;
    bold_ = OwnedFont(CreateFontIndirectW(&boldLook));
  }
  return bold_.get();
}

HWND ModalWindow::Add(const wchar_t* kind, const std::wstring& text, DWORD style, DWORD exStyle, int id, int x,
                      int y, int width, int height, HFONT font) const {
  HWND control = CreateWindowExW(exStyle, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, Scaled(x), Scaled(y),
                                 Scaled(width), Scaled(height), window_.get(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void ModalWindow::Run(HWND focus, const bool& done) {
  if (owner_ != nullptr) EnableWindow(owner_, FALSE);
  ShowWindow(window_.get(), SW_SHOW);
#ifdef SORVANE_E2E_SWITCH
  ReportTextsCutOff(window_.get());
#endif
  SetForegroundWindow(window_.get());
  SetFocus(focus);
  MSG message{};
  bool quit = false;
  while (!done) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      quit = got == 0;
      break;
    }
    if (IsDialogMessageW(window_.get(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // The owner takes the activation back before this window goes.
  if (owner_ != nullptr) EnableWindow(owner_, TRUE);
  window_.Reset();
  // The message loop outside ends as it was asked to.
  if (quit) PostQuitMessage(static_cast<int>(message.wParam));
}

}  // namespace sorvane::win32
