// The carer's settings file: held by another program, in a Unicode encoding,
// and the values the panel writes.
#include <gtest/gtest.h>

#include "Harness.h"
#include "settings/SettingsFile.h"
#include "settings/ValueForms.h"

namespace sorvane::test {

namespace {

const char* const kIni = "C:\\Sorvane\\Sorvane.ini";

std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(HeldSettingsFile, AFileHeldForASecondAtStartIsWaitedForAndRead) {
  Panel panel;
  panel.desk.files[kIni] = "[ScanMax]\r\nScanMax=3\r\n[BtnName]\r\nName1=いち\r\n";
  panel.desk.lockedUntil[kIni] = 1000;
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.scan().buttonCount, 3);
  EXPECT_EQ(panel.app->nameEditor->Name(1), "いち");
  EXPECT_TRUE(panel.desk.messages.empty());
  EXPECT_GE(panel.desk.sleptMilliseconds, 1000);
  EXPECT_LT(panel.desk.sleptMilliseconds, 1200);
}

TEST(HeldSettingsFile, AFileHeldLongerIsReportedOnceTheDefaultsRunAndNoCloseRouteWritesIt) {
  const std::string carers = "[ScanMax]\r\nScanMax=3\r\n[BtnName]\r\nName1=いち\r\n";
  for (int route = 0; route < 3; ++route) {
    Panel panel;
    panel.desk.files[kIni] = carers;
    panel.desk.lockedUntil[kIni] = 5000;
    ASSERT_TRUE(panel.Start());
    EXPECT_EQ(panel.desk.sleptMilliseconds, 2000);  // tried for two seconds, then told
    ASSERT_EQ(panel.desk.messages.size(), 1U);
    EXPECT_EQ(panel.desk.messages[0].text,
              "C:\\Sorvane\\Sorvane.ini を読み込めません（ほかのプログラムが使用中かもしれません）。\n"
              "設定は読み込まれず、この起動では既定の設定で動作します。終了時にも設定は保存されません。");
    EXPECT_EQ(panel.scan().buttonCount, 4);
    EXPECT_EQ(panel.app->nameEditor->Name(1), "ボタン１");
    panel.desk.now = 10000;  // the lock is gone by the close
    panel.form().ButtonCountClick(6);
    if (route == 0) panel.form().ExitClick();
    if (route == 1) panel.form().Close();
    if (route == 2) {
      panel.desk.CloseWindow(panel.joyToKey);
      panel.Run(1000);
    }
    EXPECT_TRUE(panel.app->Terminated()) << route;
    EXPECT_EQ(panel.desk.files.at(kIni), carers) << route;
    EXPECT_EQ(panel.desk.replaceCalls, 0) << route;
    EXPECT_EQ(panel.desk.messages.size(), route == 2 ? 2U : 1U) << route;  // the gone-JoyToKey warning
  }
}

TEST(HeldSettingsFile, TheSaveNeverBuildsFromAFileItCouldNotRead) {
  Panel panel;
  panel.desk.files[kIni] = "[Carer]\r\nPhone=0123\r\n";
  ASSERT_TRUE(panel.Start());
  panel.desk.lockedUntil[kIni] = panel.desk.now + 60000;
  panel.form().Close();
  EXPECT_EQ(panel.desk.replaceCalls, 1);  // the changes kept in a file of their own
  EXPECT_EQ(panel.desk.files.at(kIni), "[Carer]\r\nPhone=0123\r\n");
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_EQ(panel.desk.messages[0].text.rfind("C:\\Sorvane\\Sorvane.ini を読み込めないため、設定を保存できませんでした。", 0), 0U);
  EXPECT_TRUE(panel.app->Terminated());
}

TEST(HeldSettingsFile, AFileHeldAtCloseIsSavedWhenTheCarerTriesAgainOnceItIsFree) {
  Panel panel;
  panel.desk.files[kIni] = "[Carer]\r\nPhone=0123\r\n";
  ASSERT_TRUE(panel.Start());
  panel.form().ButtonCountClick(6);
  panel.desk.lockedUntil[kIni] = panel.desk.now + 60000;
  panel.desk.messageAnswers = {4};  // retry, once the lock is gone
  panel.desk.onMessageBox = [&](const sim::ShownMessage&) { panel.desk.lockedUntil.clear(); };
  panel.form().Close();
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_NE(panel.desk.files.at(kIni).find("ScanMax=6"), std::string::npos);
  EXPECT_NE(panel.desk.files.at(kIni).find("Phone=0123"), std::string::npos);
}

TEST(UnicodeSettingsFile, UTF8AndUTF16FilesAreReadAndWrittenBackInTheirEncodingWithTheirMark) {
  const std::u16string text =
      u"[ScanMax]\r\nScanMax=3\r\n[起動時の縦座標]\r\nYPOS=100\r\n[BtnName]\r\nName1=いち\r\nName12=じゅうに\r\n";
  const std::string utf8 =
      u8"\xEF\xBB\xBF[ScanMax]\r\nScanMax=3\r\n[起動時の縦座標]\r\nYPOS=100\r\n[BtnName]\r\nName1=いち\r\nName12=じゅうに\r\n";
  // Last, UTF-8 without a mark, as Notepad saves it today: read as UTF-8, written back without one.
  const std::string files[] = {utf8, Utf16Bytes(text, false), Utf16Bytes(text, true), utf8.substr(3)};
  const char* const marks[] = {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF", "[ScanMax]"};
  for (int kind = 0; kind < 4; ++kind) {
    Panel panel;
    panel.desk.files[kIni] = files[kind];
    ASSERT_TRUE(panel.Start());
    EXPECT_EQ(panel.scan().buttonCount, 3) << kind;  // the first section is not lost to the mark
    EXPECT_EQ(panel.form().top, 100) << kind;
    EXPECT_EQ(panel.app->nameEditor->Name(1), "いち") << kind;
    EXPECT_EQ(panel.app->nameEditor->Name(12), "じゅうに") << kind;
    EXPECT_TRUE(panel.desk.messages.empty()) << kind;
    panel.form().Close();
    const std::string saved = panel.desk.files.at(kIni);
    EXPECT_EQ(saved.rfind(marks[kind], 0), 0U) << kind;
    const SettingsText reread = DecodeSettingsText(saved, panel.desk);
    EXPECT_EQ(reread.text.rfind("[ScanMax]\r\nScanMax=3\r\n[起動時の縦座標]\r\nYPOS=100\r\n[BtnName]\r\nName1=いち\r\n", 0), 0U);
    EXPECT_TRUE(Contains(reread.text, "[バージョン]\r\nVer=「Sorvane＋。」Ver 2.10\r\n")) << kind;
  }
  Panel shiftJis;  // without a mark the file stays Shift-JIS
  shiftJis.desk.files[kIni] = "[BtnName]\r\nName1=いち\r\n";
  ASSERT_TRUE(shiftJis.Start());
  shiftJis.form().Close();
  EXPECT_EQ(shiftJis.desk.files.at(kIni).rfind("[BtnName]\r\nName1=いち\r\n", 0), 0U);
}

TEST(UnicodeSettingsFile, ACharacterThePanelCannotHoldIsReportedAndKeptInTheFile) {
  Panel panel;
  panel.desk.files[kIni] = u8"\xEF\xBB\xBF; 😀 note\r\n[BtnName]\r\nName2 = Café\r\nName3=Noël\r\n";
  ASSERT_TRUE(panel.Start());
  ASSERT_EQ(panel.desk.messages.size(), 1U);  // one box, although three readers met it
  EXPECT_EQ(panel.desk.messages[0].text,
            "C:\\Sorvane\\Sorvane.ini に、この表示盤では扱えない文字があります:\nU+1F600 U+00E9 U+00EB\n"
            "その文字は〓と表示します。その行を変更しない限り、ファイルの文字はそのまま残ります。");
  EXPECT_EQ(panel.app->nameEditor->Name(2), "Caf〓");
  panel.app->nameEditor->Edit(3).caption = "Noel";
  panel.form().Close();
  const std::string saved = panel.desk.files.at(kIni);
  // Literals outside the assertion: its text is kept in the execution character set.
  const std::string kept = u8"\xEF\xBB\xBF; 😀 note\r\n[BtnName]\r\nName2 = Café\r\nName3=Noel\r\n";
  EXPECT_EQ(saved.rfind(kept, 0), 0U);
}

TEST(UnicodeSettingsFile, AValueShiftJisCannotHoldTurnsTheFileToUtf8WithAMarkAndReadsBackWhole) {
  sim::SimDesktop desk;
  TextCodec& codec = desk;
  const std::u16string folder = u" C:\\Users\\Zoë\\JoyToKey\\";  // a blank at its start: quoted
  SettingsText file = DecodeSettingsText("[BtnName]\r\nName1=いち\r\n", codec);
  IniFile ini(file.text);
  ASSERT_TRUE(WriteUnicodeValue(ini, file, codec, "UseJoyToKey", "所在フォルダー", folder));
  const std::string written = EncodeSettingsText(ini.Contents(), file, codec).value_or("");
  const std::string expected =
      u8"\xEF\xBB\xBF[BtnName]\r\nName1=いち\r\n[UseJoyToKey]\r\n所在フォルダー=\" C:\\Users\\Zoë\\JoyToKey\\\"\r\n";
  EXPECT_EQ(written, expected);
  const SettingsText reread = DecodeSettingsText(written, codec);
  EXPECT_EQ(ReadUnicodeValue(reread, codec, "UseJoyToKey", "所在フォルダー"), folder);
  EXPECT_TRUE(UnholdableOutside(reread, codec, "UseJoyToKey", "所在フォルダー").empty());
  EXPECT_EQ(reread.unholdable, std::vector<char32_t>{0xEB});

  // A "Shift-JIS" file with bytes that are not code page 932 has no UTF-8 form.
  SettingsText odd = DecodeSettingsText("[Carer]\r\nNote=\x81\x20\r\n", codec);
  IniFile oddIni(odd.text);
  EXPECT_FALSE(WriteUnicodeValue(oddIni, odd, codec, "UseJoyToKey", "所在フォルダー", folder));
  EXPECT_EQ(oddIni.Contents(), odd.text);
  EXPECT_EQ(odd.encoding, TextEncoding::kShiftJis);
}

TEST(IntervalFromTheFile, NotANumberNotFiniteBelowAFifthOfASecondOrAboveAMinuteIsTwoSeconds) {
  const std::pair<const char*, int> cases[] = {
      {"abc", 2000}, {"0", 2000},   {"0,5", 2000},  {"-1", 2000},    {"1e39", 2000},  {"inf", 2000},
      {"nan", 2000}, {"0.19", 2000}, {"0.2", 200},  {"0.7", 699},    {"1.7", 1700},   {"1e30", 2000}};
  for (const auto& [text, milliseconds] : cases) {
    Panel panel;
    panel.desk.files[kIni] = std::string("[Interval]\r\nScanTimer=") + text + "\r\n";
    ASSERT_TRUE(panel.Start());
    EXPECT_EQ(panel.form().scanner().timer().Interval(), milliseconds) << text;
    panel.form().Close();
    Panel again;  // what was saved reads back as the same value
    again.desk.files[kIni] = panel.desk.files.at(kIni);
    ASSERT_TRUE(again.Start());
    EXPECT_EQ(again.scan().intervalSeconds, panel.scan().intervalSeconds) << text;
  }
  EXPECT_EQ(WriteSeconds(ReadIntervalSeconds("1e39")), "2");
  EXPECT_EQ(IntervalMilliseconds(0.7F), 699);
}

TEST(ValuesWritten, TextWithBlanksOrQuotesAtItsEndsReadsBackWhole) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  const std::string names[] = {" まえ", "うしろ ", "\"引用\"", "'a'", "\"half"};
  for (int k = 0; k < 5; ++k) panel.app->nameEditor->Edit(k + 1).caption = names[k];
  panel.form().Close();
  Panel again;
  again.desk.files[kIni] = panel.desk.files.at(kIni);
  ASSERT_TRUE(again.Start());
  for (int k = 0; k < 5; ++k) EXPECT_EQ(again.app->nameEditor->Name(k + 1), names[k]);
  EXPECT_TRUE(Contains(panel.desk.files.at(kIni), "Name5=\"half\r\n"));  // quoted only when needed
}

TEST(Closing, ACloseRequestWhileTheCloseRunsChangesNothing) {
  Panel panel;
  panel.desk.unwritable.push_back(kIni);
  ASSERT_TRUE(panel.Start());
  panel.desk.onMessageBox = [&panel](const sim::ShownMessage&) { panel.form().Close(); };
  panel.form().Close();
  EXPECT_EQ(panel.desk.replaceCalls, 2);  // the save, and the changes kept beside it
  EXPECT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_TRUE(panel.app->Terminated());
}

}  // namespace sorvane::test
