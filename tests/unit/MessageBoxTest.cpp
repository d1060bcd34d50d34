// The user's switch answers every message box the panel shows.
#include <gtest/gtest.h>

#include <string>

#include "Harness.h"
#include "record/RecordStatistics.h"

namespace sorvane::test {

namespace {

const char* const kIni = "C:\\Sorvane\\Sorvane.ini";

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

bool Logged(const Panel& panel, const std::string& part) {
  for (const std::string& line : panel.desk.logLines) {
    if (Contains(line, part)) return true;
  }
  return false;
}

// Every box is left to the switch, and the switch is pressed for length ms
// after each box has been up for after ms.
void PressAtEveryBox(Panel& panel, int boxes, std::int64_t after = 300, std::int64_t length = 150) {
  for (int i = 0; i < boxes; ++i) panel.desk.messageAnswers.push_back(sim::kLeftToTheSwitch);
  panel.desk.onMessageBox = [&panel, after, length](const sim::ShownMessage& box) {
    panel.desk.HoldSwitch(box.time + after, box.time + after + length);
  };
}

}  // namespace

TEST(BoxesAnsweredBySwitch, WithNoJoyToKeyAnywhereEachBoxIsAnsweredByAPressAndThePanelEndsWithItsSettingsSaved) {
  Panel panel;
  panel.desk.CloseWindow(panel.joyToKey);
  panel.desk.files[kIni] = "[Carer]\r\nNote=kept\r\n";
  PressAtEveryBox(panel, 3);
  ASSERT_TRUE(panel.Start());
  panel.Run(2000);
  EXPECT_TRUE(panel.app->Terminated());
  ASSERT_EQ(panel.desk.messages.size(), 3U);
  EXPECT_EQ(panel.desk.messages[0].text, "JoyToKeyがインストールされていません");
  EXPECT_TRUE(Contains(panel.desk.messages[1].text, "「Kelpimo。」を接続するか"));
  EXPECT_TRUE(Contains(panel.desk.messages[2].text, "「Kelpimo。」を接続して"));
  for (const sim::ShownMessage& box : panel.desk.messages) {
    EXPECT_TRUE(box.bySwitch);
    EXPECT_EQ(box.answer, kMessageBoxOk);
    // The press closed 300 ms after the box opened and counted once the debounce had passed.
    EXPECT_EQ(box.closedAt - box.time, 300 + SwitchSampler::kDebounceMilliseconds);
  }
  EXPECT_TRUE(Contains(panel.desk.files.at(kIni), "Note=kept"));
  EXPECT_TRUE(Contains(panel.desk.files.at(kIni), "ScanMax=4"));
}

TEST(BoxesAnsweredBySwitch, APressHeldAsTheBoxOpensAnswersNothingUntilItHasOpenedAndClosedAgain) {
  Panel panel;
  panel.desk.CloseWindow(panel.joyToKey);
  panel.desk.messageAnswers = {sim::kLeftToTheSwitch};
  panel.desk.HoldSwitch(0, 2000);  // held from before the start
  panel.desk.onMessageBox = [&panel](const sim::ShownMessage& box) {
    panel.desk.onMessageBox = nullptr;
    panel.desk.HoldSwitch(box.time + 3000, box.time + 3100);
  };
  ASSERT_TRUE(panel.Start());
  ASSERT_GE(panel.desk.messages.size(), 1U);
  const sim::ShownMessage& first = panel.desk.messages[0];
  EXPECT_TRUE(first.bySwitch);
  EXPECT_EQ(first.closedAt - first.time, 3000 + SwitchSampler::kDebounceMilliseconds);
}

TEST(BoxesAnsweredBySwitch, TheAcceptanceTimeAppliesAndThePressReachesNeitherJoyToKeyNorTheScanButTheRecord) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  form.recorder.SetOn(true);
  form.switchOptions.acceptTime = 300;
  form.ApplySwitchOptions();
  panel.Run(2500);
  const int litBefore = form.scan().litPosition;
  panel.ClearReceived();
  panel.desk.runKeyWritable = false;
  panel.desk.messageAnswers = {sim::kLeftToTheSwitch};
  panel.desk.onMessageBox = [&panel](const sim::ShownMessage& box) {
    panel.desk.HoldSwitch(box.time + 100, box.time + 250);   // shorter than the acceptance time
    panel.desk.HoldSwitch(box.time + 1000, box.time + 3000);  // still held as the box closes
  };
  form.StartAtLogonClick();
  ASSERT_EQ(panel.desk.messages.size(), 1U);
  const sim::ShownMessage& box = panel.desk.messages[0];
  EXPECT_TRUE(box.bySwitch);
  EXPECT_EQ(box.closedAt - box.time, 1300);
  EXPECT_EQ(form.scan().litPosition, litBefore);
  panel.Run(3000);
  EXPECT_TRUE(panel.ButtonMessages().empty());
  int duringDialog = 0;
  const std::string& record = panel.desk.files.at(form.recorder.file().path());
  ForEachRecordedPress(record, 0, [&duringDialog](const RecordedPress& press) {
    if (press.verdict == PressVerdict::kDuringDialog) ++duringDialog;
  });
  EXPECT_EQ(duringDialog, 1);
  // The scan went on after the box: a press now is delivered as ever.
  panel.desk.HoldSwitch(panel.desk.now + 100, panel.desk.now + 600);
  panel.Run(1000);
  EXPECT_FALSE(panel.ButtonMessages().empty());
}

