// The user's switch: joystick 0, and a keyboard key that may stand beside it.
#pragma once

#include <cstdint>

namespace sorvane {

// One reading of joystick 0: when it was taken (the clock's milliseconds),
// and its buttons (bit 0 is button 1), unless the joystick did not answer.
struct JoystickReading {
  std::int64_t time = 0;
  std::uint32_t buttons = 0;
  bool answered = false;
};

class Joystick {
 public:
  using ReadingVisitor = void (*)(const JoystickReading& reading, void* context);
  // Hands over, oldest first, the raw readings of joystick 0 (joyGetPosEx with
  // the JOYINFOEX record) taken since the last call. A backend may read on its
  // own at a steady pace, so that a caller held up for a moment loses nothing;
  // one that does not reads once, now.
  virtual void TakeReadings(ReadingVisitor visit, void* context) = 0;
  // True when the backend reads on its own and tells the caller whenever a
  // reading differs from the one before; otherwise the caller reads every 10 ms.
  virtual bool ReadsOnItsOwn() const = 0;
  // A keyboard key that counts as the switch while it is down (0 none).
  virtual void SetSwitchKey(int virtualKey) = 0;

 protected:
  ~Joystick() = default;
};

}  // namespace sorvane
