#include <gtest/gtest.h>

#include <algorithm>

#include "Harness.h"
#include "text/Unicode.h"

namespace sorvane::test {

namespace {

// A desktop where JoyToKey is not running; a launch from `installedIn` opens
// its window.
struct NotRunning : Panel {
  explicit NotRunning(const std::u16string& installedIn = u"") {
    desk.CloseWindow(joyToKey);
    desk.onLaunch = [this, installedIn](const sim::ShellCall& call) {
      if (installedIn.empty() || call.folder != installedIn) return false;
      desk.Window(joyToKey).exists = true;
      return true;
    };
    for (const char16_t* drive : {u"C:\\", u"D:\\", u"E:\\", u"F:\\"}) desk.folders[drive];
  }
};

}  // namespace

TEST(FindJoyToKey, FindsItDirectlyOnC) {
  NotRunning panel(u"C:\\");
  panel.desk.AddFolder(u"C:\\", u"Windows");
  panel.desk.AddFile(u"C:\\", u"JoyToKey.exe");
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().launcher.FoundIn(), u"C:\\");
  EXPECT_EQ(panel.form().launcher.Folder(), u"C:\\");
  EXPECT_EQ(panel.desk.listings.size(), 1U);  // nothing below C:\, no other drive
  EXPECT_EQ(panel.desk.files.at("C:\\Sorvane\\Tramvik.ini"), "[UseJoyToKey]\r\n所在フォルダー=C:\\\r\n");
  const sim::ShellCall& launch = panel.desk.shellCalls.at(0);
  EXPECT_EQ(launch.verb, "open");
  EXPECT_EQ(launch.file, "JoyToKey");
  EXPECT_EQ(launch.showCommand, 0);
  // The two notices, before the panel is shown and the configuration is sent.
  EXPECT_EQ(panel.received(), (Messages{{WM_JOYTOKEY_AFTER_LAUNCH1, 0},
                                        {WM_JOYTOKEY_AFTER_LAUNCH2, 0},
                                        {WM_JOYTOKEY_CONFIG, 51}}));
  panel.form().Close();
  EXPECT_NE(panel.desk.files.at("C:\\Sorvane\\Sorvane.ini").find("所在フォルダー=C:\\\r\n"), std::string::npos);
}

TEST(FindJoyToKey, TakesTheFirstFolderInDepthFirstListingOrderAndListsEachFolderOnce) {
  NotRunning panel(u"C:\\a\\b\\");
  panel.desk.AddFolder(u"C:\\", u"a");
  panel.desk.AddFolder(u"C:\\", u"z");
  panel.desk.AddFolder(u"C:\\a\\", u"b");
  panel.desk.AddFile(u"C:\\a\\", u"joytokey.exe");  // the wrong letter case does not count
  panel.desk.AddFile(u"C:\\a\\b\\", u"JoyToKey.exe");
  panel.desk.AddFile(u"C:\\z\\", u"JoyToKey.exe");
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().launcher.Folder(), u"C:\\a\\b\\");
  EXPECT_EQ(panel.desk.listings.count(u"C:\\z\\"), 0U);
  for (const auto& [folder, times] : panel.desk.listings) EXPECT_EQ(times, 1) << Utf8FromUtf16(folder);
}

TEST(FindJoyToKey, SearchesCAndDInFullBeforeFindingItOnEAndNeverTouchesF) {
  NotRunning panel(u"E:\\tools\\");
  panel.desk.AddFolder(u"C:\\", u"one");
  panel.desk.AddFolder(u"D:\\", u"two");
  panel.desk.AddFolder(u"E:\\", u"tools");
  panel.desk.AddFile(u"E:\\tools\\", u"JoyToKey.exe");
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().launcher.Folder(), u"E:\\tools\\");
  EXPECT_EQ(panel.desk.listings.count(u"C:\\one\\"), 1U);
  EXPECT_EQ(panel.desk.listings.count(u"D:\\two\\"), 1U);
  EXPECT_EQ(panel.desk.listings.count(u"F:\\"), 0U);
}

