#include <gtest/gtest.h>

#include "Harness.h"

namespace sorvane::test {

namespace {

// A panel scanning four buttons at 2 s, with JoyToKey beside it.
struct Scanning : Panel {
  Scanning() {
    desk.firstArgument = "3";
    EXPECT_TRUE(Start());
    ClearReceived();
  }
  // Lets the scan land on position k (first stick, no switch-over).
  void ScanTo(int k) {
    while (scan().scanPos != k) form().ScanTimerTimer();
  }
};

}  // namespace

TEST(SwitchPress, HoldingTheSwitchOnButtonThreeRepeatsItsPressEveryTickAndReleasesItOnce) {
  Scanning panel;
  panel.form().SpeedClick(1.0F);
  panel.ScanTo(3);
  const std::int64_t t = panel.desk.now;
  panel.desk.HoldSwitch(t + 1, t + 1001);
  panel.Run(1400);
  const Messages buttons = panel.ButtonMessages();
  ASSERT_EQ(buttons.size(), 6U);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(buttons[i], std::make_pair(WM_JOYTOKEY_BUTTON_DOWN, 2));
  EXPECT_EQ(buttons[5], std::make_pair(WM_JOYTOKEY_BUTTON_UP, 2));
  EXPECT_EQ(panel.scan().scanPos, 3);  // the highlight stood still
  EXPECT_EQ(panel.scan().heldButton, 0);
}

TEST(SwitchPress, ReachesJoyToKeyWithinOneTickOfTheSwitchGoingDown) {
  Scanning panel;
  panel.ScanTo(2);
  const std::int64_t down = panel.desk.now + 37;
  panel.desk.HoldSwitch(down, down + 5000);
  panel.Run(1000);
  const auto& received = panel.peer().received;
  const auto press = std::find_if(received.begin(), received.end(),
                                  [](const sim::ReceivedMessage& m) { return m.message == WM_JOYTOKEY_BUTTON_DOWN; });
  ASSERT_NE(press, received.end());
  EXPECT_LE(press->time - down, 200);
}

TEST(SwitchPress, ButtonOneIsReleasedLikeTheOthers) {
  Scanning panel;
  panel.ScanTo(1);
  panel.desk.HoldSwitch(panel.desk.now, panel.desk.now + 100);
  panel.form().JoyTimerTimer();
  panel.desk.now += 200;
  panel.form().JoyTimerTimer();
  EXPECT_EQ(panel.ButtonMessages(),
            (Messages{{WM_JOYTOKEY_BUTTON_DOWN, 0}, {WM_JOYTOKEY_BUTTON_UP, 0}}));
}

TEST(SwitchPress, AFailedPollReleasesAHeldButton) {
  Scanning panel;
  panel.ScanTo(4);
  panel.desk.HoldSwitch(0, 1 << 30);
  panel.form().JoyTimerTimer();
  panel.desk.pollFails = true;
  panel.form().JoyTimerTimer();
  EXPECT_EQ(panel.ButtonMessages(),
            (Messages{{WM_JOYTOKEY_BUTTON_DOWN, 3}, {WM_JOYTOKEY_BUTTON_UP, 3}}));
}

TEST(OneButtonPress, AShortPressSendsMinusOneThenThePressAfterTheRelease) {
  Scanning panel;
  panel.form().SubButtonCountClick(2);
  panel.form().ScanTimerTimer();
  ASSERT_TRUE(panel.form().PopupMenu1.Checked(MenuId::Btn1));
  panel.desk.soundLengthMilliseconds = 300;
  const std::int64_t t = panel.desk.now;
  panel.desk.HoldSwitch(t, t + 300 + 975);  // 98 polls see it down, the 99th up
  panel.ClearReceived();
  panel.form().JoyTimerTimer();
  EXPECT_EQ(panel.app->state.pressPollCount, 99);
  EXPECT_EQ(panel.received(), (Messages{{WM_JOYTOKEY_STICK, 0},
                                        {WM_JOYTOKEY_STICK, -1},
                                        {WM_JOYTOKEY_BUTTON_DOWN, 0}}));
  EXPECT_EQ(panel.scan().scanMax, 1);
}

TEST(OneButtonPress, ALongPressOpensTheSubButtonsAndPressesOnThemAreSentAtOnce) {
  Scanning panel;
  panel.form().SubButtonCountClick(6);
  panel.form().ScanTimerTimer();
  panel.desk.soundLengthMilliseconds = 0;
  const std::int64_t t = panel.desk.now;
  panel.desk.HoldSwitch(t, t + 985);  // 99 polls see it down, the 100th up
  panel.ClearReceived();
  panel.form().JoyTimerTimer();
  EXPECT_EQ(panel.app->state.pressPollCount, 100);
  EXPECT_EQ(panel.received(), (Messages{{WM_JOYTOKEY_STICK, 0}, {WM_JOYTOKEY_STICK, -1}, {WM_JOYTOKEY_STICK, 0}}));
  EXPECT_EQ(panel.scan().scanMax, 6);
  EXPECT_EQ(panel.scan().scanPos, 0);
  EXPECT_EQ(panel.scan().activeStick, 0);
  EXPECT_EQ(panel.app->state.collapseCountdown, 7);
  EXPECT_FALSE(panel.form().PopupMenu1.Checked(MenuId::Btn1));
  EXPECT_TRUE(panel.form().PopupMenu1.Checked(MenuId::Btn6));

  // On the open sub-buttons a press goes out at once; at position 0 nothing.
  panel.form().ScanTimerTimer();
  panel.form().ScanTimerTimer();
  panel.ClearReceived();
  panel.desk.HoldSwitch(panel.desk.now, panel.desk.now + 10);
  panel.form().JoyTimerTimer();
  EXPECT_EQ(panel.ButtonMessages(), (Messages{{WM_JOYTOKEY_BUTTON_DOWN, 1}}));
}

TEST(SwitchOver, APressAtPositionZeroTogglesTheStickColourAndNames) {
  Scanning panel;
  TSorvaneForm& form = panel.form();
  form.JoyStickID2Click();
  form.ButtonCountClick(2);
  panel.ScanTo(2);
  form.ScanTimerTimer();
  ASSERT_EQ(panel.scan().scanPos, 0);
  panel.desk.HoldSwitch(panel.desk.now, panel.desk.now + 50);
  panel.ClearReceived();
  form.JoyTimerTimer();
  EXPECT_EQ(panel.scan().activeStick, 1);
  EXPECT_EQ(form.color, colors::kFuchsia);
  EXPECT_EQ(form.CuteButton(1).caption, "ボタン11");
  EXPECT_EQ(panel.received(), (Messages{{WM_JOYTOKEY_STICK, 0}, {WM_JOYTOKEY_STICK, 1}}));
  EXPECT_TRUE(panel.ButtonMessages().empty());

  panel.desk.HoldSwitch(panel.desk.now, panel.desk.now + 50);
  form.JoyTimerTimer();
  EXPECT_EQ(panel.scan().activeStick, 0);
  EXPECT_EQ(form.color, colors::kGreen);
  EXPECT_EQ(form.CuteButton(1).caption, "ボタン１");

  // With names hidden the captions are left alone.
  form.BtnNameDispOnClick();
  form.CuteButton(1).caption.clear();
  panel.desk.HoldSwitch(panel.desk.now, panel.desk.now + 50);
  form.JoyTimerTimer();
  EXPECT_EQ(form.color, colors::kFuchsia);
  EXPECT_EQ(form.CuteButton(1).caption, "");
}

TEST(SwitchOver, APressRightAfterACountCommandSwitchesTheStickEvenWithTheFeatureOff) {
  Scanning panel;
  panel.form().ButtonCountClick(3);
  ASSERT_FALSE(panel.form().PopupMenu1.Checked(MenuId::JoyStickID2));
  panel.desk.HoldSwitch(panel.desk.now, panel.desk.now + 50);
  panel.form().JoyTimerTimer();
  EXPECT_EQ(panel.scan().activeStick, 1);
  EXPECT_EQ(panel.form().color, colors::kFuchsia);
}

TEST(JoyToKeyGone, StopsBothTimersWarnsAndClosesThePanel) {
  Scanning panel;
  panel.desk.CloseWindow(panel.joyToKey);
  bool timersStoppedBehindTheBox = false;
  panel.desk.onMessageBox = [&](const sim::ShownMessage&) {
    timersStoppedBehindTheBox = !panel.form().JoyTimer.Enabled() && !panel.form().ScanTimer.Enabled();
  };
  panel.Run(400);
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_EQ(panel.desk.messages[0].text,
            "「Kelpimo。」を接続して\nJoyToKey Vre3.7以降をインストールして\n「Sorvane+。」を再起動してください。");
  EXPECT_EQ(panel.desk.messages[0].caption, "エラー");
  EXPECT_EQ(panel.desk.messages[0].flags, 0x30U);
  EXPECT_TRUE(timersStoppedBehindTheBox);
  EXPECT_TRUE(panel.app->Terminated());
  EXPECT_EQ(panel.desk.files.count(".\\Sorvane.ini"), 1U);  // settings saved on the way out
}

TEST(KeepOnScreen, PullsThePanelBackAtEveryTick) {
  Scanning panel;
  TSorvaneForm& form = panel.form();
  const int width = form.width;
  const int height = form.height;
  form.top = 720;
  form.left = 1000;
  form.JoyTimerTimer();
  EXPECT_EQ(form.top, panel.desk.fullScreenClientHeight - height / 2);
  EXPECT_EQ(form.left, panel.desk.screenWidth - width);
  form.top = -40;
  form.left = -7;
  form.JoyTimerTimer();
  EXPECT_EQ(form.top, 0);
  EXPECT_EQ(form.left, 0);
}

TEST(KeepOnScreen, FormShowBringsBackAPositionBeyondTheScreenOnly) {
  Panel panel;
  panel.desk.files[".\\Sorvane.ini"] = "[起動時の横座標]\r\nXPOS=1500\r\n[起動時の縦座標]\r\nYPOS=100\r\n";
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().left, 512);
  EXPECT_EQ(panel.form().top, 384);
}

}  // namespace sorvane::test
