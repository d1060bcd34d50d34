#include <gtest/gtest.h>

#include "Harness.h"

namespace sorvane::test {

namespace {

// Positions visited by the next `steps` scan steps.
std::vector<int> Positions(Panel& panel, int steps) {
  std::vector<int> seen;
  for (int i = 0; i < steps; ++i) {
    panel.form().ScanTimerTimer();
    seen.push_back(panel.scan().scanPos);
  }
  return seen;
}

Panel& Started(Panel& panel) {
  EXPECT_TRUE(panel.Start());
  return panel;
}

}  // namespace

TEST(ScanOrder, RunsOverTheButtonsAndThroughTheSwitchOverPositionOnlyWhenEnabled) {
  {
    Panel panel;
    Started(panel).form().ButtonCountClick(3);
    EXPECT_EQ(Positions(panel, 7), (std::vector<int>{1, 2, 3, 1, 2, 3, 1}));
  }
  {
    Panel panel;
    Started(panel).form().ButtonCountClick(3);
    panel.form().PopupMenu1.SetChecked(MenuId::JoyStickID2, true);
    std::vector<bool> markerShown;
    std::vector<int> seen;
    for (int i = 0; i < 9; ++i) {
      panel.form().ScanTimerTimer();
      seen.push_back(panel.scan().scanPos);
      markerShown.push_back(panel.form().BtnOption.visible);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 0, 1, 2, 3, 0, 1}));
    EXPECT_EQ(markerShown, (std::vector<bool>{false, false, false, true, false, false, false, true, false}));
  }
  {
    Panel panel;
    Started(panel).form().ButtonCountClick(8);
    panel.form().PopupMenu1.SetChecked(MenuId::JoyStickID2, true);
    EXPECT_EQ(Positions(panel, 10), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 0, 1}));
  }
  {
    Panel panel;  // one button: always position 1, feature or not
    Started(panel).form().PopupMenu1.SetChecked(MenuId::JoyStickID2, true);
    panel.scan().scanMax = 1;
    panel.form().LayoutButtons(1, 4);
    EXPECT_EQ(Positions(panel, 4), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_FALSE(panel.form().BtnOption.visible);
  }
}

TEST(ScanClick, SoundsOnEveryStepWithTwoOrMoreButtonsAndNeverWithOne) {
  Panel panel;
  Started(panel).form().ButtonCountClick(2);
  panel.form().PopupMenu1.SetChecked(MenuId::JoyStickID2, true);
  Positions(panel, 3);  // 1, 2, 0
  EXPECT_EQ(panel.desk.soundsPlayed.size(), 3U);
  panel.scan().scanMax = 1;
  panel.form().LayoutButtons(1, 4);
  Positions(panel, 3);
  EXPECT_EQ(panel.desk.soundsPlayed.size(), 3U);
  panel.form().PopupMenu1.SetChecked(MenuId::Sound, false);
  panel.form().ButtonCountClick(4);
  Positions(panel, 3);
  EXPECT_EQ(panel.desk.soundsPlayed.size(), 3U);
}

TEST(ScanHighlight, PaintsTheHighlightedButtonFromItsSlotAndTheOthersIdle) {
  Panel panel;
  Started(panel).form().ButtonCountClick(3);
  ProgramState& state = panel.app->state;
  state.Appearance(2) = ButtonAppearance{colors::kRed, colors::kBlue, "x", 20, 0, kFontItalic};
  state.Appearance(12) = ButtonAppearance{colors::kAqua, colors::kBlack, "y", 9, 0, kFontBold};
  Positions(panel, 2);
  TSorvaneForm& form = panel.form();
  EXPECT_EQ(form.CuteButton(2).color, colors::kRed);
  EXPECT_EQ(form.CuteButton(2).font.color, colors::kBlue);
  EXPECT_EQ(form.CuteButton(2).font.size, 20);
  EXPECT_EQ(form.CuteButton(2).font.style, kFontItalic);
  for (int k : {1, 3, 4, 8}) {
    EXPECT_EQ(form.CuteButton(k).color, colors::kBtnFace) << k;
    EXPECT_EQ(form.CuteButton(k).font.color, colors::kWhite) << k;
  }
  // The second stick's slots, font size included.
  panel.scan().activeStick = 1;
  Positions(panel, 2);  // 3, then 1
  Positions(panel, 1);  // 2
  EXPECT_EQ(form.CuteButton(2).color, colors::kAqua);
  EXPECT_EQ(form.CuteButton(2).font.size, 9);
  EXPECT_EQ(form.CuteButton(2).font.style, kFontBold);
}

