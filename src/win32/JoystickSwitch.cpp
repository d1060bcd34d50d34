#include "win32/JoystickSwitch.h"

namespace sorvane::win32 {

SwitchReader& JoystickSwitch::Reader() {
  if (!reader_) {
    reader_ = std::make_unique<SwitchReader>(wake_, message_);
    reader_->SetKeys(switchKey_, secondSwitchKey_);
    reader_->SetMouseButtons(switchMouseButton_, secondSwitchMouseButton_);
  }
  return *reader_;
}

void JoystickSwitch::TakeReadings(ReadingVisitor visit, void* context) { Reader().Take(visit, context); }

void JoystickSwitch::SetSwitchKeys(int virtualKey, int secondVirtualKey) {
  switchKey_ = virtualKey;
  secondSwitchKey_ = secondVirtualKey;
  Reader().SetKeys(virtualKey, secondVirtualKey);
}

void JoystickSwitch::SetSwitchMouseButtons(int button, int secondButton) {
  switchMouseButton_ = button;
  secondSwitchMouseButton_ = secondButton;
  Reader().SetMouseButtons(button, secondButton);
}

void JoystickSwitch::LeaveKeysToDialog() {
  Reader().SetKeys(0, 0);
  Reader().SetMouseButtons(0, 0);
}

void JoystickSwitch::TakeKeysBack() {
  Reader().SetKeys(switchKey_, secondSwitchKey_);
  Reader().SetMouseButtons(switchMouseButton_, secondSwitchMouseButton_);
}

}  // namespace sorvane::win32
