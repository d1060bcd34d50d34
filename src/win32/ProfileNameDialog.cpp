#include "win32/ProfileNameDialog.h"

#include "win32/ModalWindow.h"
#include "text/Texts.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

constexpr wchar_t kClass[] = L"SorvaneProfileName";
constexpr int kNameField = 101;
constexpr int kWidth = 360;
constexpr int kHeight = 148;

struct DialogState {
  std::u16string& name;
  HWND field = nullptr;
  bool done = false;
  bool confirmed = false;
};

LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
      if (state == nullptr) break;
      if (LOWORD(wParam) == IDOK) {
        const std::wstring typed = WholeWindowText(state->field);
        state->name.assign(typed.begin(), typed.end());
        state->confirmed = true;
        state->done = true;
        return 0;
      }
      if (LOWORD(wParam) == IDCANCEL) {
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

bool RunProfileNameDialog(HWND owner, std::u16string& name, const std::string& problem) {
  DialogState state{name};
  ModalWindow dialog(kClass, &DialogProc, Text(TextId::ProfileDialogTitle), kWidth, kHeight, owner, &state);
  if (dialog.handle() == nullptr) return false;
  const HFONT font = dialog.font();
  dialog.Add(L"STATIC", Wide(Text(TextId::ProfileNameLabel)), SS_LEFT, 0, -1, 12, 12, 336, 20, font);
  // The reason a name was refused stands where the carer looks, above the name.
  dialog.Add(L"STATIC", Wide(problem), SS_LEFT, 0, -1, 12, 34, 336, 36, dialog.BoldFont());
  state.field = dialog.Add(L"EDIT", Wide(name), WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, kNameField, 12, 72,
                           336, 24, font);
  dialog.Add(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, IDOK, 170, 108, 84, 28, font);
  dialog.Add(L"BUTTON", Wide(Text(TextId::Cancel)), WS_TABSTOP | BS_PUSHBUTTON, 0, IDCANCEL, 264, 108, 84, 28, font);
  SendMessageW(state.field, EM_SETSEL, 0, -1);
  dialog.Run(state.field, state.done);
  return state.confirmed;
}

}  // namespace sorvane::win32
