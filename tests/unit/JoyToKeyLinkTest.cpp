#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Harness.h"

namespace sorvane::test {

namespace {

WindowHandle Discover(sim::SimDesktop& desk) {
  JoyToKeyLink link(desk, desk);
  link.FindJoyToKeyWindow();
  return link.JoyToKeyWindow();
}

}  // namespace

TEST(JoyToKeyDiscovery, MatchesTheNineBytePrefixExactly) {
  sim::SimDesktop desk;
  desk.AddWindow("JoyToKey");
  desk.AddWindow("joytokey Ver6");
  desk.AddWindow("JoyToKeyVer6");
  EXPECT_EQ(Discover(desk), 0U);
  const WindowHandle real = desk.AddWindow("JoyToKey Ver6.9");
  EXPECT_EQ(Discover(desk), real);
}

TEST(JoyToKeyDiscovery, TakesTheLastMatchingWindowInEnumerationOrder) {
  sim::SimDesktop desk;
  desk.AddWindow("JoyToKey 5.0");
  const WindowHandle last = desk.AddWindow("JoyToKey 6.0");
  desk.AddWindow("Notepad");
  EXPECT_EQ(Discover(desk), last);
}

TEST(JoyToKeyDiscovery, ALongTitleIsCutAndStillMatchesOnItsFirstNineBytes) {
  sim::SimDesktop desk;
  const WindowHandle long_title = desk.AddWindow("JoyToKey " + std::string(600, 'x'));
  EXPECT_EQ(Discover(desk), long_title);
  char buffer[kWindowTitleBufferSize];
  EXPECT_EQ(desk.GetWindowTitle(long_title, buffer, sizeof buffer), 255);
}

TEST(JoyToKeyDiscovery, AWindowOfAnotherProgramIsNeverTakenForJoyToKey) {
  sim::SimDesktop desk;
  const WindowHandle real = desk.AddWindow("JoyToKey Ver6.9", "joytokey.EXE");
  const WindowHandle editor = desk.AddWindow("JoyToKey help.txt - Notepad", "notepad.exe");
  JoyToKeyLink link(desk, desk);
  link.FindJoyToKeyWindow();
  EXPECT_EQ(link.JoyToKeyWindow(), real);
  desk.CloseWindow(real);
  link.FindJoyToKeyWindow();
  link.Send(WM_JOYTOKEY_STICK, 0);
  link.PostQuit();
  EXPECT_EQ(link.JoyToKeyWindow(), 0U);
  EXPECT_TRUE(desk.Window(editor).received.empty());
}

TEST(JoyToKeyDiscovery, AClosedJoyToKeyIsForgottenAtTheNextDiscovery) {
  sim::SimDesktop desk;
  const WindowHandle window = desk.AddWindow("JoyToKey 6.0");
  JoyToKeyLink link(desk, desk);
  link.FindJoyToKeyWindow();
  desk.CloseWindow(window);
  link.FindJoyToKeyWindow();
  EXPECT_EQ(link.JoyToKeyWindow(), 0U);
  link.Send(WM_JOYTOKEY_STICK, 0);
  link.PostQuit();
  EXPECT_TRUE(desk.Window(window).received.empty());
}

TEST(JoyToKeyMessages, CarryTheirNumbersAndMinusOneWithAllBitsSet) {
  EXPECT_EQ(WM_JOYTOKEY_STICK, 0x83E8U);
  EXPECT_EQ(WM_JOYTOKEY_BUTTON_UP, 0x83F2U);
  EXPECT_EQ(WM_JOYTOKEY_BUTTON_DOWN, 0x83F3U);
  EXPECT_EQ(WM_JOYTOKEY_CONFIG, 0x83FCU);
  EXPECT_EQ(WM_JOYTOKEY_AFTER_LAUNCH1, 0x83FDU);
  EXPECT_EQ(WM_JOYTOKEY_AFTER_LAUNCH2, 0x83FEU);
  sim::SimDesktop desk;
  const WindowHandle window = desk.AddWindow("JoyToKey 6.0");
  std::intptr_t seen = 0;
  JoyToKeyLink link(desk, desk);
  link.FindJoyToKeyWindow();
  link.Send(WM_JOYTOKEY_STICK, -1);
  seen = desk.Window(window).received.back().lParam;
  EXPECT_EQ(static_cast<std::uint32_t>(seen), 0xFFFFFFFFU);
  EXPECT_EQ(desk.Window(window).received.back().wParam, 0U);
}

}  // namespace sorvane::test

