// State that several handlers share, alive for the whole run.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Joystick.h"
#include "scan/ScanState.h"

namespace sorvane {

struct ProgramState {
  ScanState scanState;
  std::int32_t collapseCountdown = 0;  // scan steps left before open sub-buttons close
  ButtonAppearances appearance;        // slots 1-8, then 11-18
  std::int32_t configArgChar = 0;      // first byte of the argument, sign-extended
  std::int32_t pressPollCount = 0;
  JoyInfo joyInfo;
  std::int32_t editTarget = 0;
  std::string joyToKeyFolder;

  ButtonAppearance& Appearance(int buttonNumber) { return appearance[SlotIndex(buttonNumber)]; }
};

}  // namespace sorvane
