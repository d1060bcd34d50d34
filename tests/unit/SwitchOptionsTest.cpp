#include <gtest/gtest.h>

#include "Harness.h"

namespace sorvane::test {

namespace {

// A panel of four buttons scanning at 1 s, with the given [Switch] lines.
struct WithOptions : Panel {
  explicit WithOptions(const std::string& lines) {
    desk.files["C:\\Sorvane\\Sorvane.ini"] = "[Interval]\r\nScanTimer=1\r\n[Sound]\r\nON=0\r\n[Switch]\r\n" + lines;
    EXPECT_TRUE(Start());
    ClearReceived();
  }
  void Press(std::int64_t after, std::int64_t length) {
    desk.HoldSwitch(desk.now + after, desk.now + after + length);
  }
  // Whole presses: each ends in one release.
  int Presses() const {
    int count = 0;
    for (const auto& m : ButtonMessages()) count += m.first == WM_JOYTOKEY_BUTTON_UP;
    return count;
  }
  // When each scan step lands, as (time, position), over the next milliseconds.
  std::vector<std::pair<std::int64_t, int>> Steps(std::int64_t milliseconds) {
    std::vector<std::pair<std::int64_t, int>> steps;
    int last = scan().litPosition;
    desk.RunFor(milliseconds, [&] {
      if (scan().litPosition != last) steps.emplace_back(desk.now, last = scan().litPosition);
      return false;
    });
    return steps;
  }
};

}  // namespace

TEST(SwitchOptions, ValuesOutOfRangeInTheFileAreHeldToTheEndsAndSavedSo) {
  WithOptions panel("Key=999\r\nAcceptTime=-5\r\nIgnoreRepeat=70000\r\nFirstPause=12\r\nLoops=100\r\n");
  const SwitchOptions& options = panel.form().switchOptions;
  EXPECT_EQ(options, (SwitchOptions{254, 0, 5000, 12, 99}));
  EXPECT_EQ(panel.desk.switchKey, 254);
  panel.form().Close();
  const std::string& saved = panel.desk.files.at("C:\\Sorvane\\Sorvane.ini");
  EXPECT_NE(saved.find("[Switch]\r\nKey=254\r\nAcceptTime=0\r\nIgnoreRepeat=5000\r\nFirstPause=12\r\nLoops=99\r\n"),
            std::string::npos);
}

TEST(SwitchOptions, AcceptTimeIgnoresShortPressesEntirelyAndMeetsIgnoreRepeat) {
  WithOptions panel("AcceptTime=500\r\nIgnoreRepeat=1500\r\n");
  panel.Run(1100);  // onto button 1
  panel.form().options.clickSound = true;
  panel.form().scanner().timer().SetEnabled(false);
  panel.Press(10, 200);
  panel.Run(800);
  EXPECT_EQ(panel.Presses(), 0);
  EXPECT_TRUE(panel.desk.soundsPlayed.empty());
  panel.Press(10, 900);
  panel.Run(1200);
  EXPECT_EQ(panel.Presses(), 1);
  // Released; a press 300 ms later, however long, is ignored, and so is its release.
  panel.Press(300, 900);
  panel.Run(1500);
  EXPECT_EQ(panel.Presses(), 1);
  // 1.5 s after the last counted release a press counts again.
  panel.Press(1600, 700);
  panel.Run(2500);
  EXPECT_EQ(panel.Presses(), 2);
  EXPECT_EQ(panel.ButtonMessages().back().first, WM_JOYTOKEY_BUTTON_UP);
}

TEST(SwitchOptions, APressActsOnTheButtonLitWhenTheSwitchClosedThoughAcceptedLater) {
  WithOptions panel("AcceptTime=300\r\n");
  panel.Run(1100);  // button 1 lit; the next step comes at 2000
  ASSERT_EQ(panel.scan().litPosition, 1);
  panel.Press(700, 500);  // closes at 1800, counts at 2100, after the step to 2
  panel.Run(1000);
  ASSERT_FALSE(panel.ButtonMessages().empty());
  EXPECT_EQ(panel.ButtonMessages().front(), std::make_pair(WM_JOYTOKEY_BUTTON_DOWN, 0));
  EXPECT_NE(panel.form().Button(1).color, colors::kBtnFace);  // lit again while held
}

TEST(SwitchOptions, TheSwitchKeyIsASecondSwitch) {
  WithOptions panel("Key=32\r\n");
  panel.Run(1100);
  panel.form().scanner().timer().SetEnabled(false);
  const std::int64_t t = panel.desk.now;
  panel.desk.keyDown = [t](std::int64_t now) { return now >= t + 10 && now < t + 300; };
  panel.Run(600);
  EXPECT_EQ(panel.ButtonMessages().front(), std::make_pair(WM_JOYTOKEY_BUTTON_DOWN, 0));
  EXPECT_EQ(panel.Presses(), 1);
}

TEST(SwitchOptions, AMouseButtonSwitchTakesOnlyItsButtonWithTheSameAcceptAndIgnoreTimes) {
  WithOptions panel("MouseButton=3\r\nMouseButton2=9\r\nAcceptTime=500\r\nIgnoreRepeat=1500\r\n");
  EXPECT_EQ(panel.desk.switchMouseButton, kMiddleMouseButton);
  EXPECT_EQ(panel.desk.secondSwitchMouseButton, kForwardMouseButton);  // held to the last button
  panel.Run(1100);
  panel.form().scanner().timer().SetEnabled(false);
  const auto click = [&panel](int button, std::int64_t after, std::int64_t length) {
    panel.desk.HoldMouseButton(button, panel.desk.now + after, panel.desk.now + after + length);
    panel.Run(after + length + 300);
  };
  click(kLeftMouseButton, 10, 900);
  click(kMiddleMouseButton, 10, 200);  // shorter than the accept time
  EXPECT_EQ(panel.Presses(), 0);
  click(kMiddleMouseButton, 10, 900);
  EXPECT_EQ(panel.Presses(), 1);
  click(kMiddleMouseButton, 10, 900);  // within the ignore time of the last release
  EXPECT_EQ(panel.Presses(), 1);
  click(kMiddleMouseButton, 1600, 700);
  EXPECT_EQ(panel.Presses(), 2);

  // One button cannot be both switches.
  SwitchOptionTexts typed = TextsOf(panel.form().switchOptions);
  typed.mouseButton2 = kMiddleMouseButton;
  EXPECT_EQ(ParseOptionTexts(typed).problem,
            "スイッチ 2 にするマウスボタンには、スイッチのマウスボタンとは別のボタンを選んでください");
}

TEST(SwitchOptions, FirstPauseKeepsTheFirstPositionOfEachCycleLitLonger) {
  {
    WithOptions panel("FirstPause=1500\r\n");
    const auto steps = panel.Steps(6000);
    ASSERT_GE(steps.size(), 4U);
    EXPECT_EQ(steps[0].second, 1);
    EXPECT_EQ(steps[1].first - steps[0].first, 2500);  // button 1: 1 s and 1.5 s more
    EXPECT_EQ(steps[2].first - steps[1].first, 1000);
    EXPECT_EQ(steps[3].first - steps[2].first, 1000);
  }
  {
    WithOptions panel("FirstPause=1500\r\n");
    panel.form().SingleDisplayClick();
    const auto steps = panel.Steps(6000);
    ASSERT_GE(steps.size(), 2U);
    EXPECT_EQ(steps[1].first - steps[0].first, 2500);
  }
  {
    // One-button mode: the single button is the whole cycle, so every step is first.
    WithOptions panel("FirstPause=500\r\n");
    panel.form().SubButtonCountClick(2);
    panel.Run(1600);
    EXPECT_EQ(panel.form().scanner().timer().Interval(), 1500);
  }
}

TEST(SwitchOptions, LoopsRestTheScanUntilAPressThatSelectsNothing) {
  WithOptions panel("Loops=1\r\n[JoyStickID]\r\nON=1\r\n");
  panel.form().ButtonCountClick(2);
  // 1, 2, the switch-over position, and then rest instead of 1 again.
  panel.Run(3100);
  EXPECT_EQ(panel.scan().litPosition, 0);
  panel.Run(1000);
  EXPECT_TRUE(panel.form().scanner().Resting());
  EXPECT_FALSE(panel.form().scanner().timer().Enabled());
  EXPECT_FALSE(panel.form().switchOverMarker.visible);
  for (int k = 1; k <= 2; ++k) EXPECT_EQ(panel.form().Button(k).color, colors::kBtnFace);
  panel.Run(5000);  // resting stays resting
  EXPECT_TRUE(panel.form().scanner().Resting());

  panel.Press(10, 600);
  panel.Run(900);
  EXPECT_FALSE(panel.form().scanner().Resting());
  EXPECT_EQ(panel.scan().litPosition, 1);
  EXPECT_NE(panel.form().Button(1).color, colors::kBtnFace);
  EXPECT_TRUE(panel.ButtonMessages().empty());  // the waking press selected nothing
  // A press at the switch-over position counts as a press: no rest after it.
  // (The scan's steps count from the waking press's release.)
  panel.Run(2000);
  ASSERT_EQ(panel.scan().litPosition, 0);
  panel.Press(10, 50);
  panel.Run(500);
  EXPECT_EQ(panel.scan().activeStick, 1);
  panel.Run(2000);
  EXPECT_FALSE(panel.form().scanner().Resting());
}

TEST(SwitchOptions, AWakingPressHeldLongerThanACycleHoldsTheScanUntilItsRelease) {
  // A slow release must not put the scan back to rest, or use up the next
  // press as another waking one.
  WithOptions panel("Loops=1\r\n");
  panel.form().ButtonCountClick(2);
  panel.Run(4100);
  ASSERT_TRUE(panel.form().scanner().Resting());
  panel.Press(10, 3500);
  panel.Run(3400);
  EXPECT_FALSE(panel.form().scanner().Resting());
  EXPECT_EQ(panel.scan().litPosition, 1);
  panel.Run(300);  // released
  panel.Press(100, 50);
  panel.Run(500);
  EXPECT_EQ(panel.ButtonMessages(), (Messages{{WM_JOYTOKEY_BUTTON_DOWN, 0}, {WM_JOYTOKEY_BUTTON_UP, 0}}));

  // In one-button mode the press after the waking one is a one-button press.
  panel.form().MenuCommand(MenuId::SubButtons2);
  panel.Run(3100);
  ASSERT_TRUE(panel.form().scanner().Resting());
  panel.Press(10, 2500);
  panel.Run(2800);
  EXPECT_FALSE(panel.form().scanner().Resting());
  panel.Press(10, 1500);
  panel.Run(1800);
  EXPECT_EQ(panel.scan().buttonCount, 2);  // the long press opened the sub-buttons
}

TEST(SwitchOptions, TheDialogKeepsOnlyValuesInRange) {
  WithOptions panel("");
  panel.desk.switchAnswers.push_back(SwitchOptionTexts{32, "600", "9000", "0", "2"});
  panel.desk.switchAnswers.push_back(SwitchOptionTexts{32, "600", "1500", "abc", "2"});
  panel.desk.switchAnswers.push_back(SwitchOptionTexts{32, "600", "1500", "２００", "2"});
  panel.form().MenuCommand(MenuId::SwitchSettings);
  ASSERT_EQ(panel.desk.messages.size(), 2U);
  EXPECT_EQ(panel.desk.messages[0].text, "連続押し無視は 0 から 5000 までの整数で入力してください");
  EXPECT_EQ(panel.desk.switchDialogInitial[1].ignoreRepeatMilliseconds, "9000");  // what was typed comes back
  EXPECT_EQ(panel.form().switchOptions, (SwitchOptions{32, 600, 1500, 200, 2}));
  EXPECT_EQ(panel.desk.switchKey, 32);
  EXPECT_TRUE(panel.form().scanner().timer().Enabled());

  panel.desk.switchAnswers.push_back(SwitchOptionTexts{0, "1", "1", "1", "1"});
  panel.desk.switchAnswers.push_back(std::nullopt);
  panel.form().MenuCommand(MenuId::SwitchSettings);  // cancelled
  panel.form().MenuCommand(MenuId::SwitchSettings);
  EXPECT_EQ(panel.form().switchOptions, (SwitchOptions{0, 1, 1, 1, 1}));
}

TEST(SwitchOptions, TheDialogTakesTheSecondKeyAndTheDwellTimeByTheSameRules) {
  SwitchOptions chosen;
  chosen.key = 32;
  chosen.key2 = 13;
  chosen.selectingPause = 3500;
  const SwitchOptionTexts texts = TextsOf(chosen);
  EXPECT_EQ(texts.key2, 13);
  EXPECT_EQ(texts.selectingPause, "3500");
  EXPECT_EQ(ParseOptionTexts(texts).options, chosen);

  SwitchOptionTexts typed = texts;
  for (const char* outOfRange : {"499", "10001", "", "2 s", "-600"}) {
    typed.selectingPause = outOfRange;
    const ParsedOptions parsed = ParseOptionTexts(typed);
    EXPECT_FALSE(parsed.options) << outOfRange;
    EXPECT_EQ(parsed.problem, "選択までの待ち時間は 500 から 10000 までの整数で入力してください") << outOfRange;
  }
  typed.selectingPause = " １５００ ";
  ASSERT_TRUE(ParseOptionTexts(typed).options);
  EXPECT_EQ(ParseOptionTexts(typed).options->selectingPause, 1500);
  typed.selectingPause = "10000";
  EXPECT_EQ(ParseOptionTexts(typed).options->selectingPause, 10000);

  // One key cannot be both switches; no second key at all is fine.
  typed.key2 = 32;
  EXPECT_FALSE(ParseOptionTexts(typed).options);
  EXPECT_EQ(ParseOptionTexts(typed).problem, "スイッチ 2 のキーには、スイッチのキーとは別のキーを選んでください");
  typed.key = 0;
  typed.key2 = 0;
  EXPECT_EQ(ParseOptionTexts(typed).options->key2, 0);
}

TEST(SwitchOptions, TheDialogOpensOnTheSecondKeyAndTheDwellTimeAndKeepsThemOnlyInRange) {
  WithOptions panel("Key2=65\r\n[Scan]\r\nDwellTime=4000\r\n");
  SwitchOptionTexts answer{32, "0", "0", "0", "0", 66, "20000"};
  panel.desk.switchAnswers.push_back(answer);
  answer.selectingPause = "2500";
  panel.desk.switchAnswers.push_back(answer);
  panel.form().MenuCommand(MenuId::SwitchSettings);
  ASSERT_EQ(panel.desk.switchDialogInitial.size(), 2U);
  EXPECT_EQ(panel.desk.switchDialogInitial[0].key2, 65);
  EXPECT_EQ(panel.desk.switchDialogInitial[0].selectingPause, "4000");
  EXPECT_EQ(panel.desk.switchDialogInitial[1].selectingPause, "20000");  // what was typed comes back
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_EQ(panel.desk.messages[0].text, "選択までの待ち時間は 500 から 10000 までの整数で入力してください");
  EXPECT_EQ(panel.form().switchOptions.key2, 66);
  EXPECT_EQ(panel.form().switchOptions.selectingPause, 2500);
  EXPECT_EQ(panel.scan().selectingPause, 2500);
}

}  // namespace sorvane::test
