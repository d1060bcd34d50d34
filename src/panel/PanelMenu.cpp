#include "panel/PanelMenu.h"

namespace sorvane {

const char* const kSupportTopic = "support.html";

PanelMenu::PanelMenu()
    : items_{{
          {MenuId::ButtonCount, MenuId::kNone, TextId::MenuButtonCount, TextId::MenuButtonCountHint},
          {MenuId::OneButton, MenuId::ButtonCount, TextId::MenuOneButton, TextId::None},
          {MenuId::SubButtons2, MenuId::OneButton, TextId::MenuCount2, TextId::None},
          {MenuId::SubButtons4, MenuId::OneButton, TextId::MenuCount4, TextId::None},
          {MenuId::SubButtons6, MenuId::OneButton, TextId::MenuCount6, TextId::None},
          {MenuId::SubButtons8, MenuId::OneButton, TextId::MenuCount8, TextId::None},
          {MenuId::Buttons2, MenuId::ButtonCount, TextId::MenuCount2, TextId::None},
          {MenuId::Buttons3, MenuId::ButtonCount, TextId::MenuCount3, TextId::None},
          {MenuId::Buttons4, MenuId::ButtonCount, TextId::MenuCount4, TextId::None},
          {MenuId::Buttons5, MenuId::ButtonCount, TextId::MenuCount5, TextId::None},
          {MenuId::Buttons6, MenuId::ButtonCount, TextId::MenuCount6, TextId::None},
          {MenuId::Buttons7, MenuId::ButtonCount, TextId::MenuCount7, TextId::None},
          {MenuId::Buttons8, MenuId::ButtonCount, TextId::MenuCount8, TextId::None},
          {MenuId::ScanSpeed, MenuId::kNone, TextId::MenuScanSpeed, TextId::MenuScanSpeedHint},
          {MenuId::Speed05, MenuId::ScanSpeed, TextId::MenuSpeed05, TextId::None},
          {MenuId::Speed10, MenuId::ScanSpeed, TextId::MenuSpeed10, TextId::None},
          {MenuId::Speed20, MenuId::ScanSpeed, TextId::MenuSpeed20, TextId::None},
          {MenuId::Speed30, MenuId::ScanSpeed, TextId::MenuSpeed30, TextId::None},
          {MenuId::Speed40, MenuId::ScanSpeed, TextId::MenuSpeed40, TextId::None},
          {MenuId::Speed50, MenuId::ScanSpeed, TextId::MenuSpeed50, TextId::None},
          {MenuId::PanelSize, MenuId::kNone, TextId::MenuPanelSize, TextId::MenuPanelSizeHint},
          {MenuId::PanelScale1, MenuId::PanelSize, TextId::MenuScale1, TextId::None, true},
          {MenuId::PanelScale2, MenuId::PanelSize, TextId::MenuScale2, TextId::None, true},
          {MenuId::PanelScale3, MenuId::PanelSize, TextId::MenuScale3, TextId::None, true},
          {MenuId::PanelScale4, MenuId::PanelSize, TextId::MenuScale4, TextId::None, true},
          {MenuId::SingleDisplay, MenuId::kNone, TextId::MenuSingleDisplay, TextId::None},
          {MenuId::EditNames, MenuId::kNone, TextId::MenuEditNames, TextId::None},
          {MenuId::ShowNames, MenuId::kNone, TextId::MenuShowNames, TextId::None},
          {MenuId::Sound, MenuId::kNone, TextId::MenuSound, TextId::None},
          {MenuId::CursorChase, MenuId::kNone, TextId::MenuCursorChase, TextId::None},
          {MenuId::SecondStick, MenuId::kNone, TextId::MenuSecondStick, TextId::None},
          {MenuId::Version, MenuId::kNone, TextId::MenuVersion, TextId::None},
          {MenuId::Profiles, MenuId::kNone, TextId::MenuProfiles, TextId::MenuProfilesHint},
          {MenuId::NoProfile, MenuId::Profiles, TextId::MenuNoProfile, TextId::None, true},
          {MenuId::NewProfile, MenuId::Profiles, TextId::MenuNewProfile, TextId::MenuNewProfileHint},
          {MenuId::StartAtLogon, MenuId::kNone, TextId::MenuStartAtLogon, TextId::None},
          {MenuId::Practice, MenuId::kNone, TextId::MenuPractice, TextId::None},
          {MenuId::Record, MenuId::kNone, TextId::MenuRecord, TextId::None},
          {MenuId::ShowRecord, MenuId::kNone, TextId::MenuShowRecord, TextId::None},
          {MenuId::Voice, MenuId::kNone, TextId::MenuVoice, TextId::None},
          {MenuId::VoiceOff, MenuId::Voice, TextId::MenuVoiceOff, TextId::None, true},
          {MenuId::VoiceRecorded, MenuId::Voice, TextId::MenuVoiceRecorded, TextId::None, true},
          {MenuId::VoiceRecordedOrSystem, MenuId::Voice, TextId::MenuVoiceRecordedOrSystem, TextId::None, true},
          {MenuId::VoiceWait, MenuId::Voice, TextId::MenuVoiceWait, TextId::None},
          {MenuId::PausePosition, MenuId::kNone, TextId::MenuPausePosition, TextId::MenuPausePositionHint},
          {MenuId::ScanMethod, MenuId::kNone, TextId::MenuScanMethod, TextId::MenuScanMethodHint},
          {MenuId::MethodAutomatic, MenuId::ScanMethod,
           TextId::MenuMethodAutomatic, TextId::MenuMethodAutomaticHint, true},
          {MenuId::MethodHoldToMove, MenuId::ScanMethod,
           TextId::MenuMethodHoldToMove, TextId::MenuMethodHoldToMoveHint, true},
          {MenuId::MethodTwoSwitches, MenuId::ScanMethod,
           TextId::MenuMethodTwoSwitches, TextId::MenuMethodTwoSwitchesHint, true},
          {MenuId::MethodTapToMove, MenuId::ScanMethod,
           TextId::MenuMethodTapToMove, TextId::MenuMethodTapToMoveHint, true},
          {MenuId::IdleCaptions, MenuId::kNone, TextId::MenuIdleCaptions, TextId::MenuIdleCaptionsHint},
          {MenuId::SwitchSettings, MenuId::kNone, TextId::MenuSwitchSettings, TextId::None},
          {MenuId::UndoSettings, MenuId::kNone, TextId::MenuUndoSettings, TextId::MenuUndoSettingsHint},
          {MenuId::EarlierSettings1, MenuId::UndoSettings, TextId::None, TextId::None, false, true},
          {MenuId::EarlierSettings2, MenuId::UndoSettings, TextId::None, TextId::None, false, true},
          {MenuId::EarlierSettings3, MenuId::UndoSettings, TextId::None, TextId::None, false, true},
          {MenuId::EarlierSettings4, MenuId::UndoSettings, TextId::None, TextId::None, false, true},
          {MenuId::EarlierSettings5, MenuId::UndoSettings, TextId::None, TextId::None, false, true},
          {MenuId::EarlierSettings6, MenuId::UndoSettings, TextId::None, TextId::None, false, true},
          {MenuId::EarlierSettings7, MenuId::UndoSettings, TextId::None, TextId::None, false, true},
          {MenuId::EarlierSettings8, MenuId::UndoSettings, TextId::None, TextId::None, false, true},
          {MenuId::EarlierSettings9, MenuId::UndoSettings, TextId::None, TextId::None, false, true},
          {MenuId::EarlierSettings10, MenuId::UndoSettings, TextId::None, TextId::None, false, true},
          {MenuId::Language, MenuId::kNone, TextId::MenuLanguage, TextId::None},
          {MenuId::LanguageJapanese, MenuId::Language, TextId::MenuLanguageJapanese, TextId::None, true},
          {MenuId::LanguageEnglish, MenuId::Language, TextId::MenuLanguageEnglish, TextId::None, true},
          {MenuId::Exit, MenuId::kNone, TextId::MenuExit, TextId::None},
          {MenuId::Support, MenuId::kNone, TextId::MenuSupport, TextId::None},
          {MenuId::Help, MenuId::kNone, TextId::MenuHelp, TextId::None},
      }} {
  ShowTexts();
}

void PanelMenu::ShowTexts() {
  for (MenuItem& item : items_) {
    if (item.captionText == TextId::None) continue;  // captioned by what it stands for
    item.caption = Text(item.captionText);
    item.hint = Text(item.hintText);
  }
}

bool PanelMenu::HasChildren(MenuId id) const {
  for (const MenuItem& item : items_) {
    if (item.parent == id) return true;
  }
  return false;
}

MenuId PanelMenu::ButtonCountItem(int count) {
  static constexpr MenuId kItems[] = {MenuId::OneButton, MenuId::Buttons2, MenuId::Buttons3, MenuId::Buttons4,
                                      MenuId::Buttons5, MenuId::Buttons6, MenuId::Buttons7, MenuId::Buttons8};
  return (count >= 1 && count <= 8) ? kItems[count - 1] : MenuId::kNone;
}

MenuId PanelMenu::PanelScaleItem(int scale) {
  static constexpr MenuId kItems[] = {MenuId::PanelScale1, MenuId::PanelScale2, MenuId::PanelScale3,
                                      MenuId::PanelScale4};
  return (scale >= 1 && scale <= 4) ? kItems[scale - 1] : MenuId::kNone;
}

MenuId PanelMenu::EarlierSettingsItem(int index) {
  constexpr int kFirst = static_cast<int>(MenuId::EarlierSettings1);
  return index >= 0 && index < 10 ? static_cast<MenuId>(kFirst + index) : MenuId::kNone;
}

int PanelMenu::EarlierSettingsIndex(MenuId id) {
  const int index = static_cast<int>(id) - static_cast<int>(MenuId::EarlierSettings1);
  return index >= 0 && index < 10 ? index : -1;
}

MenuId PanelMenu::SubCountItem(int count) {
  switch (count) {
    case 2: return MenuId::SubButtons2;
    case 4: return MenuId::SubButtons4;
    case 6: return MenuId::SubButtons6;
    case 8: return MenuId::SubButtons8;
    default: return MenuId::kNone;
  }
}

}  // namespace sorvane
