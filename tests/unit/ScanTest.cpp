#include <gtest/gtest.h>

#include "Harness.h"

namespace sorvane::test {

namespace {

// Positions visited by the next `steps` scan steps.
std::vector<int> Positions(Panel& panel, int steps) {
  std::vector<int> seen;
  for (int i = 0; i < steps; ++i) {
    panel.form().scanner().TimerElapsed();
    seen.push_back(panel.scan().litPosition);
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
    panel.form().scan().secondStick = true;
    std::vector<bool> markerShown;
    std::vector<int> seen;
    for (int i = 0; i < 9; ++i) {
      panel.form().scanner().TimerElapsed();
      seen.push_back(panel.scan().litPosition);
      markerShown.push_back(panel.form().switchOverMarker.visible);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 0, 1, 2, 3, 0, 1}));
    EXPECT_EQ(markerShown, (std::vector<bool>{false, false, false, true, false, false, false, true, false}));
  }
  {
    Panel panel;
    Started(panel).form().ButtonCountClick(8);
    panel.form().scan().secondStick = true;
    EXPECT_EQ(Positions(panel, 10), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 0, 1}));
  }
  {
    Panel panel;  // one button: always position 1, feature or not
    Started(panel).form().scan().secondStick = true;
    panel.scan().buttonCount = 1;
    panel.form().LayoutButtons(1);
    EXPECT_EQ(Positions(panel, 4), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_FALSE(panel.form().switchOverMarker.visible);
  }
}

TEST(ScanClick, SoundsOnEveryStepWithTwoOrMoreButtonsAndNeverWithOne) {
  Panel panel;
  Started(panel).form().ButtonCountClick(2);
  panel.form().scan().secondStick = true;
  Positions(panel, 3);  // 1, 2, 0
  EXPECT_EQ(panel.desk.soundsPlayed.size(), 3U);
  panel.scan().buttonCount = 1;
  panel.form().LayoutButtons(1);
  Positions(panel, 3);
  EXPECT_EQ(panel.desk.soundsPlayed.size(), 3U);
  panel.form().options.clickSound = false;
  panel.form().ButtonCountClick(4);
  Positions(panel, 3);
  EXPECT_EQ(panel.desk.soundsPlayed.size(), 3U);
}

TEST(ScanHighlight, PaintsTheHighlightedButtonFromItsSlotAndTheOthersIdle) {
  Panel panel;
  Started(panel).form().ButtonCountClick(3);
  PanelForm& state = panel.form();
  state.Appearance(2) = ButtonAppearance{colors::kRed, colors::kBlue, "x", 20, 0, kFontItalic};
  state.Appearance(12) = ButtonAppearance{colors::kAqua, colors::kBlack, "y", 9, 0, kFontBold};
  Positions(panel, 2);
  PanelForm& form = panel.form();
  EXPECT_EQ(form.Button(2).color, colors::kRed);
  EXPECT_EQ(form.Button(2).font.color, colors::kBlue);
  EXPECT_EQ(form.Button(2).font.size, 20);
  EXPECT_EQ(form.Button(2).font.style, kFontItalic);
  for (int k : {1, 3, 4, 8}) {
    EXPECT_EQ(form.Button(k).color, colors::kBtnFace) << k;
    EXPECT_EQ(form.Button(k).font.color, colors::kWhite) << k;
  }
  // The second stick's slots, font size included.
  panel.scan().activeStick = 1;
  Positions(panel, 2);  // 3, then 1
  Positions(panel, 1);  // 2
  EXPECT_EQ(form.Button(2).color, colors::kAqua);
  EXPECT_EQ(form.Button(2).font.size, 9);
  EXPECT_EQ(form.Button(2).font.style, kFontBold);
}

