#include <gtest/gtest.h>

#include <map>

#include "Harness.h"

namespace sorvane::test {

namespace {

std::vector<MenuId> TickedCountItems(const PanelForm& form) {
  std::vector<MenuId> ticked;
  for (MenuId id : {MenuId::OneButton, MenuId::Buttons2, MenuId::Buttons3, MenuId::Buttons4, MenuId::Buttons5, MenuId::Buttons6,
                    MenuId::Buttons7, MenuId::Buttons8, MenuId::SubButtons2, MenuId::SubButtons4, MenuId::SubButtons6,
                    MenuId::SubButtons8}) {
    if (form.MenuChecked(id)) ticked.push_back(id);
  }
  return ticked;
}

}  // namespace

TEST(Layout, FitsTheStripToEveryCountWithAndWithoutSingleDisplay) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  const int frame = form.frame.left + form.frame.right;
  for (bool single : {false, true}) {
    form.options.singleDisplay = single;
    for (int count = 1; count <= 8; ++count) {
      form.LayoutButtons(count);
      for (int k = 1; k <= 8; ++k) EXPECT_EQ(form.Button(k).visible, k <= count) << count << k;
      EXPECT_EQ(form.ClientHeight(), 22);
      if (single) {
        EXPECT_EQ(form.ClientWidth(), 72);
      } else if (count <= 3) {
        constexpr int kOuterWidths[] = {76, 142, 202};
        EXPECT_EQ(form.width, kOuterWidths[count - 1]);
      } else {
        EXPECT_EQ(form.width, 60 * count + 16 + frame);
      }
      EXPECT_EQ(TickedCountItems(form), (std::vector<MenuId>{PanelMenu::ButtonCountItem(count), MenuId::SubButtons4}));
    }
  }
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(form.Button(k).left, 20 + 60 * (k - 1));
    EXPECT_EQ(form.Button(k).width, 56);
    EXPECT_EQ(form.Button(k).height, 25);
  }
  // A count the layout does not know shows nothing and keeps the size.
  const int width = form.width;
  panel.scan().subButtonCount = 5;
  form.LayoutButtons(9);
  EXPECT_TRUE(TickedCountItems(form).empty());
  EXPECT_EQ(form.width, width);
}

TEST(Layout, EmptiesTheCaptionsOnlyWhileNamesAreHidden) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  form.LayoutButtons(4);
  EXPECT_EQ(form.Button(3).caption, "ボタン３");
  form.options.namesShown = false;
  form.LayoutButtons(4);
  EXPECT_EQ(form.Button(3).caption, "");
}

TEST(MenuCommands, AButtonCountReturnsToTheFirstSticksColourAndNamesAndLeavesTheScanStopped) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  form.SetShownStick(1);
  panel.scan().activeStick = 1;
  form.MenuOpening();
  form.MenuCommand(MenuId::Buttons3);
  EXPECT_EQ(panel.scan().activeStick, 0);
  EXPECT_EQ(form.color, colors::kGreen);
  EXPECT_EQ(form.Button(2).caption, "ボタン２");
  EXPECT_EQ(panel.scan().buttonCount, 3);
  EXPECT_EQ(panel.scan().litPosition, 0);
  EXPECT_FALSE(form.scanner().timer().Enabled());
  EXPECT_TRUE(form.driver.Ticking());
  // Leaving the panel starts the scan again.
  form.PointerLeft();
  EXPECT_TRUE(form.scanner().timer().Enabled());

  // The other ways back to the first stick show it too.
  form.SecondStickClick();
  for (int way = 0; way < 2; ++way) {
    form.scanner().SwitchStick();
    ASSERT_EQ(form.color, colors::kFuchsia);
    if (way == 0) {
      form.MenuCommand(MenuId::OneButton);  // the one-button submenu opened
    } else {
      form.scanner().OpenSubButtons();  // a long press in one-button mode
    }
    EXPECT_EQ(panel.scan().activeStick, 0) << way;
    EXPECT_EQ(form.color, colors::kGreen) << way;
    EXPECT_EQ(form.Button(2).caption, "ボタン２") << way;
  }
}