TEST(FindJoyToKey, NeverEntersJunctionsAndCountsUnlistableFoldersAsEmpty) {
  NotRunning panel(u"C:\\deep\\");
  panel.desk.AddFolder(u"C:\\", u"loop", 0x10 | 0x400);
  panel.desk.folders[u"C:\\loop\\"] = {{u"loop", 0x10 | 0x400}, {u"JoyToKey.exe", 0x20}};
  panel.desk.folders[u"C:\\"].push_back({u"locked", 0x10});  // no listing for it
  panel.desk.AddFolder(u"C:\\", u"deep");
  panel.desk.AddFile(u"C:\\deep\\", u"JoyToKey.exe");
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.desk.listings.count(u"C:\\loop\\"), 0U);
  EXPECT_EQ(panel.form().launcher.Folder(), u"C:\\deep\\");
}

TEST(FindJoyToKey, HandlesPathsLongerThan255Bytes) {
  std::u16string folder = u"C:\\";
  NotRunning panel;
  for (char16_t i = 0; i < 30; ++i) {
    const std::u16string name = u"folder_" + std::u16string(1, u'A' + i) + u"_abcdef";
    panel.desk.AddFolder(folder, name);
    folder += name + u"\\";
  }
  panel.desk.AddFile(folder, u"JoyToKey.exe");
  panel.desk.onLaunch = [&](const sim::ShellCall& call) {
    if (call.folder != folder) return false;
    panel.desk.Window(panel.joyToKey).exists = true;
    return true;
  };
  ASSERT_GT(folder.size(), 255U);
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().launcher.Folder(), folder);
  EXPECT_TRUE(panel.desk.messages.empty());
}

TEST(FindJoyToKey, AStoredFolderIsUsedWithoutASearch) {
  NotRunning panel(u"D:\\JoyToKey\\");
  panel.desk.files["C:\\Sorvane\\Sorvane.ini"] = "[UseJoyToKey]\r\n所在フォルダー=D:\\JoyToKey\\\r\n";
  ASSERT_TRUE(panel.Start());
  EXPECT_TRUE(panel.desk.listings.empty());
  EXPECT_EQ(panel.desk.shellCalls.at(0).folder, u"D:\\JoyToKey\\");
  EXPECT_TRUE(panel.desk.messages.empty());
}

TEST(FindJoyToKey, AnUnwritableSiblingFileDoesNotLoseTheFolderFound) {
  NotRunning panel(u"C:\\JTK\\");
  panel.desk.AddFolder(u"C:\\", u"JTK");
  panel.desk.AddFile(u"C:\\JTK\\", u"JoyToKey.exe");
  panel.desk.unwritable.push_back("C:\\Sorvane\\Tramvik.ini");
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().launcher.Folder(), u"C:\\JTK\\");
  EXPECT_EQ(panel.desk.files.count("C:\\Sorvane\\Tramvik.ini"), 0U);
}

