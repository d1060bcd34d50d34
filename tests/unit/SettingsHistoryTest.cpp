// The settings history: what each save replaced, and going back to it from the menu.
#include <gtest/gtest.h>

#include "Harness.h"
#include "record/RecordLine.h"
#include "settings/SettingsHistory.h"

namespace sorvane::test {

namespace {

const char* const kSettings = "C:\\Sorvane\\Sorvane.ini";
const char* const kHistory = "C:\\Sorvane\\History\\";

std::vector<std::string> HistoryFiles(const sim::SimDesktop& desk) {
  std::vector<std::string> names;
  for (const auto& [file, contents] : desk.files) {
    const std::string path = file.ShiftJis();
    if (path.rfind(kHistory, 0) == 0) names.push_back(path.substr(std::string(kHistory).size()));
  }
  return names;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(SettingsHistory, EachSaveThatChangesTheFileKeepsWhatItReplacedTheLastTenOnlyAndAnUnwritableHistoryStopsNoSave) {
  Panel panel;
  const std::string carers = "; mine\r\n[Interval]\r\nScanTimer=3\r\n";
  panel.desk.files[kSettings] = carers;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  panel.desk.now = 5000;  // 2026-03-02 09:00:05 local
  form.SaveNow();
  ASSERT_EQ(HistoryFiles(panel.desk), std::vector<std::string>{"Sorvane-20260302-090005.ini"});
  EXPECT_EQ(panel.desk.files.at(std::string(kHistory) + "Sorvane-20260302-090005.ini"), carers);
  form.SaveNow();  // nothing changed
  EXPECT_EQ(HistoryFiles(panel.desk).size(), 1U);

  const float speeds[] = {0.5F, 1.0F, 2.0F, 3.0F, 4.0F, 5.0F, 0.5F, 1.0F, 2.0F, 3.0F};
  for (float seconds : speeds) {
    form.SpeedClick(seconds);
    form.SaveNow();  // all within the same second
  }
  std::vector<std::string> kept = HistoryFiles(panel.desk);
  ASSERT_EQ(kept.size(), 10U);
  // The first, the carer's own file, is the oldest and has gone.
  EXPECT_EQ(std::count(kept.begin(), kept.end(), "Sorvane-20260302-090005.ini"), 0);
  EXPECT_EQ(std::count(kept.begin(), kept.end(), "Sorvane-20260302-090005-2.ini"), 1);
  EXPECT_EQ(std::count(kept.begin(), kept.end(), "Sorvane-20260302-090005-11.ini"), 1);
  panel.desk.now = 7000;
  form.SpeedClick(4.0F);
  form.SaveNow();
  kept = HistoryFiles(panel.desk);
  EXPECT_EQ(kept.size(), 10U);
  EXPECT_EQ(std::count(kept.begin(), kept.end(), "Sorvane-20260302-090007.ini"), 1);
  EXPECT_EQ(std::count(kept.begin(), kept.end(), "Sorvane-20260302-090005-2.ini"), 0);

  panel.desk.unwritableFolders.push_back(kHistory);
  form.SpeedClick(1.0F);
  form.SaveNow();
  EXPECT_TRUE(Contains(panel.desk.files.at(kSettings), "ScanTimer=1\r\n"));
  EXPECT_EQ(std::count(panel.desk.logLines.begin(), panel.desk.logLines.end(),
                       "設定の履歴を C:\\Sorvane\\History に残せませんでした"),
            1);
}

TEST(SettingsUndo, TheMenuListsEachEarlierSettingsWithWhatDiffersAndChoosingOneAppliesAndSavesItUndoableInTurn) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  EXPECT_FALSE(form.MenuEnabled(MenuId::UndoSettings));
  for (float seconds : {3.0F, 4.0F, 5.0F}) {
    form.SpeedClick(seconds);
    form.SaveNow();
    panel.desk.now += 1000;
  }
  form.left = 123;  // moved since: the history does not bring the window back
  form.MenuOpening();
  ASSERT_EQ(form.earlierSettings.size(), 2U);  // the first save replaced no file
  const std::string newest = form.menu.Item(MenuId::EarlierSettings1).caption;
  EXPECT_EQ(newest.substr(0, 21), FormatLocalTime(panel.desk.LocalMilliseconds() - 1000).substr(0, 19) + "  ");
  EXPECT_EQ(newest.substr(21), "スキャン速度 5.0 → 4.0");
  EXPECT_EQ(form.menu.Item(MenuId::EarlierSettings2).caption.substr(21), "スキャン速度 5.0 → 3.0");
  EXPECT_TRUE(form.menu.Item(MenuId::EarlierSettings3).hidden);
  EXPECT_TRUE(form.MenuEnabled(MenuId::UndoSettings));

  form.MenuCommand(MenuId::EarlierSettings2);
  EXPECT_EQ(form.scan().intervalSeconds, 3.0F);
  EXPECT_EQ(form.scanner().timer().Interval(), 3000);
  EXPECT_FALSE(form.driver.ScanHeld());
  EXPECT_EQ(form.left, 123);
  EXPECT_TRUE(Contains(panel.desk.files.at(kSettings), "ScanTimer=3\r\n"));
  // Going back is itself kept: the newest entry leads back to 5.0.
  form.MenuOpening();
  EXPECT_EQ(form.menu.Item(MenuId::EarlierSettings1).caption.substr(21), "スキャン速度 3.0 → 5.0");

  // Beyond three differences the rest are counted.
  PanelSettings then = form.ShownSettings();
  then.buttonCount = 6;
  then.options.clickSound = false;
  then.names[0] = "はい&いいえ";
  then.switchOptions.acceptTime = 300;
  then.intervalSeconds = 1.5F;
  EXPECT_EQ(HistoryCaption({FilePath(), "2026-03-02 09:00:00"}, SettingsDifferences(form.ShownSettings(), then)),
            "2026-03-02 09:00:00  ボタン数 4 → 6、スキャン速度 3.0 → 1.5、サウンド オン → オフ、ほか 2 件");
}

TEST(SettingsUndo, TheNameEditorsOkCanBeUndone) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  form.EditNamesClick();
  form.nameEditor->Edit(1).caption = "はい";
  form.nameEditor->OkClick();
  EXPECT_EQ(form.Button(1).caption, "はい");
  form.MenuOpening();
  ASSERT_FALSE(form.earlierSettings.empty());
  EXPECT_EQ(form.menu.Item(MenuId::EarlierSettings1).caption.substr(21), "ボタン1の名前 はい → ボタン１");
  form.MenuCommand(MenuId::EarlierSettings1);
  EXPECT_EQ(form.nameEditor->Name(1), "ボタン１");
  EXPECT_EQ(form.Button(1).caption, "ボタン１");
}

}  // namespace sorvane::test
