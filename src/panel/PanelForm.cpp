#include "panel/PanelForm.h"

#include <algorithm>

#include "record/RecordLine.h"
#include "settings/IniFile.h"

namespace sorvane {

const char* const kApplicationTitle = "「Sorvane＋。」Ver 2.10";
const char* const kLogonValueName = "Sorvane";

namespace {

}  // namespace

const char* ErrorCaption() { return Text(TextId::ErrorCaption); }

std::string DuplicateStartMessage() { return Text(TextId::DuplicateStart); }

PanelForm::PanelForm(Platform& platform, WindowHandle window)
    : switchOverMarker(platform.desktop, this),
      driver(*this, tickSteps_, platform.timers, platform.clock, platform.joystick),
      speaker(platform.prompts, platform.files, platform.clock),
      link(platform.desktop, platform.courier),
      settingsPlace(platform,
                    [this](const MessageText& text, unsigned boxStyle) { TellCarer(text, boxStyle, BoxKind::kNotice); }),
      recorder(platform.files, platform.log, platform.clock, platform.jobs),
      practice(platform.timers, recorder, flashPainter_),
      launcher(platform, link),
      platform_(platform) {
  handle = window;
  startedAtLocal = platform.clock.LocalMilliseconds();
  // Until the settings say otherwise.
  SetLanguage(Language::kJapanese);
  platform.dialogs.AnswerBoxesWith(&boxAnswerer_);
  scanner().SetPressObserver(&recorder);
  PlaceFiles();
  BuildDesign();
  LoadSettings();
  Construct();
}

PanelForm::~PanelForm() { platform_.dialogs.AnswerBoxesWith(nullptr); }

void PanelForm::BuildDesign() {
  frame = platform_.desktop.PanelFrame(dpi);
  color = colors::kGreen;
  font = Font{kUiFontFace, PointsForPixelHeight(15), kFontBold, 0, kShiftJisCharset,
              colors::kWindowText};
  hint = Text(TextId::PanelHint);
  SetClientWidth(256);
  SetClientHeight(22);

  for (int k = 1; k <= 8; ++k) {
    auto button = std::make_unique<PanelButton>(platform_.desktop, this);
    button->numberOnStrip = k;
    button->tabStop = false;
    button->showHint = true;
    button->hint = Text(TextId::ButtonHint);
    button->font = font;
    if (k == 1) button->font.color = colors::kBlack;
    button->caption = DefaultButtonName(k);
    button->OnClick = [this](PanelButton& clicked) { ButtonClick(clicked.numberOnStrip); };
    buttons[k - 1] = std::move(button);
  }
  switchOverMarker.color = colors::kAqua;
  switchOverMarker.visible = false;
  buttonOneFont = font;
  ApplyScale();
}

void PanelForm::Construct() {
  const std::string argument = ConfigurationArgument();
  link.SetConfigurationNumber(ConfigurationNumberOf(argument));
  link.ForgetWindow();
  driver.Stop();
  platform_.log.Write(std::string("起動しました（") + kApplicationTitle + "、設定番号 \"" + argument + "\"）");
  link.FindJoyToKeyWindow();
  if (link.JoyToKeyWindow() != 0) {
    platform_.log.Write("JoyToKey のウィンドウが見つかりました");
    return;
  }

  if (const auto settings = settingsPlace.Read()) launcher.SetFolder(ReadJoyToKeyFolder(*settings, platform_.text));
  const bool remembered = !launcher.Folder().empty();
  if (!remembered && !launcher.Search(settingsPlace.SiblingSettingsFile())) {
    TellCarer(Text(TextId::NotInstalledWarning), kMessageBoxWarningOk);
  }
  bool launched = launcher.Launch();
  // A remembered folder JoyToKey has left would fail at every start.
  if (!launched && remembered && launcher.SearchAgain(settingsPlace.SiblingSettingsFile())) {
    launched = launcher.Launch();
  }
  if (!launched) TellCarer(Text(TextId::LaunchWarning), kMessageBoxWarningOk);
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
  if (link.ConfigurationNumber() != 0) {
    if (argumentNotice != nullptr) argumentNotice->visible = false;
    link.Send(WM_JOYTOKEY_CONFIG, link.ConfigurationNumber());
  } else if (argumentNotice != nullptr) {
    argumentNotice->visible = true;
  }
  driver.Start();
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
  driver.Stop();
  // Nothing may stay held at JoyToKey once the panel is gone.
  scanner().ReleaseHeldButton();
  // A file another program holds for a while need not cost the carer this
  // session's changes: the box offers to try again.
  std::int64_t answeredAt = platform_.clock.NowMilliseconds();
  int failedRetries = 0;
  for (;;) {
    MessageText problem;
    const FilePath& settingsFile = settingsPlace.SettingsFile();
    const SettingsPlace::SaveOutcome outcome = SaveSettings();
    switch (outcome) {
      case SettingsPlace::SaveOutcome::kSaved:
      case SettingsPlace::SaveOutcome::kHeldBack:  // the carer was told at start
        break;
      case SettingsPlace::SaveOutcome::kUnreadable:
        problem = TextMessage(TextId::SaveUnreadable, {settingsFile});
        break;
      case SettingsPlace::SaveOutcome::kReadOnly:
      case SettingsPlace::SaveOutcome::kUnwritable:
        problem = TextMessage(TextId::SaveUnwritable, {settingsFile});
        break;
    }
    if (problem.Pieces().empty()) break;
    const std::string reason = settingsPlace.SaveProblem();
    platform_.log.Write(problem.Readable(platform_.text) + "（" + reason + "）");
    // Windows waits for nobody at the end of a session.
    if (sessionEnding_) {
      KeepUnsavedSettings();
      break;
    }
    // What the switch presses, when the user is alone, must let the panel
    // end: trying again cannot help a read-only file, nor after a few tries.
    const bool retryIsHopeless = outcome == SettingsPlace::SaveOutcome::kReadOnly || failedRetries >= 3;
    const unsigned style = kMessageBoxWarningRetryCancel | (retryIsHopeless ? kMessageBoxSecondIsDefault : 0U);
    const int answer = platform_.dialogs.ShowMessage(handle, TextMessage(TextId::RetryQuestion, {problem, reason}),
                                                     ErrorCaption(), style);
    answeredAt = platform_.clock.NowMilliseconds();  // the box kept the panel answering
    if (answer != kMessageBoxRetry) {
      KeepUnsavedSettings();
      break;
    }
    ++failedRetries;
  }
  link.PostQuit();
  DeliverLastMessages(answeredAt);
  platform_.log.Write("終了しました");
}

void PanelForm::KeepUnsavedSettings() {
  // "2026-01-05 09:30:12.345" gives "20260105-093012".
  std::string stamp;
  for (char c : FormatLocalTime(platform_.clock.LocalMilliseconds()).substr(0, 19)) {
    if (c == ' ') {
      stamp += '-';
    } else if (c != '-' && c != ':') {
      stamp += c;
    }
  }
  const FilePath kept = settingsPlace.KeepUnsaved(ShownSettings(), stamp);
  platform_.log.Write(kept.Empty() ? "保存できなかった設定をほかのファイルにも残せませんでした"
                                   : "保存できなかった設定を " + ReadableText(kept, platform_.text) + " に残しました");
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
  if (options.cursorChase) driver.HoldScan(HoldReason::kPointer);
}

// The panel is one area: the pointer has left it only when it is outside the
// outer edge, not when it moved between the margin, a gap and a button.
void PanelForm::PointerLeft() {
  if (PointerOverPanel()) return;
  driver.LetScanGoOn(HoldReason::kPointer);
}

bool PanelForm::PointerOverPanel() {
  const ScreenPoint pointer = platform_.desktop.CursorPosition();
  return pointer.x >= left && pointer.x < left + width && pointer.y >= top && pointer.y < top + height;
}

void PanelForm::ChildMouseEnter(PanelButton&) { PointerEntered(); }

void PanelForm::ChildMouseLeave(PanelButton&) { PointerLeft(); }

void PanelForm::NameEditingStarted() { driver.HoldScan(HoldReason::kNameEditor); }

void PanelForm::NamesEdited() {
  const int firstNumber = shownStick == 0 ? 1 : 11;
  for (int k = 1; k <= 8; ++k) Button(k).caption = nameEditor->Name(firstNumber + k - 1);
  if (!closing && !closed) SaveNow();
  driver.LetScanGoOn(HoldReason::kNameEditor);
}

}  // namespace sorvane
