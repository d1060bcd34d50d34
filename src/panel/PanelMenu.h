// menu: the panel's one menu. Its check marks are settings that the
// handlers read directly.
#pragma once

#include <array>
#include <string>

#include "text/Texts.h"

namespace sorvane {

enum class MenuId {
  ButtonCount,
  OneButton,
  SubButtons2,
  SubButtons4,
  SubButtons6,
  SubButtons8,
  Buttons2,
  Buttons3,
  Buttons4,
  Buttons5,
  Buttons6,
  Buttons7,
  Buttons8,
  ScanSpeed,
  Speed05,
  Speed10,
  Speed20,
  Speed30,
  Speed40,
  Speed50,
  PanelSize,
  PanelScale1,
  PanelScale2,
  PanelScale3,
  PanelScale4,
  SingleDisplay,
  EditNames,
  ShowNames,
  Sound,
  CursorChase,
  SecondStick,
  Version,
  Profiles,
  NoProfile,
  NewProfile,
  StartAtLogon,
  Practice,
  Record,
  ShowRecord,
  Voice,
  VoiceOff,
  VoiceRecorded,
  VoiceRecordedOrSystem,
  VoiceWait,
  PausePosition,
  ScanMethod,
  MethodAutomatic,
  MethodHoldToMove,
  MethodTwoSwitches,
  MethodTapToMove,
  IdleCaptions,
  SwitchSettings,
  UndoSettings,
  EarlierSettings1,  // the newest settings of the history, down to
  EarlierSettings2,
  EarlierSettings3,
  EarlierSettings4,
  EarlierSettings5,
  EarlierSettings6,
  EarlierSettings7,
  EarlierSettings8,
  EarlierSettings9,
  EarlierSettings10,  // the oldest
  Language,
  LanguageJapanese,
  LanguageEnglish,
  Exit,
  Support,
  Help,
  kCount,
  kNone = kCount,
};

constexpr int kMenuItemCount = static_cast<int>(MenuId::kCount);

struct MenuItem {
  MenuId id;
  MenuId parent;  // kNone: the top level
  TextId captionText;
  TextId hintText;
  bool radio = false;  // ticked with a bullet: one of a group
  bool hidden = false;  // not in the menu as it opens now
  // As shown, in the language in force.
  std::string caption{};
  std::string hint{};
};

// The help's page on where to find help and updates, which the Support item opens.
extern const char* const kSupportTopic;

class PanelMenu {
 public:
  PanelMenu();

  const MenuItem& Item(MenuId id) const { return items_[Index(id)]; }
  MenuItem& Item(MenuId id) { return items_[Index(id)]; }
  const std::array<MenuItem, kMenuItemCount>& Items() const { return items_; }
  bool HasChildren(MenuId id) const;
  // Takes every caption and hint afresh in the language in force.
  void ShowTexts();

  static MenuId ButtonCountItem(int count);  // OneButton, Buttons2..Buttons8, kNone otherwise
  static MenuId SubCountItem(int count);     // SubButtons2..SubButtons8, kNone otherwise
  static MenuId PanelScaleItem(int scale);   // PanelScale1..PanelScale4, kNone otherwise
  static MenuId EarlierSettingsItem(int index);  // 0: EarlierSettings1 .. 9: EarlierSettings10, kNone otherwise
  static int EarlierSettingsIndex(MenuId id);     // the other way; -1 for any other item

 private:
  static int Index(MenuId id) { return static_cast<int>(id); }
  std::array<MenuItem, kMenuItemCount> items_;
};

}  // namespace sorvane
