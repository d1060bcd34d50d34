#include "win32/PanelView.h"

#include <utility>

#include "win32/Handles.h"
#include "win32/Text.h"

namespace sorvane::win32 {

PanelView::PanelView(Application& app, Win32Platform& platform, PanelWindow& panel)
    : app_(app), platform_(platform), form_(*app.panel), panel_(panel) {
  panel_.Attach(*this, form_, app_.title);
  auto addButton = [&](PanelButton& button) {
    buttons_.push_back(std::make_unique<ButtonWindow>(*this, button, form_, panel_.handle(), fonts_));
    if (button.showHint) panel_.AddHint(buttons_.back()->handle(), button.hint);
  };
  for (int k = 1; k <= 8; ++k) addButton(form_.Button(k));
  addButton(form_.switchOverMarker);
  names_ = std::make_unique<NameEditorWindow>(*this, *app_.nameEditor, panel_.handle());
  notice_ = std::make_unique<NoticeWindow>(*this, *app_.argumentNotice, fonts_);
  platform_.SetBeforeDialog([this] { ShowChanges(); });
  platform_.SetTimerHandler([this](Timer& timer) { OnTimer(timer); });
  platform_.SetSwitchWakeHandler([this] {
    if (depth_ == 0 && !app_.Terminated()) Handle([this] { form_.SampleSwitchNow(); });
  });
  // The system has the last word on the dots per inch each window is drawn at.
  const int panelDpi = Win32Platform::WindowDpi(panel_.handle());
  if (panelDpi != form_.dpi) Handle([this, panelDpi] { form_.DpiChanged(panelDpi, {form_.left, form_.top}); });
}

PanelView::~PanelView() {
  platform_.SetBeforeDialog(nullptr);
  platform_.SetTimerHandler(nullptr);
  platform_.SetSwitchWakeHandler(nullptr);
  names_.reset();
  notice_.reset();
  buttons_.clear();
  panel_.Detach();
}

void PanelView::Run() {
  Handle([this] { app_.MainFormShown(); });
  MSG message{};
  while (!app_.Terminated() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (names_->Shown() && IsDialogMessageW(names_->handle(), &message)) continue;
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

void PanelView::ShowError(const char* what) {
  platform_.ShowMessage(form_.handle, what, "Sorvane", MB_OK | MB_ICONERROR);
}

void PanelView::Render() {
  if (app_.Terminated()) {
    PostQuitMessage(0);
  } else {
    ShowChanges();
  }
  // The keyboard goes back once no handler runs and neither the menu nor a
  // window of the program's own needs it (timers tick inside the menu too).
  if (depth_ == 0 && !menuOpen_ && !app_.nameEditor->visible) platform_.keyboard().GiveBack();
}

void PanelView::ShowChanges() {
  panel_.Update();
  for (const auto& button : buttons_) button->Update();
  names_->Update();
  notice_->Update();
}

void PanelView::PointerOver(HWND window, bool onFrame) {
  if (window == pointerWindow_ && onFrame == pointerOnFrame_) return;
  const HWND previous = std::exchange(pointerWindow_, window);
  pointerOnFrame_ = onFrame;
  // Leaving is told for one area at a time, the frame or the client area.
  const DWORD flags = onFrame ? DWORD{TME_LEAVE | TME_NONCLIENT} : DWORD{TME_LEAVE};
  TRACKMOUSEEVENT track{sizeof track, flags, window, 0};
  TrackMouseEvent(&track);
  Handle([this, previous, window] {
    if (previous != nullptr) PointerLeftWindow(previous);
    PointerEntered(window);
  });
}

void PanelView::PointerLeft(HWND window, bool onFrame) {
  // An area that no longer tracks the pointer has been left already.
  if (window != pointerWindow_ || onFrame != pointerOnFrame_) return;
  pointerWindow_ = nullptr;
  Handle([this, window] { PointerLeftWindow(window); });
}

// The panel and each button hear of the pointer; the panel takes the pointer
// as gone only once it is outside the panel's outer edge.
void PanelView::PointerEntered(HWND window) {
  for (const auto& button : buttons_) {
    if (button->handle() == window) return button->button().PointerEntered();
  }
  form_.PointerEntered();
}

void PanelView::PointerLeftWindow(HWND window) {
  for (const auto& button : buttons_) {
    if (button->handle() == window) return button->button().PointerLeft();
  }
  form_.PointerLeft();
}

bool PanelView::AcceleratorKey(char character) {
  for (const auto& button : buttons_) {
    bool handled = false;
    PanelButton& target = button->button();
    Handle([&] { handled = target.KeyAccel(character); });
    if (handled) return true;
  }
  return false;
}

void PanelView::SubmenuOpened(HMENU menu) {
  if (menu == oneButtonSubmenu_) Handle([this] { form_.OneButtonMenuOpened(); });
}

void PanelView::ShowPopupMenu(int x, int y) {
  Handle([this] { form_.MenuOpening(); });
  const PanelMenu& menu = form_.menu;
  auto build = [&](auto&& self, MenuId parent) -> HMENU {
    HMENU handle = CreatePopupMenu();
    for (const MenuItem& item : menu.Items()) {
      if (item.parent != parent) continue;
      const std::wstring caption = Wide(item.caption);
      const UINT checked = (form_.MenuChecked(item.id) ? MF_CHECKED : MF_UNCHECKED) | (item.radio ? MFT_RADIOCHECK : 0);
      if (menu.HasChildren(item.id)) {
        HMENU child = self(self, item.id);
        if (item.id == MenuId::OneButton) oneButtonSubmenu_ = child;
        AppendMenuW(handle, MF_POPUP | MF_STRING | checked, reinterpret_cast<UINT_PTR>(child), caption.c_str());
      } else {
        AppendMenuW(handle, MF_STRING | checked, static_cast<UINT_PTR>(item.id) + 1, caption.c_str());
      }
    }
    return handle;
  };
  OwnedMenu root(build(build, MenuId::kNone));
  // The menu needs the keyboard while it is open (it closes when a click lands
  // elsewhere); the window that had it gets it back after the command.
  const HWND window = panel_.handle();
  platform_.keyboard().Remember();
  SetForegroundWindow(window);
  menuOpen_ = true;
  const int chosen = TrackPopupMenu(root.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, window, nullptr);
  menuOpen_ = false;
  PostMessageW(window, WM_NULL, 0, 0);
  oneButtonSubmenu_ = nullptr;
  if (chosen > 0) {
    Handle([this, chosen] { form_.MenuCommand(static_cast<MenuId>(chosen - 1)); });
  } else {
    Render();
  }
  // The pointer may have crossed the panel's edge while the menu held it.
  if (pointerWindow_ == nullptr) Handle([this] { form_.PointerLeft(); });
}

}  // namespace sorvane::win32
