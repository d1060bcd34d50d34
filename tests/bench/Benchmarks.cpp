// How long the panel's steady-state work takes on the simulated desktop.
#include <benchmark/benchmark.h>

#include "app/SorvaneMain.h"
#include "platform/sim/SimDesktop.h"
#include "settings/IniFile.h"

namespace sorvane {
namespace {

struct BenchPanel {
  BenchPanel() {
    desk.AddWindow("Program Manager");
    for (int i = 0; i < 40; ++i) desk.AddWindow("Some window " + std::to_string(i));
    desk.AddWindow("JoyToKey Ver6.9");
    app = std::make_unique<SorvaneApplication>(desk.platform());
    app->Start();
    app->MainFormShown();
  }
  sim::SimDesktop desk;
  std::unique_ptr<SorvaneApplication> app;
};

void ScanStep(benchmark::State& state) {
  BenchPanel panel;
  panel.app->SorvaneForm->ButtonCountClick(8);
  panel.app->SorvaneForm->PopupMenu1.SetChecked(MenuId::JoyStickID2, true);
  for (auto _ : state) panel.app->SorvaneForm->ScanTimerTimer();
}
BENCHMARK(ScanStep);

void JoyTimerTick(benchmark::State& state) {
  BenchPanel panel;
  for (auto _ : state) {
    panel.app->SorvaneForm->JoyTimerTimer();
    panel.desk.windows.back().received.clear();
  }
}
BENCHMARK(JoyTimerTick);

// The 10 ms reading of a switch that has not changed.
void SwitchSample(benchmark::State& state) {
  BenchPanel panel;
  for (auto _ : state) panel.app->SorvaneForm->SampleTimerTimer();
}
BENCHMARK(SwitchSample);

void SettingsLoadAndSave(benchmark::State& state) {
  BenchPanel panel;
  panel.app->SorvaneForm->SaveSettings();
  const std::string full = panel.desk.files.at(kSettingsFileName);
  for (auto _ : state) {
    panel.app->SorvaneForm->FormCreate();
    panel.app->SorvaneForm->SaveSettings();
  }
  state.counters["fileBytes"] = static_cast<double>(full.size());
}
BENCHMARK(SettingsLoadAndSave);

}  // namespace
}  // namespace sorvane

BENCHMARK_MAIN();
