#include "win32/SwitchRecordWindow.h"

#include <string>

#include "forms/SwitchRecordView.h"
#include "win32/Handles.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

constexpr wchar_t kClass[] = L"SorvaneSwitchRecord";
constexpr int kApplyButton = 101;
// Designed at 96 dots per inch.
constexpr int kWidth = 560;
constexpr int kMargin = 12;
constexpr int kLabelWidth = 240;
constexpr int kValueWidth = 140;
constexpr int kRowHeight = 22;
constexpr int kSuggestionHeight = 36;  // room for a reason that wraps once
constexpr int kButtonWidth = 130;
constexpr int kButtonHeight = 28;

struct WindowState {
  bool done = false;
  bool apply = false;
};

int g_dpi = 96;
int Scaled(int pixels) { return MulDiv(pixels, g_dpi, 96); }

HWND AddControl(HWND parent, const wchar_t* kind, const std::string& text, DWORD style, int id, int x, int y,
                int width, int height, HFONT font) {
  HWND control = CreateWindowExW(0, kind, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, Scaled(x), Scaled(y),
                                 Scaled(width), Scaled(height), parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<WindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
      if (state == nullptr) break;
      if (LOWORD(wParam) == kApplyButton) {
        state->apply = true;
        state->done = true;
        return 0;
      }
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
        state->done = true;
        return 0;
      }
      break;
    case WM_CLOSE:
      if (state != nullptr) state->done = true;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool RunSwitchRecordWindow(HWND owner, const SwitchRecordReport& report) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClass;
  RegisterClassExW(&windowClass);

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  OwnedFont font(CreateFontIndirectW(&metrics.lfMessageFont));
  LOGFONTW boldLook = metrics.lfMessageFont;
  boldLook.lfWeight = FW_BOLD;
  OwnedFont bold(CreateFontIndirectW(&boldLook));

  HDC screen = GetDC(nullptr);
  g_dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);

  const int tableBottom = kMargin + kRowHeight * (static_cast<int>(report.rows.size()) + 1);
  const int suggestionsTop = tableBottom + kMargin + kRowHeight;
  const int buttonsTop =
      suggestionsTop + kSuggestionHeight * static_cast<int>(report.suggestions.size()) + kMargin;
  const int height = buttonsTop + kButtonHeight + kMargin;

  WindowState state;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  RECT outer{0, 0, Scaled(kWidth), Scaled(height)};
  AdjustWindowRectEx(&outer, style, FALSE, WS_EX_DLGMODALFRAME);
  const int outerWidth = outer.right - outer.left;
  const int outerHeight = outer.bottom - outer.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2;
  HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, kClass, Wide(kSwitchRecordTitle).c_str(), style, x, y,
                                outerWidth, outerHeight, owner, nullptr, instance, nullptr);
  if (window == nullptr) return false;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));

  const int valuesLeft = kMargin + kLabelWidth;
  for (std::size_t column = 0; column < report.columns.size(); ++column) {
    AddControl(window, L"STATIC", report.columns[column], SS_RIGHT, -1,
               valuesLeft + kValueWidth * static_cast<int>(column), kMargin, kValueWidth - 8, kRowHeight,
               bold.get());
  }
  for (std::size_t row = 0; row < report.rows.size(); ++row) {
    const int top = kMargin + kRowHeight * (static_cast<int>(row) + 1);
    AddControl(window, L"STATIC", report.rows[row].label, SS_LEFT, -1, kMargin, top, kLabelWidth, kRowHeight,
               font.get());
    for (std::size_t column = 0; column < report.rows[row].values.size(); ++column) {
      AddControl(window, L"STATIC", report.rows[row].values[column], SS_RIGHT, -1,
                 valuesLeft + kValueWidth * static_cast<int>(column), top, kValueWidth - 8, kRowHeight, font.get());
    }
  }
  AddControl(window, L"STATIC", "提案", SS_LEFT, -1, kMargin, tableBottom + kMargin, kWidth - 2 * kMargin,
             kRowHeight, bold.get());
  for (std::size_t line = 0; line < report.suggestions.size(); ++line) {
    AddControl(window, L"STATIC", report.suggestions[line], SS_LEFT, -1, kMargin,
               suggestionsTop + kSuggestionHeight * static_cast<int>(line), kWidth - 2 * kMargin,
               kSuggestionHeight, font.get());
  }
  // Closing is the default: nothing changes unless the carer asks for it.
  HWND apply = AddControl(window, L"BUTTON", "この設定にする", WS_TABSTOP | BS_PUSHBUTTON, kApplyButton,
                          kWidth - kMargin - 2 * kButtonWidth - 10, buttonsTop, kButtonWidth, kButtonHeight,
                          font.get());
  EnableWindow(apply, report.canApply ? TRUE : FALSE);
  HWND close = AddControl(window, L"BUTTON", "閉じる", WS_TABSTOP | BS_DEFPUSHBUTTON, IDCANCEL,
                          kWidth - kMargin - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight, font.get());

  if (owner != nullptr) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetFocus(close);
  MSG message{};
  bool quit = false;
  while (!state.done) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      quit = got == 0;
      break;
    }
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (owner != nullptr) EnableWindow(owner, TRUE);
  DestroyWindow(window);
  // The message loop outside ends as it was asked to.
  if (quit) PostQuitMessage(static_cast<int>(message.wParam));
  return state.apply;
}

}  // namespace sorvane::win32
