// Named profiles: each person's settings, record and voice folder in
// Profiles\<name>\ beside the settings.
#include <gtest/gtest.h>

#include "Harness.h"
#include "settings/Profiles.h"

namespace sorvane::test {

namespace {

const char* const kBeside = "C:\\Sorvane\\Sorvane.ini";
const std::string kTaroFolder = "C:\\Sorvane\\Profiles\\たろう\\";
const std::string kHanakoFolder = "C:\\Sorvane\\Profiles\\はなこ\\";

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(NamedProfiles, EachPersonNamedOnTheCommandLineKeepsTheirOwnAndTheLogonItemRemembersWho) {
  std::map<sim::WideText, std::string> files = {{kBeside, "[ScanMax]\r\nScanMax=3\r\n"}};
  std::map<std::u16string, std::vector<sim::SimEntry>> folders;
  const struct {
    const char16_t* option;
    const std::string& folder;
    int expected;
    int changedTo;
  } starts[] = {{u"/profile:たろう", kTaroFolder, 4, 6}, {u"/PROFILE:はなこ", kHanakoFolder, 4, 2},
                {u"/profile:たろう", kTaroFolder, 6, 5}, {u"/profile:はなこ", kHanakoFolder, 2, 7},
                {u"/profile:たろう", kTaroFolder, 5, 5}, {u"/profile:はなこ", kHanakoFolder, 7, 7}};
  for (const auto& start : starts) {
    Panel person;
    person.desk.files = files;
    person.desk.folders = folders;
    person.desk.moreArguments = {start.option};
    ASSERT_TRUE(person.Start());
    PanelForm& form = person.form();
    EXPECT_EQ(person.scan().buttonCount, start.expected);
    EXPECT_EQ(form.link.ConfigurationNumber(), '3');
    EXPECT_EQ(sim::WideText(form.settingsPlace.SettingsFile()), start.folder + "Sorvane.ini");
    EXPECT_EQ(sim::WideText(form.recorder.file().path()), start.folder + "Sorvane-record.csv");
    EXPECT_EQ(sim::WideText(form.speaker.folder()), start.folder + "Voice\\");
    // The log and JoyToKey's whereabouts belong to the computer, not the person.
    EXPECT_EQ(person.desk.logFile, "C:\\Sorvane\\Sorvane.log");
    EXPECT_EQ(sim::WideText(form.settingsPlace.SiblingSettingsFile()), "C:\\Sorvane\\Tramvik.ini");
    EXPECT_EQ(form.WindowTitle(), std::string(kApplicationTitle) + " （" + form.settingsPlace.ProfileName() + "）");
    form.ButtonCountClick(start.changedTo);
    form.Close();
    files = person.desk.files;
    folders = person.desk.folders;
  }
  EXPECT_EQ(files.at(kBeside), "[ScanMax]\r\nScanMax=3\r\n");

  Panel listed;
  listed.desk.files = files;
  listed.desk.folders = folders;
  listed.desk.moreArguments = {u"/profile:はなこ"};
  ASSERT_TRUE(listed.Start());
  EXPECT_EQ(listed.form().ProfileMenuNames(), (std::vector<std::string>{"たろう", "はなこ"}));
  EXPECT_FALSE(listed.form().MenuChecked(MenuId::NoProfile));
  listed.form().MenuCommand(MenuId::StartAtLogon);
  EXPECT_EQ(listed.desk.runValues["Sorvane"], "\"C:\\Sorvane\\Sorvane.exe\" 3 /profile:はなこ");
  EXPECT_TRUE(listed.form().MenuChecked(MenuId::StartAtLogon));
  // At logon the option may come first; the number is still the other argument.
  Panel logon;
  logon.desk.firstArgument = "/profile:たろう";
  logon.desk.moreArguments = {u"3"};
  logon.desk.files = files;
  ASSERT_TRUE(logon.Start());
  EXPECT_EQ(logon.form().link.ConfigurationNumber(), '3');
  EXPECT_EQ(logon.scan().buttonCount, 5);
}

TEST(NamedProfiles, FromTheMenuANewOneCopiesTheSettingsInUseAndSwitchingSavesFirstThenShowsTheOthersAtOnce) {
  Panel panel;
  panel.desk.files[kBeside] =
      "[UseJoyToKey]\r\n所在フォルダー=D:\\JoyToKey\\\r\n[ScanMax]\r\nScanMax=3\r\n[BtnName]\r\nName1=いち\r\n";
  panel.desk.files[kTaroFolder + "Sorvane.ini"] = "[ScanMax]\r\nScanMax=6\r\n[BtnName]\r\nName1=たろう\r\n";
  panel.desk.AddFolder(u"C:\\Sorvane\\Profiles\\", u"たろう");
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  EXPECT_TRUE(form.MenuChecked(MenuId::NoProfile));
  form.SpeedClick(3.0F);

  // A name refused is asked again with its reason; the copy is of what is shown.
  panel.desk.profileNameAnswers = {u"タロウ?", u"じろう"};
  form.MenuCommand(MenuId::NewProfile);
  ASSERT_EQ(panel.desk.profileNameProblems.size(), 2U);
  EXPECT_EQ(panel.desk.profileNameProblems[0], "");
  EXPECT_TRUE(Contains(panel.desk.profileNameProblems[1], "「?」は使えません"));
  const std::string jiro = "C:\\Sorvane\\Profiles\\じろう\\Sorvane.ini";
  ASSERT_EQ(panel.desk.files.count(jiro), 1U);
  EXPECT_TRUE(Contains(panel.desk.files.at(jiro), "ScanMax=3\r\n"));
  EXPECT_TRUE(Contains(panel.desk.files.at(jiro), "ScanTimer=3\r\n"));
  EXPECT_TRUE(Contains(panel.desk.files.at(kBeside), "ScanTimer=3\r\n"));
  EXPECT_EQ(form.settingsPlace.ProfileName(), "じろう");
  EXPECT_EQ(form.WindowTitle(), std::string(kApplicationTitle) + " （じろう）");
  EXPECT_EQ(form.ProfileMenuNames(), (std::vector<std::string>{"じろう", "たろう"}));
  EXPECT_TRUE(panel.desk.messages.empty());

  form.ButtonCountClick(2);
  form.ProfileClick("たろう");
  EXPECT_TRUE(Contains(panel.desk.files.at(jiro), "ScanMax=2\r\n"));
  EXPECT_EQ(panel.scan().buttonCount, 6);
  EXPECT_EQ(form.Button(1).caption, "たろう");
  EXPECT_EQ(form.nameEditor->Name(1), "たろう");
  EXPECT_EQ(sim::WideText(form.recorder.file().path()), kTaroFolder + "Sorvane-record.csv");
  EXPECT_EQ(form.WindowTitle(), std::string(kApplicationTitle) + " （たろう）");
  EXPECT_EQ(form.launcher.Folder(), u"D:\\JoyToKey\\") << "a file without JoyToKey's folder keeps the one in use";

  form.MenuCommand(MenuId::NoProfile);
  EXPECT_EQ(panel.scan().buttonCount, 3);
  EXPECT_EQ(form.Button(1).caption, "いち");
  EXPECT_EQ(form.WindowTitle(), kApplicationTitle);
  panel.Run(10000);
  EXPECT_GT(panel.scan().litPosition, 0) << "the scan goes on after the switch";

  // A person whose changes cannot be kept is not left for another.
  panel.desk.readOnly = {kBeside};
  form.ButtonCountClick(4);
  form.ProfileClick("たろう");
  EXPECT_EQ(form.settingsPlace.ProfileName(), "");
  EXPECT_EQ(panel.scan().buttonCount, 4);
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_TRUE(Contains(panel.desk.messages[0].text, "利用者を切り替えません"));
}

TEST(ProfileNames, AreRefusedWithTheirReasonAndTheRestTaken) {
  sim::SimDesktop desk;
  const std::vector<std::string> existing = {"たろう", "Hana"};
  const struct {
    const char16_t* typed;
    const char* reason;
  } refused[] = {
      {u"", "入力されていません"},
      {u"a/b", "「/」は使えません"},
      {u"x:y", "「:」は使えません"},
      {u"tab\t", "制御文字"},
      {u"CON", "装置の名前"},
      {u"con.txt", "装置の名前"},
      {u"Lpt9", "装置の名前"},
      {u"はなこ ", "最後に空白"},
      {u"はなこ.", "最後に空白や「.」"},
      {u"あいうえおかきくけこさしすせそたち", "長すぎます"},
      {u"café", "U+00E9"},
      {u"😀", "U+1F600"},
      {u"HANA", "「Hana」という利用者はすでにあります"},
      {u"たろう", "すでにあります"},
  };
  for (const auto& name : refused) {
    const ProfileNameCheck check = CheckProfileName(name.typed, existing, desk);
    EXPECT_FALSE(check.ok());
    EXPECT_TRUE(Contains(check.problem, name.reason)) << check.problem;
  }
  for (const char16_t* typed : {u"はなこ", u"COM10", u"あいうえおかきくけこさしすせそた", u"山田 花子", u"表示"}) {
    EXPECT_TRUE(CheckProfileName(typed, existing, desk).ok()) << desk.ShiftJisFromUtf16(typed).value_or("?");
  }

  // Named so on the command line, the carer is told why and the panel runs as with none.
  Panel panel;
  panel.desk.moreArguments = {u"/profile:NUL"};
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().settingsPlace.ProfileName(), "");
  EXPECT_EQ(sim::WideText(panel.form().settingsPlace.SettingsFile()), kBeside);
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  EXPECT_TRUE(Contains(panel.desk.messages[0].text, "利用者の名前「NUL」は使えません"));
}

}  // namespace sorvane::test
