// TSorvaneForm, the panel, and the application that creates the three forms.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/ProgramState.h"
#include "controls/Control.h"
#include "controls/Cutebtn.h"
#include "forms/Btnname.h"
#include "forms/Hikisuu.h"
#include "joytokey/JoyToKeyLink.h"
#include "joytokey/SwitchSampler.h"
#include "platform/Platform.h"
#include "scan/PopupMenu.h"
#include "settings/IniFile.h"

namespace sorvane {


extern const char* const kApplicationTitle;  // "「Sorvane＋。」Ver 2.10"
extern const char* const kSettingsFileName;  // ".\Sorvane.ini"
extern const char* const kSiblingSettingsFileName;  // ".\Tramvik.ini"
extern const char* const kClickSoundFile;  // "Zoboclick.wav"
extern const char* const kHelpFile;  // "Sorvane.chm"
extern const char* const kErrorCaption;  // "エラー"
constexpr unsigned kWarningBoxStyle = 0x30;  // MB_OK | MB_ICONWARNING

class TSorvaneForm : public Form, public CuteButtonParent {
 public:
  static constexpr std::uint32_t kWmNcHitTest = 0x0084;
  static constexpr std::uint32_t kCmMouseEnter = 0xB013;
  static constexpr std::uint32_t kCmMouseLeave = 0xB014;
  static constexpr int kHtClient = 1;
  static constexpr int kHtCaption = 2;
  static constexpr int kJoyTimerInterval = 200;
  static constexpr int kSampleInterval = 10;
  static constexpr int kLongPressMilliseconds = 1000;

  // Builds the panel from its design, runs FormCreate, then the construction
  // steps: the argument, both timers held off, JoyToKey found or launched.
  // window is the panel's window, made hidden beforehand so that the boxes
  // shown on the way have an owner (0 where there is none).
  TSorvaneForm(Platform& platform, ProgramState& state, WindowHandle window = 0);
  ~TSorvaneForm();

  // Controls.
  TCuteButton& CuteButton(int number) { return *CuteButtons[number - 1]; }
  const TCuteButton& CuteButton(int number) const { return *CuteButtons[number - 1]; }
  std::array<std::unique_ptr<TCuteButton>, 8> CuteButtons;
  TCuteButton BtnOption;
  TCuteButton DummyBtn;
  std::string Path_JoyToKey;  // a hidden text field: JoyToKey's folder
  PopupMenu PopupMenu1;
  Timer ScanTimer;
  Timer JoyTimer;
  Timer SampleTimer;  // reads the switch between ticks
  SwitchSampler switchSampler;
  JoyToKeyLink link;
  WindowHandle handle = 0;  // the window that shows this form
  bool closed = false;
  bool closing = false;  // FormClose runs: further close requests change nothing

  // Set by the application once they exist.
  TNameForm* NameForm = nullptr;
  THikisuuForm* HikisuuForm = nullptr;

  // Window behaviour.
  void FormShow();
  void Close();  // runs FormClose once; closing the main form ends the program
  void FormClose();
  // Routes the messages the panel handles itself; nothing for all others.
  std::optional<std::intptr_t> Dispatch(std::uint32_t message);
  void CMMouseEnter();
  void CMMouseLeave();
  void ChildMouseEnter(TCuteButton& button) override;
  void ChildMouseLeave(TCuteButton& button) override;
  bool Showing() const override { return visible; }
  // Whether the pointer is within the panel's outer edge.
  bool PointerOverPanel();

  // Settings.
  void FormCreate();
  enum class SaveOutcome { kSaved, kHeldBack, kUnreadable, kUnwritable };
  SaveOutcome SaveSettings();
  // The settings file for the readers at start. Nothing when it exists but
  // cannot be read: the carer is told once, and from then on nothing is read
  // or saved in this run.
  std::optional<IniFile> ReadSettingsFile();
  bool settingsHeldBack = false;

