#include <gtest/gtest.h>

#include "Harness.h"

namespace sorvane::test {

namespace {

// A desktop where JoyToKey is not running; a launch from `installedIn` opens
// its window.
struct NotRunning : Panel {
  explicit NotRunning(const std::string& installedIn = "") {
    desk.CloseWindow(joyToKey);
    desk.onLaunch = [this, installedIn](const sim::ShellCall& call) {
      if (installedIn.empty() || call.folder != installedIn) return false;
      desk.Window(joyToKey).exists = true;
      return true;
    };
    for (const char* drive : {"C:\\", "D:\\", "E:\\", "F:\\"}) desk.folders[drive];
  }
};

}  // namespace

TEST(FindJoyToKey, FindsItDirectlyOnC) {
  NotRunning panel("C:\\");
  panel.desk.AddFolder("C:\\", "Windows");
  panel.desk.AddFile("C:\\", "JoyToKey.exe");
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().joyToKeyFoundIn, "C:\\");
  EXPECT_EQ(panel.form().joyToKeyFolder, "C:\\");
  EXPECT_EQ(panel.desk.listings.size(), 1U);  // nothing below C:\, no other drive
  EXPECT_EQ(panel.desk.files.at(".\\Tramvik.ini"), "[UseJoyToKey]\r\n所在フォルダー=C:\\\r\n");
  const sim::ShellCall& launch = panel.desk.shellCalls.at(0);
  EXPECT_EQ(launch.verb, "open");
  EXPECT_EQ(launch.file, "JoyToKey");
  EXPECT_EQ(launch.showCommand, 0);
  // The two notices, before the panel is shown and the configuration is sent.
  EXPECT_EQ(panel.received(), (Messages{{WM_JOYTOKEY_AFTER_LAUNCH1, 0},
                                        {WM_JOYTOKEY_AFTER_LAUNCH2, 0},
                                        {WM_JOYTOKEY_CONFIG, 51}}));
  panel.form().Close();
  EXPECT_NE(panel.desk.files.at(".\\Sorvane.ini").find("所在フォルダー=C:\\\r\n"), std::string::npos);
}

TEST(FindJoyToKey, TakesTheFirstFolderInDepthFirstListingOrderAndListsEachFolderOnce) {
  NotRunning panel("C:\\a\\b\\");
  panel.desk.AddFolder("C:\\", "a");
  panel.desk.AddFolder("C:\\", "z");
  panel.desk.AddFolder("C:\\a\\", "b");
  panel.desk.AddFile("C:\\a\\", "joytokey.exe");  // the wrong letter case does not count
  panel.desk.AddFile("C:\\a\\b\\", "JoyToKey.exe");
  panel.desk.AddFile("C:\\z\\", "JoyToKey.exe");
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().joyToKeyFolder, "C:\\a\\b\\");
  EXPECT_EQ(panel.desk.listings.count("C:\\z\\"), 0U);
  for (const auto& [folder, times] : panel.desk.listings) EXPECT_EQ(times, 1) << folder;
}

TEST(FindJoyToKey, SearchesCAndDInFullBeforeFindingItOnEAndNeverTouchesF) {
  NotRunning panel("E:\\tools\\");
  panel.desk.AddFolder("C:\\", "one");
  panel.desk.AddFolder("D:\\", "two");
  panel.desk.AddFolder("E:\\", "tools");
  panel.desk.AddFile("E:\\tools\\", "JoyToKey.exe");
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().joyToKeyFolder, "E:\\tools\\");
  EXPECT_EQ(panel.desk.listings.count("C:\\one\\"), 1U);
  EXPECT_EQ(panel.desk.listings.count("D:\\two\\"), 1U);
  EXPECT_EQ(panel.desk.listings.count("F:\\"), 0U);
}

TEST(FindJoyToKey, NeverEntersJunctionsAndCountsUnlistableFoldersAsEmpty) {
  NotRunning panel("C:\\deep\\");
  panel.desk.AddFolder("C:\\", "loop", 0x10 | 0x400);
  panel.desk.folders["C:\\loop\\"] = {{"loop", 0x10 | 0x400}, {"JoyToKey.exe", 0x20}};
  panel.desk.folders["C:\\"].push_back({"locked", 0x10});  // no listing for it
  panel.desk.AddFolder("C:\\", "deep");
  panel.desk.AddFile("C:\\deep\\", "JoyToKey.exe");
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.desk.listings.count("C:\\loop\\"), 0U);
  EXPECT_EQ(panel.form().joyToKeyFolder, "C:\\deep\\");
}

