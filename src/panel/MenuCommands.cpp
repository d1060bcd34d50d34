// The commands of the popup menu, and its check marks drawn from the state.
#include "panel/PanelForm.h"


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
    case MenuId::VoiceOff: return voice.mode == VoiceMode::kOff;
    case MenuId::VoiceRecorded: return voice.mode == VoiceMode::kRecorded;
    case MenuId::VoiceRecordedOrSystem: return voice.mode == VoiceMode::kRecordedOrVoice;
    case MenuId::VoiceWait: return voice.waitForPrompt;
    case MenuId::Practice: return practice;
    case MenuId::Record: return recordOn;
    // Read afresh each time the menu is drawn: the carer may have changed it elsewhere.
    case MenuId::StartAtLogon: return platform_.logon.ReadRunValue(kLogonValueName) == LogonCommand();
    default: return false;
  }
}

bool PanelForm::MenuEnabled(MenuId id) const {
  // Asked as the menu is drawn, which may create the voice the first time.
  if (id == MenuId::VoiceRecordedOrSystem) return platform_.prompts.VoiceAvailable();
  return true;
}

void PanelForm::MenuOpening() { scanner.timer().SetEnabled(false); }

void PanelForm::OneButtonMenuOpened() {
  scanner.ChooseFirstStick();
  ShowActiveStick();
}

void PanelForm::ButtonCountClick(int count) {
  tickTimer.SetEnabled(false);
  scanner.ShowButtons(count);
  ShowActiveStick();
  tickTimer.SetEnabled(true);
  SetScanSpeed(scan().intervalSeconds);
}

void PanelForm::SubButtonCountClick(int subCount) {
  // The count in force, chosen again, only loses its tick until the next layout.
  const bool chosenAgain = MenuChecked(PanelMenu::SubCountItem(subCount));
  if (!chosenAgain) options.singleDisplay = false;
  tickTimer.SetEnabled(false);
  scanner.ShowOneButton(chosenAgain ? scan().subButtonCount : subCount);
  tickTimer.SetEnabled(true);
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
  scanner.ApplyTiming();
}

void PanelForm::SingleDisplayClick() {
  scanner.timer().SetEnabled(false);
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
  scanner.timer().SetEnabled(true);
}

void PanelForm::SoundClick() {
  scanner.timer().SetEnabled(false);
  options.clickSound = !options.clickSound;
  scanner.timer().SetEnabled(true);
}

void PanelForm::CursorChaseClick() {
  options.cursorChase = !options.cursorChase;
  // The menu held the scan, and a pointer left over the panel would hold it
  // on: with the chase off nothing holds it any more, so it goes on. Turned
  // on, the chase's own hold decides as the pointer leaves or enters.
  if (!options.cursorChase) scanner.timer().SetEnabled(true);
}

void PanelForm::ScanMethodClick(ScanMethodId method) {
  scan().method = method;
  ApplyScanMethod();
}

void PanelForm::IdleCaptionsClick() {
  options.idleCaptions = !options.idleCaptions;
  RepaintRestingCaptions();
}

void PanelForm::ExitClick() {
  scanner.timer().SetEnabled(false);
  scanner.ReleaseHeldButton();
  link.Send(WM_JOYTOKEY_STICK, -1);
  Close();
}

void PanelForm::HelpClick() { platform_.shell.Open(handle, "open", helpFile, "", "", 5); }

namespace {

// Whether the path lost a character that code page 932 cannot hold (it became
// "?"): such a path would start nothing at logon. "\\?\" opens a long path.
bool HasLostCharacter(const std::string& path) {
  const std::size_t from = path.rfind("\\\\?\\", 0) == 0 ? 4 : 0;
  return path.find('?', from) != std::string::npos;
}

}  // namespace

void PanelForm::SupportClick() {
  // The help viewer opens a page of the help file as FILE::/PAGE, the way the
  // shell passes it a help file: unquoted, since it takes its whole command line.
  platform_.shell.Open(handle, "open", "hh.exe", helpFile + "::/" + kSupportTopic, "", 5);
}

std::string PanelForm::LogonCommand() const {
  std::string command = "\"" + platform_.process.ProgramFilePath() + "\"";
  const std::string argument = FirstArgument(platform_.process);
  if (argument.empty()) return command;
  const bool hasSpace = argument.find_first_of(" \t") != std::string::npos;
  return command + " " + (hasSpace ? "\"" + argument + "\"" : argument);
}

