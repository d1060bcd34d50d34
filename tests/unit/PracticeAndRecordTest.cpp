#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Harness.h"
#include "record/RecordChart.h"
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
            u8"\uFEFF日時,スイッチ,押していた時間(ms),判定,理由,点灯位置,点灯していた時間(ms),送ったボタン,モード\r\n");
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
  const std::string header = kRecordHeader;
  std::string full = header;
  while (full.size() + line.size() < SwitchRecord::kSizeLimit) full += line;
  panel.desk.files[record.path()] = full;
  press.downMilliseconds = 301;
  record.Append(press);
  const std::string kept = panel.File();
  EXPECT_LE(kept.size(), header.size() + SwitchRecord::kSizeKept);
  EXPECT_GT(kept.size(), header.size() + SwitchRecord::kSizeKept - line.size());
  EXPECT_EQ(kept.rfind(kRecordHeader, 0), 0U);
  EXPECT_EQ(kept.substr(kept.size() - line.size()), RecordLine(press));
  EXPECT_EQ(panel.Lines().size(), (kept.size() - header.size()) / line.size());

  panel.desk.unwritable.push_back(record.path());
  const std::size_t logged = panel.desk.logLines.size();
  record.Append(press);
  record.Append(press);
  EXPECT_EQ(panel.desk.logLines.size(), logged + 1);
}

TEST(SwitchRecord, AFileThatCannotBeReplacedIsShortenedInPlaceOrTheRecordPausesWithOneLogLine) {
  Recording panel;
  SwitchRecord& record = panel.form().recorder.file();
  const FilePath path = record.path();
  RecordedPress press = Made(1772442000000, 300, PressVerdict::kAccepted, 900);
  const std::string line = RecordLine(press);
  // Far over the limit, written before the byte-order mark was.
  const std::string header = std::string(kRecordHeader).substr(3);
  std::string full = header;
  while (full.size() < 3 * SwitchRecord::kSizeLimit) full += line;
  panel.desk.files[path] = full;
  panel.desk.unreplaceable.push_back(path);
  // The shortening runs on the worker: presses made meanwhile follow it.
  panel.desk.workerWaits = true;
  record.Append(press);
  press.downMilliseconds = 301;
  record.Append(press);
  EXPECT_EQ(panel.File().size(), full.size() + line.size());
  panel.desk.RunWorkerJobs();
  record.TakeUpShortening();
  EXPECT_EQ(panel.desk.rewriteCalls, 1);
  std::string kept = panel.File();
  EXPECT_EQ(kept.rfind(kRecordHeader, 0), 0U) << "the byte-order mark is added";
  EXPECT_LE(kept.size(), header.size() + 3 + SwitchRecord::kSizeKept + line.size());
  EXPECT_EQ(kept.substr(kept.size() - line.size()), RecordLine(press));

  // Neither replaced nor written over: the record pauses, said once, and
  // presses cost no work on the file until a minute has passed.
  panel.desk.workerWaits = false;
  panel.desk.files[path] = full;
  panel.desk.appendOnly.push_back(path);
  const std::size_t logged = panel.desk.logLines.size();
  for (int i = 0; i < 20; ++i) {
    press.localTime += 1000;
    record.Append(press);
  }
  EXPECT_TRUE(record.Paused());
  EXPECT_EQ(panel.desk.logLines.size(), logged + 1);
  EXPECT_EQ(panel.desk.rewriteCalls, 2);
  EXPECT_EQ(panel.File().size(), full.size() + line.size()) << "only the press that found it full";
  panel.desk.appendOnly.clear();
  press.localTime += SwitchRecord::kRetryMilliseconds;
  record.Append(press);
  EXPECT_FALSE(record.Paused());
  kept = panel.File();
  EXPECT_LE(kept.size(), std::string(kRecordHeader).size() + SwitchRecord::kSizeKept + line.size());
  EXPECT_EQ(ParseRecordLine(kept.substr(kept.size() - line.size()))->localTime, press.localTime);
  EXPECT_EQ(panel.desk.logLines.size(), logged + 1);
}

