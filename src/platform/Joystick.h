// The user's switch: joystick 0, read with the JOYINFOEX record.
#pragma once

#include <cstdint>

namespace sorvane {

// Same layout as the system's JOYINFOEX (52 bytes).
struct JoyInfo {
  std::uint32_t size = 0;
  std::uint32_t flags = 0;
  std::uint32_t xPos = 0;
  std::uint32_t yPos = 0;
  std::uint32_t zPos = 0;
  std::uint32_t rPos = 0;
  std::uint32_t uPos = 0;
  std::uint32_t vPos = 0;
  std::uint32_t buttons = 0;
  std::uint32_t buttonNumber = 0;
  std::uint32_t pov = 0;
  std::uint32_t reserved1 = 0;
  std::uint32_t reserved2 = 0;
};
static_assert(sizeof(JoyInfo) == 52, "JoyInfo must match JOYINFOEX");

class Joystick {
 public:
  // joyGetPosEx(0, &info): true when the poll succeeded and info is filled.
  virtual bool PollJoystickZero(JoyInfo& info) = 0;

 protected:
  ~Joystick() = default;
};

}  // namespace sorvane