TEST(FindJoyToKey, AFolderShiftJisCannotHoldIsFoundLaunchedAndRememberedWithoutANoticeOrASecondSearch) {
  const std::u16string zoe = u"C:\\Users\\Zoë\\JoyToKey\\";
  NotRunning panel(zoe);
  panel.desk.files["C:\\Sorvane\\Sorvane.ini"] = "[BtnName]\r\nName1=いち\r\n";
  panel.desk.AddFolder(u"C:\\", u"Users");
  panel.desk.AddFolder(u"C:\\Users\\", u"Zoë");
  panel.desk.AddFolder(u"C:\\Users\\Zoë\\", u"JoyToKey");
  panel.desk.AddFile(zoe, u"JoyToKey.exe");
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.desk.shellCalls.at(0).folder, zoe);
  EXPECT_TRUE(panel.desk.messages.empty());
  // Shift-JIS cannot hold the folder: the files become UTF-8 with a mark.
  const std::string sibling = u8"\xEF\xBB\xBF[UseJoyToKey]\r\n所在フォルダー=C:\\Users\\Zoë\\JoyToKey\\\r\n";
  EXPECT_EQ(panel.desk.files.at("C:\\Sorvane\\Tramvik.ini"), sibling);
  panel.form().Close();
  const std::string saved = panel.desk.files.at("C:\\Sorvane\\Sorvane.ini");
  const std::string carers = u8"\xEF\xBB\xBF[BtnName]\r\nName1=いち\r\n";
  EXPECT_EQ(saved.rfind(carers, 0), 0U);

  NotRunning next(zoe);
  next.desk.files["C:\\Sorvane\\Sorvane.ini"] = saved;
  ASSERT_TRUE(next.Start());
  EXPECT_TRUE(next.desk.listings.empty());
  EXPECT_EQ(next.desk.shellCalls.at(0).folder, zoe);
  EXPECT_TRUE(next.desk.messages.empty());
  EXPECT_EQ(next.app->nameEditor->Name(1), "いち");
}

TEST(FindJoyToKey, AFolderWrittenByHandInUtf8IsTakenAsWrittenAndOnlyOtherCharactersAreReported) {
  for (const char* mark : {"\xEF\xBB\xBF", ""}) {
    const std::u16string zoe = u"D:\\Zoë\\JoyToKey\\";
    NotRunning panel(zoe);
    const std::string byHand = u8"[UseJoyToKey]\r\n所在フォルダー = D:\\Zoë\\JoyToKey\\\r\n[BtnName]\r\nName2=Café\r\n";
    panel.desk.files["C:\\Sorvane\\Sorvane.ini"] = mark + byHand;
    ASSERT_TRUE(panel.Start());
    EXPECT_TRUE(panel.desk.listings.empty());
    EXPECT_EQ(panel.desk.shellCalls.at(0).folder, zoe);
    ASSERT_EQ(panel.desk.messages.size(), 1U);
    EXPECT_NE(panel.desk.messages[0].text.find(":\nU+00E9\n"), std::string::npos) << panel.desk.messages[0].text;
    panel.form().Close();
    const std::string kept = mark + std::string(u8"[UseJoyToKey]\r\n所在フォルダー=D:\\Zoë\\JoyToKey\\\r\n");
    EXPECT_EQ(panel.desk.files.at("C:\\Sorvane\\Sorvane.ini").rfind(kept, 0), 0U);
  }
}

TEST(FindJoyToKey, ASettingsFileThatCannotBecomeUtf8LeavesSuchAFolderToTheNextSearch) {
  const std::u16string zoe = u"C:\\Zoë\\";
  NotRunning panel(zoe);
  panel.desk.files["C:\\Sorvane\\Sorvane.ini"] = "[Carer]\r\nNote=\x81\x20\r\n";  // not code page 932
  panel.desk.AddFolder(u"C:\\", u"Zoë");
  panel.desk.AddFile(zoe, u"JoyToKey.exe");
  ASSERT_TRUE(panel.Start());
  panel.form().Close();
  const std::string saved = panel.desk.files.at("C:\\Sorvane\\Sorvane.ini");
  EXPECT_EQ(saved.rfind("[Carer]\r\nNote=\x81\x20\r\n[UseJoyToKey]\r\n所在フォルダー=\r\n", 0), 0U);
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
  EXPECT_EQ(panel.desk.shellCalls.at(0).folder, u"");  // attempted all the same
  panel.Run(1000);
  ASSERT_EQ(panel.desk.messages.size(), 3U);
  EXPECT_EQ(panel.desk.messages[2].text.rfind("「Kelpimo。」を接続して\n", 0), 0U);
  EXPECT_TRUE(panel.app->Terminated());
  EXPECT_EQ(panel.desk.files.count("C:\\Sorvane\\Sorvane.ini"), 1U);
}

