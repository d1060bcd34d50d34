#include "scan/PopupMenu.h"

namespace sorvane {

const char* const kWebAddress = "https://sorvane.example.org/";

PopupMenu::PopupMenu()
    : items_{{
          {MenuId::Halvoon, MenuId::kNone, "Halvoon", "Zoboボタン+ (&B)", "ボタンの数を設定"},
          {MenuId::Btn1, MenuId::Halvoon, "Btn1", "１個 (&1)", ""},
          {MenuId::SubBtn2, MenuId::Btn1, "SubBtn2", "２個 (&2)", ""},
          {MenuId::SubBtn4, MenuId::Btn1, "SubBtn4", "４個 (&4)", ""},
          {MenuId::SubBtn6, MenuId::Btn1, "SubBtn6", "６個 (&6)", ""},
          {MenuId::SubBtn8, MenuId::Btn1, "SubBtn8", "８個 (&8)", ""},
          {MenuId::Btn2, MenuId::Halvoon, "Btn2", "２個 (&2)", ""},
          {MenuId::Btn3, MenuId::Halvoon, "Btn3", "３個 (&3)", ""},
          {MenuId::Btn4, MenuId::Halvoon, "Btn4", "４個 (&4)", ""},
          {MenuId::Btn5, MenuId::Halvoon, "Btn5", "５個 (&5)", ""},
          {MenuId::Btn6, MenuId::Halvoon, "Btn6", "６個 (&6)", ""},
          {MenuId::Btn7, MenuId::Halvoon, "Btn7", "７個 (&7)", ""},
          {MenuId::Btn8, MenuId::Halvoon, "Btn8", "８個 (&8)", ""},
          {MenuId::ScanTime, MenuId::kNone, "ScanTime", "スキャン速度 (&T）", "スキャン速度設定"},
          {MenuId::Time05, MenuId::ScanTime, "Time05", "0.5 (&L)", ""},
          {MenuId::Time10, MenuId::ScanTime, "Time10", "1.0 (&1)", ""},
          {MenuId::Time20, MenuId::ScanTime, "Time20", "2.0 (&2)", ""},
          {MenuId::Time30, MenuId::ScanTime, "Time30", "3.0 (&3)", ""},
          {MenuId::Time40, MenuId::ScanTime, "Time40", "4.0 (&4)", ""},
          {MenuId::Time50, MenuId::ScanTime, "Time50", "5.0 (&5)", ""},
          {MenuId::PanelSize, MenuId::kNone, "PanelSize", "大きさ (&Z)", "パネルの大きさ"},
          {MenuId::PanelScale1, MenuId::PanelSize, "PanelScale1", "×1", "", true, true},
          {MenuId::PanelScale2, MenuId::PanelSize, "PanelScale2", "×2", "", false, true},
          {MenuId::PanelScale3, MenuId::PanelSize, "PanelScale3", "×3", "", false, true},
          {MenuId::PanelScale4, MenuId::PanelSize, "PanelScale4", "×4", "", false, true},
          {MenuId::SingleDsp, MenuId::kNone, "SingleDsp", "シングル表示 (&D)", ""},
          {MenuId::BtnNameEdit, MenuId::kNone, "BtnNameEdit", "ボタン名編集(&E)", ""},
          {MenuId::BtnNameDispOn, MenuId::kNone, "BtnNameDispOn", "ボタン名表示（&N）", ""},
          {MenuId::Sound, MenuId::kNone, "Sound", "サウンド （&S）", "", true},
          {MenuId::Oikake, MenuId::kNone, "Oikake", "カーソル追いかけ (&C)", ""},
          {MenuId::JoyStickID2, MenuId::kNone, "JoyStickID2", "JoyStickID2 (&J)", ""},
          {MenuId::Version, MenuId::kNone, "Version", "Ver2.10", ""},
          {MenuId::SwitchSettings, MenuId::kNone, "SwitchSettings", "スイッチ設定 (&W)", ""},
          {MenuId::Exit1, MenuId::kNone, "Exit1", "終了(&X)", ""},
          {MenuId::Web, MenuId::kNone, "Web", kWebAddress, ""},
          {MenuId::Help, MenuId::kNone, "Help", "ヘルプ(&H)", ""},
      }} {}

bool PopupMenu::HasChildren(MenuId id) const {
  for (const MenuItem& item : items_) {
    if (item.parent == id) return true;
  }
  return false;
}

MenuId PopupMenu::ButtonCountItem(int count) {
  static constexpr MenuId kItems[] = {MenuId::Btn1, MenuId::Btn2, MenuId::Btn3, MenuId::Btn4,
                                      MenuId::Btn5, MenuId::Btn6, MenuId::Btn7, MenuId::Btn8};
  return (count >= 1 && count <= 8) ? kItems[count - 1] : MenuId::kNone;
}

MenuId PopupMenu::PanelScaleItem(int scale) {
  static constexpr MenuId kItems[] = {MenuId::PanelScale1, MenuId::PanelScale2, MenuId::PanelScale3,
                                      MenuId::PanelScale4};
  return (scale >= 1 && scale <= 4) ? kItems[scale - 1] : MenuId::kNone;
}

MenuId PopupMenu::SubCountItem(int count) {
  switch (count) {
    case 2: return MenuId::SubBtn2;
    case 4: return MenuId::SubBtn4;
    case 6: return MenuId::SubBtn6;
    case 8: return MenuId::SubBtn8;
    default: return MenuId::kNone;
  }
}

}  // namespace sorvane
