#include "win32/NameEditorWindow.h"

#include <algorithm>

#include "controls/ButtonAppearance.h"
#include "settings/PanelSettings.h"
#include "win32/Colors.h"
#include "win32/Text.h"
#ifdef SORVANE_E2E_SWITCH
#include "win32/TextFitCheck.h"
#endif
#include "win32/WindowClass.h"
#include "win32/WindowEvents.h"

namespace sorvane::win32 {

namespace {

constexpr wchar_t kClass[] = L"TNameForm";
constexpr int kOkButtonId = 100;
constexpr int kFirstFieldId = 200;
constexpr int kFieldCount = 16;

}  // namespace

NameEditorWindow::NameEditorWindow(WindowEvents& view, NameEditor& form, HWND panel)
    : view_(view), form_(form), panel_(panel) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  labelBrush_.Reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  RegisterOwnedClass<NameEditorWindow>(kClass, GetSysColorBrush(COLOR_BTNFACE));
  window_.Reset(CreateWindowExW(WS_EX_DLGMODALFRAME, kClass, Wide(form.caption).c_str(),
                                WS_POPUP | WS_CAPTION | WS_THICKFRAME, form.left, form.top, form.width, form.height,
                                panel, nullptr, instance, this));
  for (const Label& label : form.labels) {
    HWND window = CreateWindowExW(0, L"STATIC", Wide(label.caption).c_str(), WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP,
                                  label.left, label.top, label.width, label.height, window_.get(), nullptr, instance,
                                  nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&label));
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(label.font, form.dpi)), FALSE);
  }
  fields_.assign(kFieldCount, nullptr);
  auto addField = [&](int slot) {
    const EditField& edit = form.edits[static_cast<std::size_t>(slot)];
    HWND field = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                 edit.left, edit.top, edit.width, edit.height, window_.get(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstFieldId + slot)), instance, nullptr);
    SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(edit.font, form.dpi)), FALSE);
    fields_[static_cast<std::size_t>(slot)] = field;
  };
  // The tab order runs down the first stick's fields, to OK, then the second's.
  for (int slot = 0; slot < 8; ++slot) addField(slot);
  ok_ = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                        form.okButton.left, form.okButton.top, form.okButton.width, form.okButton.height, window_.get(),
                        reinterpret_cast<HMENU>(kOkButtonId), instance, nullptr);
  SendMessageW(ok_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(form.okButton.font, form.dpi)), FALSE);
  for (int slot = 8; slot < kFieldCount; ++slot) addField(slot);
  FitTextAndLayout();
}

NameEditorWindow::~NameEditorWindow() {
  window_.Reset();
}

void NameEditorWindow::Update() {
  if (form_.visible == shown_) return;
  shown_ = form_.visible;
  KeyboardReturn& keyboard = view_.keyboard();
  if (shown_) {
    SetWindowTextW(window_.get(), Wide(form_.caption).c_str());
    SetFieldsFromForm();
    FitTextAndLayout();
    keyboard.Remember();
    EnableWindow(panel_, FALSE);
    ShowWindow(window_.get(), SW_SHOW);
#ifdef SORVANE_E2E_SWITCH
    ReportTextsCutOff(window_.get());
#endif
    SetForegroundWindow(window_.get());
    SetFocus(fields_[0]);
  } else {
    EnableWindow(panel_, TRUE);
    // Given back before the editor goes, so that the system hands the
    // keyboard to no window of its own choosing.
    keyboard.GiveBack();
    ShowWindow(window_.get(), SW_HIDE);
  }
}

void NameEditorWindow::Layout() {
  SetWindowPos(window_.get(), nullptr, form_.left, form_.top, form_.width, form_.height, SWP_NOZORDER | SWP_NOACTIVATE);
  for (HWND child = GetWindow(window_.get(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const Control* control = nullptr;
    const int id = GetDlgCtrlID(child);
    if (child == ok_) {
      control = &form_.okButton;
    } else if (id >= kFirstFieldId && id < kFirstFieldId + kFieldCount) {
      control = &form_.edits[static_cast<std::size_t>(id - kFirstFieldId)];
    } else {
      control = reinterpret_cast<const Label*>(GetWindowLongPtrW(child, GWLP_USERDATA));
    }
    if (control == nullptr) continue;
    MoveWindow(child, control->left, control->top, control->width, control->height, FALSE);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.For(control->font, form_.dpi)), FALSE);
  }
  InvalidateRect(window_.get(), nullptr, TRUE);
}

