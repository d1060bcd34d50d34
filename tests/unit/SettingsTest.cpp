#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <tuple>

#include "Harness.h"
#include "settings/IniFile.h"
#include "settings/ValueForms.h"

namespace sorvane::test {

namespace {

const char* const kIni = "C:\\Sorvane\\Sorvane.ini";

std::vector<std::string> SectionsOf(const std::string& contents) {
  std::vector<std::string> sections;
  std::size_t pos = 0;
  while (pos < contents.size()) {
    const std::size_t end = contents.find("\r\n", pos);
    if (contents[pos] == '[') sections.push_back(contents.substr(pos + 1, end - pos - 2));
    pos = end + 2;
  }
  return sections;
}

}  // namespace

TEST(SettingsLoad, AMissingFileGivesEveryDefault) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  const ScanState& s = panel.scan();
  EXPECT_EQ(s.buttonCount, 4);
  EXPECT_EQ(s.subButtonCount, 4);
  EXPECT_EQ(s.intervalSeconds, 2.0F);
  EXPECT_EQ(form.scanner().timer().Interval(), 2000);
  EXPECT_TRUE(form.MenuChecked(MenuId::Speed20));
  EXPECT_FALSE(form.MenuChecked(MenuId::SingleDisplay));
  EXPECT_TRUE(form.MenuChecked(MenuId::ShowNames));
  EXPECT_TRUE(form.MenuChecked(MenuId::Sound));
  EXPECT_FALSE(form.MenuChecked(MenuId::CursorChase));
  EXPECT_FALSE(form.MenuChecked(MenuId::SecondStick));
  EXPECT_EQ(form.top, 384);
  EXPECT_EQ(form.left, 512);
  for (const ButtonAppearance& slot : panel.form().appearance) {
    EXPECT_EQ(slot.color, 65535U);
    EXPECT_EQ(slot.fontColor, colors::kWindowText);
    EXPECT_EQ(slot.fontStyle, 0);
    EXPECT_EQ(slot.fontSize, 11);
    EXPECT_EQ(slot.fontPitch, 0);
    EXPECT_EQ(slot.fontName, "ＭＳ Ｐゴシック");
  }
  EXPECT_EQ(panel.app->nameEditor->Name(1), "ボタン１");
  EXPECT_EQ(panel.app->nameEditor->Name(18), "ボタン18");
  EXPECT_EQ(form.launcher.Folder(), u"");
  EXPECT_EQ(panel.desk.files.count(kIni), 0U);  // the load writes nothing
}

TEST(SettingsSave, TheFirstSaveWritesTheFifteenSectionsAndTheirKeysInOrderThenTheNewOnes) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  panel.form().Close();
  const std::string written = panel.desk.files.at(kIni);
  // Byte for byte the reviewed file of every default (Shift-JIS, CR LF).
  std::ifstream golden(std::string(SORVANE_TEST_DATA) + "/first-save.ini", std::ios::binary);
  ASSERT_TRUE(golden.good());
  EXPECT_EQ(written, std::string(std::istreambuf_iterator<char>(golden), {}));
  EXPECT_EQ(SectionsOf(written),
            (std::vector<std::string>{"UseJoyToKey", "ScanMax", "SubScan", "Interval", "SingleDsp", "Sound",
                                      "Oikake", "JoyStickID", "起動時の縦座標", "起動時の横座標", "BtnColor",
                                      "BtnNameOn", "BtnName", "BtnFont", "バージョン", "PanelScale", "Switch", "Scan", "Voice",
                                      "Record", "JoyToKey", "Panel"}));
  long keys = 0;
  for (char c : written) keys += c == '=';
  EXPECT_EQ(keys, 124 + 1 + 9 + 5 + 4 + 1 + 1 + 1);
  const std::string head =
      "[UseJoyToKey]\r\n所在フォルダー=\r\n[ScanMax]\r\nScanMax=4\r\n[SubScan]\r\nSubScan=4\r\n"
      "[Interval]\r\nScanTimer=2\r\n[SingleDsp]\r\nON=0\r\n[Sound]\r\nON=1\r\n[Oikake]\r\nON=0\r\n"
      "[JoyStickID]\r\nON=0\r\n[起動時の縦座標]\r\nYPOS=384\r\n[起動時の横座標]\r\nXPOS=512\r\n"
      "[BtnColor]\r\nBtn1Color=65535\r\n";
  EXPECT_EQ(written.substr(0, head.size()), head);
  EXPECT_NE(written.find("[BtnFont]\r\nFontStyle1=0\r\nFontSize1=11\r\nFontPitch1=0\r\nFontColor1=clWindowText\r\n"
                         "FontName1=ＭＳ Ｐゴシック\r\nFontStyle2=0\r\n"),
            std::string::npos);
  EXPECT_NE(written.find("Name18=ボタン18\r\n[BtnFont]"), std::string::npos);
  const std::string tail = "[PanelScale]\r\nScale=1\r\n[Switch]\r\nKey=0\r\nAcceptTime=0\r\n"
                           "IgnoreRepeat=0\r\nFirstPause=0\r\nLoops=0\r\nKey2=0\r\nStuckAfter=0\r\n"
                           "MouseButton=0\r\nMouseButton2=0\r\n[Scan]\r\nMethod=0\r\nDwellTime=2000\r\nIdleCaptions=0\r\nPausePosition=0\r\n"
                           "ResumeHold=2000\r\n"
                           "[Voice]\r\nMode=0\r\nWait=0\r\nRate=0\r\nVolume=100\r\n[Record]\r\nON=0\r\n"
                           "[JoyToKey]\r\nRestart=1\r\n[Panel]\r\nLanguage=ja\r\n";
  EXPECT_EQ(written.substr(written.size() - tail.size()), tail);
}

