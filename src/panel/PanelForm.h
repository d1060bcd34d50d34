// The panel: the strip of buttons, its menu and its settings. The scan and the
// press live in the scanner; the panel draws what the scanner lights, tells
// JoyToKey what it presses, and turns menu commands and clicks into changes of
// its plain options.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/ButtonAppearance.h"
#include "controls/Control.h"
#include "controls/PanelButton.h"
#include "forms/ArgumentNotice.h"
#include "forms/NameEditor.h"
#include "joytokey/JoyToKeyLauncher.h"
#include "joytokey/JoyToKeyLink.h"
#include "panel/PanelMenu.h"
#include "platform/Platform.h"
#include "record/Practice.h"
#include "record/PressRecorder.h"
#include "record/RecordStatistics.h"
#include "scanning/ScanDriver.h"
#include "scanning/Scanner.h"
#include "settings/IniFile.h"
#include "settings/PanelSettings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsPlace.h"
#include "switch/SwitchOptions.h"
#include "voice/PromptSpeaker.h"

namespace sorvane {

extern const char* const kApplicationTitle;  // "「Sorvane＋。」Ver 2.10"
// The caption of a box that tells of a failure, in the language in force.
const char* ErrorCaption();
extern const char* const kLogonValueName;

class PanelForm : public Form,
                  public PanelButtonParent,
                  public ScanOutput,
                  public NameEditorOwner {
 public:
  // Answers to the system's hit test: the surface, or a caption to drag by.
  static constexpr int kHtClient = 1;
  static constexpr int kHtCaption = 2;
  // How long a closing panel waits for JoyToKey to take the last messages:
  // a little less than the 5 s after which Windows takes a window that does
  // not answer for hung. What is left then is posted.
  static constexpr int kCloseDeliveryWait = 4500;

  // Builds the panel from its design, loads its settings, then finds or
  // launches JoyToKey, with the scan and the ticks held off until it is shown.
  // window is the panel's window, made hidden beforehand so that the boxes
  // shown on the way have an owner (0 where there is none).
  PanelForm(Platform& platform, WindowHandle window = 0);
  ~PanelForm();

  // Controls.
  PanelButton& Button(int number) { return *buttons[number - 1]; }
  const PanelButton& Button(int number) const { return *buttons[number - 1]; }
  std::array<std::unique_ptr<PanelButton>, 8> buttons;
  PanelButton switchOverMarker;
  // Button 1's own font: the single display shows other buttons' fonts on it.
  Font buttonOneFont;
  PanelMenu menu;

  // State. The driver owns the scanner, the switch's samplers and the ticks.
  ScanDriver driver;
  Scanner& scanner() { return driver.scanner(); }
  const Scanner& scanner() const { return driver.scanner(); }
  ScanState& scan() { return driver.scanner().state(); }
  const ScanState& scan() const { return driver.scanner().state(); }
  PanelOptions options;
  // The stick whose buttons the strip stands for, as its tint (green 1-8,
  // fuchsia 11-18) and names show: the active stick, as every tick tells JoyToKey.
  int shownStick = 0;
  void SetShownStick(int stick);
  // The tint and names follow a change of the active stick.
  void ShowActiveStick();
  // The in-force sub-button count was chosen again: its tick is off until the
  // next layout.
  bool subCountUnticked = false;
  SwitchOptions switchOptions;
  PromptSpeaker speaker;  // the prompts as positions light
  // The position lit now (kNothingLit: none), and how many times a position
  // has lit: the view tells screen readers of each.
  int lit = kNothingLit;
  std::uint64_t timesLit = 0;
  ButtonAppearances appearance;  // slots 1-8, then 11-18
  ButtonAppearance& Appearance(int buttonNumber) { return appearance[SlotIndex(buttonNumber)]; }
  std::int32_t editTarget = 0;     // the button number whose colour and font are being chosen

  JoyToKeyLink link;  // holds JoyToKey's configuration number from the command line
  WindowHandle handle = 0;  // the window that shows this form
  bool closed = false;
  bool closing = false;  // FormClose runs: further close requests change nothing

  // Set by the application once they exist.
  NameEditor* nameEditor = nullptr;
  ArgumentNotice* argumentNotice = nullptr;

  // Window behaviour.
  void FormShow();
  void Close();  // runs FormClose once; closing the main form ends the program
  // Windows is ending the session: the panel closes without a box to wait on.
  void EndSession();
  void FormClose();
  // The system's hit test: where the panel may be dragged from. The frame
  // (inFrame) is caption whatever the button reads now: the system may ask
  // only once the press is old and the button up again, and a frame taken
  // for surface would drop the press, since nothing is there.
  int HitTest(bool inFrame = false);
  void PointerEntered();
  void PointerLeft();
  void ChildMouseEnter(PanelButton& button) override;
  void ChildMouseLeave(PanelButton& button) override;
  bool Showing() const override { return visible; }
  // Whether the pointer is within the panel's outer edge.
  bool PointerOverPanel();

  // Where the carer's files are.
  SettingsPlace settingsPlace;

  // Settings.
  void LoadSettings();
  // The settings as the panel shows them now, for the save.
  PanelSettings ShownSettings() const;
  SettingsPlace::SaveOutcome SaveSettings();
  // Named profiles. The menu lists them; choosing one saves the settings in
  // use first, then loads and shows the other's at once.
  std::vector<std::string> ProfileMenuNames() { return settingsPlace.ProfileNames(); }
  void ProfileClick(const std::string& profile);  // empty: none
  // Asks for a name and makes a profile of the settings in use, then uses it.
  void NewProfileClick();
  // The JoyToKey configuration argument: the first that names no profile.
  std::string ConfigurationArgument() const;
  // Saves during the run, so that what is about to change can be undone; a
  // failure is logged, and the close tries again.
  void SaveNow();
  // The settings the history kept, newest first, as the undo menu lists them
  // (filled as the menu opens); a file that cannot be read is listed unavailable.
  struct EarlierSettings {
    FilePath path;
    bool readable = false;
  };
  std::vector<EarlierSettings> earlierSettings;
  void ListEarlierSettings();
  // Goes back to the settings listed at index, at once, and saves them; the
  // window's position and JoyToKey's folder stay as they are.
  void EarlierSettingsClick(int index);
  void ApplyEarlierSettings(const PanelSettings& earlier);
  // A message box the carer must answer, its text in the log as well. A
  // notice only informs: it closes by itself after kNoticeSeconds.
  enum class BoxKind { kWarning, kNotice };
  static constexpr int kNoticeSeconds = 30;
  void TellCarer(const MessageText& text, unsigned boxStyle, BoxKind kind = BoxKind::kWarning);

  // Size. Every pixel size of the design is multiplied by the monitor's dpi / 96
  // and by panelScale ([PanelScale] Scale, 1 to 4); so are the fonts' points.
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
  void PanelScaleClick(int scale);

  // The strip.
  int shownButtons = 0;  // buttons the strip shows, 1 to 8 (0 none)
  void LayoutButtons(int count);
  void ClearButtonCaptions();
  void SetScanSpeed(float seconds);

  // The switch record ([Record] ON) and its window.
  PressRecorder recorder;
  Practice practice;
  void PracticeClick();
  // Whether a JoyToKey window is bound: not while JoyToKey starts or has gone.
  bool JoyToKeyBound() const { return link.JoyToKeyWindow() != 0; }
  // The window's title: the program's, whether it is practising, and
  // whether JoyToKey is missing.
  std::string WindowTitle() const;
  std::int64_t startedAtLocal = 0;  // when this run began, local milliseconds
  void RecordClick();
  // Reads the record on the worker, then shows its window; a second click
  // while it is read changes nothing.
  void ShowRecordClick();
  bool RecordBeingRead() const { return recordReadingTicket_ != 0; }
  void ApplySuggestions(const SwitchSuggestions& suggestions);

  // The switch and the tick.
  void ShowStickNames();
  void SecondStickClick();
  void SwitchSettingsClick();
  // Hands the switch options to the samplers, the scanner and the platform.
  void ApplySwitchOptions();
  // Starts the scan afresh in the way scan().method names.
  void ApplyScanMethod();

  // The menu. Its check marks are drawn from the state, never read back.
  bool MenuChecked(MenuId id) const;
  // False for a choice the system cannot carry out now, shown unavailable.
  bool MenuEnabled(MenuId id) const;
  void MenuOpening();
  void OneButtonMenuOpened();
  void ButtonCountClick(int count);
  void SubButtonCountClick(int subCount);
  void SpeedClick(float seconds);
  void SingleDisplayClick();
  void SoundClick();
  void CursorChaseClick();
  void ScanMethodClick(ScanMethodId method);
  void IdleCaptionsClick();
  void PausePositionClick();
  void VoiceModeClick(VoiceMode mode);
  void WaitForPromptClick();
  void ExitClick();
  void EditNamesClick();
  void ShowNamesClick();
  // Every text shown and said changes to language at once, and the choice is saved.
  void LanguageClick(Language language);
  // The texts of the design, the menu and the other forms, in the language in force.
  void ShowLanguage();
  void HelpClick();
  void SupportClick();
  // Ticked while the Run key starts this program file with this argument.
  void StartAtLogonClick();
  std::u16string LogonCommand() const;
  void MenuCommand(MenuId id);

  // Colours and fonts.
  void ButtonClick(int number);

  // JoyToKey's program file.
  JoyToKeyLauncher launcher;

  // What the scanner asks of the panel.
  void Light(int position, bool byStep) override;
  void ButtonDown(int position) override;
  void ButtonUp(int position, std::int32_t stick) override;
  void ReportStick(std::int32_t stick) override;
  void StickSwitched(std::int32_t stick) override;
  void Relayout(int buttonCount) override;
  void Click() override;
  std::int64_t StepWaitsUntil() override;
  void PauseChanged(bool paused) override;
  void SwitchStuck() override;

  // Prompts and screen readers.
  // What position stands for, as the voice says it and screen readers read
  // it: the button's name, "ボタン" and its number where it has none, and
  // "切り替え" at the switch-over position. Written into text, whose capacity
  // is kept.
  void SpokenName(int position, std::string& text) const;
  std::string SpokenName(int position) const;
  // The position a button of the panel stands for now: the single display
  // shows the lit one.
  int PositionShownBy(const PanelButton& button) const;
  // The system's voice has finished what it was saying.
  void SpeechEnded();

  // The name editor.
  void NameEditingStarted() override;
  void NamesEdited() override;

 private:
  void BuildDesign();
  void PlaceFiles();
  // The profile /profile: names, checked; empty when none is named or the
  // name cannot be one (the carer is told why).
  std::string ProfileFromCommandLine();
  // Reads the settings file now in place and shows it: the strip, the
  // names, the record and the voice.
  void ReloadSettings();
  void Construct();
  // Nothing may stay held at JoyToKey once the panel is gone; answeredAt is
  // when the panel last answered Windows.
  void DeliverLastMessages(std::int64_t answeredAt);
  // The settings the close could not save go to a file of their own, named in the log.
  void KeepUnsavedSettings();
  void StartPrompt(int position);
  void LayoutStrip(int count);
  void PaintStripHighlight(int position);
  void PaintSingleDisplay(int position);
  void PaintNothingLit();
  // The caption colour of a button that is not lit.
  ColorValue RestingCaptionColor() const;
  // The idle captions were turned on or off: the buttons not lit now show it.
  void RepaintRestingCaptions();
  // A button's colours were set other than by the highlight.
  void ButtonRepainted() { highlighted_ = -1; }
  int highlighted_ = -1;  // the button the strip's highlight lit last, 0 none, -1 unknown
  void KeepOnScreen();
  // At show: a position on no monitor goes to the primary screen's centre.
  void PlaceOnAMonitor();
  // Takes the dpi of the monitor the panel is on, and resizes when it differs.
  void FollowMonitorDpi();
  // What the tick does besides the scan: JoyToKey still there, the record,
  // the panel kept on the screen.
  class TickStepsOfPanel : public TickSteps {
   public:
    explicit TickStepsOfPanel(PanelForm& form) : form_(form) {}
    bool TickStarting() override;
    void SwitchTaken() override;
    void TickEnded() override;

   private:
    PanelForm& form_;
  };
  TickStepsOfPanel tickSteps_{*this};
  // The switch answers the panel's message boxes. A press counts only once
  // the switch has been seen open behind the box, and what it does reaches
  // nobody else: the box takes it whole.
  class BoxAnswererOfPanel : public BoxAnswerer {
   public:
    explicit BoxAnswererOfPanel(PanelForm& form) : form_(form) {}
    void BoxOpened(unsigned flags) override;
    Answer Poll() override;
    void BoxClosed() override;
    bool nextIsNotice = false;

   private:
    PanelForm& form_;
    std::int64_t openedAt_ = 0;
    bool closesItself_ = false;
    bool heldTicks_ = false;  // the ticks ran when it opened: they go on as it closes
    struct Watched {
      bool seenOpen = false;
      std::uint64_t pressesThen = 0;
    };
    std::array<Watched, 2> switches_{};
  };
  BoxAnswererOfPanel boxAnswerer_{*this};
  void SetButtonCaptionsFromNames(bool secondStick);
  // The flash of a button selected in practice, drawn on the strip.
  class FlashPainterOfPanel : public Practice::FlashPainter {
   public:
    explicit FlashPainterOfPanel(PanelForm& form) : form_(form) {}
    void InvertButton(int button) override;
    void RepaintScan() override;

   private:
    PanelForm& form_;
  };
  FlashPainterOfPanel flashPainter_{*this};
  // The button held down now and whether JoyToKey was told of it: a press
  // made in practice stays silent to its release, one made before is released.
  bool buttonHeld_ = false;
  bool heldSilently_ = false;

  Platform& platform_;
  bool sessionEnding_ = false;
  // The record, read and summed on the worker while the scan goes on; the
  // window shows once it is.
  struct RecordReading;
  std::shared_ptr<RecordReading> recordReading_;
  JobQueue::Ticket recordReadingTicket_ = 0;
  void ShowRecordOnceRead();
  Timer recordReadWatch_{platform_.timers, 50, false, [this] { ShowRecordOnceRead(); }};
};

// The text of the message shown when the program is started a second time.
std::string DuplicateStartMessage();

}  // namespace sorvane
