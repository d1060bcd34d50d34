// Spoken and recorded prompts as positions light, and the wait for their end.
#include <gtest/gtest.h>

#include "Harness.h"

namespace sorvane::test {

namespace {

using Kind = sim::SimDesktop::Prompt::Kind;
const char* const kIni = "C:\\Sorvane\\Sorvane.ini";
const char* const kVoice = "C:\\Sorvane\\Voice\\";

void Put32(std::string& bytes, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A mono 16-bit WAV file of 8000 samples a second lasting milliseconds, with
// a LIST chunk before its data as recorders write one.
std::string Wave(std::uint32_t milliseconds) {
  const std::uint32_t dataBytes = milliseconds * 16;
  std::string bytes = "RIFF";
  Put32(bytes, 4 + 24 + 14 + 8 + dataBytes);
  bytes += "WAVEfmt ";
  Put32(bytes, 16);
  bytes += std::string("\x01\x00\x01\x00", 4);
  Put32(bytes, 8000);
  Put32(bytes, 16000);
  bytes += std::string("\x02\x00\x10\x00", 4);
  bytes += "LIST";
  Put32(bytes, 5);
  bytes += std::string("INFOx\0", 6);  // odd: padded to even
  bytes += "data";
  Put32(bytes, dataBytes);
  bytes += std::string(dataBytes, '\0');
  return bytes;
}

struct VoicePanel : Panel {
  explicit VoicePanel(const std::string& settings) {
    desk.files[kIni] = "[Interval]\r\nScanTimer=1\r\n[Sound]\r\nON=0\r\n" + settings;
  }
  // The times at which a position lit, for milliseconds from now.
  std::vector<std::int64_t> LightTimes(std::int64_t milliseconds) {
    std::vector<std::int64_t> times;
    std::uint64_t seen = form().timesLit;
    desk.RunFor(milliseconds, [&] {
      if (form().timesLit != seen) times.push_back(desk.now);
      seen = form().timesLit;
      return false;
    });
    return times;
  }
  std::vector<std::string> Prompts() const {
    std::vector<std::string> said;
    for (const auto& prompt : desk.prompts) {
      said.push_back(prompt.kind == Kind::kStopped ? "stop" : prompt.what);
    }
    return said;
  }
};

}  // namespace

TEST(WaveLength, IsTheDataOverTheBytesPerSecondAndNothingForWhatIsNoWave) {
  EXPECT_EQ(WaveLengthMilliseconds(Wave(1800)), 1800);
  std::string cut = Wave(1800);
  cut.resize(cut.size() - 8000);  // the recorder stopped before fixing the header
  EXPECT_EQ(WaveLengthMilliseconds(cut), 1300);
  EXPECT_EQ(WaveLengthMilliseconds("RIFF\x04\0\0\0WAVE"), std::nullopt);
  EXPECT_EQ(WaveLengthMilliseconds("not a wave file at all"), std::nullopt);
  std::string noFormat = Wave(100);
  noFormat.replace(12, 4, "junk");
  EXPECT_EQ(WaveLengthMilliseconds(noFormat), std::nullopt);
}

TEST(Prompts, EachLightingStartsItsPromptAndStopsThePreviousRecordingOrVoice) {
  VoicePanel panel("[Voice]\r\nMode=2\r\n[JoyStickID]\r\nON=1\r\n[ScanMax]\r\nScanMax=3\r\n");
  panel.desk.files[std::string(kVoice) + "2.wav"] = Wave(300);
  panel.desk.files[std::string(kVoice) + "0.wav"] = Wave(300);
  ASSERT_TRUE(panel.Start());
  panel.app->nameEditor->Edit(1).caption = "はい";
  panel.app->nameEditor->Edit(3).caption = "";
  panel.Run(4000);
  EXPECT_EQ(panel.Prompts(), (std::vector<std::string>{"はい", "stop", std::string(kVoice) + "2.wav", "stop",
                                                       "ボタン3", "stop", std::string(kVoice) + "0.wav"}));
  // Nothing is said while nothing is lit; a wake says the first position again.
  panel.form().scanner().Rest();
  EXPECT_EQ(panel.Prompts().back(), "stop");
  panel.form().scanner().Wake();
  EXPECT_EQ(panel.Prompts().back(), "はい");
}

TEST(Prompts, RecordedOnlySaysNothingWhereThereIsNoRecordingAndTheNamesFollowTheStick) {
  VoicePanel panel("[Voice]\r\nMode=1\r\n");
  panel.desk.files[std::string(kVoice) + "12.wav"] = Wave(300);
  ASSERT_TRUE(panel.Start());
  panel.Run(4500);
  EXPECT_TRUE(panel.Prompts().empty());
  panel.form().scanner().SwitchStick();
  panel.Run(2000);
  EXPECT_EQ(panel.Prompts(), (std::vector<std::string>{std::string(kVoice) + "12.wav"}));
  EXPECT_EQ(panel.form().SpokenName(0), "切り替え");
  panel.app->nameEditor->Edit(13).caption = "";
  EXPECT_EQ(panel.form().SpokenName(3), "ボタン13");
}

TEST(PromptWait, HoldsTheStepUntilARecordingOrTheVoiceEndsAndOnlyThen) {
  for (bool recorded : {true, false}) {
    for (bool wait : {true, false}) {
      VoicePanel panel(std::string("[Voice]\r\nMode=2\r\nWait=") + (wait ? "1" : "0") + "\r\n");
      if (recorded) {
        for (int n = 1; n <= 4; ++n) panel.desk.files[kVoice + std::to_string(n) + ".wav"] = Wave(1800);
      }
      panel.desk.speechMilliseconds = 1800;
      ASSERT_TRUE(panel.Start());
      const auto times = panel.LightTimes(5000);
      ASSERT_GE(times.size(), 3U);
      const std::int64_t expected = wait ? 1800 : 1000;
      const std::string label = std::string(recorded ? "recording" : "voice") + (wait ? ", waiting" : "");
      EXPECT_EQ(times[1] - times[0], expected) << label;
      EXPECT_EQ(times[2] - times[1], expected) << label;
      // Without the wait, the prompt is cut where the next position lights.
      const auto& prompts = panel.desk.prompts;
      const auto stop = std::find_if(prompts.begin(), prompts.end(),
                                     [](const auto& prompt) { return prompt.kind == Kind::kStopped; });
      ASSERT_NE(stop, prompts.end());
      EXPECT_EQ(stop->time - prompts.front().time, expected) << label;
    }
  }
}

TEST(PromptWait, APressDuringTheWaitEarnsAWholeIntervalAfterIt) {
  VoicePanel panel("[Voice]\r\nMode=1\r\nWait=1\r\n");
  for (int n = 1; n <= 4; ++n) panel.desk.files[kVoice + std::to_string(n) + ".wav"] = Wave(1800);
  ASSERT_TRUE(panel.Start());
  const auto first = panel.LightTimes(1100);
  ASSERT_EQ(first.size(), 1U);
  panel.desk.HoldSwitch(first[0] + 1200, first[0] + 1300);  // while the recording holds the step
  const auto next = panel.LightTimes(3000);
  ASSERT_FALSE(next.empty());
  EXPECT_GE(next[0] - (first[0] + 1200), 1000);
  EXPECT_EQ(panel.ButtonMessages().front(), (std::pair<std::uint32_t, std::int32_t>{WM_JOYTOKEY_BUTTON_DOWN, 0}));
}

TEST(PromptWait, GivesUpFiveSecondsAfterTheLitPositionsInterval) {
  VoicePanel panel("[Voice]\r\nMode=2\r\nWait=1\r\n");
  panel.desk.speechMilliseconds = 60000;
  ASSERT_TRUE(panel.Start());
  const auto times = panel.LightTimes(13000);
  ASSERT_GE(times.size(), 3U);
  EXPECT_EQ(times[1] - times[0], 6000);
  EXPECT_EQ(times[2] - times[1], 6000);
}

TEST(PromptWait, AnUnavailableVoiceOrAnUnplayableRecordingLeavesTheScanAsWithoutVoice) {
  VoicePanel silent("");
  ASSERT_TRUE(silent.Start());
  const auto expected = silent.LightTimes(6000);
  for (int problem = 0; problem < 3; ++problem) {
    VoicePanel panel("[Voice]\r\nMode=2\r\nWait=1\r\n");
    panel.desk.files[std::string(kVoice) + "1.wav"] = problem == 2 ? Wave(3000) : "RIFF, but cut short";
    if (problem == 2) panel.desk.unplayable.push_back(std::string(kVoice) + "1.wav");
    panel.desk.voiceCreated = problem != 0;
    panel.desk.voiceSpeaks = false;
    ASSERT_TRUE(panel.Start());
    EXPECT_EQ(panel.LightTimes(6000), expected) << problem;
    EXPECT_TRUE(panel.desk.prompts.empty()) << problem;
    EXPECT_FALSE(panel.form().MenuEnabled(MenuId::VoiceRecordedOrSystem));
    EXPECT_TRUE(panel.form().MenuEnabled(MenuId::VoiceRecorded));
  }
}

TEST(VoiceSettings, AreReadWithinTheirRangesSetFromTheMenuAndSaved) {
  VoicePanel panel("[Voice]\r\nMode=7\r\nWait=1\r\nRate=-30\r\nVolume=250\r\n");
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  EXPECT_EQ(form.speaker.options().mode, VoiceMode::kRecordedOrVoice);
  EXPECT_EQ(form.speaker.options().rate, -10);
  EXPECT_EQ(form.speaker.options().volume, 100);
  EXPECT_TRUE(form.MenuChecked(MenuId::VoiceRecordedOrSystem));
  form.MenuCommand(MenuId::VoiceRecorded);
  form.MenuCommand(MenuId::VoiceWait);
  EXPECT_TRUE(form.MenuChecked(MenuId::VoiceRecorded));
  EXPECT_FALSE(form.MenuChecked(MenuId::VoiceWait));
  form.Close();
  const std::string& saved = panel.desk.files.at(kIni);
  EXPECT_NE(saved.find("[Voice]\r\nMode=1\r\nWait=0\r\nRate=-10\r\nVolume=100\r\n"), std::string::npos) << saved;
}

TEST(Prompts, EveryWayOfScanningSaysWhatLightsAndStopsWhenNothingIs) {
  using Said = std::vector<std::string>;
  const Said stepped{"ボタン1", "stop", "ボタン2", "stop", "ボタン3"};  // each name stops the last
  for (int method : {1, 2, 3}) {
    VoicePanel panel("[Voice]\r\nMode=2\r\n[Scan]\r\nDwellTime=1000\r\nMethod=" + std::to_string(method) + "\r\n");
    ASSERT_TRUE(panel.Start());
    for (int k = 1; k <= 4; ++k) panel.app->nameEditor->Edit(k).caption = "";
    panel.Run(2000);
    EXPECT_TRUE(panel.Prompts().empty()) << "nothing lit, nothing said: method " << method;
    const std::int64_t t = panel.desk.now;
    if (method == 1) {
      panel.desk.HoldSwitch(t + 100, t + 2300);  // three positions, then the release selects
    } else {
      for (int i = 0; i < 3; ++i) panel.desk.HoldSwitch(t + 100 + 300 * i, t + 200 + 300 * i);
      // Switch 2 presses what is lit, which stays lit; tap to move selects after its pause.
      if (method == 2) panel.desk.switchButtons = [t, taps = panel.desk.switchButtons](std::int64_t now) {
        return taps(now) | (now >= t + 1500 && now < t + 1600 ? 2U : 0U);
      };
    }
    panel.Run(4000);
    // Released at once after its last step, hold to move cuts the name short.
    Said expected = stepped;
    if (method == 1) expected.push_back("stop");
    EXPECT_EQ(panel.Prompts(), expected) << "method " << method;
  }
}

}  // namespace sorvane::test