TEST(MenuCommands, ASubCountEntersOneButtonModeAndTheCurrentOneEndsUnticked) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  form.SingleDisplayClick();
  form.Button(1).caption = "shown";
  form.MenuCommand(MenuId::SubButtons4);  // 4 is in force
  EXPECT_EQ(panel.scan().oneButtonMode, 1);
  EXPECT_EQ(panel.scan().buttonCount, 1);
  EXPECT_FALSE(form.MenuChecked(MenuId::SubButtons4));
  EXPECT_TRUE(form.MenuChecked(MenuId::SingleDisplay));
  EXPECT_EQ(form.Button(1).caption, "shown");
  form.scanner().TimerElapsed();
  EXPECT_TRUE(form.MenuChecked(MenuId::SubButtons4));

  form.MenuCommand(MenuId::SubButtons8);  // another count switches single display off
  EXPECT_EQ(panel.scan().subButtonCount, 8);
  EXPECT_TRUE(form.MenuChecked(MenuId::SubButtons8));
  EXPECT_FALSE(form.MenuChecked(MenuId::SingleDisplay));
  EXPECT_EQ(form.Button(1).caption, "ボタン１");
  form.scanner().TimerElapsed();
  EXPECT_EQ(form.width, 76);
}

TEST(Menu, EachAccessKeyReachesOneItemOfItsLevel) {
  const PanelMenu menu;
  std::map<std::pair<MenuId, char>, std::string> taken;
  for (const MenuItem& item : menu.Items()) {
    char key = AccessKey(item.caption);
    if (key == 0) continue;
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    const auto [at, added] = taken.emplace(std::pair{item.parent, key}, item.caption);
    EXPECT_TRUE(added) << item.caption << " and " << at->second;
  }
}

TEST(MenuCommands, SpeedsTickTheirItemAndSetTheInterval) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  EXPECT_TRUE(form.MenuChecked(MenuId::Speed20));
  EXPECT_EQ(form.scanner().timer().Interval(), 2000);
  form.MenuCommand(MenuId::Speed10);
  EXPECT_EQ(form.scanner().timer().Interval(), 1000);
  EXPECT_TRUE(form.MenuChecked(MenuId::Speed10));
  EXPECT_FALSE(form.MenuChecked(MenuId::Speed20));
  form.SetScanSpeed(1.5F);
  EXPECT_EQ(form.scanner().timer().Interval(), 1500);
  for (MenuId id : {MenuId::Speed05, MenuId::Speed10, MenuId::Speed20, MenuId::Speed30, MenuId::Speed40, MenuId::Speed50}) {
    EXPECT_FALSE(form.MenuChecked(id));
  }
}

TEST(MenuCommands, TogglesAndTheSecondStickSwitchedOff) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  form.MenuCommand(MenuId::Sound);
  EXPECT_FALSE(form.MenuChecked(MenuId::Sound));
  EXPECT_TRUE(form.scanner().timer().Enabled());
  form.scanner().timer().SetEnabled(false);
  form.MenuCommand(MenuId::CursorChase);
  EXPECT_TRUE(form.MenuChecked(MenuId::CursorChase));
  EXPECT_FALSE(form.scanner().timer().Enabled());  // cursor chase leaves the scan alone
  form.PointerLeft();
  form.PointerEntered();
  EXPECT_FALSE(form.scanner().timer().Enabled());

  form.MenuCommand(MenuId::SecondStick);
  form.SetShownStick(1);
  panel.scan().activeStick = 1;
  form.MenuCommand(MenuId::SecondStick);
  EXPECT_EQ(panel.scan().activeStick, 0);
  EXPECT_EQ(form.color, colors::kGreen);
  EXPECT_EQ(form.Button(2).caption, "ボタン２");
}

TEST(MenuCommands, HelpOpensTheHelpFileAndSupportItsPageBesideTheProgram) {
  Panel panel;
  // The second byte of "ソ" is a backslash: the folder ends at the last real one.
  panel.desk.programFilePath = "C:\\ソフト\\Sorvane.exe";
  ASSERT_TRUE(panel.Start());
  panel.form().MenuCommand(MenuId::Help);
  panel.form().MenuCommand(MenuId::Support);
  ASSERT_EQ(panel.desk.shellCalls.size(), 2U);
  EXPECT_EQ(panel.desk.shellCalls[0].file, "C:\\ソフト\\Sorvane.chm");
  EXPECT_EQ(panel.desk.shellCalls[0].showCommand, 5);
  EXPECT_EQ(panel.desk.shellCalls[1].file, "hh.exe");
  EXPECT_EQ(panel.desk.shellCalls[1].parameters, "C:\\ソフト\\Sorvane.chm::/support.html");
}

