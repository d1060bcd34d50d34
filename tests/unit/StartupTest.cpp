#include <gtest/gtest.h>

#include <algorithm>

#include "Harness.h"

namespace sorvane::test {

TEST(Startup, SendsTheConfigurationNumberAndStartsBothTimersWhenShown) {
  Panel panel;
  panel.desk.firstArgument = "3";
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.received(), (Messages{{WM_JOYTOKEY_CONFIG, 51}}));
  EXPECT_FALSE(panel.app->argumentNotice->visible);
  EXPECT_TRUE(panel.form().driver.Ticking());
  EXPECT_TRUE(panel.form().scanner().timer().Enabled());
  EXPECT_EQ(panel.app->title, "「Sorvane＋。」Ver 2.10");
}

TEST(Startup, TheConfigurationNumberIsTheArgumentsFirstByteSignExtended) {
  const std::pair<std::string, std::int32_t> cases[] = {
      {"3", 51}, {"12", 49}, {"A", 65}, {"", 0}, {"\x80", -128}, {"\xFFx", -1}};
  for (const auto& [argument, expected] : cases) {
    Panel panel;
    panel.desk.firstArgument = argument;
    ASSERT_TRUE(panel.Start());
    EXPECT_EQ(panel.form().link.ConfigurationNumber(), expected) << argument;
    if (expected == 0) {
      EXPECT_TRUE(panel.app->argumentNotice->visible);
      EXPECT_TRUE(panel.received().empty());
    } else {
      EXPECT_EQ(panel.received(), (Messages{{WM_JOYTOKEY_CONFIG, expected}}));
    }
  }
}

TEST(Startup, NoTimerTicksBetweenCreationAndShow) {
  Panel panel;
  panel.app = std::make_unique<Application>(panel.desk.platform());
  ASSERT_TRUE(panel.app->Start());
  EXPECT_FALSE(panel.form().driver.Ticking());
  EXPECT_FALSE(panel.form().scanner().timer().Enabled());
  panel.desk.RunFor(10000);
  EXPECT_TRUE(panel.received().empty());
  EXPECT_EQ(panel.scan().litPosition, 0);
}

TEST(Startup, ASecondStartUnderTheSameFileNameIsRefusedWithItsMessage) {
  Panel first;
  first.desk.programFilePath = "C:\\a\\Sorvane.exe";
  ASSERT_TRUE(first.Start());
  // The same desktop, a second process of the same program file in another folder.
  Application second(first.desk.platform());
  first.desk.programFilePath = "D:\\b\\Sorvane.exe";
  EXPECT_FALSE(second.Start());
  ASSERT_EQ(first.desk.messages.size(), 1U);
  EXPECT_EQ(first.desk.messages[0].text,
            "二重起動は出来ません。「Sorvane＋。」 はすでに実行されています！");
  EXPECT_EQ(second.panel, nullptr);
  EXPECT_EQ(first.desk.mutexes, (std::vector<std::string>{"Sorvane.exe"}));
  // Left to the switch, which is the running panel's, the box closes by itself.
  first.desk.messageAnswers.push_back(sim::kLeftToTheSwitch);
  Application waiting(first.desk.platform());
  EXPECT_FALSE(waiting.Start());
  EXPECT_EQ(first.desk.messages.back().closedAt - first.desk.messages.back().time, 30000);
  EXPECT_TRUE(first.desk.messages.back().bySwitch);

  // A copy under another name runs beside it.
  first.desk.programFilePath = "C:\\a\\Sorvane2.exe";
  Application copy(first.desk.platform());
  EXPECT_TRUE(copy.Start());
}

TEST(Startup, ARefusedStartHoldsNoMutexWhileItsBoxIsShown) {
  Panel first;
  ASSERT_TRUE(first.Start());
  std::vector<std::string> heldAtTheBox;
  first.desk.onMessageBox = [&](const sim::ShownMessage&) { heldAtTheBox = first.desk.mutexes; };
  Application second(first.desk.platform());
  EXPECT_FALSE(second.Start());
  EXPECT_EQ(heldAtTheBox, (std::vector<std::string>{"Sorvane.exe"}));  // the first's only
}

TEST(Startup, AStartWhileThePanelBeforeItClosesWaitsForItToEndAndRuns) {
  Panel first;
  ASSERT_TRUE(first.Start());
  // The first panel's process ends 1.2 s into the second start's wait.
  const std::int64_t firstEndsAt = first.desk.now + 1200;
  first.desk.onSleep = [&] {
    auto& held = first.desk.mutexes;
    if (first.desk.now >= firstEndsAt && !held.empty() && held.front() == "Sorvane.exe") held.erase(held.begin());
  };
  Application second(first.desk.platform());
  const std::int64_t startedAt = first.desk.now;
  EXPECT_TRUE(second.Start());
  EXPECT_TRUE(first.desk.messages.empty());
  EXPECT_LT(first.desk.now - startedAt, 1300);
  EXPECT_EQ(first.desk.mutexes, (std::vector<std::string>{"Sorvane.exe"}));  // the second's own
  first.desk.onSleep = nullptr;

  // A panel that keeps running is refused after the wait.
  Application third(first.desk.platform());
  const std::int64_t thirdAt = first.desk.now;
  EXPECT_FALSE(third.Start());
  EXPECT_GE(first.desk.now - thirdAt, 5000);
  ASSERT_EQ(first.desk.messages.size(), 1U);
}

TEST(Startup, JoyToKeyHearsTheArgumentsFirstByteWhileTheLogAndTheLogonStartKeepItWhole) {
  Panel panel;
  panel.desk.firstArgument = "12";
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.received(), (Messages{{WM_JOYTOKEY_CONFIG, 49}}));
  const auto& log = panel.desk.logLines;
  EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const std::string& line) {
    return line.find("設定番号 \"12\"") != std::string::npos;
  }));
  panel.form().MenuCommand(MenuId::StartAtLogon);
  EXPECT_EQ(panel.desk.runValues["Sorvane"], "\"C:\\Sorvane\\Sorvane.exe\" 12");
}

TEST(Shutdown, EveryRouteThatClosesThePanelMakesJoyToKeyQuit) {
  {
    Panel panel;  // the window system asks the window to close
    ASSERT_TRUE(panel.Start());
    panel.ClearReceived();
    panel.form().Close();
    EXPECT_EQ(panel.received(), (Messages{{WM_QUIT_MESSAGE, 0}}));
    EXPECT_TRUE(panel.peer().received.back().posted);
    EXPECT_FALSE(panel.form().scanner().timer().Enabled());
    EXPECT_TRUE(panel.app->Terminated());
  }
  {
    Panel panel;  // the exit command
    ASSERT_TRUE(panel.Start());
    panel.ClearReceived();
    panel.form().MenuCommand(MenuId::Exit);
    EXPECT_EQ(panel.received(), (Messages{{WM_JOYTOKEY_STICK, -1}, {WM_QUIT_MESSAGE, 0}}));
    EXPECT_TRUE(panel.app->Terminated());
  }
}

TEST(Shutdown, ClosingTwiceSavesAndPostsOnce) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  panel.ClearReceived();
  panel.form().Close();
  panel.form().Close();
  EXPECT_EQ(panel.received().size(), 1U);
}

}  // namespace sorvane::test
