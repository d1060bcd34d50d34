// The boxes and dialogs the panel opens over itself: message boxes, the
// colour and font dialogs, the switch settings and the switch record. Each
// blocks until it is answered.
#pragma once

// Before the interface: the system's headers rename ChooseColor and ChooseFont.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/Dialogs.h"
#include "win32/JoystickSwitch.h"
#include "win32/KeyboardReturn.h"

namespace sorvane::win32 {

class SystemDialogs : public Dialogs {
 public:
  explicit SystemDialogs(JoystickSwitch& switches) : switches_(switches) {}

  // The dialogs take the keyboard while they are open; this gives it back.
  KeyboardReturn& keyboard() { return keyboard_; }
  // Called before a dialog opens, so that the windows show what the handler
  // that opens it has changed so far.
  void SetBeforeDialog(std::function<void()> callback) { beforeDialog_ = std::move(callback); }

  int ShowMessage(WindowHandle owner, const MessageText& text, const std::string& caption,
                  unsigned flags) override;
  std::optional<ColorValue> ChooseColor(WindowHandle owner, ColorValue initial) override;
  bool ChooseFont(WindowHandle owner, FontChoice& font) override;
  bool EditSwitchOptions(WindowHandle owner, SwitchOptionTexts& texts) override;
  bool ShowSwitchRecord(WindowHandle owner, const SwitchRecordReport& report) override;
  bool AskProfileName(WindowHandle owner, std::u16string& name, const std::string& problem) override;

 private:
  void BeforeDialog();

  JoystickSwitch& switches_;
  KeyboardReturn keyboard_;
  std::function<void()> beforeDialog_;
};

}  // namespace sorvane::win32