TEST(LaunchJoyToKey, EachBoxOfAStartWithoutJoyToKeyIsInTheLogWithItsText) {
  NotRunning panel;
  ASSERT_TRUE(panel.Start());
  panel.Run(1000);
  ASSERT_EQ(panel.desk.messages.size(), 3U);
  for (const sim::ShownMessage& shown : panel.desk.messages) {
    const auto& log = panel.desk.logLines;
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [&shown](const std::string& line) {
      for (std::size_t from = 0; from <= shown.text.size();) {
        const std::size_t end = std::min(shown.text.find('\n', from), shown.text.size());
        if (line.find(shown.text.substr(from, end - from)) == std::string::npos) return false;
        from = end + 1;
      }
      return true;
    })) << shown.text;
  }
}

TEST(LaunchJoyToKey, AProgramThatNeverOpensItsWindowIsGivenUpAfterTenSeconds) {
  NotRunning panel;
  panel.desk.files["C:\\Sorvane\\Sorvane.ini"] = "[UseJoyToKey]\r\n所在フォルダー=C:\\x\\\r\n";
  panel.desk.onLaunch = [](const sim::ShellCall&) { return true; };
  ASSERT_TRUE(panel.Start());
  EXPECT_GE(panel.desk.sleptMilliseconds, 10000);
  EXPECT_LE(panel.desk.sleptMilliseconds, 10100);
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_EQ(panel.desk.messages[0].text.rfind("「Kelpimo。」を接続するか", 0), 0U);
}

TEST(FindJoyToKey, AFolderTramvikIniCannotTakeIsUsedAsFoundWhateverItHeld) {
  for (const bool locked : {false, true}) {
    Panel panel;
    panel.desk.CloseWindow(panel.joyToKey);
    panel.desk.onLaunch = [&panel](const sim::ShellCall& call) {
      panel.desk.Window(panel.joyToKey).exists = call.folder == u"C:\\New\\";
      return call.folder == u"C:\\New\\";
    };
    for (const char16_t* drive : {u"C:\\", u"D:\\", u"E:\\", u"F:\\"}) panel.desk.folders[drive];
    panel.desk.AddFolder(u"C:\\", u"New");
    panel.desk.AddFile(u"C:\\New\\", u"JoyToKey.exe");
    const std::string older = "[UseJoyToKey]\r\n所在フォルダー=D:\\Old\\\r\n[Tramvik]\r\nOwn=1\r\n";
    panel.desk.files["C:\\Sorvane\\Tramvik.ini"] = older;
    if (locked) {
      panel.desk.lockedUntil["C:\\Sorvane\\Tramvik.ini"] = 1000000;
    } else {
      panel.desk.unwritable.push_back("C:\\Sorvane\\Tramvik.ini");
    }
    ASSERT_TRUE(panel.Start());
    EXPECT_EQ(panel.form().launcher.Folder(), u"C:\\New\\") << locked;
    EXPECT_EQ(panel.desk.shellCalls.at(0).folder, u"C:\\New\\") << locked;
    EXPECT_EQ(panel.desk.files.at("C:\\Sorvane\\Tramvik.ini"), older) << locked;
    panel.form().Close();
    EXPECT_NE(panel.desk.files.at("C:\\Sorvane\\Sorvane.ini").find("所在フォルダー=C:\\New\\\r\n"), std::string::npos)
        << locked;
  }
}

}  // namespace sorvane::test

