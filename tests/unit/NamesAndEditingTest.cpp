#include <gtest/gtest.h>

#include "Harness.h"

namespace sorvane::test {

TEST(NameEditor, TypingStopsAtEightBytesOfShiftJis) {
  EXPECT_TRUE(TNameForm::EditFits("abcdefg", "abcdefgh", 8));
  EXPECT_FALSE(TNameForm::EditFits("abcdefgh", "abcdefghi", 8));
  EXPECT_TRUE(TNameForm::EditFits("あいう", "あいうえ", 8));
  EXPECT_FALSE(TNameForm::EditFits("あいうえ", "あいうえお", 8));
  EXPECT_FALSE(TNameForm::EditFits("abcdefg", "abcdefgあ", 8));  // nine bytes: refused whole
  // A long name from the file may be shortened, never lengthened.
  EXPECT_TRUE(TNameForm::EditFits("とても長い名前", "とても長い名", 8));
  EXPECT_FALSE(TNameForm::EditFits("とても長い名前", "とても長い名前x", 8));
}

TEST(NameEditor, ALongNameFromTheFileIsKeptWhole) {
  Panel panel;
  panel.desk.files[".\\Sorvane.ini"] = "[BtnName]\r\nName11=とても長いボタンの名前\r\n";
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.app->NameForm->Name(11), "とても長いボタンの名前");
  panel.form().Close();
  EXPECT_NE(panel.desk.files.at(".\\Sorvane.ini").find("Name11=とても長いボタンの名前\r\n"), std::string::npos);
}

TEST(NameEditor, OkAppliesTheNamesOfThePanelColoursStickAndRestartsTheScan) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  TSorvaneForm& form = panel.form();
  TNameForm& names = *panel.app->NameForm;
  form.BtnNameEditClick();
  EXPECT_TRUE(names.visible);
  EXPECT_FALSE(form.ScanTimer.Enabled());
  EXPECT_TRUE(form.JoyTimer.Enabled());
  names.Edit(1).caption = "はい";
  names.Edit(11).caption = "いいえ";
  form.color = colors::kFuchsia;  // with activeStick still 0
  names.OkBtnClick();
  EXPECT_FALSE(names.visible);
  EXPECT_EQ(form.CuteButton(1).caption, "いいえ");
  EXPECT_TRUE(form.ScanTimer.Enabled());
  // ShowStickNames needs both a non-green panel and the second stick.
  form.ShowStickNames();
  EXPECT_EQ(form.CuteButton(1).caption, "はい");
  // Switching the display on looks at the colour alone.
  form.BtnNameDispOnClick();
  form.BtnNameDispOnClick();
  EXPECT_EQ(form.CuteButton(1).caption, "いいえ");
  // Closing the editor any other way applies the names too.
  form.color = colors::kGreen;
  form.BtnNameEditClick();
  names.FormClose();
  EXPECT_EQ(form.CuteButton(1).caption, "はい");
}

TEST(NameEditor, OkWithTheDisplayOffShowsNamesUntilTheNextScanStep) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  TSorvaneForm& form = panel.form();
  form.BtnNameDispOnClick();
  form.BtnNameEditClick();
  panel.app->NameForm->OkBtnClick();
  EXPECT_EQ(form.CuteButton(2).caption, "ボタン２");
  form.ScanTimerTimer();
  EXPECT_EQ(form.CuteButton(2).caption, "");
  form.BtnNameDispOnClick();
  EXPECT_EQ(form.CuteButton(2).caption, "ボタン２");
}

TEST(NameEditor, ASwitchPressWhileItIsOpenIsSentAndRestartsTheScanBehindIt) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  TSorvaneForm& form = panel.form();
  form.ScanTimerTimer();
  form.ScanTimerTimer();
  form.BtnNameEditClick();
  panel.ClearReceived();
  panel.desk.HoldSwitch(panel.desk.now, panel.desk.now + 210);
  panel.Run(210);
  EXPECT_EQ(panel.ButtonMessages(), (Messages{{WM_JOYTOKEY_BUTTON_DOWN, 1}}));
  EXPECT_TRUE(form.ScanTimer.Enabled());
  EXPECT_TRUE(panel.app->NameForm->visible);
}

TEST(ButtonEditing, EditsTheSlotOfTheActiveStickThroughBothDialogs) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  TSorvaneForm& form = panel.form();
  ProgramState& state = panel.app->state;
  panel.scan().activeStick = 1;
  state.Appearance(13).color = colors::kAqua;
  panel.desk.colorAnswers.push_back(colors::kRed);
  FontChoice chosen{"Arial", 14, kFontItalic, 1, 0, colors::kBlue};
  panel.desk.fontAnswers.push_back(chosen);
  form.CuteButton(3).CMMouseEnter();
  form.CuteButton(3).MouseDown(MouseButton::kLeft);
  form.CuteButton(3).MouseRelease(MouseButton::kLeft, true);
  EXPECT_EQ(state.editTarget, 13);
  EXPECT_EQ(panel.desk.colorDialogInitial.at(0), colors::kAqua);
  EXPECT_EQ(panel.desk.fontDialogInitial.at(0).color, colors::kWindowText);  // the slot's, before
  EXPECT_EQ(state.Appearance(13).color, colors::kRed);
  EXPECT_EQ(state.Appearance(13).fontName, "Arial");
  EXPECT_EQ(state.Appearance(13).fontSize, 14);
  EXPECT_EQ(state.Appearance(13).fontColor, colors::kBlue);
  EXPECT_EQ(state.Appearance(3).color, 65535U);
  EXPECT_EQ(form.CuteButton(3).color, colors::kRed);
  EXPECT_TRUE(form.ScanTimer.Enabled());
  EXPECT_TRUE(form.JoyTimer.Enabled());
}

TEST(ButtonEditing, CancellingBothDialogsChangesNothingAndAConfirmedFontOnButtonOneIsKept) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  TSorvaneForm& form = panel.form();
  ProgramState& state = panel.app->state;
  const ButtonAppearance before = state.Appearance(1);
  const Font fontBefore = form.CuteButton(1).font;
  form.ScanTimer.SetEnabled(false);
  form.CuteButtonClick(1);
  EXPECT_EQ(state.Appearance(1).color, before.color);
  EXPECT_EQ(form.CuteButton(1).font, fontBefore);
  EXPECT_TRUE(form.ScanTimer.Enabled());

  panel.desk.colorAnswers.push_back(std::nullopt);
  panel.desk.fontAnswers.push_back(FontChoice{"Courier", 20, kFontBold, 2, 0, colors::kRed});
  form.CuteButtonClick(1);
  EXPECT_EQ(state.Appearance(1).color, before.color);
  EXPECT_EQ(state.Appearance(1).fontName, "Courier");
  EXPECT_EQ(form.DummyBtn.font.name, "Courier");
  // A confirmed colour with a cancelled font changes the colour only.
  panel.desk.colorAnswers.push_back(colors::kPurple);
  form.CuteButtonClick(1);
  EXPECT_EQ(state.Appearance(1).color, colors::kPurple);
  EXPECT_EQ(state.Appearance(1).fontName, "Courier");
  EXPECT_EQ(state.Appearance(1).fontSize, 20);
  // The single display gives button 1 its new font back.
  form.SingleDspClick();
  form.CuteButton(1).font = form.CuteButton(2).font;
  form.SingleDspClick();
  EXPECT_EQ(form.CuteButton(1).font.name, "Courier");
}

}  // namespace sorvane::test
