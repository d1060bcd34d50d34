#include "panel/PanelForm.h"

#include <algorithm>

#include "settings/IniFile.h"

namespace sorvane {

const char* const kApplicationTitle = "「Sorvane＋。」Ver 2.10";
const char* const kSettingsFileName = "Sorvane.ini";
const char* const kLogFileName = "Sorvane.log";
const char* const kSiblingSettingsFileName = "Tramvik.ini";
const char* const kClickSoundFile = "Zoboclick.wav";
const char* const kHelpFile = "Sorvane.chm";
const char* const kErrorCaption = "エラー";
const char* const kLogonValueName = "Sorvane";

namespace {

const char* const kButtonHint = "クリックすると色やフォントを変更できます";
const char* const kLaunchWarning =
    "「Kelpimo。」を接続するか\nJoyToKey Ver3.7以降をインストールして\n「Sorvane+。」を再起動してください。";
const char* const kNotInstalledWarning = "JoyToKeyがインストールされていません";

}  // namespace

std::string DuplicateStartMessage() {
  return std::string("二重起動は出来ません。") + "「Sorvane＋。」" + " はすでに実行されています！";
}

std::string FirstArgument(Process& process) { return process.FirstArgument(); }

PanelForm::PanelForm(Platform& platform, WindowHandle window)
    : switchOverMarker(platform.desktop, this),
      scanner(*this, platform.timers, platform.clock),
      tickTimer(platform.timers, kTickInterval, false, [this] { Tick(); }),
      sampleTimer(platform.timers, kSampleInterval, false, [this] { SampleSwitchNow(); }),
      link(platform.desktop, platform.courier),
      flashTimer(platform.timers, kFlashMilliseconds, false, [this] { EndFlash(); }),
      record(platform.files, platform.log),
      platform_(platform),
      readerWakes_(platform.joystick.ReadsOnItsOwn()) {
  handle = window;
  startedAtLocal = platform.clock.LocalMilliseconds();
  scanner.SetPressObserver(this);
  PlaceFiles();
  BuildDesign();
  LoadSettings();
  Construct();
}

PanelForm::~PanelForm() = default;

void PanelForm::BuildDesign() {
  frame = platform_.desktop.PanelFrame(dpi);
  color = colors::kGreen;
  font = Font{kUiFontFace, PointsForPixelHeight(15), kFontBold, 0, kShiftJisCharset,
              colors::kWindowText};
  hint = "右クリックでメニュー";
  SetClientWidth(256);
  SetClientHeight(22);

  for (int k = 1; k <= 8; ++k) {
    auto button = std::make_unique<PanelButton>(platform_.desktop, this);
    button->tag = k;
    button->tabStop = false;
    button->showHint = true;
    button->hint = kButtonHint;
    button->font = font;
    if (k == 1) button->font.color = colors::kBlack;
    button->caption = DefaultButtonName(k);
    button->OnClick = [this](PanelButton& clicked) { ButtonClick(clicked.tag); };
    buttons[k - 1] = std::move(button);
  }
  switchOverMarker.color = colors::kAqua;
  switchOverMarker.visible = false;
  buttonOneFont = font;
  ApplyScale();
}

void PanelForm::Construct() {
  const std::string argument = FirstArgument(platform_.process);
  configArgChar = argument.empty() ? 0 : static_cast<std::int8_t>(argument[0]);
  link.SetConfigurationNumber(configArgChar);
  link.ForgetWindow();
  tickTimer.SetEnabled(false);
  scanner.timer().SetEnabled(false);
  platform_.log.Write(std::string("起動しました（") + kApplicationTitle + "、設定番号 \"" + argument + "\"）");
  link.FindJoyToKeyWindow();
  if (link.JoyToKeyWindow() != 0) {
    platform_.log.Write("JoyToKey のウィンドウが見つかりました");
    return;
  }

  if (const auto settings = ReadSettingsFile()) {
    joyToKeyFolder = ReadUnicodeValue(*settings, platform_.text, "UseJoyToKey", "所在フォルダー");
  }
  if (joyToKeyFolder.empty()) FindJoyToKey();
  if (!LaunchJoyToKey(joyToKeyFolder)) {
    platform_.dialogs.ShowMessage(handle, kLaunchWarning, kErrorCaption, kWarningBoxStyle);
  }
}

void PanelForm::PlaceOnAMonitor() {
  Desktop& desktop = platform_.desktop;
  if (desktop.MonitorCount() <= 1) {
    // A corner off to the left or above is left to keep-on-screen.
    const int screenHeight = desktop.ScreenHeight();
    const int screenWidth = desktop.ScreenWidth();
    if (screenHeight < top || screenWidth < left) {
      top = screenHeight / 2;
      left = screenWidth / 2;
    }
  } else if (!desktop.OnAnyMonitor({left, top})) {
    // Saved on a monitor that is no longer there.
    const ScreenRect primary = desktop.PrimaryMonitor().bounds;
    top = primary.top + (primary.bottom - primary.top) / 2;
    left = primary.left + (primary.right - primary.left) / 2;
  }
  FollowMonitorDpi();
}

void PanelForm::FormShow() {
  PlaceOnAMonitor();
  if (configArgChar != 0) {
    if (argumentNotice != nullptr) argumentNotice->visible = false;
    link.Send(WM_JOYTOKEY_CONFIG, configArgChar);
  } else if (argumentNotice != nullptr) {
    argumentNotice->visible = true;
  }
  tickTimer.SetEnabled(true);
  scanner.timer().SetEnabled(true);
  sampleTimer.SetEnabled(!platform_.joystick.ReadsOnItsOwn());
}

void PanelForm::Close() {
  // A close request that comes while the close handler waits on a message box
  // would otherwise save and report a second time.
  if (closed || closing) return;
  closing = true;
  FormClose();
  closed = true;
  visible = false;
}

void PanelForm::EndSession() {
  sessionEnding_ = true;
  Close();
}

void PanelForm::FormClose() {
  scanner.timer().SetEnabled(false);
  sampleTimer.SetEnabled(false);
  tickTimer.SetEnabled(false);
  // Nothing may stay held at JoyToKey once the panel is gone.
  scanner.ReleaseHeldButton();
  // A file another program holds for a while need not cost the carer this
  // session's changes: the box offers to try again.
  constexpr unsigned kRetryCancelWarning = 0x35;  // MB_RETRYCANCEL | MB_ICONWARNING
  constexpr int kRetry = 4;                       // IDRETRY
  std::int64_t answeredAt = platform_.clock.NowMilliseconds();
  for (;;) {
    std::string problem;
    const char* reason = "ほかのプログラムが使用中かもしれません";
    switch (SaveSettings()) {
      case SaveOutcome::kSaved:
      case SaveOutcome::kHeldBack:  // the carer was told at start
        break;
      case SaveOutcome::kUnreadable:
        problem = settingsFile + " を読み込めないため、設定を保存できませんでした。";
        break;
      case SaveOutcome::kReadOnly:
        reason = "読み取り専用です";
        problem = settingsFile + " に書き込めません";
        break;
      case SaveOutcome::kUnwritable:
        problem = settingsFile + " に書き込めません";
        break;
    }
    if (!problem.empty()) platform_.log.Write(problem + "（" + reason + "）");
    // Windows waits for nobody at the end of a session: the log keeps what was lost.
    if (problem.empty() || sessionEnding_) break;
    const int answer = platform_.dialogs.ShowMessage(handle, problem + "\n（" + reason + "）\nもう一度試しますか？",
                                                     kErrorCaption, kRetryCancelWarning);
    answeredAt = platform_.clock.NowMilliseconds();  // the box kept the panel answering
    if (answer != kRetry) break;
  }
  link.PostQuit();
  DeliverLastMessages(answeredAt);
  platform_.log.Write("終了しました");
}

void PanelForm::DeliverLastMessages(std::int64_t answeredAt) {
  // The release and the quit leave from the courier's thread, which ends
  // with the program: what JoyToKey has not taken by then is posted, and
  // reaches it after the panel has gone, behind what it is still handling.
  // At the end of a session Windows waits for nobody.
  Clock& clock = platform_.clock;
  const int wait = sessionEnding_ ? 0 : static_cast<int>(std::max<std::int64_t>(0, kCloseDeliveryWait - (clock.NowMilliseconds() - answeredAt)));
  if (wait > 0 && platform_.courier.WaitDelivered(wait)) return;
  const int posted = platform_.courier.PostWaiting();
  if (posted == 0) return;
  const std::string count = std::to_string(posted);
  platform_.log.Write(sessionEnding_ ? "Windows の終了のため、JoyToKey に届いていないメッセージ " + count + " 件をポストしました"
                                     : "JoyToKey が応答しないため、届いていないメッセージ " + count +
                                           " 件をポストしました（JoyToKey が応答すると順に届きます）");
}

int PanelForm::HitTest(bool inFrame) {
  return inFrame || platform_.desktop.LeftButtonDownNow() ? kHtCaption : kHtClient;
}

void PanelForm::PointerEntered() {
  if (options.cursorChase) scanner.timer().SetEnabled(false);
}

// The panel is one area: the pointer has left it only when it is outside the
// outer edge, not when it moved between the margin, a gap and a button.
void PanelForm::PointerLeft() {
  if (PointerOverPanel()) return;
  scanner.timer().SetEnabled(true);
}

bool PanelForm::PointerOverPanel() {
  const ScreenPoint pointer = platform_.desktop.CursorPosition();
  return pointer.x >= left && pointer.x < left + width && pointer.y >= top && pointer.y < top + height;
}

void PanelForm::ChildMouseEnter(PanelButton&) { PointerEntered(); }

void PanelForm::ChildMouseLeave(PanelButton&) { PointerLeft(); }

void PanelForm::NameEditingStarted() { scanner.timer().SetEnabled(false); }

void PanelForm::NamesEdited() {
  const int firstNumber = shownStick == 0 ? 1 : 11;
  for (int k = 1; k <= 8; ++k) Button(k).caption = nameEditor->Name(firstNumber + k - 1);
  scanner.timer().SetEnabled(true);
}

}  // namespace sorvane
