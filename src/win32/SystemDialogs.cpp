#include "win32/SystemDialogs.h"

#include <commdlg.h>

#include "win32/Colors.h"
#include "win32/DesktopWindows.h"
#include "win32/Handles.h"
#include "win32/ProfileNameDialog.h"
#include "win32/SwitchRecordWindow.h"
#include "win32/SwitchSettingsDialog.h"
#include "win32/Text.h"

namespace sorvane::win32 {

bool SystemDialogs::ShowSwitchRecord(WindowHandle owner, const SwitchRecordReport& report) {
  BeforeDialog();
  return RunSwitchRecordWindow(AsWindow(owner), report);
}

bool SystemDialogs::AskProfileName(WindowHandle owner, std::u16string& name, const std::string& problem) {
  // A switch key typed into the name is a letter of it, not a press.
  switches_.LeaveKeysToDialog();
  BeforeDialog();
  const bool confirmed = RunProfileNameDialog(AsWindow(owner), name, problem);
  switches_.TakeKeysBack();
  return confirmed;
}

bool SystemDialogs::EditSwitchOptions(WindowHandle owner, SwitchOptionTexts& texts) {
  // The key must reach the dialog's key field, not act as the switch.
  switches_.LeaveKeysToDialog();
  BeforeDialog();
  const bool confirmed = RunSwitchSettingsDialog(AsWindow(owner), texts);
  switches_.TakeKeysBack();
  return confirmed;
}

void SystemDialogs::BeforeDialog() {
  keyboard_.Remember();
  if (beforeDialog_) beforeDialog_();
}

namespace {

// The message box now up on this thread and who answers it for the switch.
// The box is the system's own: a hook finds its window as it is made, and a
// timer of its own, run by the box's loop, asks whether the switch pressed.
struct BoxWatch {
  BoxAnswerer* answerer = nullptr;
  unsigned flags = 0;
  HWND box = nullptr;
  bool answered = false;
};
thread_local BoxWatch* t_watch = nullptr;
constexpr UINT_PTR kBoxTimer = 0x50B0;

void CALLBACK PollBox(HWND box, UINT, UINT_PTR, DWORD) {
  BoxWatch* watch = t_watch;
  if (watch == nullptr || watch->box != box || watch->answered) return;
  if (watch->answerer->Poll() == BoxAnswerer::Answer::kNotYet) return;
  watch->answered = true;
  KillTimer(box, kBoxTimer);
  // As a click on the default button does: the box ends with its id.
  const int button = DefaultButtonOf(watch->flags);
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

LRESULT CALLBACK FindBox(int code, WPARAM wParam, LPARAM lParam) {
  BoxWatch* watch = t_watch;
  if (code == HCBT_CREATEWND && watch != nullptr && watch->box == nullptr) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    wchar_t className[16] = {};
    if (GetClassNameW(window, className, 16) > 0 && lstrcmpW(className, L"#32770") == 0) {
      watch->box = window;
      SetTimer(window, kBoxTimer, BoxAnswerer::kBoxPollInterval, &PollBox);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int SystemDialogs::ShowMessage(WindowHandle owner, const MessageText& text, const std::string& caption,
                               unsigned flags) {
  BeforeDialog();
  // The words as code page 932 gives them; the names of files and folders in
  // their own characters.
  std::wstring wide;
  for (const MessageText::Piece& piece : text.Pieces()) wide += piece.isName ? Wide(piece.name) : Wide(piece.words);
  if (boxAnswerer_ == nullptr || t_watch != nullptr) {
    return MessageBoxW(AsWindow(owner), wide.c_str(), Wide(caption).c_str(), flags | MB_SETFOREGROUND);
  }
  BoxWatch watch{boxAnswerer_, flags};
  t_watch = &watch;
  boxAnswerer_->BoxOpened(flags);
  int answer = 0;
  {
    const OwnedHook hook(SetWindowsHookExW(WH_CBT, &FindBox, nullptr, GetCurrentThreadId()));
    answer = MessageBoxW(AsWindow(owner), wide.c_str(), Wide(caption).c_str(), flags | MB_SETFOREGROUND);
  }
  t_watch = nullptr;
  boxAnswerer_->BoxClosed();
  return answer;
}

std::optional<ColorValue> SystemDialogs::ChooseColor(WindowHandle owner, ColorValue initial) {
  static COLORREF customColors[16] = {};
  BeforeDialog();
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = AsWindow(owner);
  choose.rgbResult = ToColorRef(initial);
  choose.lpCustColors = customColors;
  choose.Flags = CC_RGBINIT;
  if (!ChooseColorW(&choose)) return std::nullopt;
  return static_cast<ColorValue>(choose.rgbResult);
}

bool SystemDialogs::ChooseFont(WindowHandle owner, FontChoice& font) {
  LOGFONTW logFont{};
  {
    const BorrowedDC screen;
    logFont.lfHeight = -MulDiv(font.size, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  }
  logFont.lfWeight = (font.style & 1) ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (font.style & 2) ? TRUE : FALSE;
  logFont.lfUnderline = (font.style & 4) ? TRUE : FALSE;
  logFont.lfStrikeOut = (font.style & 8) ? TRUE : FALSE;
  logFont.lfCharSet = static_cast<BYTE>(font.charset);
  logFont.lfPitchAndFamily = static_cast<BYTE>(font.pitch == 1 ? VARIABLE_PITCH
                                               : font.pitch == 2 ? FIXED_PITCH
                                                                 : DEFAULT_PITCH);
  const std::wstring face = Wide(font.name);
  lstrcpynW(logFont.lfFaceName, face.c_str(), LF_FACESIZE);

  CHOOSEFONTW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = AsWindow(owner);
  choose.lpLogFont = &logFont;
  choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  choose.rgbColors = ToColorRef(font.color);
  BeforeDialog();
  if (!ChooseFontW(&choose)) return false;

  font.name = Narrow(logFont.lfFaceName);
  font.size = choose.iPointSize / 10;
  font.style = static_cast<std::uint8_t>((logFont.lfWeight >= FW_BOLD ? 1 : 0) | (logFont.lfItalic ? 2 : 0) |
                                         (logFont.lfUnderline ? 4 : 0) | (logFont.lfStrikeOut ? 8 : 0));
  const int pitch = logFont.lfPitchAndFamily & 3;
  font.pitch = pitch == VARIABLE_PITCH ? 1 : pitch == FIXED_PITCH ? 2 : 0;
  font.charset = logFont.lfCharSet;
  font.color = static_cast<ColorValue>(choose.rgbColors);
  return true;
}


}  // namespace sorvane::win32