TEST(SingleDisplay, ShowsSwitchOverInPurpleAndOtherButtonsOnButtonOneWithoutLosingItsOwnFont) {
  Panel panel;
  Started(panel).form().ButtonCountClick(3);
  PanelForm& form = panel.form();
  form.SingleDisplayClick();
  EXPECT_EQ(form.ClientWidth(), 72);
  form.scan().secondStick = true;
  form.Button(2).font.name = "Courier";
  form.Button(2).font.size = 30;
  panel.scan().activeStick = 1;
  panel.app->nameEditor->Edit(12).caption = "twelve";
  panel.form().Appearance(12).color = colors::kRed;

  Positions(panel, 2);  // position 2 on the second stick
  EXPECT_EQ(form.Button(1).caption, "twelve");
  EXPECT_EQ(form.Button(1).font.name, "Courier");
  EXPECT_EQ(form.Button(1).font.size, 30);
  EXPECT_EQ(form.Button(1).color, colors::kRed);

  Positions(panel, 2);  // 3, then the switch-over position
  ASSERT_EQ(panel.scan().litPosition, 0);
  EXPECT_EQ(form.Button(1).caption, "切替");
  EXPECT_EQ(form.Button(1).color, colors::kBtnFace);
  EXPECT_EQ(form.Button(1).font.color, colors::kPurple);
  EXPECT_EQ(form.Button(1).font.name, form.buttonOneFont.name);
  EXPECT_EQ(form.Button(1).font.size, form.buttonOneFont.size);

  form.Button(1).font = form.Button(2).font;  // left showing button 2's font
  form.SingleDisplayClick();
  EXPECT_EQ(form.Button(1).font.name, kUiFontFace);
  EXPECT_EQ(form.Button(1).caption, panel.app->nameEditor->Name(1));
  EXPECT_EQ(form.Button(1).color, colors::kBtnFace);  // the switch-over marker is lit, not button 1
}

TEST(SingleDisplay, TurnedOffTheStripShowsThePositionLitAloneAndAPressSendsIt) {
  Panel panel;
  Started(panel).form().ButtonCountClick(4);
  PanelForm& form = panel.form();
  Positions(panel, 4);  // button 4 lit on the strip
  form.SingleDisplayClick();
  Positions(panel, 1);  // the single display shows button 1
  form.SingleDisplayClick();
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(form.Button(k).color, k == 1 ? form.Appearance(1).color : colors::kBtnFace) << k;
  }
  EXPECT_EQ(form.Button(1).font.name, form.buttonOneFont.name);
  panel.ClearReceived();
  panel.desk.HoldSwitch(panel.desk.now + 5, panel.desk.now + 100);
  panel.Run(300);
  ASSERT_FALSE(panel.ButtonMessages().empty());
  EXPECT_EQ(panel.ButtonMessages().front(), std::make_pair(WM_JOYTOKEY_BUTTON_DOWN, 0));
}

TEST(CursorChase, PutsThePanelTenPixelsRightOfAndBelowTheCursor) {
  Panel panel;
  Started(panel).form().options.cursorChase = true;
  panel.desk.cursor = {300, 200};
  panel.form().scanner().TimerElapsed();
  EXPECT_EQ(panel.form().left, 310);
  EXPECT_EQ(panel.form().top, 210);
}

TEST(CursorChase, TurnedOffFromTheMenuLetsTheHeldScanGoOnWithThePointerStillOverThePanel) {
  Panel panel;
  PanelForm& form = Started(panel).form();
  form.options.cursorChase = true;
  panel.desk.cursor = {form.left + 5, form.top + 5};
  form.MenuOpening();
  form.MenuCommand(MenuId::CursorChase);  // off
  const int lit = panel.scan().litPosition;
  panel.Run(2500);
  EXPECT_NE(panel.scan().litPosition, lit);
}

TEST(OneButtonMode, OffersEverySubButtonExactlyOnceThenCollapses) {
  for (int subCount : {2, 4, 6, 8}) {
    Panel panel;
    Started(panel);
    PanelForm& form = panel.form();
    form.SubButtonCountClick(subCount);
    ScanState& s = panel.scan();
    form.scanner().OpenSubButtons();
    panel.desk.soundsPlayed.clear();

    std::vector<int> expected;
    for (int k = 1; k <= subCount; ++k) expected.push_back(k);
    expected.push_back(1);
    EXPECT_EQ(Positions(panel, subCount + 1), expected) << subCount;
    EXPECT_EQ(s.buttonCount, 1);
    EXPECT_TRUE(form.MenuChecked(MenuId::OneButton));
    EXPECT_EQ(panel.desk.soundsPlayed.size(), static_cast<std::size_t>(subCount));
    EXPECT_EQ(Positions(panel, 3), (std::vector<int>{1, 1, 1}));
  }
}

TEST(ScanTimerInterval, EveryStepComesOneIntervalAfterTheLast) {
  Panel panel;
  Started(panel).form().SpeedClick(0.5F);
  panel.Run(2600);
  EXPECT_EQ(panel.form().scanner().timer().Interval(), 500);
  // 5 steps in 2.6 s over 4 buttons: 1 2 3 4 1.
  EXPECT_EQ(panel.scan().litPosition, 1);
}

}  // namespace sorvane::test
