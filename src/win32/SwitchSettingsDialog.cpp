#include "win32/SwitchSettingsDialog.h"

#include <commctrl.h>

#include <string>

#include "platform/Joystick.h"
#include "win32/ModalWindow.h"
#include "text/Texts.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

constexpr wchar_t kClass[] = L"SorvaneSwitchSettings";
constexpr int kKeyField = 101;        // then 102, switch 2's
constexpr int kNoKeyButton = 103;     // then 104
constexpr int kFirstTimeField = 105;  // then 106 to 111
constexpr int kMouseButtonField = 112;  // then 113, switch 2's
constexpr int kKeyCount = 2;
constexpr int kTimeFieldCount = 7;
constexpr int kWidth = 380;
constexpr int kHeight = 526;
// Below the keys, the mouse buttons and what choosing the right one means.
constexpr int kMouseRowsTop = 100;
constexpr int kTimeRowsTop = 224;
// The choices in MouseButtonNumber order.
const TextId kMouseButtonNames[kMouseButtonCount + 1] = {
    TextId::MouseButtonNone,   TextId::MouseButtonLeft,  TextId::MouseButtonRight,
    TextId::MouseButtonMiddle, TextId::MouseButtonSide1, TextId::MouseButtonSide2};

struct DialogState {
  SwitchOptionTexts& texts;
  std::int32_t keys[kKeyCount];
  HWND keyFields[kKeyCount] = {};
  HWND fields[kTimeFieldCount] = {};
  HWND mouseButtonFields[kKeyCount] = {};
  bool done = false;
  bool confirmed = false;
};

std::wstring KeyName(std::int32_t key) {
  if (key == 0) return Wide(Text(TextId::NoKey));
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
          std::string* targets[kTimeFieldCount] = {&state->texts.acceptTime, &state->texts.ignoreRepeatMilliseconds,
                                                   &state->texts.firstPause, &state->texts.quietCyclesBeforeRest,
                                                   &state->texts.selectingPause, &state->texts.resumeHold,
                                                   &state->texts.stuckAfterSeconds};
          for (int i = 0; i < kTimeFieldCount; ++i) {
            const int length = GetWindowTextLengthW(state->fields[i]);
            std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
            GetWindowTextW(state->fields[i], text.data(), length + 1);
            text.resize(static_cast<std::size_t>(length));
            *targets[i] = Narrow(text);
          }
          state->texts.key = state->keys[0];
          state->texts.key2 = state->keys[1];
          std::int32_t* buttons[kKeyCount] = {&state->texts.mouseButton, &state->texts.mouseButton2};
          for (int which = 0; which < kKeyCount; ++which) {
            const LRESULT chosen = SendMessageW(state->mouseButtonFields[which], CB_GETCURSEL, 0, 0);
            *buttons[which] = chosen == CB_ERR ? 0 : static_cast<std::int32_t>(chosen);
          }
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
  DialogState state{texts, {texts.key, texts.key2}};
  ModalWindow dialog(kClass, &DialogProc, Text(TextId::SwitchSettingsTitle), kWidth, kHeight, owner, &state);
  if (dialog.handle() == nullptr) return false;
  const HFONT font = dialog.font();

  const TextId keyLabels[kKeyCount] = {TextId::SwitchKeyLabel, TextId::Switch2KeyLabel};
  for (int which = 0; which < kKeyCount; ++which) {
    const int top = 12 + 32 * which;
    dialog.Add(L"STATIC", Wide(Text(keyLabels[which])), SS_LEFT, 0, -1, 12, top + 4, 156, 20, font);
    state.keyFields[which] =
        dialog.Add(L"EDIT", KeyName(state.keys[which]), WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL,
                   WS_EX_CLIENTEDGE, kKeyField + which, 170, top, 120, 24, font);
    SetWindowSubclass(state.keyFields[which], &KeyFieldProc, static_cast<UINT_PTR>(which),
                      reinterpret_cast<DWORD_PTR>(&state));
    dialog.Add(L"BUTTON", Wide(Text(TextId::NoKey)), WS_TABSTOP | BS_PUSHBUTTON, 0, kNoKeyButton + which, 298, top, 70,
               24, font);
  }
  dialog.Add(L"STATIC", Wide(Text(TextId::KeyFieldInstruction)),
             SS_LEFT, 0, -1, 12, 74, 356, 20, font);
  const TextId mouseLabels[kKeyCount] = {TextId::SwitchMouseButtonLabel, TextId::Switch2MouseButtonLabel};
  const std::int32_t chosenButtons[kKeyCount] = {texts.mouseButton, texts.mouseButton2};
  for (int which = 0; which < kKeyCount; ++which) {
    const int top = kMouseRowsTop + 32 * which;
    dialog.Add(L"STATIC", Wide(Text(mouseLabels[which])), SS_LEFT, 0, -1, 12, top + 4, 182, 20, font);
    // The height is the open list's.
    const HWND field = dialog.Add(L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0,
                                  kMouseButtonField + which, 198, top, 170, 200, font);
    for (const TextId name : kMouseButtonNames) {
      SendMessageW(field, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(Text(name)).c_str()));
    }
    const std::int32_t button = chosenButtons[which];
    SendMessageW(field, CB_SETCURSEL, button >= 0 && button <= kMouseButtonCount ? button : 0, 0);
    state.mouseButtonFields[which] = field;
  }
  dialog.Add(L"STATIC",
             Wide(Text(TextId::MouseButtonNote)),
             SS_LEFT, 0, -1, 12, kMouseRowsTop + 64, 356, 56, font);
  const TextId labels[kTimeFieldCount] = {TextId::AcceptTimeLabel, TextId::IgnoreRepeatLabel, TextId::FirstPauseLabel,
                                          TextId::LoopsLabel,      TextId::DwellTimeLabel,    TextId::ResumeHoldLabel,
                                          TextId::StuckAfterLabel};
  const std::string* values[kTimeFieldCount] = {&texts.acceptTime, &texts.ignoreRepeatMilliseconds, &texts.firstPause,
                                                &texts.quietCyclesBeforeRest, &texts.selectingPause,
                                                &texts.resumeHold, &texts.stuckAfterSeconds};
  for (int i = 0; i < kTimeFieldCount; ++i) {
    const int top = kTimeRowsTop + 34 * i;
    dialog.Add(L"STATIC", Wide(Text(labels[i])), SS_LEFT, 0, -1, 12, top + 4, 270, 20, font);
    state.fields[i] = dialog.Add(L"EDIT", Wide(*values[i]), WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                                 kFirstTimeField + i, 288, top, 80, 24, font);
  }
  dialog.Add(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, IDOK, 190, kHeight - 42, 84, 28, font);
  dialog.Add(L"BUTTON", Wide(Text(TextId::Cancel)), WS_TABSTOP | BS_PUSHBUTTON, 0, IDCANCEL, 284, kHeight - 42, 84,
             28, font);

  dialog.Run(state.keyFields[0], state.done);
  return state.confirmed;
}

}  // namespace sorvane::win32
