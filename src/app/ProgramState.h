// State that several handlers share, alive for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "joytokey/SwitchOptions.h"
#include "platform/Joystick.h"
#include "scan/ScanState.h"

namespace sorvane {

// Where the switch's current press stands between ticks.
struct PressState {
  enum class Wait {
    kNone,
    kOneButtonRelease,  // one-button mode: -1 told, the rest comes with the release
    kSwitchOverRelease,  // at the switch-over position: the stick flips at the release
  };
  bool down = false;  // the press the ticks are handling is still going on
  bool selectsNothing = false;  // it woke the resting scan, or a dialog cut it short
  Wait wait = Wait::kNone;
  std::int64_t measuredFrom = 0;  // a one-button press is timed from here
  std::int64_t releasedAt = 0;
  std::int32_t heldStick = 0;  // the stick heldButton went down on
  std::uint64_t heldTick = 0;  // the tick heldButton went down in
  std::uint64_t ticks = 0;
};

// One move of the highlight, so a press can act on the position that was lit
// when the switch closed, not on the one lit when the press was recognised.
struct ScanStep {
  std::int64_t time = 0;
  std::int32_t before = 0;
  std::int32_t after = 0;
};

struct ProgramState {
  ScanState scanState;
  std::int32_t collapseCountdown = 0;  // scan steps left before open sub-buttons close
  ButtonAppearances appearance;        // slots 1-8, then 11-18
  std::int32_t configArgChar = 0;      // first byte of the argument, sign-extended
  PressState press;
  SwitchOptions switchOptions;
  // The scan rests, nothing lit, after switchOptions.loops cycles without a press.
  bool scanResting = false;
  std::int32_t cyclesWithoutPress = 0;
  bool cycleStarted = false;
  std::array<ScanStep, 16> scanSteps{};  // the latest steps, a ring
  int scanStepCount = 0;
  std::int32_t editTarget = 0;
  std::string joyToKeyFolder;

  ButtonAppearance& Appearance(int buttonNumber) { return appearance[SlotIndex(buttonNumber)]; }
};

}  // namespace sorvane
