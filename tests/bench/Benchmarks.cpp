// How long the panel's steady-state work takes on the simulated desktop.
#include <benchmark/benchmark.h>

#include "panel/Application.h"
#include "platform/sim/SimDesktop.h"
#include "settings/IniFile.h"

#include <functional>

namespace sorvane {
namespace {

// A recording of half a second, as the voice folder holds them.
std::string HalfSecondWave() {
  std::string wave("RIFF\x24\x1f\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0data", 40);
  wave += std::string("\0\x1f\0\0", 4) + std::string(0x1f00, '\0');
  return wave;
}

struct BenchPanel {
  // withVoice: recorded prompts for some positions, the system's voice for
  // the others, and the step waiting for them where waitForPrompt.
  explicit BenchPanel(bool withVoice = false, bool waitForPrompt = true) {
    if (withVoice) {
      desk.files["C:\\Sorvane\\Sorvane.ini"] =
          std::string("[Voice]\r\nMode=2\r\nWait=") + (waitForPrompt ? "1" : "0") + "\r\n";
      desk.files["C:\\Sorvane\\Voice\\2.wav"] = HalfSecondWave();
      desk.files["C:\\Sorvane\\Voice\\4.wav"] = HalfSecondWave();
      desk.prompts.reserve(1 << 20);
    }
    desk.AddWindow("Program Manager");
    for (int i = 0; i < 40; ++i) desk.AddWindow("Some window " + std::to_string(i));
    desk.AddWindow("JoyToKey Ver6.9");
    app = std::make_unique<Application>(desk.platform());
    app->Start();
    app->MainFormShown();
  }
  sim::SimDesktop desk;
  std::unique_ptr<Application> app;
};

// Arg 1: with the voice on, every step starting a prompt and stopping the
// last (the wait is left out: nothing here ends the voice's prompts).
void ScanStep(benchmark::State& state) {
  BenchPanel panel(state.range(0) != 0, false);
  panel.app->panel->ButtonCountClick(8);
  panel.app->panel->scan().secondStick = true;
  for (auto _ : state) {
    panel.app->panel->scanner().TimerElapsed();
    if (panel.desk.prompts.size() > (1 << 19)) panel.desk.prompts.clear();
  }
}
BENCHMARK(ScanStep)->Arg(0)->Arg(1);

void PanelTick(benchmark::State& state) {
  BenchPanel panel(state.range(0) != 0);
  for (auto _ : state) {
    panel.app->panel->driver.Tick();
    panel.desk.windows.back().received.clear();
  }
}
BENCHMARK(PanelTick)->Arg(0)->Arg(1);

// A second of the panel's life: five ticks, a hundred switch samples and a
// step, whose prompt the voice ends.
void PanelSecond(benchmark::State& state) {
  BenchPanel panel(state.range(0) != 0);
  const std::function<bool()> never = [] { return false; };
  for (auto _ : state) {
    panel.desk.RunFor(1000, never);
    panel.desk.windows.back().received.clear();
    if (panel.desk.prompts.size() > (1 << 19)) panel.desk.prompts.clear();
  }
}
BENCHMARK(PanelSecond)->Arg(0)->Arg(1);

// The 10 ms reading of a switch that has not changed.
void SwitchSample(benchmark::State& state) {
  BenchPanel panel;
  for (auto _ : state) panel.app->panel->driver.ReaderWoke();
}
BENCHMARK(SwitchSample);

void SettingsLoadAndSave(benchmark::State& state) {
  BenchPanel panel;
  panel.app->panel->SaveSettings();
  const std::string full = panel.desk.files.at(panel.app->panel->settingsPlace.SettingsFile());
  for (auto _ : state) {
    panel.app->panel->LoadSettings();
    panel.app->panel->SaveSettings();
  }
  state.counters["fileBytes"] = static_cast<double>(full.size());
}
BENCHMARK(SettingsLoadAndSave);

}  // namespace
}  // namespace sorvane

BENCHMARK_MAIN();
