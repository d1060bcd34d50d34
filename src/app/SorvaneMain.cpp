#include "app/SorvaneMain.h"

#include "settings/IniFile.h"

namespace sorvane {

const char* const kApplicationTitle = "「Sorvane＋。」Ver 2.10";
const char* const kSettingsFileName = ".\\Sorvane.ini";
const char* const kSiblingSettingsFileName = ".\\Tramvik.ini";
const char* const kClickSoundFile = "Zoboclick.wav";
const char* const kHelpFile = "Sorvane.chm";
const char* const kErrorCaption = "エラー";

namespace {

const char* const kButtonHint = "クリックすると色やフォントを変更できます";
const char* const kLaunchWarning =
    "「Kelpimo。」を接続するか\nJoyToKey Vre3.7以降をインストールして\n「Sorvane+。」を再起動してください。";
const char* const kNotInstalledWarning = "JoyToKeyがインストールされていません";

}  // namespace

std::string DuplicateStartMessage() {
  return std::string("二重起動は出来ません。") + "[Sorvane＋。」" + " はすでに実行されています！";
}

std::string ParaamStr(Process& process, int /*index*/) { return process.FirstArgument(); }

TSorvaneForm::TSorvaneForm(Platform& platform, ProgramState& state, WindowHandle window)
    : BtnOption(platform.desktop, this),
      DummyBtn(platform.desktop, this),
      ScanTimer(platform.timers, 1000, true, [this] { ScanTimerTimer(); }),
      JoyTimer(platform.timers, kJoyTimerInterval, false, [this] { JoyTimerTimer(); }),
      SampleTimer(platform.timers, kSampleInterval, false, [this] { SampleTimerTimer(); }),
      link(platform.desktop),
      platform_(platform),
      state_(state) {
  handle = window;
  BuildDesign();
  FormCreate();
  Construct();
}

TSorvaneForm::~TSorvaneForm() = default;

void TSorvaneForm::BuildDesign() {
  name = "SorvaneForm";
  frame = platform_.desktop.PanelFrame(dpi);
  color = colors::kGreen;
  font = Font{kUiFontFace, PointsForPixelHeight(15), kFontBold, 0, kShiftJisCharset,
              colors::kWindowText};
  hint = "右クリックでメニュー";
  SetClientWidth(256);
  SetClientHeight(22);

  for (int k = 1; k <= 8; ++k) {
    auto button = std::make_unique<TCuteButton>(platform_.desktop, this);
    button->name = "CuteButton" + std::to_string(k);
    button->tag = k;
    button->tabStop = false;
    button->showHint = true;
    button->hint = kButtonHint;
    button->font = font;
    if (k == 1) button->font.color = colors::kBlack;
    button->caption = DefaultButtonName(k);
    button->OnClick = [this](TCuteButton& clicked) { CuteButtonClick(clicked.tag); };
    CuteButtons[k - 1] = std::move(button);
  }
  BtnOption.name = "BtnOption";
  BtnOption.color = colors::kAqua;
  BtnOption.visible = false;
  DummyBtn.name = "DummyBtn";
  DummyBtn.caption = "Dummy";
  DummyBtn.visible = false;
  DummyBtn.font = font;
  ApplyScale();
}

void TSorvaneForm::Construct() {
  const std::string argument = ParaamStr(platform_.process, 1);
  state_.configArgChar = argument.empty() ? 0 : static_cast<std::int8_t>(argument[0]);
  link.ForgetWindow();
  JoyTimer.SetEnabled(false);
  ScanTimer.SetEnabled(false);
  link.FindJoyToKeyWindow();
  if (link.JoyToKeyWindow() != 0) return;

  if (const auto settings = ReadSettingsFile()) {
    Path_JoyToKey = settings->ReadString("UseJoyToKey", "所在フォルダー", "");
  }
  if (Path_JoyToKey.empty()) FindJoyToKey();
  if (!LaunchJoyToKey(Path_JoyToKey)) {
    platform_.dialogs.ShowMessage(handle, kLaunchWarning, kErrorCaption, kWarningBoxStyle);
  }
}

void TSorvaneForm::PlaceOnAMonitor() {
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

void TSorvaneForm::FormShow() {
  PlaceOnAMonitor();
  if (state_.configArgChar != 0) {
    if (HikisuuForm != nullptr) HikisuuForm->visible = false;
    link.SendReliably(WM_JOYTOKEY_CONFIG, state_.configArgChar);
  } else if (HikisuuForm != nullptr) {
    HikisuuForm->visible = true;
  }
  JoyTimer.SetEnabled(true);
  ScanTimer.SetEnabled(true);
  SampleTimer.SetEnabled(!platform_.joystick.ReadsOnItsOwn());
}

void TSorvaneForm::Close() {
  // A close request that comes while the close handler waits on a message box
  // would otherwise save and report a second time.
  if (closed || closing) return;
  closing = true;
  FormClose();
  closed = true;
  visible = false;
}

void TSorvaneForm::FormClose() {
  ScanTimer.SetEnabled(false);
  SampleTimer.SetEnabled(false);
  JoyTimer.SetEnabled(false);
  // Nothing may stay held at JoyToKey once the panel is gone: the release
  // and anything else JoyToKey still has to take get one more try.
  link.ResumeSending();
  ReleaseHeldButton();
  link.RetryPending();
  // A file another program holds for a while need not cost the carer this
  // session's changes: the box offers to try again.
  constexpr unsigned kRetryCancelWarning = 0x35;  // MB_RETRYCANCEL | MB_ICONWARNING
  constexpr int kRetry = 4;                       // IDRETRY
  const std::string retryQuestion = "\n（ほかのプログラムが使用中かもしれません）\nもう一度試しますか？";
  for (;;) {
    std::string problem;
    switch (SaveSettings()) {
      case SaveOutcome::kSaved:
      case SaveOutcome::kHeldBack:  // the carer was told at start
        break;
      case SaveOutcome::kUnreadable:
        problem = std::string(kSettingsFileName) + " を読み込めないため、設定を保存できませんでした。";
        break;
      case SaveOutcome::kUnwritable:
        problem = std::string(kSettingsFileName) + " に書き込めません";
        break;
    }
    if (problem.empty() ||
        platform_.dialogs.ShowMessage(handle, problem + retryQuestion, kErrorCaption, kRetryCancelWarning) != kRetry) {
      break;
    }
  }
  link.PostQuit();
}

std::optional<std::intptr_t> TSorvaneForm::Dispatch(std::uint32_t message) {
  switch (message) {
    case kWmNcHitTest:
      return platform_.desktop.LeftButtonDownNow() ? kHtCaption : kHtClient;
    case kCmMouseEnter:
      CMMouseEnter();
      return 0;
    case kCmMouseLeave:
      CMMouseLeave();
      return 0;
    default:
      return std::nullopt;
  }
}

void TSorvaneForm::CMMouseEnter() {
  if (PopupMenu1.Checked(MenuId::Oikake)) ScanTimer.SetEnabled(false);
}

// The panel is one area: the pointer has left it only when it is outside the
// outer edge, not when it moved between the margin, a gap and a button.
void TSorvaneForm::CMMouseLeave() {
  if (PointerOverPanel()) return;
  ScanTimer.SetEnabled(true);
}

bool TSorvaneForm::PointerOverPanel() {
  const ScreenPoint pointer = platform_.desktop.CursorPosition();
  return pointer.x >= left && pointer.x < left + width && pointer.y >= top && pointer.y < top + height;
}

void TSorvaneForm::ChildMouseEnter(TCuteButton&) { CMMouseEnter(); }

void TSorvaneForm::ChildMouseLeave(TCuteButton&) { CMMouseLeave(); }

SorvaneApplication::SorvaneApplication(Platform& platform) : platform_(platform) {}

SorvaneApplication::~SorvaneApplication() = default;

bool SorvaneApplication::Start() {
  const std::string path = platform_.process.ProgramFilePath();
  const std::size_t slash = path.find_last_of("\\/");
  const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
  if (platform_.process.CreateInstanceMutex(fileName)) {
    // Held while the box waits, the mutex would refuse every start after the
    // first panel has ended.
    platform_.process.CloseInstanceMutex();
    platform_.dialogs.ShowMessage(0, DuplicateStartMessage(), kApplicationTitle, kWarningBoxStyle);
    return false;
  }
  title = kApplicationTitle;
  SorvaneForm = std::make_unique<TSorvaneForm>(platform_, state, mainWindow);
  NameForm = std::make_unique<TNameForm>();
  const MonitorArea editorMonitor = platform_.desktop.MonitorNearest(NameForm->Bounds());
  if (editorMonitor.dpi > 0 && editorMonitor.dpi != NameForm->dpi) NameForm->ApplyDpi(editorMonitor.dpi);
  NameForm->KeepInside(editorMonitor.workArea);
  NameForm->mainForm = SorvaneForm.get();
  NameForm->FormCreate(SorvaneForm->ReadSettingsFile().value_or(IniFile()));
  SorvaneForm->NameForm = NameForm.get();
  HikisuuForm = std::make_unique<THikisuuForm>(platform_);
  const int noticeDpi = platform_.desktop.MonitorNearest(HikisuuForm->Bounds()).dpi;
  if (noticeDpi > 0 && noticeDpi != HikisuuForm->dpi) HikisuuForm->ApplyDpi(noticeDpi);
  SorvaneForm->HikisuuForm = HikisuuForm.get();
  return true;
}

void SorvaneApplication::MainFormShown() {
  SorvaneForm->visible = true;
  SorvaneForm->FormShow();
}

}  // namespace sorvane