TEST(BoxesAnsweredBySwitch, ANoticeClosesByItselfAfter30SecondsAndAWarningWaits) {
  Panel notice;
  notice.desk.unwritableFolders = {"C:\\Sorvane\\"};
  notice.desk.messageAnswers = {sim::kLeftToTheSwitch};
  ASSERT_TRUE(notice.Start());
  ASSERT_EQ(notice.desk.messages.size(), 1U);
  const sim::ShownMessage& box = notice.desk.messages[0];
  EXPECT_EQ(box.flags, kMessageBoxInformationOk);
  EXPECT_EQ(box.closedAt - box.time, 30000);
  EXPECT_EQ(box.answer, kMessageBoxOk);
  EXPECT_TRUE(Logged(notice, "メッセージ: Sorvane のフォルダー"));
  EXPECT_TRUE(Logged(notice, "メッセージを 30 秒で閉じました"));

  Panel warning;
  warning.desk.CloseWindow(warning.joyToKey);
  warning.desk.longestBox = 120000;
  warning.desk.messageAnswers = {sim::kLeftToTheSwitch};
  ASSERT_TRUE(warning.Start());
  EXPECT_EQ(warning.desk.messages[0].closedAt - warning.desk.messages[0].time, 120000);
  EXPECT_FALSE(Logged(warning, "メッセージを 30 秒で閉じました"));
}

TEST(SaveRetryAnsweredBySwitch, RetriesWhileItCanHelpThenKeepsTheChangesInAFileOfTheirOwn) {
  // A file held for a while: the press retries, and the retry saves.
  Panel held;
  held.desk.files[kIni] = "[Carer]\r\nNote=kept\r\n";
  ASSERT_TRUE(held.Start());
  held.form().ButtonCountClick(6);
  held.desk.unwritable = {kIni};
  PressAtEveryBox(held, 1);
  held.desk.onMessageBox = [&held](const sim::ShownMessage& box) {
    held.desk.unwritable.clear();
    held.desk.HoldSwitch(box.time + 300, box.time + 450);
  };
  held.form().Close();
  ASSERT_EQ(held.desk.messages.size(), 1U);
  EXPECT_EQ(held.desk.messages[0].answer, kMessageBoxRetry);
  EXPECT_TRUE(Contains(held.desk.files.at(kIni), "ScanMax=6"));
  EXPECT_TRUE(held.app->Terminated());

  // Never writable: three retries, then the press cancels, and the changes
  // are kept beside the settings and named in the log.
  Panel never;
  never.desk.files[kIni] = "[Carer]\r\nNote=kept\r\n";
  ASSERT_TRUE(never.Start());
  never.form().ButtonCountClick(6);
  never.desk.unwritable = {kIni};
  PressAtEveryBox(never, 4);
  never.form().Close();
  ASSERT_EQ(never.desk.messages.size(), 4U);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(never.desk.messages[i].answer, kMessageBoxRetry) << i;
  EXPECT_EQ(never.desk.messages[3].answer, kMessageBoxCancel);
  EXPECT_TRUE(never.app->Terminated());
  const auto keptFile = never.desk.files.lower_bound("C:\\Sorvane\\Sorvane-unsaved-20260302-0900");
  ASSERT_NE(keptFile, never.desk.files.end());
  const std::string kept = keptFile->first.ShiftJis();
  EXPECT_EQ(kept.size(), std::string("C:\\Sorvane\\Sorvane-unsaved-20260302-090000.ini").size());
  EXPECT_TRUE(Contains(never.desk.files.at(kept), "ScanMax=6"));
  EXPECT_TRUE(Contains(never.desk.files.at(kept), "Note=kept"));
  EXPECT_TRUE(Logged(never, "保存できなかった設定を " + kept + " に残しました"));

  // Read-only, in a folder that takes no new file either: cancel at once,
  // and the changes go to the carer's application data.
  Panel readOnly;
  readOnly.desk.files[kIni] = "[Carer]\r\nNote=kept\r\n";
  ASSERT_TRUE(readOnly.Start());
  readOnly.desk.readOnly = {kIni};
  readOnly.desk.unwritableFolders = {"C:\\Sorvane\\"};
  PressAtEveryBox(readOnly, 1);
  readOnly.form().Close();
  ASSERT_EQ(readOnly.desk.messages.size(), 1U);
  EXPECT_EQ(readOnly.desk.messages[0].flags, kMessageBoxWarningRetryCancel | kMessageBoxSecondIsDefault);
  EXPECT_EQ(readOnly.desk.messages[0].answer, kMessageBoxCancel);
  EXPECT_TRUE(Logged(readOnly, "C:\\Users\\carer\\AppData\\Roaming\\Sorvane\\Sorvane-unsaved-"));
}

}  // namespace sorvane::test