void PanelForm::StartAtLogonClick() {
  std::string problem;
  if (MenuChecked(MenuId::StartAtLogon)) {
    if (!platform_.logon.RemoveRunValue(kLogonValueName)) {
      problem = "ログオン時に起動しない設定にできませんでした。\nWindows の設定（レジストリ）を変更できません。";
    }
  } else if (HasLostCharacter(platform_.process.ProgramFilePath())) {
    problem = "このプログラムのフォルダーかファイルの名前に扱えない文字があるため、\n"
              "ログオン時に起動する設定ができません。\n名前を変えてから、もう一度選んでください。";
  } else if (!platform_.logon.WriteRunValue(kLogonValueName, LogonCommand())) {
    problem = "ログオン時に起動する設定ができませんでした。\nWindows の設定（レジストリ）を変更できません。";
  }
  if (problem.empty()) return;
  BeforeDialog();
  platform_.dialogs.ShowMessage(handle, problem, kErrorCaption, kWarningBoxStyle);
  AfterDialog();
}

void PanelForm::MenuCommand(MenuId id) {
  switch (id) {
    case MenuId::OneButton: OneButtonMenuOpened(); break;
    case MenuId::Buttons2: ButtonCountClick(2); break;
    case MenuId::Buttons3: ButtonCountClick(3); break;
    case MenuId::Buttons4: ButtonCountClick(4); break;
    case MenuId::Buttons5: ButtonCountClick(5); break;
    case MenuId::Buttons6: ButtonCountClick(6); break;
    case MenuId::Buttons7: ButtonCountClick(7); break;
    case MenuId::Buttons8: ButtonCountClick(8); break;
    case MenuId::SubButtons2: SubButtonCountClick(2); break;
    case MenuId::SubButtons4: SubButtonCountClick(4); break;
    case MenuId::SubButtons6: SubButtonCountClick(6); break;
    case MenuId::SubButtons8: SubButtonCountClick(8); break;
    case MenuId::Speed05: SpeedClick(0.5F); break;
    case MenuId::Speed10: SpeedClick(1.0F); break;
    case MenuId::Speed20: SpeedClick(2.0F); break;
    case MenuId::Speed30: SpeedClick(3.0F); break;
    case MenuId::Speed40: SpeedClick(4.0F); break;
    case MenuId::Speed50: SpeedClick(5.0F); break;
    case MenuId::PanelScale1: PanelScaleClick(1); break;
    case MenuId::PanelScale2: PanelScaleClick(2); break;
    case MenuId::PanelScale3: PanelScaleClick(3); break;
    case MenuId::PanelScale4: PanelScaleClick(4); break;
    case MenuId::SingleDisplay: SingleDisplayClick(); break;
    case MenuId::EditNames: EditNamesClick(); break;
    case MenuId::ShowNames: ShowNamesClick(); break;
    case MenuId::Sound: SoundClick(); break;
    case MenuId::CursorChase: CursorChaseClick(); break;
    case MenuId::SecondStick: SecondStickClick(); break;
    case MenuId::MethodAutomatic: ScanMethodClick(ScanMethodId::kAutomatic); break;
    case MenuId::MethodHoldToMove: ScanMethodClick(ScanMethodId::kHoldToMove); break;
    case MenuId::MethodTwoSwitches: ScanMethodClick(ScanMethodId::kTwoSwitches); break;
    case MenuId::MethodTapToMove: ScanMethodClick(ScanMethodId::kTapToMove); break;
    case MenuId::IdleCaptions: IdleCaptionsClick(); break;
    case MenuId::VoiceOff: VoiceModeClick(VoiceMode::kOff); break;
    case MenuId::VoiceRecorded: VoiceModeClick(VoiceMode::kRecorded); break;
    case MenuId::VoiceRecordedOrSystem: VoiceModeClick(VoiceMode::kRecordedOrVoice); break;
    case MenuId::VoiceWait: WaitForPromptClick(); break;
    case MenuId::Practice: PracticeClick(); break;
    case MenuId::Record: RecordClick(); break;
    case MenuId::ShowRecord: ShowRecordClick(); break;
    case MenuId::SwitchSettings: SwitchSettingsClick(); break;
    case MenuId::Exit: ExitClick(); break;
    case MenuId::StartAtLogon: StartAtLogonClick(); break;
    case MenuId::Support: SupportClick(); break;
    case MenuId::Help: HelpClick(); break;
    default: break;
  }
}

}  // namespace sorvane
