#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "Harness.h"
#include "text/ShiftJis.h"
#include "text/Texts.h"

namespace sorvane::test {

namespace {

const char* const kIni = "C:\\Sorvane\\Sorvane.ini";

// The width of a text in the dialogs' proportional font, estimated from its
// letters' usual advances (in twentieths of the character height): a full-width
// character is square, Latin letters narrower by their shape, and wider in bold.
int EstimatedWidth(const std::string& text, int pixelHeight, bool bold) {
  int twentieths = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsShiftJisLeadByte(c)) {
      twentieths += 20;
      ++i;
    } else if (std::string_view(" il.,:;'!|").find(c) != std::string_view::npos) {
      twentieths += 6;
    } else if (std::string_view("()[]-ftjr1").find(c) != std::string_view::npos) {
      twentieths += 8;
    } else if (c == 'M' || c == 'W' || c == 'm' || c == 'w') {
      twentieths += 17;
    } else if (c >= 'A' && c <= 'Z') {
      twentieths += 14;
    } else {
      twentieths += 11;
    }
  }
  const int width = (twentieths * pixelHeight + 19) / 20;
  return bold ? width * 11 / 10 : width;
}

// The texts whose control does not grow with them, and the room it gives at
// ×1 (96 dpi): its width less the button's edges, at the font it is drawn in.
struct FixedRoom {
  TextId id;
  int width;
  int pixelHeight;
  bool bold;
};

constexpr FixedRoom kFixedRooms[] = {
    {TextId::SwitchKeyLabel, 156, 12, false},     {TextId::Switch2KeyLabel, 156, 12, false},
    {TextId::NoKey, 60, 12, false},               {TextId::KeyFieldInstruction, 356, 12, false},
    {TextId::AcceptTimeLabel, 270, 12, false},    {TextId::IgnoreRepeatLabel, 270, 12, false},
    {TextId::FirstPauseLabel, 270, 12, false},    {TextId::LoopsLabel, 270, 12, false},
    {TextId::DwellTimeLabel, 270, 12, false},     {TextId::ResumeHoldLabel, 270, 12, false},
    {TextId::StuckAfterLabel, 270, 12, false},    {TextId::Cancel, 74, 12, false},
    {TextId::RecordSinceStart, 132, 12, true},    {TextId::RecordLastWeek, 132, 12, true},
    {TextId::RecordPresses, 240, 12, false},      {TextId::RecordAccepted, 240, 12, false},
    {TextId::RecordTooShort, 240, 12, false},     {TextId::RecordWithinIgnore, 240, 12, false},
    {TextId::RecordDuringDialog, 240, 12, false}, {TextId::RecordWhileResting, 240, 12, false},
    {TextId::RecordMedianTime, 240, 12, false},   {TextId::RecordTime90, 240, 12, false},
    {TextId::RecordLate, 240, 12, false},         {TextId::RecordApply, 120, 12, false},
    {TextId::RecordClose, 120, 12, false},        {TextId::NoticeLine1, 196, 16, true},
    {TextId::NoticeLine2, 196, 16, true},         {TextId::NoticeLine3, 196, 15, true},
    {TextId::NoticeLine4, 196, 15, true},         {TextId::NoticeLine5, 196, 15, true},
    {TextId::NoticeLine6, 196, 15, true},         {TextId::ProfileNameLabel, 336, 12, false},
};

std::set<std::string> FillsOf(const std::string& text) {
  std::set<std::string> fills;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') fills.insert(text.substr(i, 2));
  }
  return fills;
}

}  // namespace

TEST(Texts, EveryJapaneseTextHasAnEnglishOneWithTheSameFillsAndNoneOutgrowsItsControl) {
  for (int i = 0; i < kTextCount; ++i) {
    const TextId id = static_cast<TextId>(i);
    ASSERT_EQ(kJapaneseTexts[i].id, id) << "the Japanese table is out of order at " << i;
    ASSERT_EQ(kEnglishTexts[i].id, id) << "the English table is out of order at " << i;
    const std::string japanese = TextIn(Language::kJapanese, id);
    const std::string english = TextIn(Language::kEnglish, id);
    EXPECT_EQ(japanese.empty(), english.empty()) << i;
    EXPECT_EQ(FillsOf(japanese), FillsOf(english)) << i;
  }
  for (const FixedRoom& room : kFixedRooms) {
    const std::string text = TextIn(Language::kEnglish, room.id);
    EXPECT_LE(EstimatedWidth(text, room.pixelHeight, room.bold), room.width) << text;
  }
}

TEST(Texts, AFolderFillsABoxInItsOwnCharactersAndAFillIsNeverReadAsAPattern) {
  const FilePath file(u"C:\\caf\u00e9 %2\\Sorvane.ini");
  const MessageText message = TextMessage(TextId::ProfileSaveBeforeNew, {file, "%1"});
  ASSERT_EQ(message.Pieces().size(), 2U);
  EXPECT_EQ(message.Pieces()[0].name, file.Utf16());
  EXPECT_EQ(message.Pieces()[1].words, " に今の設定を保存できないため、利用者「%1」を作りません。");
}

