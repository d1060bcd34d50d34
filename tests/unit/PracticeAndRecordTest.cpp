#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Harness.h"
#include "record/RecordStatistics.h"

namespace sorvane::test {

namespace {

// A panel scanning four buttons at 2 s with the switch record on.
struct Recording : Panel {
  Recording() {
    EXPECT_TRUE(Start());
    form().recorder.SetOn(true);
    ClearReceived();
  }
  void Press(std::int64_t after, std::int64_t length) { desk.HoldSwitch(desk.now + after, desk.now + after + length); }
  std::string File() { return desk.files.count(form().recorder.file().path()) ? desk.files.at(form().recorder.file().path()) : ""; }
  std::vector<RecordedPress> Lines() {
    std::vector<RecordedPress> presses;
    ForEachRecordedPress(File(), 0, [&presses](const RecordedPress& p) { presses.push_back(p); });
    return presses;
  }
};

RecordedPress Made(std::int64_t at, std::int64_t down, PressVerdict verdict, std::int64_t lit) {
  RecordedPress press;
  press.localTime = at;
  press.downMilliseconds = down;
  press.verdict = verdict;
  press.litPosition = lit < 0 ? -1 : 2;
  press.litMilliseconds = lit;
  return press;
}

}  // namespace

TEST(SwitchRecord, EachPressWritesOneUtf8LineOfWhatBecameOfIt) {
  Recording panel;
  PanelForm& form = panel.form();
  form.switchOptions.acceptTime = 100;
  form.switchOptions.ignoreRepeatMilliseconds = 400;
  form.switchOptions.quietCyclesBeforeRest = 1;
  form.ApplySwitchOptions();
  panel.Run(2500);  // position 1 lit at 2000 ms
  const Scanner::LitMoment lit = form.scanner().LitAt(panel.desk.now);
  panel.Press(100, 300);  // accepted
  panel.Run(600);
  panel.Press(0, 200);  // 200 ms after the release: within the ignore time
  panel.Run(1000);
  panel.Press(0, 60);  // shorter than the acceptance time
  panel.Run(300);
  panel.desk.whileRecordShown = [&panel] {
    panel.Press(10, 200);
    panel.desk.RunFor(400);
  };
  form.ShowRecordClick();
  panel.Run(30000);  // the scan rests after a quiet cycle
  ASSERT_TRUE(form.scanner().Resting());
  panel.Press(0, 300);
  panel.Run(600);

  const std::string file = panel.File();
  EXPECT_EQ(file.substr(0, file.find('\n') + 1),
            u8"日時,スイッチ,押していた時間(ms),判定,理由,点灯位置,点灯していた時間(ms),送ったボタン,モード\r\n");
  EXPECT_EQ(file.substr(file.find('\n') + 1, 24), "2026-03-02 09:00:02.600,");
  const std::vector<RecordedPress> lines = panel.Lines();
  ASSERT_EQ(lines.size(), 5U);
  EXPECT_EQ(lines[0].verdict, PressVerdict::kAccepted);
  EXPECT_EQ(lines[0].downMilliseconds, 300);
  EXPECT_EQ(lines[0].litPosition, 1);
  EXPECT_EQ(lines[0].litMilliseconds, 2600 - lit.since);
  EXPECT_EQ(lines[0].buttonSent, 1);
  EXPECT_EQ(lines[1].verdict, PressVerdict::kWithinIgnoreTime);
  EXPECT_NEAR(lines[1].downMilliseconds, 200, 10);
  EXPECT_EQ(lines[1].buttonSent, 0);
  EXPECT_EQ(lines[2].verdict, PressVerdict::kShorterThanAcceptance);
  EXPECT_NEAR(lines[2].downMilliseconds, 60, 10);  // the switch is read every 10 ms
  EXPECT_EQ(lines[3].verdict, PressVerdict::kDuringDialog);
  EXPECT_EQ(lines[4].verdict, PressVerdict::kWhileResting);
  EXPECT_EQ(lines[4].litPosition, -1);
  for (const RecordedPress& line : lines) {
    EXPECT_EQ(line.switchNumber, 1);
    EXPECT_FALSE(line.practice);
  }
  // Off, nothing more is written.
  form.RecordClick();
  panel.Press(0, 300);
  panel.Run(600);
  EXPECT_EQ(panel.Lines().size(), 5U);
}

TEST(SwitchRecord, APressAfterTheMenuIsTimedFromWhenTheScanWentOnAgain) {
  Recording panel;
  PanelForm& form = panel.form();
  panel.Run(2100);  // position 1 lit
  form.MenuOpening();
  panel.Run(3000);  // the menu holds the scan
  form.MenuCommand(MenuId::Sound);
  panel.Press(1000, 200);
  panel.Run(1600);
  const std::vector<RecordedPress> lines = panel.Lines();
  ASSERT_EQ(lines.size(), 1U);
  EXPECT_EQ(lines[0].litPosition, 1);
  EXPECT_EQ(lines[0].litMilliseconds, 1000);
}

TEST(SwitchRecord, InTwoSwitchScanningSwitchOneStepsAsSwitchOneAndSwitchTwoSelectsAsSwitchTwo) {
  Recording panel;
  PanelForm& form = panel.form();
  form.MenuCommand(MenuId::MethodTwoSwitches);
  form.switchOptions.acceptTime = 100;
  form.ApplySwitchOptions();
  const std::int64_t t = panel.desk.now;
  panel.desk.switchButtons = [t](std::int64_t now) {
    if (now >= t + 500 && now < t + 800) return 0x01U;     // steps
    if (now >= t + 1500 && now < t + 1560) return 0x02U;   // too short
    if (now >= t + 2500 && now < t + 2800) return 0x02U;   // selects
    return 0U;
  };
  panel.Run(3500);
  const std::vector<RecordedPress> lines = panel.Lines();
  ASSERT_EQ(lines.size(), 3U);
  EXPECT_EQ(lines[0].switchNumber, 1);
  EXPECT_EQ(lines[0].verdict, PressVerdict::kAccepted);
  EXPECT_EQ(lines[0].buttonSent, 0);
  EXPECT_EQ(lines[1].switchNumber, 2);
  EXPECT_EQ(lines[1].verdict, PressVerdict::kShorterThanAcceptance);
  EXPECT_EQ(lines[2].switchNumber, 2);
  EXPECT_EQ(lines[2].verdict, PressVerdict::kAccepted);
  EXPECT_EQ(lines[2].litPosition, panel.scan().litPosition);
  EXPECT_EQ(lines[2].buttonSent, panel.scan().litPosition);
}

TEST(SwitchRecord, TheTapThatAPauseSelectsAfterIsWrittenWithTheButtonItSent) {
  Recording panel;
  panel.form().MenuCommand(MenuId::MethodTapToMove);
  panel.Press(500, 100);
  panel.Press(1000, 100);
  panel.Run(1800);
  EXPECT_EQ(panel.Lines().size(), 1U) << "the last tap waits for its pause";
  panel.Run(2000);
  const std::vector<RecordedPress> lines = panel.Lines();
  ASSERT_EQ(lines.size(), 2U);
  EXPECT_EQ(lines[0].buttonSent, 0);
  EXPECT_EQ(lines[1].buttonSent, 2);
}

TEST(Practice, SendsNothingToJoyToKeyWhileTheSelectedButtonFlashesForThreeTenthsOfASecond) {
  Recording panel;
  PanelForm& form = panel.form();
  form.MenuCommand(MenuId::Practice);
  EXPECT_TRUE(form.MenuChecked(MenuId::Practice));
  EXPECT_EQ(form.WindowTitle(), std::string(kApplicationTitle) + " 練習中");
  panel.Run(2100);  // position 1 lit
  const ColorValue lit = form.Button(1).color;
  panel.Press(0, 150);
  panel.Run(100);
  EXPECT_EQ(form.Button(1).color, ~lit & 0xFFFFFFU);
  panel.Run(300);
  EXPECT_EQ(form.Button(1).color, lit);
  EXPECT_TRUE(panel.received().empty());  // no button, no stick report
  EXPECT_FALSE(panel.desk.soundsPlayed.empty());
  const std::vector<RecordedPress> lines = panel.Lines();
  ASSERT_EQ(lines.size(), 1U);
  EXPECT_TRUE(lines[0].practice);
  EXPECT_EQ(lines[0].buttonSent, 0);
}

TEST(Practice, AButtonHeldWhenPracticeBeginsIsStillReleasedAndAPressBegunInPracticeStaysSilent) {
  Recording panel;
  PanelForm& form = panel.form();
  panel.Run(2100);
  panel.Press(0, 1000);
  panel.Run(300);
  form.PracticeClick();
  panel.Run(1000);
  EXPECT_EQ(panel.ButtonMessages().back(), std::make_pair(WM_JOYTOKEY_BUTTON_UP, 0));
  panel.Press(0, 1000);
  panel.Run(300);
  form.PracticeClick();  // normal again halfway through the hold
  const std::size_t sent = panel.ButtonMessages().size();
  panel.Run(1000);
  EXPECT_EQ(panel.ButtonMessages().size(), sent);
  EXPECT_FALSE(form.MenuChecked(MenuId::Practice));
}

TEST(Practice, BegunFromTheMenuWhileAButtonIsHeldReleasesItAtOnceAndNoRepeatFollows) {
  Recording panel;
  PanelForm& form = panel.form();
  panel.Run(2100);  // position 1 lit
  panel.Press(0, 2500);
  panel.Run(500);
  ASSERT_EQ(panel.ButtonMessages().back(), std::make_pair(WM_JOYTOKEY_BUTTON_DOWN, 0));
  form.MenuOpening();
  form.MenuCommand(MenuId::Practice);
  const Messages chosen = panel.ButtonMessages();
  EXPECT_EQ(chosen.back(), std::make_pair(WM_JOYTOKEY_BUTTON_UP, 0));
  panel.Run(2500);  // the rest of the hold and its release
  EXPECT_EQ(panel.ButtonMessages(), chosen);
}

TEST(SwitchRecord, StaysBelowFiveMegabytesByDroppingTheOldestHalfAndAFileThatCannotBeWrittenIsLoggedOnce) {
  Recording panel;
  SwitchRecord& record = panel.form().recorder.file();
  RecordedPress press = Made(1772442000000, 300, PressVerdict::kAccepted, 900);
  const std::string line = RecordLine(press);
  std::string full = kRecordHeader;
  while (full.size() + line.size() < SwitchRecord::kSizeLimit) full += line;
  panel.desk.files[record.path()] = full;
  press.downMilliseconds = 301;
  record.Append(press);
  const std::string kept = panel.File();
  EXPECT_LT(kept.size(), SwitchRecord::kSizeLimit / 2 + line.size());
  EXPECT_GT(kept.size(), SwitchRecord::kSizeLimit / 2 - line.size());
  EXPECT_EQ(kept.rfind(kRecordHeader, 0), 0U);
  EXPECT_EQ(kept.substr(kept.size() - line.size()), RecordLine(press));
  EXPECT_EQ(panel.Lines().size(), (kept.size() - std::string(kRecordHeader).size()) / line.size());

  panel.desk.unwritable.push_back(record.path());
  const std::size_t logged = panel.desk.logLines.size();
  record.Append(press);
  record.Append(press);
  EXPECT_EQ(panel.desk.logLines.size(), logged + 1);
}

TEST(RecordFigures, MedianAndNinetiethPercentileOfTheTimeToPressAndTheLatePresses) {
  std::vector<RecordedPress> presses;
  for (std::int64_t lit : {100, 800, 900, 1000, 1100, 1200, 1300, 1400, 1500, 1600}) {
    presses.push_back(Made(0, 300, PressVerdict::kAccepted, lit));
  }
  presses.push_back(Made(0, 60, PressVerdict::kShorterThanAcceptance, 400));
  const PressFigures figures = FiguresOf(presses);
  EXPECT_EQ(figures.presses, 11);
  EXPECT_EQ(figures.accepted, 10);
  EXPECT_EQ(figures.shorterThanAcceptance, 1);
  EXPECT_EQ(figures.medianLitMilliseconds, 1100);
  EXPECT_EQ(figures.litMilliseconds90, 1500);
  EXPECT_EQ(figures.latePresses, 1);
}

TEST(RecordSuggestions, ALatePresserGetsASlowerScanAndNothingElse) {
  // At 1 s the presses land 100 to 200 ms into the next position.
  std::vector<RecordedPress> presses;
  for (int i = 0; i < 10; ++i) presses.push_back(Made(i * 5000, 250, PressVerdict::kAccepted, 100 + i * 10));
  const SwitchSuggestions suggestions = SuggestSettings(presses, {1.0F, 0, 0});
  ASSERT_TRUE(suggestions.intervalSeconds);
  EXPECT_EQ(*suggestions.intervalSeconds, 2.0F);  // 1.18 s + 0.3 s, up to the next step
  EXPECT_EQ(suggestions.timeToPress90, 1180);
  EXPECT_FALSE(suggestions.acceptTime);
  EXPECT_FALSE(suggestions.ignoreRepeatMilliseconds);
}

TEST(RecordSuggestions, ATremorGetsAnAcceptanceTimeLongerThanItsShortPresses) {
  std::vector<RecordedPress> presses;
  for (int i = 0; i < 8; ++i) {
    const std::int64_t at = i * 6000;
    presses.push_back(Made(at, 40 + i * 10, PressVerdict::kAccepted, 600));  // an accident...
    presses.push_back(Made(at + 1500, 400, PressVerdict::kAccepted, 700));   // ...mended
  }
  const SwitchSuggestions suggestions = SuggestSettings(presses, {2.0F, 0, 0});
  ASSERT_TRUE(suggestions.acceptTime);
  EXPECT_EQ(suggestions.longestShortPress, 110);
  EXPECT_EQ(*suggestions.acceptTime, 200);
  EXPECT_FALSE(suggestions.ignoreRepeatMilliseconds);
  ASSERT_TRUE(suggestions.intervalSeconds);
  EXPECT_EQ(*suggestions.intervalSeconds, 1.0F);
}

TEST(RecordSuggestions, ASlowReleaseGetsAnIgnoreTimeLongerThanItsSecondPresses) {
  std::vector<RecordedPress> presses;
  for (int i = 0; i < 6; ++i) {
    const std::int64_t at = i * 8000;
    presses.push_back(Made(at, 900, PressVerdict::kAccepted, 1200));
    presses.push_back(Made(at + 900 + 120 + i * 20, 80, PressVerdict::kAccepted, 100));  // the release bounces
  }
  const SwitchSuggestions suggestions = SuggestSettings(presses, {2.0F, 0, 0});
  ASSERT_TRUE(suggestions.ignoreRepeatMilliseconds);
  EXPECT_EQ(suggestions.secondPresses, 6);
  EXPECT_EQ(*suggestions.ignoreRepeatMilliseconds, 300);  // 220 ms, up to 250, and 50 more
}

TEST(RecordWindow, ShowsTheFiguresAndAppliesTheSuggestionsOnlyWhenAsked) {
  Recording panel;
  PanelForm& form = panel.form();
  form.SpeedClick(5.0F);
  for (int i = 0; i < 6; ++i) {
    // Each press 400 ms after the next position lit.
    const int before = form.scan().litPosition;
    while (form.scan().litPosition == before) panel.Run(10);
    panel.Press(400, 200);
    panel.Run(1000);
  }
  form.MenuCommand(MenuId::ShowRecord);  // closed
  ASSERT_EQ(panel.desk.recordReports.size(), 1U);
  const SwitchRecordReport& report = panel.desk.recordReports[0];
  EXPECT_EQ(report.rows[0].label, "押した回数");
  EXPECT_EQ(report.rows[0].values, (std::vector<std::string>{"6 回", "6 回"}));
  EXPECT_TRUE(report.canApply);
  EXPECT_EQ(report.suggestions[0].rfind("スキャン速度 1.0 秒", 0), 0U);
  EXPECT_EQ(form.scan().intervalSeconds, 5.0F);

  panel.desk.recordAnswers.push_back(true);
  form.MenuCommand(MenuId::ShowRecord);
  EXPECT_EQ(form.scan().intervalSeconds, 1.0F);
  EXPECT_EQ(form.scanner().timer().Interval(), 1000);
  form.MenuOpening();  // and it can be undone
  EXPECT_NE(form.menu.Item(MenuId::EarlierSettings1).caption.find("スキャン速度 1.0 → 5.0"), std::string::npos);
  form.Close();
  EXPECT_NE(panel.desk.files.at(form.settingsPlace.SettingsFile()).find("[Interval]\r\nScanTimer=1\r\n"), std::string::npos);
}

TEST(RecordWindow, ARecordThatCannotBeReadIsSaidToBeSoAndWhyAndShowsNoFigures) {
  Recording panel;
  PanelForm& form = panel.form();
  panel.Press(400, 200);
  panel.Run(1000);
  const FilePath path = form.recorder.file().path();
  ASSERT_FALSE(panel.File().empty());
  panel.desk.lockedUntil[path] = panel.desk.now + 60000;
  form.MenuCommand(MenuId::ShowRecord);
  panel.desk.lockedUntil.clear();
  panel.desk.files.erase(path);
  panel.desk.madeFolders.push_back(path + "\\");
  form.MenuCommand(MenuId::ShowRecord);

  ASSERT_EQ(panel.desk.recordReports.size(), 2U);
  const char* const why[] = {"ほかのプログラムが使用中です", "同じ名前のフォルダーがあります"};
  for (int i = 0; i < 2; ++i) {
    const SwitchRecordReport& report = panel.desk.recordReports[static_cast<std::size_t>(i)];
    EXPECT_EQ(report.notice, std::string("記録を読めません: ") + why[i] + "\n" + sim::WideText(path).ShiftJis());
    for (const auto& row : report.rows) EXPECT_EQ(row.values, (std::vector<std::string>{"―", "―"})) << row.label;
    EXPECT_FALSE(report.canApply);
  }
}

}  // namespace sorvane::test