namespace sorvane::test {

namespace {

// JoyToKey runs from C:\JoyToKey\ (or, once moved, wherever onLaunch says);
// each launch opens a new window of it.
struct KeptAlive : Panel {
  explicit KeptAlive(std::u16string installedIn = u"C:\\JoyToKey\\", const std::string& moreSettings = "")
      : installedIn_(std::move(installedIn)) {
    desk.firstArgument = "3";
    desk.files["C:\\Sorvane\\Sorvane.ini"] = "[UseJoyToKey]\r\n所在フォルダー=C:\\JoyToKey\\\r\n" + moreSettings;
    for (const char16_t* drive : {u"C:\\", u"D:\\", u"E:\\", u"F:\\"}) desk.folders[drive];
    desk.onLaunch = [this](const sim::ShellCall& call) {
      if (call.folder != installedIn_) return false;
      restarted = desk.AddWindow("JoyToKey Ver6.9");
      return true;
    };
    EXPECT_TRUE(Start());
    form().SpeedClick(1.0F);
  }
  bool Logged(const std::string& start) const {
    const auto& log = desk.logLines;
    return std::any_of(log.begin(), log.end(), [&start](const std::string& line) { return line.rfind(start, 0) == 0; });
  }
  Messages ButtonsOf(WindowHandle window) {
    Messages result;
    for (const auto& m : sim::MessagesOf(desk.Window(window))) {
      if (m.first == WM_JOYTOKEY_BUTTON_DOWN || m.first == WM_JOYTOKEY_BUTTON_UP) result.push_back(m);
    }
    return result;
  }
  // Closes the switches of bits (1 the first, 2 the second) from now + after
  // for length milliseconds.
  void Press(std::uint32_t bits, std::int64_t after, std::int64_t length) {
    const std::int64_t from = desk.now + after;
    const std::int64_t until = from + length;
    auto before = desk.switchButtons;
    desk.switchButtons = [=](std::int64_t t) { return before(t) | (t >= from && t < until ? bits : 0U); };
  }
  // Said in the system's voice; and heard out, not cut short by the prompt after it.
  bool SaidAloud(const std::string& text) const {
    const auto& prompts = desk.prompts;
    const auto said = std::find_if(prompts.begin(), prompts.end(), [&text](const sim::SimDesktop::Prompt& prompt) {
      return prompt.kind == sim::SimDesktop::Prompt::Kind::kSpoken && prompt.what == text;
    });
    return said != prompts.end() && (said + 1 == prompts.end() || (said + 1)->time - said->time >= desk.speechMilliseconds);
  }
  // Messages the panel sent to a JoyToKey window that had gone.
  int Undelivered(std::uint32_t message) const {
    const std::string start = "JoyToKey に送れませんでした（メッセージ " + std::to_string(message) + "、";
    const auto& log = desk.logLines;
    return static_cast<int>(
        std::count_if(log.begin(), log.end(), [&start](const std::string& line) { return line.rfind(start, 0) == 0; }));
  }
  WindowHandle restarted = 0;
  std::u16string installedIn_;
};

}  // namespace

TEST(KeepingJoyToKey, JoyToKeyGoneMidHoldIsReleasedStartedAgainToldItsNumberFirstAndTheNextPressArrives) {
  KeptAlive panel;
  panel.Run(1200);
  while (panel.scan().litPosition != 3) panel.form().scanner().TimerElapsed();
  panel.desk.HoldSwitch(panel.desk.now + 10, panel.desk.now + 2000);
  panel.Run(500);
  const Messages heldAtTheOld = panel.ButtonsOf(panel.joyToKey);
  ASSERT_FALSE(heldAtTheOld.empty());
  const std::int32_t held = heldAtTheOld.back().second;
  EXPECT_EQ(panel.form().WindowTitle(), kApplicationTitle);
  panel.desk.CloseWindow(panel.joyToKey);
  bool toldUnbound = false;
  for (int i = 0; i < 40; ++i) {
    panel.Run(10);
    toldUnbound = toldUnbound || panel.form().WindowTitle() == std::string(kApplicationTitle) + " JoyToKey なし";
  }
  EXPECT_TRUE(toldUnbound);
  EXPECT_EQ(panel.form().WindowTitle(), kApplicationTitle) << "bound again";
  // Still held: the button went up as JoyToKey was found gone (to a window
  // that can no longer take it), and nothing holds it now.
  EXPECT_EQ(panel.scan().heldButton, 0);
  panel.Run(2100);  // the hold ends
  EXPECT_FALSE(panel.app->Terminated());
  EXPECT_TRUE(panel.desk.messages.empty());
  EXPECT_EQ(held, 2);
  ASSERT_NE(panel.restarted, 0U);
  EXPECT_EQ(panel.form().link.JoyToKeyWindow(), panel.restarted);
  const Messages heard = sim::MessagesOf(panel.desk.Window(panel.restarted));
  ASSERT_GE(heard.size(), 3U);
  EXPECT_EQ(heard[0], std::make_pair(WM_JOYTOKEY_CONFIG, 51));
  EXPECT_EQ(heard[1], std::make_pair(WM_JOYTOKEY_AFTER_LAUNCH1, 0));
  EXPECT_EQ(heard[2], std::make_pair(WM_JOYTOKEY_AFTER_LAUNCH2, 0));
  EXPECT_TRUE(panel.ButtonsOf(panel.restarted).empty()) << "the hold made before the restart is dropped";
  EXPECT_TRUE(panel.Logged("再起動しました"));
  panel.desk.HoldSwitch(panel.desk.now + 10, panel.desk.now + 100);
  panel.Run(600);
  const Messages after = panel.ButtonsOf(panel.restarted);
  ASSERT_FALSE(after.empty());
  EXPECT_EQ(after.front().first, WM_JOYTOKEY_BUTTON_DOWN);
}

TEST(KeepingJoyToKey, InEveryWayOfScanningAHoldCutByJoyToKeysEndGoesUpOnceAndOnlyTheNextPressReachesTheNewOne) {
  struct Case {
    const char* name;
    ScanMethodId method;
    bool oneButton;
    std::uint32_t selectingSwitch;
    bool holdsAButtonDown;  // at JoyToKey, while the switch is held
  };
  const Case cases[] = {
      {"automatic", ScanMethodId::kAutomatic, false, 1U, true},
      {"hold to move", ScanMethodId::kHoldToMove, false, 1U, false},
      {"two switches", ScanMethodId::kTwoSwitches, false, 2U, true},
      {"tap to move", ScanMethodId::kTapToMove, false, 1U, false},
      {"one button", ScanMethodId::kAutomatic, true, 1U, false},
  };
  for (const Case& c : cases) {
    KeptAlive panel(u"C:\\JoyToKey\\", "[Voice]\r\nMode=2\r\n");
    panel.scan().method = c.method;
    panel.form().ApplyScanMethod();
    if (c.oneButton) panel.form().SubButtonCountClick(4);
    panel.Run(1200);
    if (c.method == ScanMethodId::kAutomatic && !c.oneButton) {
      while (panel.scan().litPosition != 3) panel.form().scanner().TimerElapsed();
    }
    if (c.method == ScanMethodId::kTwoSwitches) {
      panel.Press(1U, 10, 100);  // switch 1 lights the first button
      panel.Run(500);
    }
    panel.Press(c.selectingSwitch, 10, 2500);
    panel.Run(500);
    EXPECT_EQ(panel.scan().heldButton != 0, c.holdsAButtonDown) << c.name;
    panel.desk.CloseWindow(panel.joyToKey);
    panel.Run(2500);  // started again, and the hold has ended
    ASSERT_FALSE(panel.app->Terminated()) << c.name;
    ASSERT_NE(panel.restarted, 0U) << c.name;
    EXPECT_EQ(panel.form().link.JoyToKeyWindow(), panel.restarted) << c.name;
    EXPECT_EQ(panel.Undelivered(WM_JOYTOKEY_BUTTON_UP), c.holdsAButtonDown ? 1 : 0) << c.name;
    EXPECT_EQ(panel.Undelivered(WM_JOYTOKEY_BUTTON_DOWN), 0) << c.name;
    const Messages heard = sim::MessagesOf(panel.desk.Window(panel.restarted));
    ASSERT_FALSE(heard.empty()) << c.name;
    EXPECT_EQ(heard.front(), std::make_pair(WM_JOYTOKEY_CONFIG, 51)) << c.name;
    EXPECT_TRUE(panel.ButtonsOf(panel.restarted).empty()) << c.name << ": the cut hold reached the new JoyToKey";
    EXPECT_TRUE(panel.SaidAloud("再起動しました")) << c.name;
    panel.Press(c.selectingSwitch, 10, 100);
    panel.Run(4000);
    const Messages after = panel.ButtonsOf(panel.restarted);
    ASSERT_FALSE(after.empty()) << c.name << ": the next press did not arrive";
    EXPECT_EQ(after.front().first, WM_JOYTOKEY_BUTTON_DOWN) << c.name;
    EXPECT_EQ(after.back().first, WM_JOYTOKEY_BUTTON_UP) << c.name;
  }
}

TEST(KeepingJoyToKey, WhileTheDrivesAreSearchedThePanelScansAndWhatTheSwitchDoesReachesNobodyLater) {
  enum class Then { kFoundElsewhere, kFoundNowhere, kStartedByHand };
  for (const Then then : {Then::kFoundElsewhere, Then::kFoundNowhere, Then::kStartedByHand}) {
    const int name = static_cast<int>(then);
    KeptAlive panel(u"C:\\Moved\\", "[Voice]\r\nMode=2\r\n");  // no longer where the settings say
    panel.desk.speechMilliseconds = 1500;  // longer than a step
    if (then == Then::kFoundElsewhere) {
      panel.desk.AddFolder(u"C:\\", u"Moved");
      panel.desk.AddFile(u"C:\\Moved\\", u"JoyToKey.exe");
    }
    panel.desk.workMilliseconds = 5000;
    panel.Run(400);
    panel.desk.CloseWindow(panel.joyToKey);
    const std::int64_t gone = panel.desk.now;
    panel.Run(1000);
    EXPECT_TRUE(panel.Logged("JoyToKey をドライブから探しています（パネルはそのまま使えます）")) << name;
    EXPECT_EQ(panel.form().WindowTitle(), std::string(kApplicationTitle) + " JoyToKey なし") << name;
    const int litBefore = panel.scan().litPosition;
    panel.Press(1U, 10, 100);
    panel.Run(1500);
    EXPECT_NE(panel.scan().litPosition, litBefore) << name << ": the scan stood still";
    EXPECT_TRUE(panel.desk.messages.empty()) << name;
    if (then == Then::kStartedByHand) panel.restarted = panel.desk.AddWindow("JoyToKey Ver6.9");
    panel.Run(4000);  // the search has ended
    if (then == Then::kFoundNowhere) {
      ASSERT_EQ(panel.desk.messages.size(), 1U);
      EXPECT_GE(panel.desk.messages[0].time, gone + 5000) << "the box came before the search ended";
      EXPECT_EQ(panel.desk.messages[0].text.rfind("「Kelpimo。」を接続して\n", 0), 0U);
      EXPECT_TRUE(panel.app->Terminated());
      continue;
    }
    EXPECT_FALSE(panel.app->Terminated()) << name;
    EXPECT_EQ(panel.desk.shellCalls.size(), then == Then::kStartedByHand ? 1U : 2U) << name;
    ASSERT_NE(panel.restarted, 0U) << name;
    EXPECT_EQ(panel.form().link.JoyToKeyWindow(), panel.restarted) << name;
    const Messages heard = sim::MessagesOf(panel.desk.Window(panel.restarted));
    ASSERT_FALSE(heard.empty()) << name;
    EXPECT_EQ(heard.front(), std::make_pair(WM_JOYTOKEY_CONFIG, 51)) << name;
    EXPECT_TRUE(panel.ButtonsOf(panel.restarted).empty()) << name << ": a press made during the search arrived";
    EXPECT_EQ(panel.SaidAloud("再起動しました"), then == Then::kFoundElsewhere) << name;
  }
}

TEST(KeepingJoyToKey, AFolderJoyToKeyHasLeftIsSearchedAgainAndTheFolderFoundReplacesIt) {
  KeptAlive panel(u"C:\\JoyToKey\\");
  panel.Run(400);
  // Reinstalled elsewhere while the panel runs.
  panel.installedIn_ = u"C:\\Moved\\";
  panel.desk.AddFolder(u"C:\\", u"Moved");
  panel.desk.AddFile(u"C:\\Moved\\", u"JoyToKey.exe");
  panel.desk.CloseWindow(panel.joyToKey);
  panel.Run(1000);
  EXPECT_FALSE(panel.app->Terminated());
  EXPECT_EQ(panel.form().link.JoyToKeyWindow(), panel.restarted);
  EXPECT_EQ(panel.form().launcher.Folder(), u"C:\\Moved\\");
  panel.form().Close();
  EXPECT_NE(panel.desk.files.at("C:\\Sorvane\\Sorvane.ini").find("所在フォルダー=C:\\Moved\\\r\n"), std::string::npos);
}

TEST(KeepingJoyToKey, WithJoyToKeyNowhereOrRestartOffTheGoneBoxComesAndThePanelCloses) {
  for (const bool restartOff : {false, true}) {
    KeptAlive panel;
    panel.form().launcher.restartWhenGone = !restartOff;
    panel.installedIn_ = u"nowhere";
    panel.Run(400);
    const std::size_t launchesBefore = panel.desk.shellCalls.size();
    bool timersStoppedBehindTheBox = false;
    panel.desk.onMessageBox = [&](const sim::ShownMessage&) {
      timersStoppedBehindTheBox = !panel.form().driver.Ticking() && !panel.form().scanner().timer().Enabled();
    };
    panel.desk.CloseWindow(panel.joyToKey);
    panel.Run(400);
    ASSERT_EQ(panel.desk.messages.size(), 1U);
    EXPECT_TRUE(timersStoppedBehindTheBox) << restartOff;
    EXPECT_EQ(panel.desk.messages[0].text.rfind("「Kelpimo。」を接続して\n", 0), 0U);
    EXPECT_TRUE(panel.app->Terminated());
    EXPECT_EQ(panel.desk.shellCalls.size() - launchesBefore, restartOff ? 0U : 1U);
    EXPECT_EQ(panel.desk.listings.count(u"C:\\") == 0, restartOff);  // the drives searched
  }
}

TEST(KeepingJoyToKey, AStartFromAFolderJoyToKeyHasLeftFindsItWhereItIsNow) {
  NotRunning panel(u"D:\\Tools\\JoyToKey\\");
  panel.desk.files["C:\\Sorvane\\Sorvane.ini"] = "[UseJoyToKey]\r\n所在フォルダー=C:\\Old\\\r\n";
  panel.desk.AddFolder(u"D:\\", u"Tools");
  panel.desk.AddFolder(u"D:\\Tools\\", u"JoyToKey");
  panel.desk.AddFile(u"D:\\Tools\\JoyToKey\\", u"JoyToKey.exe");
  ASSERT_TRUE(panel.Start());
  EXPECT_TRUE(panel.desk.messages.empty());
  EXPECT_NE(panel.form().link.JoyToKeyWindow(), 0U);
  panel.form().Close();
  EXPECT_NE(panel.desk.files.at("C:\\Sorvane\\Sorvane.ini").find("所在フォルダー=D:\\Tools\\JoyToKey\\\r\n"),
            std::string::npos);
}

}  // namespace sorvane::test