TEST(Language, SwitchingChangesTheMenuTheCaptionsAndTheDefaultNamesAtOnceAndIsSaved) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  form.nameEditor->Edit(2).caption = "ごはん";  // a name the carer gave
  ASSERT_EQ(form.menu.Item(MenuId::Exit).caption, "終了(&X)");
  ASSERT_TRUE(form.MenuChecked(MenuId::LanguageJapanese));

  form.MenuCommand(MenuId::LanguageEnglish);
  EXPECT_TRUE(form.MenuChecked(MenuId::LanguageEnglish));
  EXPECT_FALSE(form.MenuChecked(MenuId::LanguageJapanese));
  EXPECT_EQ(form.menu.Item(MenuId::Exit).caption, "Exit (&X)");
  EXPECT_EQ(form.menu.Item(MenuId::Language).caption, "Language / 言語 (&G)");
  EXPECT_EQ(form.menu.Item(MenuId::NewProfile).caption, "New user...");
  EXPECT_EQ(form.hint, "Right-click for the menu");
  EXPECT_EQ(form.Button(1).caption, "Button 1");
  EXPECT_EQ(form.nameEditor->Name(2), "ごはん");
  EXPECT_EQ(form.nameEditor->Name(13), "Button 13");
  EXPECT_EQ(form.nameEditor->caption, "Button names");
  form.PracticeClick();
  EXPECT_EQ(form.WindowTitle(), std::string(kApplicationTitle) + " Practice");
  EXPECT_EQ(form.SpokenName(0), "Swap buttons");
  const std::string saved = panel.desk.files.at(kIni);
  EXPECT_NE(saved.find("[Panel]\r\nLanguage=en\r\n"), std::string::npos);
  EXPECT_NE(saved.find("Name1=Button 1\r\n"), std::string::npos);

  // The next start speaks English from the first box on; Japanese again
  // brings back the Japanese default names, and nothing the carer wrote.
  Panel next;
  next.desk.files[kIni] = saved;
  ASSERT_TRUE(next.Start());
  EXPECT_EQ(next.form().menu.Item(MenuId::Help).caption, "Help (&H)");
  EXPECT_EQ(next.form().Button(3).caption, "Button 3");
  next.form().MenuCommand(MenuId::LanguageJapanese);
  EXPECT_EQ(next.form().menu.Item(MenuId::Help).caption, "ヘルプ(&H)");
  EXPECT_EQ(next.form().Button(1).caption, "ボタン１");
  EXPECT_EQ(next.form().nameEditor->Name(2), "ごはん");
  EXPECT_NE(next.desk.files.at(kIni).find("Language=ja\r\n"), std::string::npos);
  SetLanguage(Language::kJapanese);
}

TEST(Language, TheBoxesOfAStartSpeakTheLanguageOfTheSettingsItWillUse) {
  const std::string english = "[Panel]\r\nLanguage=en\r\n";
  const auto firstBoxBegins = [](const std::function<void(sim::SimDesktop&)>& prepare, const std::string& words) {
    Panel panel;
    prepare(panel.desk);
    panel.Start();
    SetLanguage(Language::kJapanese);
    return !panel.desk.messages.empty() && panel.desk.messages[0].text.rfind(words, 0) == 0;
  };
  // Carried over to %APPDATA% from beside the program.
  EXPECT_TRUE(firstBoxBegins(
      [&](sim::SimDesktop& desk) {
        desk.unwritableFolders = {"C:\\Sorvane\\"};
        desk.files[kIni] = english;
      },
      "Sorvane's folder"));
  // Unreadable now: the copy its last save kept tells.
  EXPECT_TRUE(firstBoxBegins(
      [&](sim::SimDesktop& desk) {
        desk.files[kIni] = english;
        desk.files["C:\\Sorvane\\History\\Sorvane-20261201-100000.ini"] = english;
        desk.lockedUntil[kIni] = 1000000000;
      },
      std::string(kIni) + " cannot be read"));
  EXPECT_TRUE(firstBoxBegins(
      [&](sim::SimDesktop& desk) { desk.files[kIni] = u8"\xEF\xBB\xBF; \U0001F600\r\n" + english; },
      std::string(kIni) + " has characters"));
  Panel first;
  first.desk.files[kIni] = english;
  ASSERT_TRUE(first.Start());
  SetLanguage(Language::kJapanese);
  Application second(first.desk.platform());
  EXPECT_FALSE(second.Start());
  EXPECT_EQ(first.desk.messages.back().text, "Sorvane is already running. It cannot run twice at once.");
  SetLanguage(Language::kJapanese);
}

}  // namespace sorvane::test
