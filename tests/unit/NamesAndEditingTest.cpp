#include <gtest/gtest.h>

#include "Harness.h"

namespace sorvane::test {

TEST(NameEditor, TypingStopsAtEightBytesOfShiftJis) {
  EXPECT_TRUE(NameEditor::EditFits("abcdefg", "abcdefgh", 8));
  EXPECT_FALSE(NameEditor::EditFits("abcdefgh", "abcdefghi", 8));
  EXPECT_TRUE(NameEditor::EditFits("あいう", "あいうえ", 8));
  EXPECT_FALSE(NameEditor::EditFits("あいうえ", "あいうえお", 8));
  EXPECT_FALSE(NameEditor::EditFits("abcdefg", "abcdefgあ", 8));  // nine bytes: refused whole
  // A long name from the file may be shortened, never lengthened.
  EXPECT_TRUE(NameEditor::EditFits("とても長い名前", "とても長い名", 8));
  EXPECT_FALSE(NameEditor::EditFits("とても長い名前", "とても長い名前x", 8));
}

TEST(NameEditor, ControlCharactersAreNeverTakenIntoAName) {
  EXPECT_FALSE(NameEditor::EditFits("ab", "ab\r\n[x]", 8));
  EXPECT_FALSE(NameEditor::EditFits("ab", "a\tb", 8));
  EXPECT_TRUE(NameEditor::EditFits("ab", "abc", 8));
}

TEST(NameEditor, TextsWiderThanTheDesignWidenTheirColumnsAndTheEditorWhileOthersKeepItsSizes) {
  NameEditor editor;
  editor.left = 100;
  const NameEditor design = editor;
  editor.FitText(40, 30);
  EXPECT_EQ(editor.width, 276);
  for (std::size_t slot = 0; slot < 16; ++slot) {
    EXPECT_EQ(editor.edits[slot].left, design.edits[slot].left);
    EXPECT_EQ(editor.edits[slot].width, 49);
    EXPECT_EQ(editor.labels[slot].width, design.labels[slot].width);
  }
  for (int dpi : {96, 144}) {
    editor.ApplyDpi(dpi);
    const NameEditor before = editor;
    const int label = before.labels[8].width + 3;  // wider than the right labels by 3, the left by 11 at 96 dpi
    const int field = before.edits[0].width + 7;
    editor.FitText(label, field);
    EXPECT_EQ(editor.left, 100);
    for (int column = 0; column < 2; ++column) {
      const Label& first = editor.labels[8 * column];
      const EditField& edit = editor.edits[8 * column];
      EXPECT_GE(first.width, label) << dpi;
      EXPECT_EQ(edit.width, field) << dpi;
      EXPECT_GT(edit.left, first.left + first.width) << dpi;  // a label never runs under its field
    }
    EXPECT_GT(editor.labels[8].left, editor.edits[0].left + editor.edits[0].width) << dpi;
    EXPECT_EQ(editor.width - (editor.edits[8].left + editor.edits[8].width),
              before.width - (before.edits[8].left + before.edits[8].width)) << dpi;  // the right margin stays
    EXPECT_EQ(editor.height, before.height) << dpi;
    EXPECT_EQ(editor.edits[3].top, before.edits[3].top) << dpi;
  }
}

TEST(NameEditor, ALongNameFromTheFileIsKeptWhole) {
  Panel panel;
  panel.desk.files["C:\\Sorvane\\Sorvane.ini"] = "[BtnName]\r\nName11=とても長いボタンの名前\r\n";
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.app->nameEditor->Name(11), "とても長いボタンの名前");
  panel.form().Close();
  EXPECT_NE(panel.desk.files.at("C:\\Sorvane\\Sorvane.ini").find("Name11=とても長いボタンの名前\r\n"), std::string::npos);
}

TEST(NameEditor, OkAppliesTheNamesOfThePanelColoursStickAndRestartsTheScan) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  NameEditor& names = *panel.app->nameEditor;
  form.EditNamesClick();
  EXPECT_TRUE(names.visible);
  EXPECT_FALSE(form.scanner().timer().Enabled());
  EXPECT_TRUE(form.driver.Ticking());
  names.Edit(1).caption = "はい";
  names.Edit(11).caption = "いいえ";
  form.SetShownStick(1);  // with activeStick still 0
  names.OkClick();
  EXPECT_FALSE(names.visible);
  EXPECT_EQ(form.Button(1).caption, "いいえ");
  EXPECT_TRUE(form.scanner().timer().Enabled());
  // ShowStickNames needs both a non-green panel and the second stick.
  form.ShowStickNames();
  EXPECT_EQ(form.Button(1).caption, "はい");
  // Switching the display on looks at the colour alone.
  form.ShowNamesClick();
  form.ShowNamesClick();
  EXPECT_EQ(form.Button(1).caption, "いいえ");
  // Closing the editor any other way applies the names too.
  form.SetShownStick(0);
  form.EditNamesClick();
  names.FormClose();
  EXPECT_EQ(form.Button(1).caption, "はい");
}

