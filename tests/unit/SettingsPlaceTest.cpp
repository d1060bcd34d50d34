// Where the carer's files live, how they are saved, and numbers as carers type them.
#include <gtest/gtest.h>

#include <functional>

#include "Harness.h"
#include "settings/ValueForms.h"

namespace sorvane::test {

namespace {

const char* const kBeside = "C:\\Sorvane\\Sorvane.ini";
const char* const kRoamingFolder = "C:\\Users\\carer\\AppData\\Roaming\\Sorvane\\";
const std::string kRoaming = std::string(kRoamingFolder) + "Sorvane.ini";

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(SettingsPlace, BesideTheProgramUnlessTheStartFolderHoldsItsOwnWhichIsThatPersonsAndNeverCopied) {
  Panel panel;
  panel.desk.workingFolder = "D:\\Elsewhere\\";
  panel.desk.files[kBeside] = "[ScanMax]\r\nScanMax=3\r\n";
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.scan().buttonCount, 3);
  EXPECT_EQ(panel.desk.logFile, "C:\\Sorvane\\Sorvane.log");
  EXPECT_EQ(sim::WideText(panel.form().settingsPlace.SiblingSettingsFile()), "C:\\Sorvane\\Tramvik.ini");
  EXPECT_EQ(sim::WideText(panel.form().settingsPlace.ClickSoundFile()), "C:\\Sorvane\\Zoboclick.wav");
  EXPECT_TRUE(panel.desk.messages.empty());
  panel.form().Close();
  EXPECT_TRUE(Contains(panel.desk.files.at(kBeside), "Ver="));
  for (const auto& file : panel.desk.files) EXPECT_NE(file.first.utf16.rfind(u"D:\\", 0), 0U) << file.first;

