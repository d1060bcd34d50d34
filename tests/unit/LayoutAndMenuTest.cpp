#include <gtest/gtest.h>

#include "Harness.h"

namespace sorvane::test {

namespace {

std::vector<MenuId> TickedCountItems(const TSorvaneForm& form) {
  std::vector<MenuId> ticked;
  for (MenuId id : {MenuId::Btn1, MenuId::Btn2, MenuId::Btn3, MenuId::Btn4, MenuId::Btn5, MenuId::Btn6,
                    MenuId::Btn7, MenuId::Btn8, MenuId::SubBtn2, MenuId::SubBtn4, MenuId::SubBtn6,
                    MenuId::SubBtn8}) {
    if (form.PopupMenu1.Checked(id)) ticked.push_back(id);
  }
  return ticked;
}

}  // namespace

TEST(Layout, FitsTheStripToEveryCountWithAndWithoutSingleDisplay) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  TSorvaneForm& form = panel.form();
  const int frame = form.frame.left + form.frame.right;
  for (bool single : {false, true}) {
    form.PopupMenu1.SetChecked(MenuId::SingleDsp, single);
    for (int count = 1; count <= 8; ++count) {
      form.LayoutButtons(count, 4);
      for (int k = 1; k <= 8; ++k) EXPECT_EQ(form.CuteButton(k).visible, k <= count) << count << k;
      EXPECT_EQ(form.ClientHeight(), 22);
      if (single) {
        EXPECT_EQ(form.ClientWidth(), 72);
      } else if (count <= 3) {
        constexpr int kOuterWidths[] = {76, 142, 202};
        EXPECT_EQ(form.width, kOuterWidths[count - 1]);
      } else {
        EXPECT_EQ(form.width, 60 * count + 16 + frame);
      }
      EXPECT_EQ(TickedCountItems(form), (std::vector<MenuId>{PopupMenu::ButtonCountItem(count), MenuId::SubBtn4}));
    }
  }
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(form.CuteButton(k).left, 20 + 60 * (k - 1));
    EXPECT_EQ(form.CuteButton(k).width, 56);
    EXPECT_EQ(form.CuteButton(k).height, 25);
  }
  // A count the layout does not know shows nothing and keeps the size.
  const int width = form.width;
  form.LayoutButtons(9, 5);
  EXPECT_TRUE(TickedCountItems(form).empty());
  EXPECT_EQ(form.width, width);
}

TEST(Layout, EmptiesTheCaptionsOnlyWhileNamesAreHidden) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  TSorvaneForm& form = panel.form();
  form.LayoutButtons(4, 4);
  EXPECT_EQ(form.CuteButton(3).caption, "ボタン３");
  form.PopupMenu1.SetChecked(MenuId::BtnNameDispOn, false);
  form.LayoutButtons(4, 4);
  EXPECT_EQ(form.CuteButton(3).caption, "");
}

TEST(MenuCommands, AButtonCountResetsTheStickButNotTheColourAndLeavesTheScanStopped) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  TSorvaneForm& form = panel.form();
  form.color = colors::kFuchsia;
  panel.scan().activeStick = 1;
  form.PopupMenu1Popup();
  form.MenuCommand(MenuId::Btn3);
  EXPECT_EQ(panel.scan().activeStick, 0);
  EXPECT_EQ(form.color, colors::kFuchsia);
  EXPECT_EQ(panel.scan().scanMax, 3);
  EXPECT_EQ(panel.scan().scanPos, 0);
  EXPECT_FALSE(form.ScanTimer.Enabled());
  EXPECT_TRUE(form.JoyTimer.Enabled());
  // Leaving the panel starts the scan again.
  form.Dispatch(TSorvaneForm::kCmMouseLeave);
  EXPECT_TRUE(form.ScanTimer.Enabled());
}

TEST(MenuCommands, ASubCountEntersOneButtonModeAndTheCurrentOneEndsUnticked) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  TSorvaneForm& form = panel.form();
  form.SingleDspClick();
  form.CuteButton(1).caption = "shown";
  form.MenuCommand(MenuId::SubBtn4);  // 4 is in force
  EXPECT_EQ(panel.scan().oneButtonMode, 1);
  EXPECT_EQ(panel.scan().scanMax, 1);
  EXPECT_FALSE(form.PopupMenu1.Checked(MenuId::SubBtn4));
  EXPECT_TRUE(form.PopupMenu1.Checked(MenuId::SingleDsp));
  EXPECT_EQ(form.CuteButton(1).caption, "shown");
  form.ScanTimerTimer();
  EXPECT_TRUE(form.PopupMenu1.Checked(MenuId::SubBtn4));

  form.MenuCommand(MenuId::SubBtn8);  // another count switches single display off
  EXPECT_EQ(panel.scan().subScan, 8);
  EXPECT_TRUE(form.PopupMenu1.Checked(MenuId::SubBtn8));
  EXPECT_FALSE(form.PopupMenu1.Checked(MenuId::SingleDsp));
  EXPECT_EQ(form.CuteButton(1).caption, "ボタン１");
  form.ScanTimerTimer();
  EXPECT_EQ(form.width, 76);
}

