#include "panel/PanelMenu.h"

namespace sorvane {

const char* const kSupportTopic = "support.html";

PanelMenu::PanelMenu()
    : items_{{
          {MenuId::ButtonCount, MenuId::kNone, "Zoboボタン+ (&B)", "ボタンの数を設定"},
          {MenuId::OneButton, MenuId::ButtonCount, "１個 (&1)", ""},
          {MenuId::SubButtons2, MenuId::OneButton, "２個 (&2)", ""},
          {MenuId::SubButtons4, MenuId::OneButton, "４個 (&4)", ""},
          {MenuId::SubButtons6, MenuId::OneButton, "６個 (&6)", ""},
          {MenuId::SubButtons8, MenuId::OneButton, "８個 (&8)", ""},
          {MenuId::Buttons2, MenuId::ButtonCount, "２個 (&2)", ""},
          {MenuId::Buttons3, MenuId::ButtonCount, "３個 (&3)", ""},
          {MenuId::Buttons4, MenuId::ButtonCount, "４個 (&4)", ""},
          {MenuId::Buttons5, MenuId::ButtonCount, "５個 (&5)", ""},
          {MenuId::Buttons6, MenuId::ButtonCount, "６個 (&6)", ""},
          {MenuId::Buttons7, MenuId::ButtonCount, "７個 (&7)", ""},
          {MenuId::Buttons8, MenuId::ButtonCount, "８個 (&8)", ""},
          {MenuId::ScanSpeed, MenuId::kNone, "スキャン速度 (&T）", "スキャン速度設定"},
          {MenuId::Speed05, MenuId::ScanSpeed, "0.5 (&L)", ""},
          {MenuId::Speed10, MenuId::ScanSpeed, "1.0 (&1)", ""},
          {MenuId::Speed20, MenuId::ScanSpeed, "2.0 (&2)", ""},
          {MenuId::Speed30, MenuId::ScanSpeed, "3.0 (&3)", ""},
          {MenuId::Speed40, MenuId::ScanSpeed, "4.0 (&4)", ""},
          {MenuId::Speed50, MenuId::ScanSpeed, "5.0 (&5)", ""},
          {MenuId::PanelSize, MenuId::kNone, "大きさ (&Z)", "パネルの大きさ"},
          {MenuId::PanelScale1, MenuId::PanelSize, "×1", "", true},
          {MenuId::PanelScale2, MenuId::PanelSize, "×2", "", true},
          {MenuId::PanelScale3, MenuId::PanelSize, "×3", "", true},
          {MenuId::PanelScale4, MenuId::PanelSize, "×4", "", true},
          {MenuId::SingleDisplay, MenuId::kNone, "シングル表示 (&D)", ""},
          {MenuId::EditNames, MenuId::kNone, "ボタン名編集(&E)", ""},
          {MenuId::ShowNames, MenuId::kNone, "ボタン名表示（&N）", ""},
          {MenuId::Sound, MenuId::kNone, "サウンド （&S）", ""},
          {MenuId::CursorChase, MenuId::kNone, "カーソル追いかけ (&C)", ""},
          {MenuId::SecondStick, MenuId::kNone, "JoyStickID2 (&J)", ""},
          {MenuId::Version, MenuId::kNone, "Ver2.10", ""},
          {MenuId::StartAtLogon, MenuId::kNone, "ログオン時に起動 (&L)", ""},
          {MenuId::Practice, MenuId::kNone, "練習モード (&P)", ""},
          {MenuId::Record, MenuId::kNone, "スイッチの記録 (&K)", ""},
          {MenuId::ShowRecord, MenuId::kNone, "スイッチの記録を見る (&I)", ""},
          {MenuId::Voice, MenuId::kNone, "読み上げ (&V)", ""},
          {MenuId::VoiceOff, MenuId::Voice, "なし (&N)", "", true},
          {MenuId::VoiceRecorded, MenuId::Voice, "録音 (&R)", "", true},
          {MenuId::VoiceRecordedOrSystem, MenuId::Voice, "録音とシステムの声 (&S)", "", true},
          {MenuId::VoiceWait, MenuId::Voice, "読み終えてから進む (&W)", ""},
          {MenuId::PausePosition, MenuId::kNone, "休止の位置 (&Q)",
           "最後のボタンのあとに休止を置く。休止中は長押しで再開"},
          {MenuId::ScanMethod, MenuId::kNone, "スキャン方法 (&M)", "スイッチでの選び方を設定"},
          {MenuId::MethodAutomatic, MenuId::ScanMethod, "自動 (&A)", "ハイライトが自動で進み、押すと選ぶ", true},
          {MenuId::MethodHoldToMove, MenuId::ScanMethod, "押している間進む (&H)",
           "押している間ハイライトが進み、離すと選ぶ", true},
          {MenuId::MethodTwoSwitches, MenuId::ScanMethod, "2 スイッチ (&2)",
           "スイッチ 1 で進み、スイッチ 2 で選ぶ", true},
          {MenuId::MethodTapToMove, MenuId::ScanMethod, "押して進む・待って選ぶ (&S)",
           "押すたびに進み、待ち時間のあいだ押さないと選ぶ", true},
          {MenuId::IdleCaptions, MenuId::kNone, "消灯中も文字を表示 (&A)",
           "点灯していないボタンの文字もボタンの文字色で表示"},
          {MenuId::SwitchSettings, MenuId::kNone, "スイッチ設定 (&W)", ""},
          {MenuId::UndoSettings, MenuId::kNone, "設定を元に戻す (&Y)", "前に保存した設定に戻す"},
          {MenuId::EarlierSettings1, MenuId::UndoSettings, "", "", false, true},
          {MenuId::EarlierSettings2, MenuId::UndoSettings, "", "", false, true},
          {MenuId::EarlierSettings3, MenuId::UndoSettings, "", "", false, true},
          {MenuId::EarlierSettings4, MenuId::UndoSettings, "", "", false, true},
          {MenuId::EarlierSettings5, MenuId::UndoSettings, "", "", false, true},
          {MenuId::EarlierSettings6, MenuId::UndoSettings, "", "", false, true},
          {MenuId::EarlierSettings7, MenuId::UndoSettings, "", "", false, true},
          {MenuId::EarlierSettings8, MenuId::UndoSettings, "", "", false, true},
          {MenuId::EarlierSettings9, MenuId::UndoSettings, "", "", false, true},
          {MenuId::EarlierSettings10, MenuId::UndoSettings, "", "", false, true},
          {MenuId::Exit, MenuId::kNone, "終了(&X)", ""},
          {MenuId::Support, MenuId::kNone, "サポートと最新版 (&U)", ""},
          {MenuId::Help, MenuId::kNone, "ヘルプ(&H)", ""},
      }} {}

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