  // Two shortcuts, two "Start in" folders, two people: each start reads and
  // writes its own folder's files, and nothing goes beside the program.
  std::map<sim::WideText, std::string> files = {
      {"D:\\Taro\\Sorvane.ini", "; mine\r\n[ScanMax]\r\nScanMax=5\r\n"},
      {"D:\\Hanako\\Sorvane.ini", "[ScanMax]\r\nScanMax=2\r\n"}};
  const struct {
    const char* folder;
    int expected;
    int changedTo;
  } starts[] = {{"D:\\Taro\\", 5, 6}, {"D:\\Hanako\\", 2, 7}, {"D:\\Taro\\", 6, 8},
                {"D:\\Hanako\\", 7, 3}, {"D:\\Taro\\", 8, 8}, {"D:\\Hanako\\", 3, 3}};
  for (const auto& start : starts) {
    Panel person;
    person.desk.workingFolder = start.folder;
    person.desk.files = files;
    ASSERT_TRUE(person.Start());
    EXPECT_EQ(person.scan().buttonCount, start.expected) << start.folder;
    const std::string folder = start.folder;
    EXPECT_EQ(sim::WideText(person.form().settingsPlace.SettingsFile()), folder + "Sorvane.ini");
    EXPECT_EQ(sim::WideText(person.form().recorder.file().path()), folder + "Sorvane-record.csv");
    EXPECT_EQ(sim::WideText(person.form().speaker.folder()), folder + "Voice\\");
    EXPECT_EQ(sim::WideText(person.form().settingsPlace.SiblingSettingsFile()), folder + "Tramvik.ini");
    EXPECT_EQ(person.desk.logFile, folder + "Sorvane.log");
    EXPECT_EQ(person.form().WindowTitle(), kApplicationTitle);
    person.form().ButtonCountClick(start.changedTo);
    person.form().Close();
    files = person.desk.files;
    EXPECT_EQ(files.count(kBeside), 0U);
  }
  EXPECT_TRUE(Contains(files.at("D:\\Taro\\Sorvane.ini"), "; mine\r\n"));
}

TEST(SettingsPlace, AnUnwritableProgramFolderSendsThemToAppDataWithTheFileBesideCarriedAndTheCarerToldOnce) {
  Panel first;
  first.desk.unwritableFolders = {"C:\\Sorvane\\"};
  const std::string beside = "; mine\r\n[ScanMax]\r\nScanMax=3\r\n";
  first.desk.files[kBeside] = beside;
  first.desk.workingFolder = "D:\\Elsewhere\\";
  ASSERT_TRUE(first.Start());
  EXPECT_EQ(first.desk.madeFolders, std::vector<sim::WideText>{kRoamingFolder});
  EXPECT_EQ(first.desk.files.at(kRoaming), beside);
  EXPECT_EQ(first.scan().buttonCount, 3);
  EXPECT_EQ(first.desk.logFile, std::string(kRoamingFolder) + "Sorvane.log");
  EXPECT_EQ(sim::WideText(first.form().settingsPlace.SiblingSettingsFile()), std::string(kRoamingFolder) + "Tramvik.ini");
  EXPECT_EQ(sim::WideText(first.form().settingsPlace.HelpFile()), "C:\\Sorvane\\Sorvane.chm");  // what came with the program stays with it
  ASSERT_EQ(first.desk.messages.size(), 1U);
  EXPECT_TRUE(Contains(first.desk.messages[0].text, kRoamingFolder));
  first.scan().buttonCount = 4;
  first.form().Close();
  EXPECT_EQ(first.desk.messages.size(), 1U);
  EXPECT_TRUE(Contains(first.desk.files.at(kRoaming), "ScanMax=4\r\n"));
  EXPECT_EQ(first.desk.files.at(kBeside), beside);

  Panel again;
  again.desk.unwritableFolders = first.desk.unwritableFolders;
  again.desk.files = first.desk.files;
  ASSERT_TRUE(again.Start());
  EXPECT_EQ(again.scan().buttonCount, 4);
  EXPECT_TRUE(again.desk.messages.empty());

  // A file beside the program that cannot be read is never replaced by defaults.
  Panel held;
  held.desk.unwritableFolders = {"C:\\Sorvane\\"};
  held.desk.files[kBeside] = beside;
  held.desk.lockedUntil[kBeside] = 1000000;
  ASSERT_TRUE(held.Start());
  EXPECT_TRUE(held.form().settingsPlace.HeldBack());
  held.form().Close();
  EXPECT_EQ(held.desk.files.count(kRoaming), 0U);
}

TEST(SettingsPlace, SavesThroughALinkToItsTargetAReadOnlyFileNamedSoAndNoBoxAtTheEndOfASession) {
  Panel linked;
  linked.desk.links[kBeside] = "D:\\Carer\\Sorvane.ini";
  linked.desk.files["D:\\Carer\\Sorvane.ini"] = "[ScanMax]\r\nScanMax=3\r\n";
  ASSERT_TRUE(linked.Start());
  EXPECT_EQ(linked.scan().buttonCount, 3);
  linked.form().Close();
  EXPECT_EQ(linked.desk.files.count(kBeside), 0U);
  EXPECT_TRUE(Contains(linked.desk.files.at("D:\\Carer\\Sorvane.ini"), "Ver="));

  Panel readOnly;
  readOnly.desk.files[kBeside] = "[ScanMax]\r\nScanMax=3\r\n";
  readOnly.desk.readOnly = {kBeside};
  ASSERT_TRUE(readOnly.Start());
  readOnly.form().Close();
  ASSERT_EQ(readOnly.desk.messages.size(), 1U);
  EXPECT_EQ(readOnly.desk.messages[0].text,
            "C:\\Sorvane\\Sorvane.ini に書き込めません\n（読み取り専用です）\nもう一度試しますか？");

  Panel ending;
  ending.desk.files[kBeside] = "[ScanMax]\r\nScanMax=3\r\n";
  ending.desk.readOnly = {kBeside};
  ASSERT_TRUE(ending.Start());
  ending.form().EndSession();
  EXPECT_TRUE(ending.app->Terminated());
  EXPECT_TRUE(ending.desk.messages.empty());
  EXPECT_EQ(ending.desk.files.at(kBeside), "[ScanMax]\r\nScanMax=3\r\n");
  EXPECT_TRUE(Contains(ending.desk.logLines.at(ending.desk.logLines.size() - 3),
                       "C:\\Sorvane\\Sorvane.ini に書き込めません（読み取り専用です）"));
}

TEST(SettingsPlace, WhatKeepsTheSettingsFromBeingSavedOrReadIsNamedAsItIs) {
  const auto closeWith = [](const std::function<void(sim::SimDesktop&)>& refuse) {
    Panel panel;
    panel.desk.files[kBeside] = "[ScanMax]\r\nScanMax=3\r\n";
    EXPECT_TRUE(panel.Start());
    refuse(panel.desk);
    panel.form().Close();
    return panel.desk.messages.empty() ? std::string() : panel.desk.messages[0].text;
  };
  EXPECT_TRUE(Contains(closeWith([](sim::SimDesktop& desk) { desk.unwritableFolders = {"C:\\Sorvane\\"}; }),
                       "に書き込めません\n（フォルダーへの書き込みを許可されていません）"));
  EXPECT_TRUE(Contains(closeWith([](sim::SimDesktop& desk) { desk.unwritable = {kBeside}; }),
                       "に書き込めません\n（書き込みに失敗しました（ディスクの空きや接続を確かめてください））"));
  EXPECT_TRUE(Contains(closeWith([](sim::SimDesktop& desk) { desk.lockedUntil[kBeside] = 1000000000; }),
                       "を読み込めないため、設定を保存できませんでした。\n（ほかのプログラムが使用中かもしれません）"));

  Panel folder;
  folder.desk.madeFolders = {std::string(kBeside) + "\\"};
  ASSERT_TRUE(folder.Start());
  ASSERT_EQ(folder.desk.messages.size(), 1U);
  EXPECT_TRUE(Contains(folder.desk.messages[0].text, "Sorvane.ini を読み込めません（同じ名前のフォルダーがあります）"));
}

TEST(SettingsPlace, AProgramFolderCodePage932CannotNameKeepsEverythingBesideTheProgramAndIsNamedRight) {
  Panel panel;
  panel.desk.programFilePath = u"C:\\café テスト\\Sorvane.exe";
  const std::u16string folder = u"C:\\café テスト\\";
  panel.desk.files[folder + u"Sorvane.ini"] = "[ScanMax]\r\nScanMax=3\r\n";
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.scan().buttonCount, 3);
  EXPECT_TRUE(panel.desk.madeFolders.empty());  // nothing sent to AppData
  EXPECT_EQ(panel.desk.logFile, folder + u"Sorvane.log");
  EXPECT_EQ(sim::WideText(panel.form().recorder.file().path()), folder + u"Sorvane-record.csv");
  panel.form().MenuCommand(MenuId::StartAtLogon);
  EXPECT_EQ(panel.desk.runValues["Sorvane"], u"\"" + folder + u"Sorvane.exe\" 3");
  EXPECT_TRUE(panel.form().MenuChecked(MenuId::StartAtLogon));
  panel.scan().buttonCount = 5;
  panel.form().Close();
  EXPECT_TRUE(Contains(panel.desk.files.at(folder + u"Sorvane.ini"), "ScanMax=5\r\n"));

