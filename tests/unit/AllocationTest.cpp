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
    TSorvaneForm& form = panel.form();
    form.ButtonCountClick(8);
    form.PopupMenu1.SetChecked(MenuId::JoyStickID2, true);
    form.PopupMenu1.SetChecked(MenuId::Oikake, true);
    if (single) form.SingleDspClick();
    for (int i = 0; i < 40; ++i) form.ScanTimerTimer();  // capacities settle
    panel.desk.soundsPlayed.reserve(10000);
    EXPECT_EQ(AllocationsDuring([&] {
                for (int i = 0; i < 900; ++i) form.ScanTimerTimer();
              }),
              0)
        << (single ? "single display" : "strip");
  }
}

TEST(SteadyState, JoyTimerTicksAllocateNothingDiscoveryIncluded) {
  Panel panel;
  for (int i = 0; i < 30; ++i) panel.desk.AddWindow("window " + std::to_string(i));
  ASSERT_TRUE(panel.Start());
  panel.peer().received.reserve(100000);
  TSorvaneForm& form = panel.form();
  form.ButtonCountClick(4);
  form.ScanTimerTimer();
  form.ScanTimerTimer();
  panel.desk.HoldSwitch(0, 1 << 30);
  form.JoyTimerTimer();
  EXPECT_EQ(AllocationsDuring([&] {
              for (int i = 0; i < 500; ++i) form.JoyTimerTimer();  // held
              panel.desk.switchButtons = [](std::int64_t) { return 0U; };
            }),
            0);
  EXPECT_EQ(AllocationsDuring([&] {
              for (int i = 0; i < 500; ++i) form.JoyTimerTimer();  // released, idle
            }),
            0);
  EXPECT_EQ(panel.ButtonMessages().back(), std::make_pair(WM_JOYTOKEY_BUTTON_UP, 1));
}

}  // namespace sorvane::test