TEST(SettingsSave, ALoadAndASaveWithNoChangeRewriteEveryValueUnchanged) {
  Panel first;
  ASSERT_TRUE(first.Start());
  first.form().ButtonCountClick(6);
  first.form().SpeedClick(0.5F);
  first.form().Appearance(13).fontColor = 0x123456;
  first.app->nameEditor->Edit(12).caption = "つぎ";
  first.form().Close();
  const std::string saved = first.desk.files.at(kIni);

  Panel second;
  second.desk.files[kIni] = saved;
  ASSERT_TRUE(second.Start());
  second.form().Close();
  EXPECT_EQ(second.desk.files.at(kIni), saved);
  EXPECT_NE(saved.find("FontColor13=$00123456"), std::string::npos);
}

TEST(SettingsLoad, ReadsEachValueFormLeniently) {
  Panel panel;
  panel.desk.files[kIni] =
      "[ScanMax]\nScanMax=3abc\n[Interval]\nScanTimer=1.5\n[起動時の縦座標]\nYPOS=12abc\n"
      "[起動時の横座標]\nXPOS=$40\n[Sound]\nON=yes\n[Oikake]\nON=-1\n[JoyStickID]\nON=2\n"
      "[BtnColor]\nBtn1Color=255\nBtn2Color=$FF\n"
      "[BtnFont]\nFontColor1=clred\nFontColor2=255\nFontColor3=$000000FF\nFontStyle1=3\nFontStyle2=259\n"
      "FontStyle3=abc\nFontSize1=0x10\n";
  ASSERT_TRUE(panel.Start());
  PanelForm& state = panel.form();
  EXPECT_EQ(panel.scan().buttonCount, 3);
  EXPECT_EQ(panel.form().scanner().timer().Interval(), 1500);
  EXPECT_EQ(state.link.ConfigurationNumber(), 51);
  EXPECT_EQ(panel.form().top, 384);
  EXPECT_EQ(panel.form().left, 64);
  EXPECT_FALSE(panel.form().MenuChecked(MenuId::Sound));
  EXPECT_TRUE(panel.form().MenuChecked(MenuId::CursorChase));
  EXPECT_TRUE(panel.form().MenuChecked(MenuId::SecondStick));
  EXPECT_EQ(state.Appearance(1).color, colors::kRed);
  EXPECT_EQ(state.Appearance(2).color, 0U);
  for (int n : {1, 2, 3}) EXPECT_EQ(state.Appearance(n).fontColor, colors::kRed) << n;
  EXPECT_EQ(state.Appearance(1).fontStyle, kFontBold | kFontItalic);
  EXPECT_EQ(state.Appearance(2).fontStyle, kFontBold | kFontItalic);
  EXPECT_EQ(state.Appearance(3).fontStyle, 0);
  EXPECT_EQ(state.Appearance(1).fontSize, 16);
  for (MenuId id : {MenuId::Speed05, MenuId::Speed10, MenuId::Speed20, MenuId::Speed30, MenuId::Speed40, MenuId::Speed50}) {
    EXPECT_FALSE(panel.form().MenuChecked(id));
  }
}

