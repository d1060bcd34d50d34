#include <gtest/gtest.h>

#include <algorithm>

#include "Harness.h"

namespace sorvane::test {

namespace {

using Down = std::pair<std::uint32_t, std::int32_t>;
Down DownOf(int k) { return {WM_JOYTOKEY_BUTTON_DOWN, k - 1}; }
Down UpOf(int k) { return {WM_JOYTOKEY_BUTTON_UP, k - 1}; }
Down Stick(int s) { return {WM_JOYTOKEY_STICK, s}; }

// A panel scanning four buttons at 2 s, with JoyToKey beside it.
struct Scanning : Panel {
  Scanning() {
    desk.firstArgument = "3";
    EXPECT_TRUE(Start());
    ClearReceived();
  }
  // Lets the scan land on position k (first stick, no switch-over).
  void ScanTo(int k) {
    while (scan().litPosition != k) form().scanner().TimerElapsed();
  }
  // Presses the switch from now + after for length milliseconds.
  void Press(std::int64_t after, std::int64_t length) {
    desk.HoldSwitch(desk.now + after, desk.now + after + length);
  }
  // A hold whose contacts chatter for 30 ms from chatterAt into it: open 7 ms,
  // closed 7 ms, never open long enough to count.
  void HoldWithChatter(std::int64_t after, std::int64_t length, std::int64_t chatterAt) {
    const std::int64_t t = desk.now;
    desk.switchButtons = [=](std::int64_t now) {
      const std::int64_t into = now - t;
      const bool open = into >= chatterAt && into < chatterAt + 30 && into % 14 < 7;
      return (into >= after && into < after + length && !open) ? 1U : 0U;
    };
  }
  // Two buttons and the second stick on, the highlight on the switch-over position.
  void ToSwitchOverOfTwoButtons() {
    form().SecondStickClick();
    form().ButtonCountClick(2);
    ScanTo(2);
    form().scanner().TimerElapsed();
    ASSERT_EQ(scan().litPosition, 0);
  }
  // Every message but the first stick's reports that open the ticks.
  Messages WithoutTickReports() const {
    Messages result = received();
    result.erase(std::remove(result.begin(), result.end(), Stick(0)), result.end());
    return result;
  }
  std::int64_t TimeOfFirst(std::uint32_t message) {
    const auto& got = peer().received;
    const auto found = std::find_if(got.begin(), got.end(),
                                    [&](const sim::ReceivedMessage& m) { return m.message == message; });
    return found == got.end() ? -1 : found->time;
  }
};

}  // namespace

TEST(SwitchPress, HoldingTheSwitchOnButtonThreeRepeatsItsPressEveryTickAndReleasesItOnce) {
  Scanning panel;
  panel.form().SpeedClick(1.0F);
  panel.ScanTo(3);
  panel.Press(1, 1000);
  panel.Run(1400);
  Messages buttons = panel.ButtonMessages();
  ASSERT_GE(buttons.size(), 6U);
  EXPECT_LE(buttons.size(), 7U);
  EXPECT_EQ(buttons.back(), UpOf(3));
  buttons.pop_back();
  for (const auto& m : buttons) EXPECT_EQ(m, DownOf(3));
  EXPECT_EQ(panel.scan().litPosition, 3);  // the highlight stood still
  EXPECT_EQ(panel.scan().heldButton, 0);
}

TEST(SwitchPress, GoesOutWithinThirtyMillisecondsOfTheSwitchClosing) {
  Scanning panel;
  panel.ScanTo(2);
  for (std::int64_t into : {3, 37, 111, 199}) {
    panel.Run(400 - panel.desk.now % 200);  // back to the start of a tick period
    panel.ClearReceived();
    const std::int64_t closed = panel.desk.now + into;
    panel.desk.HoldSwitch(closed, closed + 300);
    panel.Run(600);
    const std::int64_t sent = panel.TimeOfFirst(WM_JOYTOKEY_BUTTON_DOWN);
    ASSERT_GE(sent, closed) << into;
    EXPECT_LE(sent - closed, 30) << into;
  }
}

TEST(SwitchPress, EveryShortTapIsOnePressAndOneReleaseAtTheTickAfter) {
  Scanning panel;
  panel.ScanTo(2);
  panel.form().scanner().timer().SetEnabled(false);  // the highlight stays on button 2
  for (int i = 0; i < 10; ++i) panel.Press(100 + 500 * i, 40);
  panel.Run(5500);
  Messages expected;
  for (int i = 0; i < 10; ++i) {
    expected.push_back(DownOf(2));
    expected.push_back(UpOf(2));
  }
  EXPECT_EQ(panel.ButtonMessages(), expected);
  // Each release comes a whole tick after its press.
  const auto& got = panel.peer().received;
  std::int64_t down = -1;
  for (const auto& m : got) {
    if (m.message == WM_JOYTOKEY_BUTTON_DOWN) down = m.time;
    if (m.message == WM_JOYTOKEY_BUTTON_UP) {
      EXPECT_GE(m.time - down, 150);
    }
  }
}

TEST(SwitchPress, ContactBounceShorterThanTheDebounceIsNoPressAndSplitsNoHold) {
  Scanning panel;
  panel.ScanTo(4);
  panel.form().scanner().timer().SetEnabled(false);
  // Chatter on its own, then a hold with chatter in its middle.
  for (int i = 0; i < 4; ++i) panel.Press(50 + 15 * i, 7);
  panel.Run(300);
  EXPECT_TRUE(panel.ButtonMessages().empty());
  panel.HoldWithChatter(0, 800, 400);
  panel.Run(1200);
  const Messages buttons = panel.ButtonMessages();
  EXPECT_EQ(std::count(buttons.begin(), buttons.end(), UpOf(4)), 1);
  EXPECT_EQ(buttons.back(), UpOf(4));
}

TEST(SwitchPress, ButtonOneIsReleasedLikeTheOthers) {
  Scanning panel;
  panel.ScanTo(1);
  panel.form().scanner().timer().SetEnabled(false);
  panel.Press(5, 100);
  panel.Run(600);
  EXPECT_EQ(panel.ButtonMessages(), (Messages{DownOf(1), UpOf(1)}));
}

TEST(SwitchPress, AnUnpluggedJoystickReleasesTheHeldButtonAndIsTriedOncePerTick) {
  Scanning panel;
  panel.ScanTo(4);
  panel.desk.switchButtons = [](std::int64_t) { return 1U; };
  panel.Run(300);
  panel.desk.pollFails = true;
  panel.Run(300);
  EXPECT_EQ(panel.ButtonMessages().back(), UpOf(4));
  panel.ClearReceived();
  panel.desk.polls = 0;
  panel.Run(1000);
  EXPECT_LE(panel.desk.polls, 6);
  EXPECT_TRUE(panel.ButtonMessages().empty());
  // Plugged back in: sampled again, and a press is a press.
  panel.desk.pollFails = false;
  panel.Run(400);
  EXPECT_EQ(panel.ButtonMessages().front(), DownOf(4));
}

TEST(SwitchPress, AScanFasterThanTheTickKeepsRepeatingTheHeldButton) {
  Scanning panel;
  panel.form().SetScanSpeed(0.1F);
  panel.Press(10, 1000);
  panel.Run(1500);
  Messages buttons = panel.ButtonMessages();
  ASSERT_FALSE(buttons.empty());
  const Down first = buttons.front();
  EXPECT_EQ(buttons.back(), std::make_pair(WM_JOYTOKEY_BUTTON_UP, first.second));
  buttons.pop_back();
  for (const auto& m : buttons) EXPECT_EQ(m, first);
}

TEST(SwitchPress, AHeldButtonIsReleasedOnTheStickItWentDownOn) {
  Scanning panel;
  PanelForm& form = panel.form();
  panel.ToSwitchOverOfTwoButtons();
  panel.Press(5, 60);  // over to the second stick
  panel.Run(400);
  ASSERT_EQ(panel.scan().activeStick, 1);
  form.scanner().TimerElapsed();
  panel.Press(5, 300);
  panel.Run(100);
  form.SecondStickClick();  // back to the first stick while the press is held
  panel.ClearReceived();
  panel.Run(600);
  EXPECT_EQ(panel.received()[0], Stick(0));
  const Messages got = panel.received();
  const auto up = std::find(got.begin(), got.end(), UpOf(1));
  ASSERT_NE(up, got.end());
  EXPECT_EQ(*(up - 1), Stick(1));
  EXPECT_EQ(*(up + 1), Stick(0));
}

TEST(SwitchPress, EveryWayOfClosingReleasesAHeldButtonBeforeTheQuit) {
  for (bool byMenu : {false, true}) {
    Scanning panel;
    panel.ScanTo(3);
    panel.Press(5, 100000);
    panel.Run(300);
    if (byMenu) {
      panel.form().ExitClick();
    } else {
      panel.form().Close();
    }
    const Messages got = panel.received();
    ASSERT_GE(got.size(), 2U);
    EXPECT_EQ(got.back(), std::make_pair(WM_QUIT_MESSAGE, 0));
    const auto up = std::find(got.begin(), got.end(), UpOf(3));
    ASSERT_NE(up, got.end()) << byMenu;
    if (byMenu) {
      EXPECT_EQ(*(up + 1), Stick(-1));
    }
  }
}

TEST(SwitchPress, AReleaseJoyToKeyCouldNotTakeIsSentOnceItAnswersAgain) {
  Scanning panel;
  panel.ScanTo(2);
  panel.form().scanner().timer().SetEnabled(false);
  panel.peer().stallOn = WM_JOYTOKEY_BUTTON_DOWN;
  panel.peer().stallMilliseconds = 3000;
  panel.Press(5, 100);
  panel.Run(5000);
  EXPECT_EQ(panel.ButtonMessages(), (Messages{DownOf(2), UpOf(2)}));
  EXPECT_GE(panel.TimeOfFirst(WM_JOYTOKEY_BUTTON_UP), 3000);
  EXPECT_FALSE(panel.app->Terminated());
}

TEST(SwitchPress, TheConfigurationNumberWaitsForAStalledJoyToKeyAndArrivesOnce) {
  Panel panel;
  panel.peer().stallOn = WM_JOYTOKEY_CONFIG;
  panel.peer().stallMilliseconds = 1500;
  ASSERT_TRUE(panel.Start());
  panel.Run(3000);
  const Messages got = panel.received();
  EXPECT_EQ(std::count(got.begin(), got.end(), std::make_pair(WM_JOYTOKEY_CONFIG, 51)), 1);
}

TEST(SwitchPress, TheWindowAnswersAndTheMenuOpensWhileTheSwitchIsHeld) {
  Scanning panel;
  panel.form().SubButtonCountClick(2);
  const std::int64_t releasedAt = panel.desk.now + 5 + 5000;
  panel.Press(5, 5000);
  panel.Run(1000);  // held: the panel is between handlers, not in a wait
  // A handler that waited for the release would have slept the clock past it.
  EXPECT_EQ(panel.desk.sleptMilliseconds, 0);
  EXPECT_LT(panel.desk.now, releasedAt);
  EXPECT_TRUE(panel.form().scanner().press().down);
  panel.form().MenuOpening();
  panel.form().MenuCommand(MenuId::Speed10);
  EXPECT_EQ(panel.form().scanner().timer().Interval(), 1000);
}

TEST(SwitchPress, AButtonHeldWhenTheColourDialogOpensIsReleasedAndTheHoldSelectsNothingMore) {
  Scanning panel;
  panel.form().SpeedClick(1.0F);
  panel.ScanTo(3);
  panel.Press(1, 1500);
  panel.Run(500);
  panel.form().ButtonClick(2);  // both dialogs cancelled
  Messages buttons = panel.ButtonMessages();
  ASSERT_FALSE(buttons.empty());
  EXPECT_EQ(buttons.back(), UpOf(3));  // before the dialogs took the ticks
  const std::size_t before = buttons.size();
  panel.Run(1500);  // the rest of the hold, and its release
  EXPECT_EQ(panel.ButtonMessages().size(), before);
  panel.Press(1, 50);
  panel.Run(500);
  buttons = panel.ButtonMessages();
  ASSERT_EQ(buttons.size(), before + 2);
  EXPECT_EQ(buttons.back().first, WM_JOYTOKEY_BUTTON_UP);
}

TEST(SwitchPress, AButtonHeldWhenTheSwitchSettingsDialogOpensIsReleasedBeforeItAndTheHoldSelectsNothingMore) {
  Scanning panel;
  panel.form().SpeedClick(1.0F);
  panel.ScanTo(3);
  panel.Press(1, 1500);
  panel.Run(500);
  panel.form().SwitchSettingsClick();  // cancelled
  ASSERT_EQ(panel.desk.switchDialogInitial.size(), 1U);
  EXPECT_EQ(panel.ButtonMessages().back(), UpOf(3));
  const std::size_t before = panel.ButtonMessages().size();
  panel.Run(1500);
  EXPECT_EQ(panel.ButtonMessages().size(), before);
}

TEST(OneButtonPress, AShortPressSendsMinusOneThenThePressAfterTheReleaseAndItsReleaseATickLater) {
  Scanning panel;
  panel.form().SubButtonCountClick(2);
  panel.form().scanner().TimerElapsed();
  ASSERT_TRUE(panel.form().MenuChecked(MenuId::OneButton));
  panel.form().options.clickSound = true;
  panel.desk.soundLengthMilliseconds = 300;
  panel.Press(5, 300 + 950);  // 950 ms after the click ends
  panel.Run(2000);
  EXPECT_EQ(panel.WithoutTickReports(), (Messages{Stick(-1), DownOf(1), UpOf(1)}));
  EXPECT_GE(panel.TimeOfFirst(WM_JOYTOKEY_BUTTON_UP) - panel.TimeOfFirst(WM_JOYTOKEY_BUTTON_DOWN), 150);
  // Nothing but the -1 while the switch was held.
  const auto& got = panel.peer().received;
  const auto minusOne = std::find_if(got.begin(), got.end(), [](const sim::ReceivedMessage& m) {
    return m.message == WM_JOYTOKEY_STICK && m.lParam == -1;
  });
  ASSERT_NE(minusOne, got.end());
  EXPECT_EQ((minusOne + 1)->message, WM_JOYTOKEY_BUTTON_DOWN);
  EXPECT_EQ(panel.scan().buttonCount, 1);
}

TEST(OneButtonPress, ALongPressOpensTheSubButtonsEvenWithBounceInsideIt) {
  Scanning panel;
  panel.form().SubButtonCountClick(6);
  panel.form().scanner().TimerElapsed();
  panel.HoldWithChatter(5, 1095, 500);
  panel.Run(1500);
  EXPECT_EQ(panel.WithoutTickReports(), (Messages{Stick(-1)}));
  const Messages got = panel.received();
  const auto minusOne = std::find(got.begin(), got.end(), Stick(-1));
  ASSERT_NE(minusOne, got.end());
  EXPECT_EQ(*(minusOne + 1), Stick(0));
  EXPECT_TRUE(panel.ButtonMessages().empty());
  EXPECT_EQ(panel.scan().buttonCount, 6);
  EXPECT_EQ(panel.form().Button(1).color, colors::kBtnFace);  // nothing lit before the first step
  EXPECT_EQ(panel.scan().activeStick, 0);
  EXPECT_EQ(panel.form().scanner().StepsBeforeSubButtonsClose(), 7);
  EXPECT_FALSE(panel.form().MenuChecked(MenuId::OneButton));
  EXPECT_TRUE(panel.form().MenuChecked(MenuId::Buttons6));

  // On the open sub-buttons a press goes out at once.
  panel.form().scanner().timer().SetEnabled(false);
  panel.form().scanner().TimerElapsed();
  panel.form().scanner().TimerElapsed();
  panel.ClearReceived();
  panel.Press(5, 50);
  panel.Run(100);
  EXPECT_EQ(panel.ButtonMessages(), (Messages{DownOf(2)}));
}

TEST(OneButtonPress, TheLongPressIsOneSecondOnTheClock) {
  for (const auto& [held, long_] : {std::pair{980, false}, std::pair{1020, true}}) {
    Scanning panel;
    panel.form().SubButtonCountClick(4);
    panel.form().scanner().TimerElapsed();
    panel.Press(5, held);
    panel.Run(2000);
    EXPECT_EQ(panel.scan().buttonCount, long_ ? 4 : 1) << held;
  }
}

TEST(SwitchOver, APressAtPositionZeroTogglesTheStickColourAndNamesAtItsRelease) {
  Scanning panel;
  PanelForm& form = panel.form();
  panel.ToSwitchOverOfTwoButtons();
  panel.Press(5, 500);
  panel.Run(300);
  EXPECT_EQ(panel.scan().activeStick, 0);  // not while held
  panel.Run(500);
  EXPECT_EQ(panel.scan().activeStick, 1);
  EXPECT_EQ(form.color, colors::kFuchsia);
  EXPECT_EQ(form.Button(1).caption, "ボタン11");
  EXPECT_EQ(panel.WithoutTickReports().front(), Stick(1));
  EXPECT_TRUE(panel.ButtonMessages().empty());

  panel.Press(5, 50);
  panel.Run(400);
  EXPECT_EQ(panel.scan().activeStick, 0);
  EXPECT_EQ(form.color, colors::kGreen);
  EXPECT_EQ(form.Button(1).caption, "ボタン１");

  // With names hidden the captions are left alone.
  form.ShowNamesClick();
  form.Button(1).caption.clear();
  panel.Press(5, 50);
  panel.Run(400);
  EXPECT_EQ(form.color, colors::kFuchsia);
  EXPECT_EQ(form.Button(1).caption, "");
}

TEST(SwitchOver, APressAtPositionZeroDoesNothingWithoutTheSecondJoystick) {
  Scanning panel;
  panel.form().ButtonCountClick(3);
  ASSERT_FALSE(panel.form().MenuChecked(MenuId::SecondStick));
  ASSERT_EQ(panel.scan().litPosition, 0);
  panel.Press(5, 50);
  panel.Run(400);
  EXPECT_EQ(panel.scan().activeStick, 0);
  EXPECT_EQ(panel.form().color, colors::kGreen);
  EXPECT_TRUE(panel.ButtonMessages().empty());
}

TEST(JoyToKeyGone, StopsEveryTimerWarnsAndClosesThePanel) {
  Scanning panel;
  panel.desk.CloseWindow(panel.joyToKey);
  bool timersStoppedBehindTheBox = false;
  panel.desk.onMessageBox = [&](const sim::ShownMessage&) {
    timersStoppedBehindTheBox = !panel.form().driver.Ticking() && !panel.form().scanner().timer().Enabled() &&
                                !panel.form().driver.Sampling();
  };
  panel.Run(400);
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_EQ(panel.desk.messages[0].text,
            "「Kelpimo。」を接続して\nJoyToKey Ver3.7以降をインストールして\n「Sorvane+。」を再起動してください。");
  EXPECT_EQ(panel.desk.messages[0].caption, "エラー");
  EXPECT_EQ(panel.desk.messages[0].flags, 0x30U);
  EXPECT_TRUE(timersStoppedBehindTheBox);
  EXPECT_TRUE(panel.app->Terminated());
  EXPECT_EQ(panel.desk.files.count("C:\\Sorvane\\Sorvane.ini"), 1U);  // settings saved on the way out
}

TEST(SwitchKeys, TwoKeysScanTheSingleDisplayAndPressWhatItShows) {
  Scanning panel;
  panel.form().options.singleDisplay = true;
  panel.form().switchOptions.key = 0x20;
  panel.form().switchOptions.key2 = 0x0D;
  panel.form().ApplySwitchOptions();
  panel.scan().method = ScanMethodId::kTwoSwitches;
  panel.form().ApplyScanMethod();
  EXPECT_EQ(panel.form().Button(1).caption, "") << "nothing is shown before a press";
  const std::int64_t t = panel.desk.now;
  panel.desk.keyDown = [t](std::int64_t now) {
    return (now >= t + 500 && now < t + 600) || (now >= t + 1500 && now < t + 1600);
  };
  panel.desk.secondKeyDown = [t](std::int64_t now) { return now >= t + 2500 && now < t + 2600; };
  panel.Run(2000);
  EXPECT_EQ(panel.form().Button(1).caption, panel.form().nameEditor->Name(2));
  panel.Run(2000);
  EXPECT_EQ(panel.ButtonMessages(), (Messages{DownOf(2), UpOf(2)}));
}

}  // namespace sorvane::test
