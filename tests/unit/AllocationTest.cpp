// The steady-state ticks allocate nothing on the heap.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#include <gtest/gtest.h>

#include <functional>

#include <atomic>
#include <cstdlib>
#include <new>

#include "Harness.h"

namespace {
std::atomic<long> g_allocations{0};
std::atomic<bool> g_counting{false};
}  // namespace

void* operator new(std::size_t size) {
  if (g_counting) ++g_allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace sorvane::test {

namespace {

long AllocationsDuring(const std::function<void()>& work) {
  g_allocations = 0;
  g_counting = true;
  work();
  g_counting = false;
  return g_allocations;
}

}  // namespace

TEST(SteadyState, ScanStepsAllocateNothing) {
  for (bool single : {false, true}) {
    Panel panel;
    for (int i = 0; i < 30; ++i) panel.desk.AddWindow("window " + std::to_string(i));
    ASSERT_TRUE(panel.Start());
    PanelForm& form = panel.form();
    form.ButtonCountClick(8);
    form.scan().secondStick = true;
    form.options.cursorChase = true;
    if (single) form.SingleDisplayClick();
    for (int i = 0; i < 40; ++i) form.scanner().TimerElapsed();  // capacities settle
    panel.desk.soundsPlayed.reserve(10000);
    EXPECT_EQ(AllocationsDuring([&] {
                for (int i = 0; i < 900; ++i) form.scanner().TimerElapsed();
              }),
              0)
        << (single ? "single display" : "strip");
  }
}

TEST(SteadyState, PromptsAndTheWaitForThemAllocateNothing) {
  Panel panel;
  // Recordings for some positions, the voice for the others.
  std::string wave = "RIFF\x24\x1f\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0data";
  wave += std::string("\0\x1f\0\0", 4) + std::string(0x1f00, '\0');
  panel.desk.files["C:\\Sorvane\\Voice\\2.wav"] = wave;
  panel.desk.files["C:\\Sorvane\\Voice\\0.wav"] = wave;
  panel.desk.files["C:\\Sorvane\\Sorvane.ini"] = "[Voice]\r\nMode=2\r\nWait=1\r\n[JoyStickID]\r\nON=1\r\n";
  panel.desk.speechMilliseconds = 700;
  ASSERT_TRUE(panel.Start());
  panel.desk.prompts.reserve(100000);
  panel.peer().received.reserve(100000);
  panel.desk.soundsPlayed.reserve(10000);
  const std::function<bool()> never = [] { return false; };
  panel.desk.RunFor(20000, never);  // capacities settle
  const std::uint64_t timesLit = panel.form().timesLit;
  EXPECT_EQ(AllocationsDuring([&] { panel.desk.RunFor(60000, never); }), 0);
  EXPECT_GT(panel.form().timesLit, timesLit + 20);
}

TEST(SteadyState, TicksAndSwitchSamplesAllocateNothingDiscoveryAndEverySwitchOptionIncluded) {
  Panel panel;
  for (int i = 0; i < 30; ++i) panel.desk.AddWindow("window " + std::to_string(i));
  panel.desk.files["C:\\Sorvane\\Sorvane.ini"] =
      "[Switch]\r\nKey=32\r\nAcceptTime=40\r\nIgnoreRepeat=100\r\nFirstPause=300\r\nLoops=50\r\n";
  ASSERT_TRUE(panel.Start());
  ASSERT_EQ(panel.form().switchOptions.quietCyclesBeforeRest, 50);
  panel.peer().received.reserve(100000);
  panel.desk.soundsPlayed.reserve(10000);
  PanelForm& form = panel.form();
  form.ButtonCountClick(4);
  bool held = true;
  panel.desk.switchButtons = [&held](std::int64_t) { return held ? 1U : 0U; };
  panel.Run(1000);
  held = false;
  panel.Run(5000);  // capacities settle, scan steps included
  held = true;
  panel.Run(1000);
  const std::function<bool()> never = [] { return false; };
  EXPECT_EQ(AllocationsDuring([&] { panel.desk.RunFor(5000, never); }), 0) << "held";
  held = false;
  EXPECT_EQ(AllocationsDuring([&] { panel.desk.RunFor(5000, never); }), 0) << "released, idle";
  EXPECT_EQ(panel.ButtonMessages().back().first, WM_JOYTOKEY_BUTTON_UP);
  // A single sample that changes nothing, the steady state of the switch.
  EXPECT_EQ(AllocationsDuring([&] {
              for (int i = 0; i < 1000; ++i) form.driver.ReaderWoke();
            }),
            0);
}

}  // namespace sorvane::test
