#include <gtest/gtest.h>

#include "Harness.h"

namespace sorvane::test {

namespace {

const char* const kIni = "C:\\Sorvane\\Sorvane.ini";

// A panel started on the given settings file (none when empty).
struct StartedOn : Panel {
  explicit StartedOn(const std::string& file) {
    if (!file.empty()) desk.files[kIni] = file;
    EXPECT_TRUE(Start());
  }
  std::string SavedAtClose() {
    form().Close();
    return desk.files.at(kIni);
  }
};

constexpr MenuId kMethodItems[] = {MenuId::MethodAutomatic, MenuId::MethodHoldToMove, MenuId::MethodTwoSwitches,
                                   MenuId::MethodTapToMove};

}  // namespace

TEST(ScanSettings, WithoutTheNewKeysThePanelScansAutomaticallyWithWhiteCaptionsAtRest) {
  StartedOn panel("[Interval]\r\nScanTimer=1\r\n[Switch]\r\nKey=32\r\n");
  PanelForm& form = panel.form();
  EXPECT_EQ(panel.scan().method, ScanMethodId::kAutomatic);
  EXPECT_EQ(form.switchOptions.key2, 0);
  EXPECT_EQ(form.switchOptions.selectingPause, 2000);
  EXPECT_EQ(panel.scan().selectingPause, 2000);
  EXPECT_FALSE(form.options.idleCaptions);
  EXPECT_TRUE(form.MenuChecked(MenuId::MethodAutomatic));
  for (MenuId other : {MenuId::MethodHoldToMove, MenuId::MethodTwoSwitches, MenuId::MethodTapToMove,
                       MenuId::IdleCaptions, MenuId::ScanMethod}) {
    EXPECT_FALSE(form.MenuChecked(other));
  }
  panel.Run(2100);  // button 2 lit
  ASSERT_EQ(panel.scan().litPosition, 2);
  for (int k : {1, 3, 4}) EXPECT_EQ(form.Button(k).font.color, colors::kWhite);
}

TEST(ScanSettings, TheMethodTheDwellTimeTheSecondKeyAndTheIdleCaptionsAreSavedAndReadBack) {
  std::string saved;
  {
    StartedOn panel("");
    panel.form().MenuCommand(MenuId::MethodTapToMove);
    panel.form().MenuCommand(MenuId::IdleCaptions);
    SwitchOptionTexts texts = TextsOf(panel.form().switchOptions);
    texts.key2 = 113;
    texts.selectingPause = "3500";
    panel.desk.switchAnswers.push_back(texts);
    panel.form().MenuCommand(MenuId::SwitchSettings);
    saved = panel.SavedAtClose();
  }
  EXPECT_NE(saved.find("Loops=0\r\nKey2=113\r\nStuckAfter=0\r\nMouseButton=0\r\nMouseButton2=0\r\n[Scan]\r\nMethod=3\r\nDwellTime=3500\r\nIdleCaptions=1\r\n"),
            std::string::npos);

  StartedOn again(saved);
  EXPECT_EQ(again.scan().method, ScanMethodId::kTapToMove);
  EXPECT_EQ(again.form().switchOptions.key2, 113);
  EXPECT_EQ(again.form().switchOptions.selectingPause, 3500);
  EXPECT_EQ(again.scan().selectingPause, 3500);
  EXPECT_TRUE(again.form().options.idleCaptions);
  EXPECT_TRUE(again.form().MenuChecked(MenuId::MethodTapToMove));
  EXPECT_TRUE(again.form().MenuChecked(MenuId::IdleCaptions));
  EXPECT_EQ(again.SavedAtClose(), saved);
}

TEST(ScanSettings, AMethodNumberNobodyChoseIsTheAutomaticScanAndIsSavedSo) {
  for (const char* written : {"4", "-1", "99", "2147483648", "abc", ""}) {
    StartedOn panel(std::string("[Scan]\r\nMethod=") + written + "\r\n");
    EXPECT_EQ(panel.scan().method, ScanMethodId::kAutomatic) << written;
    EXPECT_TRUE(panel.form().MenuChecked(MenuId::MethodAutomatic)) << written;
    EXPECT_NE(panel.SavedAtClose().find("[Scan]\r\nMethod=0\r\n"), std::string::npos) << written;
  }
  // Read as leniently as the other keys.
  EXPECT_EQ(StartedOn("[Scan]\r\nMethod= 2\r\n").scan().method, ScanMethodId::kTwoSwitches);
  EXPECT_EQ(StartedOn("[Scan]\r\nMethod=１\r\n").scan().method, ScanMethodId::kHoldToMove);
}

TEST(ScanSettings, TheDwellTimeAndTheSecondKeyAreHeldToTheirRanges) {
  {
    StartedOn panel("[Switch]\r\nKey2=999\r\n[Scan]\r\nDwellTime=100\r\n");
    EXPECT_EQ(panel.form().switchOptions.key2, 254);
    EXPECT_EQ(panel.form().switchOptions.selectingPause, 500);
    EXPECT_EQ(panel.scan().selectingPause, 500);
    const std::string saved = panel.SavedAtClose();
    EXPECT_NE(saved.find("Key2=254\r\n"), std::string::npos);
    EXPECT_NE(saved.find("DwellTime=500\r\n"), std::string::npos);
  }
  {
    StartedOn panel("[Switch]\r\nKey2=-3\r\n[Scan]\r\nDwellTime=99999\r\n");
    EXPECT_EQ(panel.form().switchOptions.key2, 0);
    EXPECT_EQ(panel.form().switchOptions.selectingPause, 10000);
  }
  // No number at all is no reason to select at the shortest pause.
  for (const char* written : {"", "abc"}) {
    StartedOn panel(std::string("[Scan]\r\nDwellTime=") + written + "\r\n");
    EXPECT_EQ(panel.form().switchOptions.selectingPause, 2000) << written;
  }
  EXPECT_EQ(StartedOn("[Scan]\r\nDwellTime=0\r\n").form().switchOptions.selectingPause, 500);
  EXPECT_EQ(StartedOn("[Scan]\r\nDwellTime=2500ms\r\n").form().switchOptions.selectingPause, 2500);
}

TEST(ScanMethodMenu, EachMethodItemTicksItselfAloneAndHandsTheMethodToTheScanner) {
  StartedOn panel("");
  PanelForm& form = panel.form();
  const ScanMethodId methods[] = {ScanMethodId::kAutomatic, ScanMethodId::kHoldToMove,
                                  ScanMethodId::kTwoSwitches, ScanMethodId::kTapToMove};
  for (int chosen : {2, 1, 3, 0}) {
    form.MenuCommand(kMethodItems[chosen]);
    EXPECT_EQ(panel.scan().method, methods[chosen]);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(form.MenuChecked(kMethodItems[i]), i == chosen) << chosen << i;
  }
  // The bullets of each submenu are one group, the methods' among them: one is
  // ticked, never two or none.
  for (const MenuItem& submenu : form.menu.Items()) {
    int bullets = 0;
    int ticked = 0;
    for (const MenuItem& item : form.menu.Items()) {
      if (item.parent != submenu.id || !item.radio) continue;
      ++bullets;
      if (form.MenuChecked(item.id)) ++ticked;
    }
    if (submenu.id == MenuId::ScanMethod) {
      EXPECT_EQ(bullets, 4);
    }
    if (bullets > 0) {
      EXPECT_EQ(ticked, 1) << submenu.caption;
    }
  }
}

TEST(ScanMethodMenu, TheSubmenuAndTheIdleCaptionsItemComeJustBeforeTheSwitchSettings) {
  StartedOn panel("");
  std::vector<std::string> topLevel;
  for (const MenuItem& item : panel.form().menu.Items()) {
    if (item.parent == MenuId::kNone) topLevel.push_back(item.caption);
  }
  const auto at = std::find(topLevel.begin(), topLevel.end(), "スキャン方法 (&M)");
  ASSERT_NE(at, topLevel.end());
  ASSERT_GE(topLevel.end() - at, 3);
  EXPECT_EQ(at[1], "消灯中も文字を表示 (&A)");
  EXPECT_EQ(at[2], "スイッチ設定 (&W)");
}

TEST(IdleCaptions, ButtonsNotLitShowTheirCaptionsInTheButtonTextColourOnlyWhileTheItemIsTicked) {
  StartedOn panel("[Interval]\r\nScanTimer=1\r\n");
  PanelForm& form = panel.form();
  panel.Run(2100);  // button 2 lit
  ASSERT_EQ(panel.scan().litPosition, 2);
  const ColorValue litText = form.Button(2).font.color;

  form.MenuCommand(MenuId::IdleCaptions);
  EXPECT_TRUE(form.MenuChecked(MenuId::IdleCaptions));
  for (int k : {1, 3, 4}) {
    EXPECT_EQ(form.Button(k).font.color, colors::kBtnText) << k;
    EXPECT_EQ(form.Button(k).color, colors::kBtnFace) << k;
    EXPECT_FALSE(form.Button(k).caption.empty()) << k;
  }
  EXPECT_EQ(form.Button(2).font.color, litText);
  panel.Run(1000);  // on to button 3; button 2 goes to rest
  EXPECT_EQ(form.Button(2).font.color, colors::kBtnText);
  EXPECT_EQ(form.Button(3).font.color, litText);
  EXPECT_FALSE(form.Button(2).caption.empty());

  form.MenuCommand(MenuId::IdleCaptions);
  EXPECT_FALSE(form.MenuChecked(MenuId::IdleCaptions));
  for (int k : {1, 2, 4}) EXPECT_EQ(form.Button(k).font.color, colors::kWhite) << k;
  EXPECT_EQ(form.Button(3).font.color, litText);
}

TEST(IdleCaptions, TheSingleDisplayIsUnaffected) {
  StartedOn panel("[Interval]\r\nScanTimer=1\r\n[SingleDsp]\r\nON=1\r\n[Scan]\r\nIdleCaptions=1\r\n");
  PanelForm& form = panel.form();
  panel.Run(2100);
  EXPECT_EQ(form.Button(1).font.color, form.Appearance(2).fontColor);
  form.MenuCommand(MenuId::IdleCaptions);
  form.MenuCommand(MenuId::IdleCaptions);
  EXPECT_EQ(form.Button(1).font.color, form.Appearance(2).fontColor);
  // Back to the strip, the buttons at rest show their captions at once.
  form.MenuCommand(MenuId::SingleDisplay);
  for (int k : {3, 4}) EXPECT_EQ(form.Button(k).font.color, colors::kBtnText) << k;
}

}  // namespace sorvane::test