TEST(ValueForms, SecondsAreWrittenInTheShortestGeneralForm) {
  EXPECT_EQ(WriteSeconds(0.5F), "0.5");
  EXPECT_EQ(WriteSeconds(2.0F), "2");
  EXPECT_EQ(WriteSeconds(2.5F), "2.5");
  EXPECT_EQ(WriteSeconds(1.7F), "1.70000004768372");
  EXPECT_EQ(ReadSeconds("0.25"), 0.25F);
  EXPECT_EQ(ReadSeconds("3e-1x"), 0.3F);
  EXPECT_EQ(ReadSeconds("abc"), 0.0F);
  EXPECT_EQ(ReadWholeInteger("0x40"), 64);
  EXPECT_EQ(ReadWholeInteger("-1"), -1);
  EXPECT_EQ(ReadWholeInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ReadWholeInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ReadLeadingInteger("  -12x"), -12);
  EXPECT_EQ(WriteColorText(0x8000000F), "clBtnFace");
  EXPECT_EQ(WriteColorText(0x00ABCDEF), "$00ABCDEF");
  EXPECT_EQ(ReadColorText("CLNONE"), 0x1FFFFFFFU);
  EXPECT_EQ(ReadColorText("reddish"), std::nullopt);
}

TEST(IniFile, KeepsForeignLinesAndUpdatesInPlace) {
  IniFile ini("; carer's note\r\n[ScanMax]\r\n  scanmax = 5 \r\nMine=kept\r\n\r\n[Other]\r\nx=1");
  EXPECT_EQ(ini.ReadString("SCANMAX", "ScanMax", "4"), "5");
  ini.WriteString("ScanMax", "ScanMax", "6");
  ini.WriteString("ScanMax", "New", "n");
  ini.WriteString("Other", "y", "2");
  ini.WriteString("Fresh", "k", "v");
  EXPECT_EQ(ini.Contents(),
            "; carer's note\r\n[ScanMax]\r\nscanmax=6\r\nMine=kept\r\nNew=n\r\n\r\n[Other]\r\nx=1\r\ny=2\r\n"
            "[Fresh]\r\nk=v\r\n");
}

TEST(IniFile, TrimsUnquotesCutsAndTakesTheFirstOfDuplicates) {
  IniFile ini("[a]\nk= \"quoted\" \nq='x\nd=1\nd=2\n[a]\nlater=3\n[b]\nlong=" + std::string(3000, 'z') + "\n");
  EXPECT_EQ(ini.ReadString("a", "k", ""), "quoted");
  EXPECT_EQ(ini.ReadString("a", "q", ""), "'x");
  EXPECT_EQ(ini.ReadString("a", "d", ""), "1");
  EXPECT_EQ(ini.ReadString("a", "later", "none"), "none");
  EXPECT_EQ(ini.ReadString("b", "long", "").size(), 2047U);
}

TEST(IniFile, ABracketAsTheSecondByteOfACharacterDoesNotEndASectionName) {
  const std::string name = "\x83\x5D\x83\x5D";  // two characters whose second byte is "]"
  IniFile ini("[" + name + "]\r\nk=v\r\n");
  EXPECT_EQ(ini.ReadString(name, "k", ""), "v");
}

TEST(IniFile, FoldsOnlySingleByteLettersInShiftJisNames) {
  // Two katakana whose second bytes are "A" and "a": folding those would merge
  // two different sections.
  const std::string upper = "\x83\x41";
  const std::string lower = "\x83\x61";
  IniFile ini("[" + upper + "]\nk=first\n[" + lower + "]\nk=second\n");
  EXPECT_EQ(ini.ReadString(upper, "K", ""), "first");
  EXPECT_EQ(ini.ReadString(lower, "k", ""), "second");
  EXPECT_TRUE(IniFile::NamesEqual("BtnColor", "BTNCOLOR"));
}

