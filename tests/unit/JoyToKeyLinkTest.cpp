#include <gtest/gtest.h>

#include "Harness.h"

namespace sorvane::test {

namespace {

WindowHandle Discover(sim::SimDesktop& desk) {
  JoyToKeyLink link(desk);
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
  JoyToKeyLink link(desk);
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
  JoyToKeyLink link(desk);
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
  JoyToKeyLink link(desk);
  link.FindJoyToKeyWindow();
  link.Send(WM_JOYTOKEY_STICK, -1);
  seen = desk.Window(window).received.back().lParam;
  EXPECT_EQ(static_cast<std::uint32_t>(seen), 0xFFFFFFFFU);
  EXPECT_EQ(desk.Window(window).received.back().wParam, 0U);
}

}  // namespace sorvane::test