void NameEditorWindow::FitTextAndLayout() {
  OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return;
  HGDIOBJ previous = GetCurrentObject(dc.get(), OBJ_FONT);
  const auto widest = [&](const Font& font, auto&& eachText) {
    SelectObject(dc.get(), fonts_.For(font, form_.dpi));
    int most = 0;
    eachText([&](const std::string& text) { most = std::max(most, MeasureText(dc.get(), Wide(text)).width); });
    return most;
  };
  const int labelText = widest(form_.labels[0].font, [&](auto&& measure) {
    for (const Label& label : form_.labels) measure(label.caption);
  });
  // A field shows every name typing can make from what it holds, and the
  // default names; a longer name from the settings file scrolls.
  const int fieldText = widest(form_.edits[0].font, [&](auto&& measure) {
    for (int slot = 0; slot < kFieldCount; ++slot) {
      measure(DefaultButtonName(SlotButtonNumber(slot)));
      const std::string& name = form_.edits[static_cast<std::size_t>(slot)].caption;
      if (name.size() <= static_cast<std::size_t>(NameEditor::kNameBytes)) measure(name);
    }
  });
  SelectObject(dc.get(), previous);
  // The field's sunken edge, its margins and the caret lie beside the text.
  const DWORD margins = static_cast<DWORD>(SendMessageW(fields_[0], EM_GETMARGINS, 0, 0));
  const int edge = ScaledPixels(2, form_.dpi);
  const int fieldWidth = fieldText + LOWORD(margins) + HIWORD(margins) + 2 * edge + ScaledPixels(2, form_.dpi);
  form_.FitText(labelText, fieldWidth);
  Layout();
}

void NameEditorWindow::SetFieldsFromForm() {
  settingFields_ = true;
  for (std::size_t slot = 0; slot < fields_.size(); ++slot) {
    SetWindowTextW(fields_[slot], Wide(form_.edits[slot].caption).c_str());
  }
  settingFields_ = false;
}

void NameEditorWindow::FieldChanged(int slot, HWND field) {
  EditField& edit = form_.edits[static_cast<std::size_t>(slot)];
  // A character code page 932 cannot hold is refused, as is a name past the
  // limit in Shift-JIS bytes, which the edit control cannot count.
  const auto typed = NarrowExactly(WholeWindowText(field));
  if (!typed || !NameEditor::EditFits(edit.caption, *typed, edit.maxTypedBytes)) {
    settingFields_ = true;
    SetWindowTextW(field, Wide(edit.caption).c_str());
    SendMessageW(field, EM_SETSEL, 0x7FFF, 0x7FFF);
    settingFields_ = false;
    MessageBeep(MB_OK);
  } else {
    edit.caption = *typed;
  }
}

LRESULT NameEditorWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  NameEditor& form = form_;
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if ((id == kOkButtonId && HIWORD(wParam) == BN_CLICKED) || id == IDOK) {
        view_.Handle([&form] { form.OkClick(); });
        return 0;
      }
      if (id >= kFirstFieldId && id < kFirstFieldId + kFieldCount && HIWORD(wParam) == EN_CHANGE && !settingFields_) {
        FieldChanged(id - kFirstFieldId, reinterpret_cast<HWND>(lParam));
        return 0;
      }
      break;
    }
    case WM_CTLCOLORSTATIC: {
      const auto* label =
          reinterpret_cast<const Label*>(GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA));
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (label != nullptr) SetTextColor(dc, ToColorRef(label->font.color));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(labelBrush_.get());
    }
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      form.left = suggested->left;
      form.top = suggested->top;
      form.ApplyDpi(HIWORD(wParam));
      FitTextAndLayout();
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && form.visible) view_.Handle([&form] { form.Activated(); });
      break;
    case WM_CLOSE:
      view_.Handle([&form] { form.FormClose(); });
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace sorvane::win32