TEST(SettingsLoad, OutlandishNumbersFromTheFileAreHeldSafely) {
  EXPECT_EQ(IntervalMilliseconds(1.5F), 1500);
  EXPECT_EQ(IntervalMilliseconds(0.25F), 250);
  EXPECT_EQ(IntervalMilliseconds(1e10F), 2147483647);
  EXPECT_EQ(IntervalMilliseconds(-1e10F), -2147483647 - 1);
  EXPECT_EQ(IntervalMilliseconds(ReadSeconds("1e999")), 2147483647);
  EXPECT_EQ(PixelHeightForPoints(11), 15);
  EXPECT_EQ(PixelHeightForPoints(2000000000), 0x7FFF);
  Panel panel;
  panel.desk.files[kIni] = "[Interval]\r\nScanTimer=1e30\r\n[BtnFont]\r\nFontSize1=2000000000\r\n";
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().scanner().timer().Interval(), 2000);  // no interval in seconds
  EXPECT_EQ(panel.form().Appearance(1).fontSize, 2000000000);

  // Button counts no layout can show are held to 1 to 8.
  for (const auto& [file, count, sub] : {std::tuple{"ScanMax=0\r\n[SubScan]\r\nSubScan=9", 1, 8},
                                         std::tuple{"ScanMax=2147483647\r\n[SubScan]\r\nSubScan=-3", 8, 1}}) {
    Panel held;
    held.desk.files[kIni] = std::string("[ScanMax]\r\n") + file + "\r\n";
    ASSERT_TRUE(held.Start());
    EXPECT_EQ(held.scan().buttonCount, count);
    EXPECT_EQ(held.scan().subButtonCount, sub);
    EXPECT_TRUE(held.form().Button(count).visible);
  }
}

TEST(SettingsLoad, ANameLongerThanTheReadLimitComesBackCut) {
  Panel panel;
  panel.desk.files[kIni] = "[BtnName]\r\nName2=" + std::string(5000, 'n') + "\r\n";
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.app->nameEditor->Name(2).size(), 2047U);
  EXPECT_EQ(panel.form().Button(2).caption.size(), 2047U);
}

TEST(SettingsLoad, AFontColourTypoCostsOnlyThatKey) {
  Panel panel;
  panel.desk.files[kIni] =
      "[BtnFont]\r\nFontColor2=reddish\r\nFontName2=Arial\r\nFontSize3=20\r\nFontColor3=clRed\r\n";
  ASSERT_TRUE(panel.Start());
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_EQ(panel.desk.messages[0].text, "'reddish' は整数ではありません");
  PanelForm& state = panel.form();
  EXPECT_EQ(state.Appearance(2).fontColor, colors::kWindowText);
  EXPECT_EQ(state.Appearance(2).fontName, "Arial");
  EXPECT_EQ(state.Appearance(3).fontSize, 20);
  EXPECT_EQ(state.Appearance(3).fontColor, colors::kRed);
  EXPECT_TRUE(panel.form().scanner().timer().Enabled());
}

TEST(SettingsSave, AnUnwritableFileIsReportedLeftUntouchedAndThePanelStillCloses) {
  Panel panel;
  panel.desk.files[kIni] = "[ScanMax]\r\nScanMax=3\r\n";
  panel.desk.unwritable.push_back(kIni);
  ASSERT_TRUE(panel.Start());
  panel.form().ButtonCountClick(5);
  panel.form().Close();
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_EQ(panel.desk.messages[0].text.rfind("C:\\Sorvane\\Sorvane.ini に書き込めません\n", 0), 0U);
  EXPECT_EQ(panel.desk.messages[0].flags, 0x35U);  // retry or cancel
  EXPECT_EQ(panel.desk.files.at(kIni), "[ScanMax]\r\nScanMax=3\r\n");
  EXPECT_TRUE(panel.app->Terminated());
  EXPECT_EQ(panel.received().back(), std::make_pair(WM_QUIT_MESSAGE, 0));
}

TEST(SettingsSave, KeysWrittenByHandWhileThePanelRunsSurvive) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  panel.desk.files[kIni] = "[Carer]\r\nPhone=0123\r\n";
  panel.form().Close();
  EXPECT_EQ(panel.desk.files.at(kIni).rfind("[Carer]\r\nPhone=0123\r\n[UseJoyToKey]", 0), 0U);
}

}  // namespace sorvane::test

namespace sorvane::test {

TEST(IniFile, NamesAskedForAreTrimmedLikeTheProfileFunctionsDo) {
  IniFile ini("[Blanks]\r\nD=4\r\n");
  EXPECT_EQ(ini.ReadString(" Blanks ", " D ", ""), "4");
  ini.WriteString(" Blanks ", " E ", "5");
  EXPECT_EQ(ini.Contents(), "[Blanks]\r\nD=4\r\nE=5\r\n");
}

TEST(IniFile, WritingAKeyThatStandsAloneWithoutEqualsGivesItTheValue) {
  IniFile ini("[S]\nnoequals\nafter=1\n");
  EXPECT_EQ(ini.ReadString("S", "noequals", "none"), "none");
  ini.WriteString("S", "NOEQUALS", "now");
  EXPECT_EQ(ini.Contents(), "[S]\nnoequals=now\nafter=1\n");
  EXPECT_EQ(ini.ReadString("S", "noequals", "none"), "now");
}

}  // namespace sorvane::test
