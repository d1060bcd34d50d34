// The commands of the popup menu, and its check marks drawn from the state.
#include "panel/PanelForm.h"
#include "settings/Profiles.h"


namespace sorvane {

namespace {

struct SpeedItem {
  MenuId item;
  float seconds;
};

constexpr SpeedItem kSpeedItems[] = {
    {MenuId::Speed05, 0.5F}, {MenuId::Speed10, 1.0F}, {MenuId::Speed20, 2.0F},
    {MenuId::Speed30, 3.0F}, {MenuId::Speed40, 4.0F}, {MenuId::Speed50, 5.0F},
};

struct MethodItem {
  MenuId item;
  ScanMethodId method;
};

constexpr MethodItem kMethodItems[] = {
    {MenuId::MethodAutomatic, ScanMethodId::kAutomatic},
    {MenuId::MethodHoldToMove, ScanMethodId::kHoldToMove},
    {MenuId::MethodTwoSwitches, ScanMethodId::kTwoSwitches},
    {MenuId::MethodTapToMove, ScanMethodId::kTapToMove},
};

}  // namespace

bool PanelForm::MenuChecked(MenuId id) const {
  const ScanState& s = scan();
  for (int count = 1; count <= 8; ++count) {
    if (id == PanelMenu::ButtonCountItem(count)) return shownButtons == count;
  }
  for (int sub : {2, 4, 6, 8}) {
    if (id == PanelMenu::SubCountItem(sub)) return s.subButtonCount == sub && !subCountUnticked;
  }
  for (const SpeedItem& speed : kSpeedItems) {
    if (id == speed.item) return s.intervalSeconds == speed.seconds;
  }
  for (int scale = 1; scale <= kMaxPanelScale; ++scale) {
    if (id == PanelMenu::PanelScaleItem(scale)) return panelScale == scale;
  }
  for (const MethodItem& method : kMethodItems) {
    if (id == method.item) return s.method == method.method;
  }
  switch (id) {
    case MenuId::SingleDisplay: return options.singleDisplay;
    case MenuId::ShowNames: return options.namesShown;
    case MenuId::Sound: return options.clickSound;
    case MenuId::CursorChase: return options.cursorChase;
    case MenuId::SecondStick: return s.secondStick;
    case MenuId::IdleCaptions: return options.idleCaptions;
    case MenuId::PausePosition: return s.pausePosition;
    case MenuId::VoiceOff: return speaker.options().mode == VoiceMode::kOff;
    case MenuId::VoiceRecorded: return speaker.options().mode == VoiceMode::kRecorded;
    case MenuId::VoiceRecordedOrSystem: return speaker.options().mode == VoiceMode::kRecordedOrVoice;
    case MenuId::VoiceWait: return speaker.options().waitForPrompt;
    case MenuId::Practice: return practice.On();
    case MenuId::Record: return recorder.On();
    case MenuId::NoProfile: return settingsPlace.ProfileName().empty();
    // Read afresh each time the menu is drawn: the carer may have changed it elsewhere.
    case MenuId::LanguageJapanese: return CurrentLanguage() == Language::kJapanese;
    case MenuId::LanguageEnglish: return CurrentLanguage() == Language::kEnglish;
    case MenuId::StartAtLogon: return platform_.logon.ReadRunValue(kLogonValueName) == LogonCommand();
    default: return false;
  }
}

bool PanelForm::MenuEnabled(MenuId id) const {
  // Asked as the menu is drawn, which may create the voice the first time.
  if (id == MenuId::VoiceRecordedOrSystem) return platform_.prompts.VoiceAvailable();
  if (id == MenuId::UndoSettings) return !earlierSettings.empty();
  const int earlier = PanelMenu::EarlierSettingsIndex(id);
  if (earlier >= 0) {
    const auto index = static_cast<std::size_t>(earlier);
    return index < earlierSettings.size() && earlierSettings[index].readable;
  }
  return true;
}

void PanelForm::MenuOpening() {
  driver.HoldScan(HoldReason::kMenu);
  ListEarlierSettings();
}

void PanelForm::OneButtonMenuOpened() {
  scanner().ChooseFirstStick();
  ShowActiveStick();
}

void PanelForm::ButtonCountClick(int count) {
  scanner().ShowButtons(count);
  ShowActiveStick();
  driver.RestartTicks();
  SetScanSpeed(scan().intervalSeconds);
}

void PanelForm::SubButtonCountClick(int subCount) {
  // The count in force, chosen again, only loses its tick until the next layout.
  const bool chosenAgain = MenuChecked(PanelMenu::SubCountItem(subCount));
  if (!chosenAgain) options.singleDisplay = false;
  scanner().ShowOneButton(chosenAgain ? scan().subButtonCount : subCount);
  driver.RestartTicks();
  if (chosenAgain) {
    subCountUnticked = true;
  } else if (nameEditor != nullptr) {
    Button(1).caption = nameEditor->Name(1);
  }
}

void PanelForm::SpeedClick(float seconds) {
  scan().intervalSeconds = seconds;
  SetScanSpeed(scan().intervalSeconds);
}

void PanelForm::SetScanSpeed(float seconds) {
  scan().intervalSeconds = seconds;
  scanner().ApplyTiming();
}

void PanelForm::SingleDisplayClick() {
  options.singleDisplay = !options.singleDisplay;
  if (options.singleDisplay) {
    SetClientWidth(Scaled(72));
  } else {
    LayoutButtons(scan().buttonCount);
    // Button 1 showed every position in turn, and the strip still shows what
    // was lit before: all of it is drawn afresh from the position lit now.
    PanelButton& button = Button(1);
    if (nameEditor != nullptr) button.caption = nameEditor->Name(ButtonNumberAt(1, shownStick));
    button.font = buttonOneFont;
    ButtonRepainted();
    if (lit == kNothingLit) {
      PaintNothingLit();
    } else {
      PaintStripHighlight(lit);
    }
  }
}

void PanelForm::SoundClick() { options.clickSound = !options.clickSound; }

void PanelForm::CursorChaseClick() {
  options.cursorChase = !options.cursorChase;
  // The menu held the scan, and a pointer left over the panel would hold it
  // on: with the chase off nothing holds it any more, so it goes on. Turned
  // on, the chase's own hold decides as the pointer leaves or enters.
  if (!options.cursorChase) driver.LetScanGoOn(HoldReason::kPointer);
}

void PanelForm::ScanMethodClick(ScanMethodId method) {
  scan().method = method;
  ApplyScanMethod();
}

void PanelForm::IdleCaptionsClick() {
  options.idleCaptions = !options.idleCaptions;
  RepaintRestingCaptions();
}

void PanelForm::PausePositionClick() {
  scan().pausePosition = !scan().pausePosition;
  // Without the position nothing could lead back to a pause; none is left standing.
  if (!scan().pausePosition) scanner().EndPause();
}

void PanelForm::ExitClick() {
  driver.Stop();
  scanner().ReleaseHeldButton();
  link.Send(WM_JOYTOKEY_STICK, -1);
  Close();
}

void PanelForm::HelpClick() {
  platform_.log.Write("ヘルプを開きます: " + ReadableText(settingsPlace.HelpFile(), platform_.text));
  platform_.shell.Open(handle, "open", settingsPlace.HelpFile().Utf16(), u"", kShowNormal);
}

namespace {

// Whether the path lost a character that code page 932 cannot hold (it became
// "?"): such a path would start nothing at logon. "\\?\" opens a long path.
bool HasLostCharacter(const std::u16string& path) {
  const std::size_t from = path.rfind(u"\\\\?\\", 0) == 0 ? 4 : 0;
  return path.find(u'?', from) != std::u16string::npos;
}

}  // namespace

void PanelForm::SupportClick() {
  // The help viewer opens a page of the help file as FILE::/PAGE, the way the
  // shell passes it a help file: unquoted, since it takes its whole command line.
  platform_.shell.Open(handle, "open", u"hh.exe", (settingsPlace.HelpFile() + "::/" + kSupportTopic).Utf16(),
                       kShowNormal);
}

std::u16string PanelForm::LogonCommand() const {
  std::u16string command = u"\"" + platform_.process.ProgramFilePath().Utf16() + u"\"";
  const std::string argument = ConfigurationArgument();
  if (!argument.empty()) {
    const std::u16string wide = platform_.text.Utf16FromShiftJis(argument).value_or(u"?");
    const bool hasSpace = wide.find_first_of(u" \t") != std::u16string::npos;
    command += u" " + (hasSpace ? u"\"" + wide + u"\"" : wide);
  }
  // The person whose settings are in use is the one started at logon.
  if (!settingsPlace.ProfileName().empty()) {
    command += u" " + platform_.text.Utf16FromShiftJis(ProfileArgument(settingsPlace.ProfileName())).value_or(u"?");
  }
  return command;
}

void PanelForm::StartAtLogonClick() {
  std::string problem;
  if (MenuChecked(MenuId::StartAtLogon)) {
    if (!platform_.logon.RemoveRunValue(kLogonValueName)) {
      problem = Text(TextId::LogonRemoveFailed);
    }
  } else if (HasLostCharacter(platform_.process.ProgramFilePath().Utf16())) {
    problem = Text(TextId::LogonUnholdableName);
  } else if (!platform_.logon.WriteRunValue(kLogonValueName, LogonCommand())) {
    problem = Text(TextId::LogonWriteFailed);
  }
  if (problem.empty()) return;
  driver.HoldForDialog();
  platform_.dialogs.ShowMessage(handle, problem, ErrorCaption(), kMessageBoxWarningOk);
  driver.ResumeAfterDialog();
}

namespace {

// Whether the scan, held while the menu is open, goes on once the command is
// done. A command that shows a dialog lets it go on as the dialog closes; the
// name editor holds it on while it is open.
enum class ScanAfter { kGoesOn, kStaysHeld };

struct MenuCommandEntry {
  MenuId id;
  ScanAfter scan;
  void (*run)(PanelForm& form);
};

constexpr ScanAfter kGoesOn = ScanAfter::kGoesOn;
constexpr ScanAfter kStaysHeld = ScanAfter::kStaysHeld;

constexpr MenuCommandEntry kMenuCommands[] = {
    {MenuId::OneButton, kStaysHeld, [](PanelForm& f) { f.OneButtonMenuOpened(); }},
    {MenuId::Buttons2, kStaysHeld, [](PanelForm& f) { f.ButtonCountClick(2); }},
    {MenuId::Buttons3, kStaysHeld, [](PanelForm& f) { f.ButtonCountClick(3); }},
    {MenuId::Buttons4, kStaysHeld, [](PanelForm& f) { f.ButtonCountClick(4); }},
    {MenuId::Buttons5, kStaysHeld, [](PanelForm& f) { f.ButtonCountClick(5); }},
    {MenuId::Buttons6, kStaysHeld, [](PanelForm& f) { f.ButtonCountClick(6); }},
    {MenuId::Buttons7, kStaysHeld, [](PanelForm& f) { f.ButtonCountClick(7); }},
    {MenuId::Buttons8, kStaysHeld, [](PanelForm& f) { f.ButtonCountClick(8); }},
    {MenuId::SubButtons2, kStaysHeld, [](PanelForm& f) { f.SubButtonCountClick(2); }},
    {MenuId::SubButtons4, kStaysHeld, [](PanelForm& f) { f.SubButtonCountClick(4); }},
    {MenuId::SubButtons6, kStaysHeld, [](PanelForm& f) { f.SubButtonCountClick(6); }},
    {MenuId::SubButtons8, kStaysHeld, [](PanelForm& f) { f.SubButtonCountClick(8); }},
    {MenuId::Speed05, kStaysHeld, [](PanelForm& f) { f.SpeedClick(0.5F); }},
    {MenuId::Speed10, kStaysHeld, [](PanelForm& f) { f.SpeedClick(1.0F); }},
    {MenuId::Speed20, kStaysHeld, [](PanelForm& f) { f.SpeedClick(2.0F); }},
    {MenuId::Speed30, kStaysHeld, [](PanelForm& f) { f.SpeedClick(3.0F); }},
    {MenuId::Speed40, kStaysHeld, [](PanelForm& f) { f.SpeedClick(4.0F); }},
    {MenuId::Speed50, kStaysHeld, [](PanelForm& f) { f.SpeedClick(5.0F); }},
    {MenuId::PanelScale1, kStaysHeld, [](PanelForm& f) { f.PanelScaleClick(1); }},
    {MenuId::PanelScale2, kStaysHeld, [](PanelForm& f) { f.PanelScaleClick(2); }},
    {MenuId::PanelScale3, kStaysHeld, [](PanelForm& f) { f.PanelScaleClick(3); }},
    {MenuId::PanelScale4, kStaysHeld, [](PanelForm& f) { f.PanelScaleClick(4); }},
    {MenuId::SingleDisplay, kGoesOn, [](PanelForm& f) { f.SingleDisplayClick(); }},
    {MenuId::EditNames, kStaysHeld, [](PanelForm& f) { f.EditNamesClick(); }},
    {MenuId::ShowNames, kGoesOn, [](PanelForm& f) { f.ShowNamesClick(); }},
    {MenuId::Sound, kGoesOn, [](PanelForm& f) { f.SoundClick(); }},
    // Turned off, nothing holds the scan any more; turned on, the pointer decides.
    {MenuId::CursorChase, kStaysHeld, [](PanelForm& f) { f.CursorChaseClick(); }},
    {MenuId::SecondStick, kGoesOn, [](PanelForm& f) { f.SecondStickClick(); }},
    {MenuId::MethodAutomatic, kStaysHeld, [](PanelForm& f) { f.ScanMethodClick(ScanMethodId::kAutomatic); }},
    {MenuId::MethodHoldToMove, kStaysHeld, [](PanelForm& f) { f.ScanMethodClick(ScanMethodId::kHoldToMove); }},
    {MenuId::MethodTwoSwitches, kStaysHeld, [](PanelForm& f) { f.ScanMethodClick(ScanMethodId::kTwoSwitches); }},
    {MenuId::MethodTapToMove, kStaysHeld, [](PanelForm& f) { f.ScanMethodClick(ScanMethodId::kTapToMove); }},
    {MenuId::IdleCaptions, kStaysHeld, [](PanelForm& f) { f.IdleCaptionsClick(); }},
    {MenuId::PausePosition, kStaysHeld, [](PanelForm& f) { f.PausePositionClick(); }},
    {MenuId::VoiceOff, kStaysHeld, [](PanelForm& f) { f.VoiceModeClick(VoiceMode::kOff); }},
    {MenuId::VoiceRecorded, kStaysHeld, [](PanelForm& f) { f.VoiceModeClick(VoiceMode::kRecorded); }},
    {MenuId::VoiceRecordedOrSystem, kStaysHeld, [](PanelForm& f) { f.VoiceModeClick(VoiceMode::kRecordedOrVoice); }},
    {MenuId::VoiceWait, kStaysHeld, [](PanelForm& f) { f.WaitForPromptClick(); }},
    {MenuId::Practice, kGoesOn, [](PanelForm& f) { f.PracticeClick(); }},
    {MenuId::Record, kGoesOn, [](PanelForm& f) { f.RecordClick(); }},
    {MenuId::ShowRecord, kGoesOn, [](PanelForm& f) { f.ShowRecordClick(); }},
    // Both show what they must in a dialog or a box, and let the scan go on after.
    {MenuId::NoProfile, kStaysHeld, [](PanelForm& f) { f.ProfileClick(std::string()); }},
    {MenuId::NewProfile, kStaysHeld, [](PanelForm& f) { f.NewProfileClick(); }},
    {MenuId::SwitchSettings, kGoesOn, [](PanelForm& f) { f.SwitchSettingsClick(); }},
    {MenuId::LanguageJapanese, kStaysHeld, [](PanelForm& f) { f.LanguageClick(Language::kJapanese); }},
    {MenuId::LanguageEnglish, kStaysHeld, [](PanelForm& f) { f.LanguageClick(Language::kEnglish); }},
    {MenuId::Exit, kStaysHeld, [](PanelForm& f) { f.ExitClick(); }},
    // A box, if the Run key cannot be changed, lets the scan go on as it closes.
    {MenuId::StartAtLogon, kStaysHeld, [](PanelForm& f) { f.StartAtLogonClick(); }},
    {MenuId::Support, kStaysHeld, [](PanelForm& f) { f.SupportClick(); }},
    {MenuId::Help, kStaysHeld, [](PanelForm& f) { f.HelpClick(); }},
};

}  // namespace

void PanelForm::MenuCommand(MenuId id) {
  // Earlier settings take effect at once: the scan goes on at their interval.
  if (const int earlier = PanelMenu::EarlierSettingsIndex(id); earlier >= 0) {
    driver.HoldScan(HoldReason::kMenu);
    EarlierSettingsClick(earlier);
    driver.LetScanGoOn(HoldReason::kMenu);
    return;
  }
  for (const MenuCommandEntry& command : kMenuCommands) {
    if (command.id != id) continue;
    if (command.scan == ScanAfter::kStaysHeld) return command.run(*this);
    // The command runs with the scan held and it goes on a whole interval from then.
    driver.HoldScan(HoldReason::kMenu);
    command.run(*this);
    driver.LetScanGoOn(HoldReason::kMenu);
    return;
  }
}

}  // namespace sorvane