TEST(SingleDisplay, ShowsSwitchOverInPurpleAndOtherButtonsOnButtonOneWithoutLosingItsOwnFont) {
  Panel panel;
  Started(panel).form().ButtonCountClick(3);
  TSorvaneForm& form = panel.form();
  form.SingleDspClick();
  EXPECT_EQ(form.ClientWidth(), 72);
  form.PopupMenu1.SetChecked(MenuId::JoyStickID2, true);
  form.CuteButton(2).font.name = "Courier";
  form.CuteButton(2).font.size = 30;
  panel.scan().activeStick = 1;
  panel.app->NameForm->Edit(12).caption = "twelve";
  panel.app->state.Appearance(12).color = colors::kRed;

  Positions(panel, 2);  // position 2 on the second stick
  EXPECT_EQ(form.CuteButton(1).caption, "twelve");
  EXPECT_EQ(form.CuteButton(1).font.name, "Courier");
  EXPECT_EQ(form.CuteButton(1).font.size, 30);
  EXPECT_EQ(form.CuteButton(1).color, colors::kRed);

  Positions(panel, 2);  // 3, then the switch-over position
  ASSERT_EQ(panel.scan().scanPos, 0);
  EXPECT_EQ(form.CuteButton(1).caption, "切替");
  EXPECT_EQ(form.CuteButton(1).color, colors::kBtnFace);
  EXPECT_EQ(form.CuteButton(1).font.color, colors::kPurple);
  EXPECT_EQ(form.CuteButton(1).font.name, form.DummyBtn.font.name);
  EXPECT_EQ(form.CuteButton(1).font.size, form.DummyBtn.font.size);

  form.CuteButton(1).font = form.CuteButton(2).font;  // left showing button 2's font
  form.SingleDspClick();
  EXPECT_EQ(form.CuteButton(1).font.name, kUiFontFace);
  EXPECT_EQ(form.CuteButton(1).caption, panel.app->NameForm->Name(1));
  EXPECT_EQ(form.CuteButton(1).color, panel.app->state.Appearance(1).color);
}

TEST(CursorChase, PutsThePanelTenPixelsRightOfAndBelowTheCursor) {
  Panel panel;
  Started(panel).form().PopupMenu1.SetChecked(MenuId::Oikake, true);
  panel.desk.cursor = {300, 200};
  panel.form().ScanTimerTimer();
  EXPECT_EQ(panel.form().left, 310);
  EXPECT_EQ(panel.form().top, 210);
}

TEST(OneButtonMode, OffersEverySubButtonExactlyOnceThenCollapses) {
  for (int subCount : {2, 4, 6, 8}) {
    Panel panel;
    Started(panel);
    TSorvaneForm& form = panel.form();
    form.SubButtonCountClick(subCount);
    ScanState& s = panel.scan();
    // What a long press does.
    s.scanMax = s.subScan;
    s.scanPos = 0;
    form.LayoutButtons(s.scanMax, s.subScan);
    s.oneButtonMode = 1;
    panel.app->state.collapseCountdown = s.scanMax + 1;
    panel.desk.soundsPlayed.clear();

    std::vector<int> expected;
    for (int k = 1; k <= subCount; ++k) expected.push_back(k);
    expected.push_back(1);
    EXPECT_EQ(Positions(panel, subCount + 1), expected) << subCount;
    EXPECT_EQ(s.scanMax, 1);
    EXPECT_TRUE(form.PopupMenu1.Checked(MenuId::Btn1));
    EXPECT_EQ(panel.desk.soundsPlayed.size(), static_cast<std::size_t>(subCount));
    EXPECT_EQ(Positions(panel, 3), (std::vector<int>{1, 1, 1}));
  }
}

TEST(ScanTimerInterval, EveryStepComesOneIntervalAfterTheLast) {
  Panel panel;
  Started(panel).form().SpeedClick(0.5F);
  panel.Run(2600);
  EXPECT_EQ(panel.form().ScanTimer.Interval(), 500);
  // 5 steps in 2.6 s over 4 buttons: 1 2 3 4 1.
  EXPECT_EQ(panel.scan().scanPos, 1);
}

}  // namespace sorvane::test