TEST(NameEditor, OkWithTheDisplayOffShowsNamesUntilTheNextScanStep) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  form.ShowNamesClick();
  form.EditNamesClick();
  panel.app->nameEditor->OkClick();
  EXPECT_EQ(form.Button(2).caption, "ボタン２");
  form.scanner().TimerElapsed();
  EXPECT_EQ(form.Button(2).caption, "");
  form.ShowNamesClick();
  EXPECT_EQ(form.Button(2).caption, "ボタン２");
}

TEST(NameEditor, ASwitchPressWhileItIsOpenIsSentAndRestartsTheScanBehindIt) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  form.scanner().TimerElapsed();
  form.scanner().TimerElapsed();
  form.EditNamesClick();
  panel.ClearReceived();
  panel.desk.HoldSwitch(panel.desk.now, panel.desk.now + 210);
  panel.Run(210);
  EXPECT_EQ(panel.ButtonMessages(), (Messages{{WM_JOYTOKEY_BUTTON_DOWN, 1}}));
  EXPECT_TRUE(form.scanner().timer().Enabled());
  EXPECT_TRUE(panel.app->nameEditor->visible);
}

TEST(ButtonEditing, EditsTheSlotOfTheActiveStickThroughBothDialogs) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  PanelForm& state = panel.form();
  panel.scan().activeStick = 1;
  state.Appearance(13).color = colors::kAqua;
  panel.desk.colorAnswers.push_back(colors::kRed);
  FontChoice chosen{"Arial", 14, kFontItalic, 1, 0, colors::kBlue};
  panel.desk.fontAnswers.push_back(chosen);
  form.Button(3).PointerEntered();
  form.Button(3).MouseDown(MouseButton::kLeft);
  form.Button(3).MouseRelease(MouseButton::kLeft, true);
  EXPECT_EQ(state.editTarget, 13);
  EXPECT_EQ(panel.desk.colorDialogInitial.at(0), colors::kAqua);
  EXPECT_EQ(panel.desk.fontDialogInitial.at(0).color, colors::kWindowText);  // the slot's, before
  EXPECT_EQ(state.Appearance(13).color, colors::kRed);
  EXPECT_EQ(state.Appearance(13).fontName, "Arial");
  EXPECT_EQ(state.Appearance(13).fontSize, 14);
  EXPECT_EQ(state.Appearance(13).fontColor, colors::kBlue);
  EXPECT_EQ(state.Appearance(3).color, 65535U);
  EXPECT_EQ(form.Button(3).color, colors::kRed);
  EXPECT_TRUE(form.scanner().timer().Enabled());
  EXPECT_TRUE(form.driver.Ticking());
}

TEST(ButtonEditing, CancellingBothDialogsChangesNothingAndAConfirmedFontOnButtonOneIsKept) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  PanelForm& state = panel.form();
  const ButtonAppearance before = state.Appearance(1);
  const Font fontBefore = form.Button(1).font;
  form.scanner().timer().SetEnabled(false);
  form.ButtonClick(1);
  EXPECT_EQ(state.Appearance(1).color, before.color);
  EXPECT_EQ(form.Button(1).font, fontBefore);
  EXPECT_TRUE(form.scanner().timer().Enabled());

  panel.desk.colorAnswers.push_back(std::nullopt);
  panel.desk.fontAnswers.push_back(FontChoice{"Courier", 20, kFontBold, 2, 0, colors::kRed});
  form.ButtonClick(1);
  EXPECT_EQ(state.Appearance(1).color, before.color);
  EXPECT_EQ(state.Appearance(1).fontName, "Courier");
  EXPECT_EQ(form.buttonOneFont.name, "Courier");
  // A confirmed colour with a cancelled font changes the colour only.
  panel.desk.colorAnswers.push_back(colors::kPurple);
  form.ButtonClick(1);
  EXPECT_EQ(state.Appearance(1).color, colors::kPurple);
  EXPECT_EQ(state.Appearance(1).fontName, "Courier");
  EXPECT_EQ(state.Appearance(1).fontSize, 20);
  // The single display gives button 1 its new font back.
  form.SingleDisplayClick();
  form.Button(1).font = form.Button(2).font;
  form.SingleDisplayClick();
  EXPECT_EQ(form.Button(1).font.name, "Courier");
}

}  // namespace sorvane::test