TEST(MenuCommands, SpeedsTickTheirItemAndSetTheInterval) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  TSorvaneForm& form = panel.form();
  EXPECT_TRUE(form.PopupMenu1.Checked(MenuId::Time20));
  EXPECT_EQ(form.ScanTimer.Interval(), 2000);
  form.MenuCommand(MenuId::Time10);
  EXPECT_EQ(form.ScanTimer.Interval(), 1000);
  EXPECT_TRUE(form.PopupMenu1.Checked(MenuId::Time10));
  EXPECT_FALSE(form.PopupMenu1.Checked(MenuId::Time20));
  form.SetScanSpeed(1.5F);
  EXPECT_EQ(form.ScanTimer.Interval(), 1500);
  for (MenuId id : {MenuId::Time05, MenuId::Time10, MenuId::Time20, MenuId::Time30, MenuId::Time40, MenuId::Time50}) {
    EXPECT_FALSE(form.PopupMenu1.Checked(id));
  }
}

TEST(MenuCommands, TogglesAndTheSecondStickSwitchedOff) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  TSorvaneForm& form = panel.form();
  form.MenuCommand(MenuId::Sound);
  EXPECT_FALSE(form.PopupMenu1.Checked(MenuId::Sound));
  EXPECT_TRUE(form.ScanTimer.Enabled());
  form.ScanTimer.SetEnabled(false);
  form.MenuCommand(MenuId::Oikake);
  EXPECT_TRUE(form.PopupMenu1.Checked(MenuId::Oikake));
  EXPECT_FALSE(form.ScanTimer.Enabled());  // cursor chase leaves the scan alone
  form.Dispatch(TSorvaneForm::kCmMouseLeave);
  form.Dispatch(TSorvaneForm::kCmMouseEnter);
  EXPECT_FALSE(form.ScanTimer.Enabled());

  form.MenuCommand(MenuId::JoyStickID2);
  form.color = colors::kFuchsia;
  panel.scan().activeStick = 1;
  form.MenuCommand(MenuId::JoyStickID2);
  EXPECT_EQ(panel.scan().activeStick, 0);
  EXPECT_EQ(form.color, colors::kGreen);
  EXPECT_EQ(form.CuteButton(2).caption, "ボタン２");
}

TEST(MenuCommands, HelpAndWebGoThroughTheShell) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  panel.form().MenuCommand(MenuId::Help);
  panel.form().MenuCommand(MenuId::Web);
  ASSERT_EQ(panel.desk.shellCalls.size(), 2U);
  EXPECT_EQ(panel.desk.shellCalls[0].file, "Sorvane.chm");
  EXPECT_EQ(panel.desk.shellCalls[0].showCommand, 5);
  EXPECT_EQ(panel.desk.shellCalls[1].file, kWebAddress);
  EXPECT_EQ(panel.desk.shellCalls[1].showCommand, 1);
  EXPECT_EQ(panel.form().PopupMenu1.Item(MenuId::Web).caption, kWebAddress);
}

TEST(WindowBehaviour, DragsByTheBackgroundOnlyWhileTheLeftButtonIsDown) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(*panel.form().Dispatch(TSorvaneForm::kWmNcHitTest), TSorvaneForm::kHtClient);
  panel.desk.leftButtonDown = true;
  EXPECT_EQ(*panel.form().Dispatch(TSorvaneForm::kWmNcHitTest), TSorvaneForm::kHtCaption);
  EXPECT_FALSE(panel.form().Dispatch(0x0201).has_value());
}

TEST(WindowBehaviour, WithCursorChaseThePanelIsOneAreaThePointerLeavesOnlyAtItsEdge) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  TSorvaneForm& form = panel.form();
  form.OikakeClick();
  // The pointer walks from the margin onto button 2 and back: each window
  // hears it leave, but it stays within the panel.
  panel.desk.cursor = {form.left + 5, form.top + 10};
  form.Dispatch(TSorvaneForm::kCmMouseEnter);
  EXPECT_FALSE(form.ScanTimer.Enabled());
  panel.desk.cursor.x = form.left + 90;
  form.CuteButton(2).CMMouseEnter();
  form.Dispatch(TSorvaneForm::kCmMouseLeave);
  panel.desk.cursor.x = form.left + 78;
  form.CuteButton(2).CMMouseLeave();
  form.Dispatch(TSorvaneForm::kCmMouseEnter);
  EXPECT_FALSE(form.ScanTimer.Enabled());
  const int before = panel.scan().scanPos;
  panel.Run(5000);
  EXPECT_EQ(panel.scan().scanPos, before);
  // Past the outer edge (the frame included) it has left.
  panel.desk.cursor.x = form.left + form.width - 1;
  form.Dispatch(TSorvaneForm::kCmMouseLeave);
  EXPECT_FALSE(form.ScanTimer.Enabled());
  panel.desk.cursor.x = form.left + form.width;
  form.Dispatch(TSorvaneForm::kCmMouseLeave);
  panel.Run(1999);
  EXPECT_EQ(panel.scan().scanPos, before);
  panel.Run(1);
  EXPECT_NE(panel.scan().scanPos, before);
}

}  // namespace sorvane::test
