#include "win32/PanelView.h"

#include <utility>

#include "win32/Handles.h"
#include "win32/Text.h"
#ifdef SORVANE_E2E_SWITCH
#include "win32/AccessibilityDump.h"
#endif

namespace sorvane::win32 {

namespace {

// Above every command of the menu's fixed items.
constexpr UINT_PTR kProfileCommandBase = 0x1000;

// UI Automation's notification, which a screen reader speaks whatever has the
// focus; looked up, since it came with Windows 10 1709.
class AutomationNotice {
 public:
  AutomationNotice() {
    HMODULE automation = LoadLibraryW(L"uiautomationcore.dll");
    if (automation == nullptr) return;
    hostProvider_ = reinterpret_cast<HostProviderFunction>(
        reinterpret_cast<void*>(GetProcAddress(automation, "UiaHostProviderFromHwnd")));
    raise_ = reinterpret_cast<RaiseFunction>(
        reinterpret_cast<void*>(GetProcAddress(automation, "UiaRaiseNotificationEvent")));
    listening_ = reinterpret_cast<ListeningFunction>(
        reinterpret_cast<void*>(GetProcAddress(automation, "UiaClientsAreListening")));
  }

  // Whether anyone would hear a notification now.
  bool Wanted() const { return hostProvider_ != nullptr && raise_ != nullptr && listening_ != nullptr && listening_(); }

  void Raise(HWND window, const std::string& text) {
    IUnknown* provider = nullptr;
    if (FAILED(hostProvider_(window, &provider)) || provider == nullptr) return;
    const std::wstring wide = Wide(text);
    BSTR display = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    BSTR activity = SysAllocString(L"SorvaneLit");
    // NotificationKind_Other, NotificationProcessing_MostRecent: a step supersedes the last.
    raise_(provider, 4, 3, display, activity);
    SysFreeString(activity);
    SysFreeString(display);
    provider->Release();
  }

 private:
  using HostProviderFunction = HRESULT(WINAPI*)(HWND, IUnknown**);
  using RaiseFunction = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
  using ListeningFunction = BOOL(WINAPI*)();
  HostProviderFunction hostProvider_ = nullptr;
  RaiseFunction raise_ = nullptr;
  ListeningFunction listening_ = nullptr;
};

// Looked up once, as the view is made, rather than in the first step.
AutomationNotice& Automation() {
  static AutomationNotice notice;
  return notice;
}

}  // namespace

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
    if (depth_ == 0 && !app_.Terminated()) Handle([this] { form_.driver.ReaderWoke(); });
  });
  // An end heard behind a message box is dropped: the step's wait runs out by itself.
  platform_.SetSpeechEndHandler([this] {
    if (depth_ == 0 && !app_.Terminated()) Handle([this] { form_.SpeechEnded(); });
  });
  announcedLightings_ = form_.timesLit;
  Automation();
  // The system has the last word on the dots per inch each window is drawn at.
  const int panelDpi = Win32Platform::WindowDpi(panel_.handle());
  if (panelDpi != form_.dpi) Handle([this, panelDpi] { form_.DpiChanged(panelDpi, {form_.left, form_.top}); });
}

PanelView::~PanelView() {
  platform_.SetBeforeDialog(nullptr);
  platform_.SetTimerHandler(nullptr);
  platform_.SetSwitchWakeHandler(nullptr);
  platform_.SetSpeechEndHandler(nullptr);
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
  platform_.platform().dialogs.ShowMessage(form_.handle, what, "Sorvane", MB_OK | MB_ICONERROR);
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
  if (form_.timesLit != announcedLightings_) AnnounceLit();
}

#ifdef SORVANE_E2E_SWITCH
void PanelView::DumpAccessibility() {
  std::vector<AccessibleWindow> shown;
  for (const auto& button : buttons_) {
    if (IsWindowVisible(button->handle())) shown.push_back({button->handle(), button->AccessibleObject()});
  }
  win32::DumpAccessibility(shown);
}
#endif

void PanelView::AnnounceLit() {
  announcedLightings_ = form_.timesLit;
  Automation();
  const int lit = form_.lit;
  if (lit < 0 || lit > 8) return;
  // Buttons 1 to 8, then the switch-over marker; the single display shows every position on button 1.
  const std::size_t index = lit == 0 ? 8 : form_.options.singleDisplay ? 0 : static_cast<std::size_t>(lit - 1);
  if (index >= buttons_.size()) return;
  const HWND window = buttons_[index]->handle();
  NotifyWinEvent(EVENT_OBJECT_SELECTION, window, OBJID_CLIENT, CHILDID_SELF);
  if (Automation().Wanted()) Automation().Raise(window, form_.SpokenName(lit));
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
  menuProfiles_ = form_.ProfileMenuNames();
  auto build = [&](auto&& self, MenuId parent) -> HMENU {
    HMENU handle = CreatePopupMenu();
    for (const MenuItem& item : menu.Items()) {
      if (item.parent != parent || item.hidden) continue;
      if (item.id == MenuId::NewProfile) AppendMenuW(handle, MF_SEPARATOR, 0, nullptr);
      const std::wstring caption = Wide(item.caption);
      const UINT checked = (form_.MenuChecked(item.id) ? MF_CHECKED : MF_UNCHECKED) | (item.radio ? MFT_RADIOCHECK : 0) |
                           (form_.MenuEnabled(item.id) ? 0 : MF_GRAYED);
      if (menu.HasChildren(item.id)) {
        HMENU child = self(self, item.id);
        if (item.id == MenuId::OneButton) oneButtonSubmenu_ = child;
        AppendMenuW(handle, MF_POPUP | MF_STRING | checked, reinterpret_cast<UINT_PTR>(child), caption.c_str());
      } else {
        AppendMenuW(handle, MF_STRING | checked, static_cast<UINT_PTR>(item.id) + 1, caption.c_str());
      }
      if (item.id == MenuId::NoProfile) {
        for (std::size_t i = 0; i < menuProfiles_.size(); ++i) {
          const bool current = menuProfiles_[i] == form_.settingsPlace.ProfileName();
          AppendMenuW(handle, MF_STRING | MFT_RADIOCHECK | (current ? MF_CHECKED : MF_UNCHECKED),
                      kProfileCommandBase + i, Wide(menuProfiles_[i]).c_str());
        }
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
  if (chosen >= static_cast<int>(kProfileCommandBase) &&
      chosen < static_cast<int>(kProfileCommandBase + menuProfiles_.size())) {
    const std::string profile = menuProfiles_[static_cast<std::size_t>(chosen) - kProfileCommandBase];
    Handle([this, &profile] { form_.ProfileClick(profile); });
  } else if (chosen > 0) {
    Handle([this, chosen] { form_.MenuCommand(static_cast<MenuId>(chosen - 1)); });
  } else {
    Render();
  }
  // The pointer may have crossed the panel's edge while the menu held it.
  if (pointerWindow_ == nullptr) Handle([this] { form_.PointerLeft(); });
}

}  // namespace sorvane::win32
