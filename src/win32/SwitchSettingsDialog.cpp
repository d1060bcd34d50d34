#include "win32/SwitchSettingsDialog.h"

#include <commctrl.h>

#include <string>

#include "win32/Handles.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

constexpr wchar_t kClass[] = L"SorvaneSwitchSettings";
constexpr int kKeyField = 101;        // then 102, switch 2's
constexpr int kNoKeyButton = 103;     // then 104
constexpr int kFirstTimeField = 105;  // then 106 to 109
constexpr int kKeyCount = 2;
constexpr int kTimeFieldCount = 5;
constexpr int kWidth = 380;
constexpr int kHeight = 340;

struct DialogState {
  SwitchOptionTexts& texts;
  std::int32_t keys[kKeyCount];
  HWND keyFields[kKeyCount] = {};
  HWND fields[kTimeFieldCount] = {};
  bool done = false;
  bool confirmed = false;
};

std::wstring KeyName(std::int32_t key) {
  if (key == 0) return Wide("なし");
  wchar_t name[64] = {};
  UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
  // Keys of the extended block are named apart from their twins on the number pad.
  switch (key) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_LEFT: case VK_UP: case VK_RIGHT:
    case VK_DOWN: case VK_INSERT: case VK_DELETE: case VK_DIVIDE: case VK_NUMLOCK:
      scan |= 0x100;
      break;
    default:
      break;
  }
  std::wstring text;
  if (GetKeyNameTextW(static_cast<LONG>(scan << 16), name, 64) > 0) text = name;
  return text.empty() ? L"VK " + std::to_wstring(key) : text + L" (" + std::to_wstring(key) + L")";
}