TEST(FindJoyToKey, HandlesPathsLongerThan255Bytes) {
  std::string folder = "C:\\";
  NotRunning panel;
  for (int i = 0; i < 30; ++i) {
    panel.desk.AddFolder(folder, "folder_" + std::to_string(i) + "_abcdef");
    folder += "folder_" + std::to_string(i) + "_abcdef\\";
  }
  panel.desk.AddFile(folder, "JoyToKey.exe");
  panel.desk.onLaunch = [&](const sim::ShellCall& call) {
    if (call.folder != folder) return false;
    panel.desk.Window(panel.joyToKey).exists = true;
    return true;
  };
  ASSERT_GT(folder.size(), 255U);
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().joyToKeyFolder, folder);
  EXPECT_TRUE(panel.desk.messages.empty());
}

TEST(FindJoyToKey, AStoredFolderIsUsedWithoutASearch) {
  NotRunning panel("D:\\JoyToKey\\");
  panel.desk.files[".\\Sorvane.ini"] = "[UseJoyToKey]\r\n所在フォルダー=D:\\JoyToKey\\\r\n";
  ASSERT_TRUE(panel.Start());
  EXPECT_TRUE(panel.desk.listings.empty());
  EXPECT_EQ(panel.desk.shellCalls.at(0).folder, "D:\\JoyToKey\\");
  EXPECT_TRUE(panel.desk.messages.empty());
}

TEST(FindJoyToKey, AnUnwritableSiblingFileDoesNotLoseTheFolderFound) {
  NotRunning panel("C:\\JTK\\");
  panel.desk.AddFolder("C:\\", "JTK");
  panel.desk.AddFile("C:\\JTK\\", "JoyToKey.exe");
  panel.desk.unwritable.push_back(".\\Tramvik.ini");
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().joyToKeyFolder, "C:\\JTK\\");
  EXPECT_EQ(panel.desk.files.count(".\\Tramvik.ini"), 0U);
}

TEST(LaunchJoyToKey, NothingAnywhereGivesBothWarningsOwnedByThePanelThenTheFirstTickCloses) {
  NotRunning panel;
  ASSERT_TRUE(panel.Start());
  ASSERT_EQ(panel.desk.messages.size(), 2U);
  EXPECT_EQ(panel.desk.messages[0].owner, Panel::kPanelWindow);
  EXPECT_EQ(panel.desk.messages[1].owner, Panel::kPanelWindow);
  EXPECT_EQ(panel.desk.messages[0].text, "JoyToKeyがインストールされていません");
  EXPECT_EQ(panel.desk.messages[1].text,
            "「Kelpimo。」を接続するか\nJoyToKey Ver3.7以降をインストールして\n「Sorvane+。」を再起動してください。");
  EXPECT_EQ(panel.desk.shellCalls.at(0).folder, "");  // attempted all the same
  panel.Run(1000);
  ASSERT_EQ(panel.desk.messages.size(), 3U);
  EXPECT_EQ(panel.desk.messages[2].text.rfind("「Kelpimo。」を接続して\n", 0), 0U);
  EXPECT_TRUE(panel.app->Terminated());
  EXPECT_EQ(panel.desk.files.count(".\\Sorvane.ini"), 1U);
}

TEST(LaunchJoyToKey, AProgramThatNeverOpensItsWindowIsGivenUpAfterTenSeconds) {
  NotRunning panel;
  panel.desk.files[".\\Sorvane.ini"] = "[UseJoyToKey]\r\n所在フォルダー=C:\\x\\\r\n";
  panel.desk.onLaunch = [](const sim::ShellCall&) { return true; };
  ASSERT_TRUE(panel.Start());
  EXPECT_GE(panel.desk.sleptMilliseconds, 10000);
  EXPECT_LE(panel.desk.sleptMilliseconds, 10100);
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_EQ(panel.desk.messages[0].text.rfind("「Kelpimo。」を接続するか", 0), 0U);
}

}  // namespace sorvane::test
