// The user's switches: joystick 0, and keyboard keys that may stand beside it.
#pragma once

#include <cstdint>

namespace sorvane {

// The mouse buttons that may work as a switch, numbered as the settings file
// numbers them; 0 is none.
enum MouseButtonNumber : int {
  kLeftMouseButton = 1,
  kRightMouseButton = 2,
  kMiddleMouseButton = 3,
  kBackMouseButton = 4,     // the first side button
  kForwardMouseButton = 5,  // the second
};
constexpr int kMouseButtonCount = 5;

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
  // Keyboard keys that count as the switch (button 1) and the second switch
  // (button 2) while they are down (0 none).
  virtual void SetSwitchKeys(int virtualKey, int secondVirtualKey) = 0;
  // Mouse buttons (MouseButtonNumber, 0 none) that count as the switch and
  // the second switch while they are down; their clicks reach no program.
  virtual void SetSwitchMouseButtons(int button, int secondButton) = 0;

 protected:
  ~Joystick() = default;
};

}  // namespace sorvane