TEST(MenuCommands, StartAtLogonTicksWhileTheRunKeyStartsThisPanelWithItsNumber) {
  Panel panel;
  panel.desk.programFilePath = "C:\\My Tools\\Sorvane.exe";
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  auto& run = panel.desk.runValues;
  const std::string ours = "\"C:\\My Tools\\Sorvane.exe\" 3";
  EXPECT_FALSE(form.MenuChecked(MenuId::StartAtLogon));

  form.MenuCommand(MenuId::StartAtLogon);
  EXPECT_EQ(run["Sorvane"], ours);
  EXPECT_TRUE(form.MenuChecked(MenuId::StartAtLogon));
  form.MenuCommand(MenuId::StartAtLogon);
  EXPECT_EQ(run.count("Sorvane"), 0U);
  EXPECT_FALSE(form.MenuChecked(MenuId::StartAtLogon));

  // A copy since moved or started with another number is not this panel:
  // unticked, and ticking points the value at this one.
  run["Sorvane"] = "\"D:\\Old\\Sorvane.exe\" 3";
  EXPECT_FALSE(form.MenuChecked(MenuId::StartAtLogon));
  form.MenuCommand(MenuId::StartAtLogon);
  EXPECT_EQ(run["Sorvane"], ours);
  run["Sorvane"] = ours;  // set by hand elsewhere
  EXPECT_TRUE(form.MenuChecked(MenuId::StartAtLogon));
  EXPECT_TRUE(panel.desk.messages.empty());

  Panel unnumbered;
  unnumbered.desk.firstArgument = "";
  ASSERT_TRUE(unnumbered.Start());
  unnumbered.form().MenuCommand(MenuId::StartAtLogon);
  EXPECT_EQ(unnumbered.desk.runValues["Sorvane"], "\"C:\\Sorvane\\Sorvane.exe\"");
}

TEST(MenuCommands, StartAtLogonThatCannotChangeTheRunKeySaysSoAndChangesNothing) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  panel.desk.runKeyWritable = false;
  panel.form().MenuCommand(MenuId::StartAtLogon);
  EXPECT_TRUE(panel.desk.runValues.empty());
  panel.desk.runKeyWritable = true;
  panel.form().MenuCommand(MenuId::StartAtLogon);
  panel.desk.runKeyWritable = false;
  panel.form().MenuCommand(MenuId::StartAtLogon);
  EXPECT_TRUE(panel.form().MenuChecked(MenuId::StartAtLogon));

  // A path with a character the code page lost would start nothing.
  Panel lossy;
  lossy.desk.programFilePath = "C:\\T?ols\\Sorvane.exe";
  ASSERT_TRUE(lossy.Start());
  lossy.form().MenuCommand(MenuId::StartAtLogon);
  EXPECT_TRUE(lossy.desk.runValues.empty());

  ASSERT_EQ(panel.desk.messages.size(), 2U);
  ASSERT_EQ(lossy.desk.messages.size(), 1U);
  for (const auto* message : {&panel.desk.messages[0], &panel.desk.messages[1], &lossy.desk.messages[0]}) {
    EXPECT_EQ(message->caption, ErrorCaption());
    EXPECT_NE(message->text.find("ログオン時に起動"), std::string::npos) << message->text;
  }
}

TEST(WindowBehaviour, DragsByTheBackgroundOnlyWhileTheLeftButtonIsDown) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().HitTest(), PanelForm::kHtClient);
  panel.desk.leftButtonDown = true;
  EXPECT_EQ(panel.form().HitTest(), PanelForm::kHtCaption);
}

TEST(WindowBehaviour, WithCursorChaseThePanelIsOneAreaThePointerLeavesOnlyAtItsEdge) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  form.CursorChaseClick();
  // The pointer walks from the margin onto button 2 and back: each window
  // hears it leave, but it stays within the panel.
  panel.desk.cursor = {form.left + 5, form.top + 10};
  form.PointerEntered();
  EXPECT_FALSE(form.scanner().timer().Enabled());
  panel.desk.cursor.x = form.left + 90;
  form.Button(2).PointerEntered();
  form.PointerLeft();
  panel.desk.cursor.x = form.left + 78;
  form.Button(2).PointerLeft();
  form.PointerEntered();
  EXPECT_FALSE(form.scanner().timer().Enabled());
  const int before = panel.scan().litPosition;
  panel.Run(5000);
  EXPECT_EQ(panel.scan().litPosition, before);
  // Past the outer edge (the frame included) it has left.
  panel.desk.cursor.x = form.left + form.width - 1;
  form.PointerLeft();
  EXPECT_FALSE(form.scanner().timer().Enabled());
  panel.desk.cursor.x = form.left + form.width;
  form.PointerLeft();
  panel.Run(1999);
  EXPECT_EQ(panel.scan().litPosition, before);
  panel.Run(1);
  EXPECT_NE(panel.scan().litPosition, before);
}

}  // namespace sorvane::test