  Panel readOnly;
  readOnly.desk.programFilePath = panel.desk.programFilePath;
  readOnly.desk.files = panel.desk.files;
  readOnly.desk.readOnly = {folder + u"Sorvane.ini"};
  ASSERT_TRUE(readOnly.Start());
  readOnly.form().Close();
  ASSERT_EQ(readOnly.desk.messages.size(), 1U);
  EXPECT_EQ(readOnly.desk.messages[0].utf16.rfind(folder + u"Sorvane.ini に書き込めません\n（読み取り専用です）", 0), 0U);
}

TEST(UndecodableSettingsFile, Utf16WithoutItsMarkIsReportedAndNeverWrittenOver) {
  std::string utf16;
  for (char c : std::string("[ScanMax]\r\nScanMax=3\r\n")) utf16 += std::string{c, '\0'};
  Panel panel;
  panel.desk.files[kBeside] = utf16;
  ASSERT_TRUE(panel.Start());
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_TRUE(Contains(panel.desk.messages[0].text, "を読み込めません（文字コードを判別できません）"));
  EXPECT_EQ(panel.scan().buttonCount, 4);
  panel.form().Close();
  EXPECT_EQ(panel.desk.files.at(kBeside), utf16);
  EXPECT_EQ(panel.desk.replaceCalls, 0);

  // Tramvik.ini is not written over either when JoyToKey is found.
  Panel search;
  search.desk.CloseWindow(search.joyToKey);
  search.desk.folders[u"C:\\"];
  search.desk.AddFile(u"C:\\", u"JoyToKey.exe");
  search.desk.files["C:\\Sorvane\\Tramvik.ini"] = utf16;
  ASSERT_TRUE(search.Start());
  EXPECT_EQ(search.form().launcher.FoundIn(), u"C:\\");
  EXPECT_EQ(search.desk.files.at("C:\\Sorvane\\Tramvik.ini"), utf16);
}

TEST(SettingsNumbers, FullWidthDigitsHugeValuesAndAnIntervalBeyondAMinute) {
  Panel panel;
  panel.desk.files[kBeside] =
      "[ScanMax]\r\nScanMax=３\r\n[Interval]\r\nScanTimer=90\r\n[起動時の横座標]\r\nXPOS=１２３\r\n"
      "[Switch]\r\nIgnoreRepeat=2147483648\r\nAcceptTime=99999999999999999999\r\nFirstPause=－２\r\nLoops=１２\r\n";
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.scan().buttonCount, 3);
  EXPECT_EQ(panel.form().left, 123);
  EXPECT_EQ(panel.form().switchOptions.ignoreRepeatMilliseconds, 5000);
  EXPECT_EQ(panel.form().switchOptions.acceptTime, 5000);
  EXPECT_EQ(panel.form().switchOptions.firstPause, 0);
  EXPECT_EQ(panel.form().switchOptions.quietCyclesBeforeRest, 12);
  EXPECT_EQ(panel.form().scanner().timer().Interval(), 2000);
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_TRUE(Contains(panel.desk.messages[0].text, "ScanTimer=90"));
  panel.form().Close();
  EXPECT_TRUE(Contains(panel.desk.files.at(kBeside), "ScanTimer=2\r\n"));
  Panel again;  // told once: the default was saved
  again.desk.files = panel.desk.files;
  ASSERT_TRUE(again.Start());
  EXPECT_TRUE(again.desk.messages.empty());

  EXPECT_EQ(ReadLeadingInteger("－2147483649"), -2147483647 - 1);
  EXPECT_EQ(ReadWholeInteger("－４２"), -42);
  EXPECT_EQ(ReadSeconds("１.５"), 1.5F);
  EXPECT_EQ(ReadIntervalSeconds("60"), 60.0F);
  EXPECT_EQ(ReadIntervalSeconds("60.5"), kDefaultIntervalSeconds);
}

}  // namespace sorvane::test
