// How long the panel's steady-state work takes on the simulated desktop.
#include <benchmark/benchmark.h>

#include "panel/Application.h"
#include "platform/sim/SimDesktop.h"
#include "settings/IniFile.h"

namespace sorvane {
namespace {

struct BenchPanel {
  BenchPanel() {
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

void ScanStep(benchmark::State& state) {
  BenchPanel panel;
  panel.app->panel->ButtonCountClick(8);
  panel.app->panel->scan().secondStick = true;
  for (auto _ : state) panel.app->panel->scanner.TimerElapsed();
}
BENCHMARK(ScanStep);

void PanelTick(benchmark::State& state) {
  BenchPanel panel;
  for (auto _ : state) {
    panel.app->panel->Tick();
    panel.desk.windows.back().received.clear();
  }
}
BENCHMARK(PanelTick);

// The 10 ms reading of a switch that has not changed.
void SwitchSample(benchmark::State& state) {
  BenchPanel panel;
  for (auto _ : state) panel.app->panel->SampleSwitchNow();
}
BENCHMARK(SwitchSample);

void SettingsLoadAndSave(benchmark::State& state) {
  BenchPanel panel;
  panel.app->panel->SaveSettings();
  const std::string full = panel.desk.files.at(panel.app->panel->settingsFile);
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