TEST(SwitchRecord, InEveryMethodALineNamesWhatWasLitWhenTheSwitchClosedAndNothingWhenNothingWas) {
  for (MenuId method : {MenuId::MethodTapToMove, MenuId::MethodHoldToMove, MenuId::MethodTwoSwitches}) {
    Recording panel;
    panel.form().MenuCommand(method);
    const std::int64_t t = panel.desk.now;
    // From nothing lit, a first press; then the selection (a second tap and
    // its pause, the first hold's release, switch 2); half a minute later one
    // more press, with nothing lit since the selection, or in two-switch
    // scanning the position that stayed lit.
    const bool holds = method == MenuId::MethodHoldToMove;
    const std::uint32_t selecting = method == MenuId::MethodTwoSwitches ? 0x02U : 0x01U;
    panel.desk.switchButtons = [t, holds, selecting](std::int64_t now) {
      if (now >= t + 500 && now < t + (holds ? 1000 : 600)) return 0x01U;
      if (!holds && now >= t + 1000 && now < t + 1100) return selecting;
      if (now >= t + 33000 && now < t + 33100) return 0x01U;
      return 0U;
    };
    panel.Run(40000);
    const std::vector<RecordedPress> lines = panel.Lines();
    ASSERT_EQ(lines.size(), holds ? 2U : 3U);
    EXPECT_EQ(lines.front().litPosition, -1);
    if (!holds) {
      EXPECT_EQ(lines[1].litPosition, 1);
      EXPECT_NEAR(static_cast<double>(lines[1].litMilliseconds), 450, 150);  // from the tick that lit it
    }
    if (method == MenuId::MethodTwoSwitches) {
      EXPECT_EQ(lines.back().litPosition, 1);
      EXPECT_NEAR(static_cast<double>(lines.back().litMilliseconds), 32450, 150);
    } else {
      EXPECT_EQ(lines.back().litPosition, -1) << "nothing was lit after the selection";
      EXPECT_EQ(lines.back().litMilliseconds, -1);
    }
  }
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

TEST(RecordChart, GivesEachDayAndEachHourOfDayItsMedianNinetiethPercentileAndShareIgnored) {
  constexpr std::int64_t kDay = 86400000;
  constexpr std::int64_t kHour = 3600000;
  const std::int64_t today = 1772442000000 / kDay * kDay;  // 2026-03-02 00:00
  const std::int64_t now = today + 15 * kHour;
  std::vector<RecordedPress> presses;
  // Today at 9: ten presses lit 1.0 to 1.9 s, two of them ignored.
  for (int i = 0; i < 10; ++i) {
    presses.push_back(Made(today + 9 * kHour + i * 1000, 300, i < 2 ? PressVerdict::kShorterThanAcceptance : PressVerdict::kAccepted,
                           1000 + i * 100));
  }
  // Ten days ago at 14, three presses; 31 days ago one, outside the chart.
  for (int i = 0; i < 3; ++i) presses.push_back(Made(today - 10 * kDay + 14 * kHour, 300, PressVerdict::kAccepted, 2000 + i * 500));
  presses.push_back(Made(today - 31 * kDay, 300, PressVerdict::kAccepted, 800));
  // Six days ago at 14, a press the hours count with today's.
  presses.push_back(Made(today - 6 * kDay + 14 * kHour + 5, 300, PressVerdict::kAccepted, 4000));
  const RecordChart chart = ChartOf(presses, now);

  EXPECT_EQ(FormatLocalTime(chart.firstDay * kDay), "2026-02-01 00:00:00.000");
  const PressFigures& last = chart.days[kChartDays - 1];
  EXPECT_EQ(last.presses, 10);
  EXPECT_EQ(last.medianLitMilliseconds, 1500);  // of the eight accepted: 1.2 to 1.9 s
  EXPECT_EQ(last.litMilliseconds90, 1900);
  EXPECT_EQ(IgnoredPercent(last), 20);
  const PressFigures& tenDaysAgo = chart.days[kChartDays - 11];
  EXPECT_EQ(tenDaysAgo.presses, 3);
  EXPECT_EQ(tenDaysAgo.medianLitMilliseconds, 2500);
  EXPECT_EQ(IgnoredPercent(tenDaysAgo), 0);
  int pressesShown = 0;
  for (const PressFigures& day : chart.days) pressesShown += day.presses;
  EXPECT_EQ(pressesShown, 14);
  EXPECT_EQ(IgnoredPercent(chart.days[0]), -1);

  EXPECT_EQ(chart.hours[9].presses, 10);
  EXPECT_EQ(chart.hours[9].litMilliseconds90, 1900);
  EXPECT_EQ(chart.hours[14].presses, 1) << "ten days ago is not in the last seven";
  EXPECT_EQ(chart.hours[14].medianLitMilliseconds, 4000);
  EXPECT_EQ(chart.hours[15].presses, 0);
}

TEST(RecordWindow, IsReadOnTheWorkerWhileTheScanGoesOnAndShowsTheChartOnceRead) {
  Recording panel;
  PanelForm& form = panel.form();
  panel.Press(2400, 200);
  panel.Run(3000);
  panel.desk.workerWaits = true;
  form.MenuCommand(MenuId::ShowRecord);
  const int lit = form.scan().litPosition;
  panel.Run(2100);
  EXPECT_TRUE(panel.desk.recordReports.empty());
  EXPECT_NE(form.scan().litPosition, lit) << "the scan goes on while the record is read";
  form.MenuCommand(MenuId::ShowRecord);  // already under way
  panel.desk.RunWorkerJobs();
  panel.Run(60);
  ASSERT_EQ(panel.desk.recordReports.size(), 1U);
  const SwitchRecordReport& report = panel.desk.recordReports[0];
  ASSERT_EQ(report.days.size(), 30U);
  EXPECT_EQ(report.days.back().label, "3/2");
  EXPECT_EQ(report.days.back().presses, 1);
  EXPECT_EQ(report.hours.size(), 24U);
  EXPECT_EQ(report.hours[9].presses, 1);
  EXPECT_NE(report.chartText.find("3/2：1 回、中央値 "), std::string::npos) << report.chartText;
  EXPECT_NE(report.chartText.find("9 時台：1 回"), std::string::npos) << report.chartText;
  panel.desk.RunWorkerJobs();
  panel.Run(1000);
  EXPECT_EQ(panel.desk.recordReports.size(), 1U);
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