DialogState* StateOf(HWND window) {
  return reinterpret_cast<DialogState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Keys that keep their own work in the dialog and everywhere else: moving on,
// OK, Cancel, and the modifiers, which are never a key on their own.
bool KeepsItsWork(WPARAM key) {
  switch (key) {
    case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_SHIFT: case VK_CONTROL: case VK_MENU:
    case VK_LSHIFT: case VK_RSHIFT: case VK_LCONTROL: case VK_RCONTROL: case VK_LMENU: case VK_RMENU:
    case VK_LWIN: case VK_RWIN: case VK_APPS:
      return true;
    default:
      return false;
  }
}

// The key field takes the next key pressed, except the keys above and those
// pressed with Alt (Alt+F4 still closes).
// The subclass id is the switch's index.
LRESULT CALLBACK KeyFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR which,
                              DWORD_PTR data) {
  auto* state = reinterpret_cast<DialogState*>(data);
  constexpr LPARAM kAltDown = 1 << 29;
  switch (message) {
    case WM_GETDLGCODE: {
      const auto* pending = reinterpret_cast<const MSG*>(lParam);
      if (pending != nullptr && pending->message == WM_KEYDOWN && KeepsItsWork(pending->wParam)) return 0;
      return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (KeepsItsWork(wParam) || (lParam & kAltDown) != 0) break;
      state->keys[which] = static_cast<std::int32_t>(wParam);
      SetWindowTextW(field, KeyName(state->keys[which]).c_str());
      return 0;
    case WM_CHAR:
    case WM_KEYUP:
      return 0;
    default:
      break;
  }
  return DefSubclassProc(field, message, wParam, lParam);
}

// Sizes are designed at 96 DPI and scaled to the screen's.
int g_dpi = 96;
int Scaled(int pixels) { return MulDiv(pixels, g_dpi, 96); }

HWND AddControl(HWND parent, const wchar_t* kind, const std::wstring& text, DWORD style, DWORD exStyle, int id,
                int x, int y, int width, int height, HFONT font) {
  HWND control = CreateWindowExW(exStyle, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, Scaled(x), Scaled(y),
                                 Scaled(width), Scaled(height), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogState* state = StateOf(window);
  switch (message) {
    case WM_COMMAND:
      if (state == nullptr) break;
      switch (LOWORD(wParam)) {
        case kNoKeyButton:
        case kNoKeyButton + 1: {
          const int which = LOWORD(wParam) - kNoKeyButton;
          state->keys[which] = 0;
          SetWindowTextW(state->keyFields[which], KeyName(0).c_str());
          SetFocus(state->keyFields[which]);
          return 0;
        }
        case IDOK: {
          std::string* targets[kTimeFieldCount] = {&state->texts.acceptTime, &state->texts.ignoreRepeat,
                                                   &state->texts.firstPause, &state->texts.loops,
                                                   &state->texts.dwellTime};
          for (int i = 0; i < kTimeFieldCount; ++i) {
            const int length = GetWindowTextLengthW(state->fields[i]);
            std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
            GetWindowTextW(state->fields[i], text.data(), length + 1);
            text.resize(static_cast<std::size_t>(length));
            *targets[i] = Narrow(text);
          }
          state->texts.key = state->keys[0];
          state->texts.key2 = state->keys[1];
          state->confirmed = true;
          state->done = true;
          return 0;
        }
        case IDCANCEL:
          state->done = true;
          return 0;
        default:
          break;
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

bool RunSwitchSettingsDialog(HWND owner, SwitchOptionTexts& texts) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &DialogProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClass;
  RegisterClassExW(&windowClass);

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  OwnedFont font(CreateFontIndirectW(&metrics.lfMessageFont));

  HDC screen = GetDC(nullptr);
  g_dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);

  DialogState state{texts, {texts.key, texts.key2}};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  RECT outer{0, 0, Scaled(kWidth), Scaled(kHeight)};
  AdjustWindowRectEx(&outer, style, FALSE, WS_EX_DLGMODALFRAME);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, kClass, Wide("スイッチの設定").c_str(), style, x, y, width,
                                height, owner, nullptr, instance, nullptr);
  if (window == nullptr) return false;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));

  const char* const keyLabels[kKeyCount] = {"スイッチにするキー", "スイッチ 2 にするキー"};
  for (int which = 0; which < kKeyCount; ++which) {
    const int top = 12 + 32 * which;
    AddControl(window, L"STATIC", Wide(keyLabels[which]), SS_LEFT, 0, -1, 12, top + 4, 156, 20, font.get());
    state.keyFields[which] =
        AddControl(window, L"EDIT", KeyName(state.keys[which]), WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL,
                   WS_EX_CLIENTEDGE, kKeyField + which, 170, top, 120, 24, font.get());
    SetWindowSubclass(state.keyFields[which], &KeyFieldProc, static_cast<UINT_PTR>(which),
                      reinterpret_cast<DWORD_PTR>(&state));
    AddControl(window, L"BUTTON", Wide("なし"), WS_TABSTOP | BS_PUSHBUTTON, 0, kNoKeyButton + which, 298, top, 70,
               24, font.get());
  }
  AddControl(window, L"STATIC", Wide("欄を選んでキーを押します（Enter・Esc・Tab・Shift などは使えません）"),
             SS_LEFT, 0, -1, 12, 74, 356, 20, font.get());
  const char* const labels[kTimeFieldCount] = {
      "受付時間 (0〜5000 ミリ秒)", "連続押し無視 (0〜5000 ミリ秒)", "最初の項目の延長 (0〜5000 ミリ秒)",
      "休止までの周回 (0〜99、0 は休止なし)", "選択までの待ち時間 (500〜10000 ミリ秒)"};
  const std::string* values[kTimeFieldCount] = {&texts.acceptTime, &texts.ignoreRepeat, &texts.firstPause,
                                                &texts.loops, &texts.dwellTime};
  for (int i = 0; i < kTimeFieldCount; ++i) {
    const int top = 106 + 34 * i;
    AddControl(window, L"STATIC", Wide(labels[i]), SS_LEFT, 0, -1, 12, top + 4, 270, 20, font.get());
    state.fields[i] = AddControl(window, L"EDIT", Wide(*values[i]), WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                                 kFirstTimeField + i, 288, top, 80, 24, font.get());
  }
  AddControl(window, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, IDOK, 190, 298, 84, 28, font.get());
  AddControl(window, L"BUTTON", Wide("キャンセル"), WS_TABSTOP | BS_PUSHBUTTON, 0, IDCANCEL, 284, 298, 84, 28,
             font.get());

  if (owner != nullptr) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetFocus(state.keyFields[0]);
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
  return state.confirmed;
}

}  // namespace sorvane::win32
