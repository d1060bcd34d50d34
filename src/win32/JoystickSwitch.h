// The user's switches: joystick 0 and the keys that work as switches, read by
// the switch reader on its own thread, which starts at the first reading.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/Joystick.h"
#include "win32/SwitchReader.h"

namespace sorvane::win32 {

class JoystickSwitch : public Joystick {
 public:
  // The reader wakes the window with the message when a reading changes.
  JoystickSwitch(HWND wake, UINT message) : wake_(wake), message_(message) {}

  void TakeReadings(ReadingVisitor visit, void* context) override;
  bool ReadsOnItsOwn() const override { return true; }
  void SetSwitchKeys(int virtualKey, int secondVirtualKey) override;
  void SetSwitchMouseButtons(int button, int secondButton) override;

  // While a dialog asks for a key, the key reaches the dialog, not the panel,
  // and the mouse clicks in it.
  void LeaveKeysToDialog();
  void TakeKeysBack();

 private:
  SwitchReader& Reader();

  HWND wake_;
  UINT message_;
  std::unique_ptr<SwitchReader> reader_;
  int switchKey_ = 0;
  int secondSwitchKey_ = 0;
  int switchMouseButton_ = 0;
  int secondSwitchMouseButton_ = 0;
};

}  // namespace sorvane::win32