namespace sorvane::test {

namespace {

// A panel scanning four buttons at 1 s beside JoyToKey, started with "3".
struct Linked : Panel {
  Linked() {
    desk.firstArgument = "3";
    EXPECT_TRUE(Start());
    form().SpeedClick(1.0F);
  }
  void Tap(std::int64_t after, std::int64_t length = 100) { desk.HoldSwitch(desk.now + after, desk.now + after + length); }
  Messages Buttons(const PeerWindow& window) const {
    Messages result;
    for (const auto& m : sim::MessagesOf(window)) {
      if (m.first == WM_JOYTOKEY_BUTTON_DOWN || m.first == WM_JOYTOKEY_BUTTON_UP) result.push_back(m);
    }
    return result;
  }
};

}  // namespace

TEST(JoyToKeyDelivery, AStalledJoyToKeyGetsEveryMessageOnceInOrderAndThePanelGoesOnMeanwhile) {
  Linked panel;
  panel.Run(1500);
  panel.peer().stallOn = WM_JOYTOKEY_BUTTON_DOWN;
  panel.peer().stallMilliseconds = 3000;
  panel.ClearReceived();
  panel.Tap(10);    // taken, then JoyToKey stalls for 3 s
  panel.Tap(1000);  // made during the stall
  const std::int64_t start = panel.desk.now;
  std::vector<int> lit;
  for (int i = 0; i < 6; ++i) {
    panel.Run(500);
    lit.push_back(panel.scan().litPosition);
  }
  // The panel's own clock was never held up, and the scan went on stepping.
  EXPECT_EQ(panel.desk.now, start + 3000);
  EXPECT_GE(std::set<int>(lit.begin(), lit.end()).size(), 2U);
  panel.Run(1500);
  const Messages buttons = panel.Buttons(panel.peer());
  ASSERT_EQ(buttons.size(), 4U);
  EXPECT_EQ(buttons[0].first, WM_JOYTOKEY_BUTTON_DOWN);
  EXPECT_EQ(buttons[1], std::make_pair(WM_JOYTOKEY_BUTTON_UP, buttons[0].second));
  EXPECT_EQ(buttons[2].first, WM_JOYTOKEY_BUTTON_DOWN);
  EXPECT_EQ(buttons[3], std::make_pair(WM_JOYTOKEY_BUTTON_UP, buttons[2].second));
  // What waited through the stall came at once when it ended: fifteen ticks'
  // stick reports gave way to the newest between the presses.
  const auto& got = panel.peer().received;
  const std::int64_t stallEnd = panel.peer().stalledUntil;
  const auto atEnd = std::count_if(got.begin(), got.end(), [&](const sim::ReceivedMessage& m) { return m.time == stallEnd; });
  EXPECT_GE(atEnd, 3);
  EXPECT_LE(atEnd, 8);
  EXPECT_EQ(panel.desk.Undelivered(), 0);
}

TEST(JoyToKeyDelivery, ATapThatWaitedForAStalledJoyToKeyStillLastsThirtyMilliseconds) {
  Linked panel;
  panel.Run(1500);
  panel.peer().stallOn = WM_JOYTOKEY_BUTTON_DOWN;
  panel.peer().stallMilliseconds = 3000;
  panel.ClearReceived();
  panel.Tap(10);
  panel.Tap(1000);  // its press and release wait together
  panel.Run(4500);
  std::vector<sim::ReceivedMessage> buttons;
  for (const auto& m : panel.peer().received) {
    if (m.message == WM_JOYTOKEY_BUTTON_DOWN || m.message == WM_JOYTOKEY_BUTTON_UP) buttons.push_back(m);
  }
  ASSERT_EQ(buttons.size(), 4U);
  const std::int64_t stallEnd = panel.peer().stalledUntil;
  // The first tap was long over: its release waits for nothing.
  EXPECT_EQ(buttons[1].time, stallEnd);
  EXPECT_EQ(buttons[2].time, stallEnd);
  EXPECT_EQ(buttons[3].time, stallEnd + HeldKeys::kShortestTap);
}

TEST(JoyToKeyDelivery, ClosingBesideAStalledJoyToKeyStillReleasesTheKeyAndMakesItQuit) {
  for (const bool sessionEnds : {false, true}) {
    SCOPED_TRACE(sessionEnds ? "the session ends" : "the menu's exit");
    Linked panel;
    panel.Run(1500);
    panel.peer().stallOn = WM_JOYTOKEY_BUTTON_DOWN;
    panel.peer().stallMilliseconds = 8000;
    panel.ClearReceived();
    panel.Tap(10);
    panel.Run(300);
    const std::int64_t closing = panel.desk.now;
    if (sessionEnds) {
      panel.form().EndSession();
    } else {
      panel.form().ExitClick();
    }
    // Windows takes a window that has not answered for 5 s for hung.
    EXPECT_LT(panel.desk.now - closing, 5000);
    EXPECT_EQ(panel.desk.EndProgram(), 0);
    panel.desk.RunFor(9000);
    Messages got = panel.received();
    got.erase(std::remove_if(got.begin(), got.end(), [](const auto& m) { return m.first == WM_JOYTOKEY_STICK; }),
              got.end());
    ASSERT_EQ(got.size(), 3U);
    EXPECT_EQ(got[0].first, WM_JOYTOKEY_BUTTON_DOWN);
    EXPECT_EQ(got[1], std::make_pair(WM_JOYTOKEY_BUTTON_UP, got[0].second));
    EXPECT_EQ(got[2], std::make_pair(WM_QUIT_MESSAGE, 0));
    EXPECT_GE(panel.peer().received.back().time, panel.peer().stalledUntil);
  }
}

TEST(JoyToKeyBinding, ThePanelKeepsToTheWindowItFoundAndAnotherHearsNothing) {
  Linked panel;
  const WindowHandle second = panel.desk.AddWindow("JoyToKey Ver6.9");
  panel.Run(1200);
  panel.Tap(10);
  panel.Run(600);
  panel.form().Close();
  EXPECT_TRUE(panel.desk.Window(second).received.empty());
  const Messages got = panel.received();
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got.back().first, WM_QUIT_MESSAGE);
  EXPECT_EQ(panel.Buttons(panel.peer()).size(), 2U);
}

TEST(JoyToKeyBinding, ARestartedJoyToKeyIsBoundAndHearsTheConfigurationNumberFirst) {
  Linked panel;
  panel.Run(400);
  panel.desk.CloseWindow(panel.joyToKey);
  const WindowHandle restarted = panel.desk.AddWindow("JoyToKey Ver6.9");
  panel.Run(1000);
  EXPECT_FALSE(panel.app->Terminated());
  EXPECT_EQ(panel.form().link.JoyToKeyWindow(), restarted);
  const Messages got = sim::MessagesOf(panel.desk.Window(restarted));
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got.front(), std::make_pair(WM_JOYTOKEY_CONFIG, 51));
  // Whoever looks into it later can tell.
  const auto& log = panel.desk.logLines;
  EXPECT_NE(std::find_if(log.begin(), log.end(),
                         [](const std::string& line) { return line.find("JoyToKey のウィンドウが替わりました") == 0; }),
            log.end());
}

}  // namespace sorvane::test