  // Size. Every pixel size of the design is multiplied by the monitor's dpi / 96
  // and by panelScale ([PanelScale] Scale, 1 to 4); so are the fonts' points.
  static constexpr int kMaxPanelScale = 4;
  int panelScale = 1;
  // The scale the layout uses: panelScale, or less where the strip would not
  // fit the width of its monitor's work area.
  int fittedScale = 1;
  int LayoutDpi() const { return dpi * fittedScale; }
  int Scaled(int designPixels) const { return ScaledPixels(designPixels, LayoutDpi()); }
  // The character height in pixels of a font shown on the panel.
  int FontPixelHeight(const Font& shown) const { return PixelHeightForPoints(shown.size, LayoutDpi()); }
  // Sizes the frame, the buttons and the switch-over marker for the dpi and the
  // scale; LayoutButtons then sizes the window.
  void ApplyScale();
  // The window has moved to a monitor of another dpi; the system suggests where
  // its top-left corner goes.
  void DpiChanged(int newDpi, ScreenPoint topLeft);
  void PanelScaleClick(int scale);  // PanelScale1Click..PanelScale4Click
  void SetPanelScale(int scale);    // the setting and its tick, nothing resized

  // The scan.
  void ScanTimerTimer();
  void LayoutButtons(int count, int subCount);
  void ClearButtonCaptions();
  void SetScanSpeed(float seconds);

  // The switch.
  void SampleTimerTimer();
  void JoyTimerTimer();
  void ShowStickNames();
  void JoyStickID2Click();
  void SwitchSettingsClick();
  // Hands the switch options to the sampler and the platform.
  void ApplySwitchOptions();

  // Popup menu.
  void PopupMenu1Popup();
  void Btn1Click();
  void ButtonCountClick(int count);  // Btn2Click..Btn8Click
  void SubButtonCountClick(int subCount);  // SubBtn2Click..SubBtn8Click
  void SpeedClick(float seconds);  // Time05Click..Time50Click
  void SingleDspClick();
  void SoundClick();
  void OikakeClick();
  void Exit1Click();
  void BtnNameEditClick();
  void BtnNameDispOnClick();
  void HelpClick();
  void WebClick();
  // The command of a menu item; Btn1 runs when its submenu opens.
  void MenuCommand(MenuId id);

  // Colours and fonts.
  void CuteButtonClick(int number);  // CuteButton1Click..CuteButton8Click

  // JoyToKey's program file.
  void FindJoyToKey();
  bool SearchJoyToKeyFolder(const std::string& folder);
  bool LaunchJoyToKey(const std::string& folder);

  ScanState& scan() { return state_.scanState; }
  // Folder listings made by the last search (for measurements).
  long listingCount = 0;

 private:
  void BuildDesign();
  void Construct();
  void LoadButtonAppearance(const IniFile& ini);
  void LoadSwitchOptions(const IniFile& ini);
  void PaintScanPosition();
  void LayoutStrip(int count, int subCount);
  bool CycleCompleted();
  std::int32_t ScanPositionAt(std::int64_t time) const;
  void RestScan();
  void WakeScan();
  void PaintStripHighlight();
  void PaintSingleDisplay();
  void KeepOnScreen();
  // At show: a position on no monitor goes to the primary screen's centre.
  void PlaceOnAMonitor();
  // Takes the dpi of the monitor the panel is on, and resizes when it differs.
  void FollowMonitorDpi();
  void SampleSwitch();
  static void TakeReading(const JoystickReading& reading, void* context);
  void AdvancePress();
  void HandlePress(bool newPress);
  void ActAtPosition(bool newPress);
  void FinishWait();
  void SwitchStick();
  void ReleaseHeldButton();
  void SetButtonCaptionsFromNames(bool secondStick);
  bool WaitForJoyToKeyWindow();

  Platform& platform_;
  ProgramState& state_;
  bool unholdableReported_ = false;
  bool switchUnplugged_ = false;
  std::uint64_t pressesKicked_ = 0;
};

class SorvaneApplication {
 public:
  explicit SorvaneApplication(Platform& platform);
  ~SorvaneApplication();

  // The entry up to the message loop: the single-instance guard, the title and
  // the three forms. False when another instance runs; its message was shown.
  bool Start();
  // The main window has been shown.
  void MainFormShown();
  bool Terminated() const { return SorvaneForm == nullptr || SorvaneForm->closed; }

  std::string title;
  // The panel's window, when it exists before the forms.
  WindowHandle mainWindow = 0;
  ProgramState state;
  std::unique_ptr<TSorvaneForm> SorvaneForm;
  std::unique_ptr<TNameForm> NameForm;
  std::unique_ptr<THikisuuForm> HikisuuForm;

 private:
  Platform& platform_;
};

// The first command-line argument, whatever index is asked for.
std::string ParaamStr(Process& process, int index);

// The text of the message shown when the program is started a second time.
std::string DuplicateStartMessage();

}  // namespace sorvane
