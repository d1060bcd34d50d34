// Message boxes and the system's colour and font choosers: blocking calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace sorvane {

struct FontChoice {
  std::string name;  // code page 932
  int size = 0;      // points
  std::uint8_t style = 0;
  int pitch = 0;
  int charset = 0;
  ColorValue color = 0;
};

class Dialogs {
 public:
  // MessageBoxA(owner, text, caption, flags); returns the button pressed.
  virtual int ShowMessage(WindowHandle owner, const std::string& text,
                          const std::string& caption, unsigned flags) = 0;
  // The colour chooser opened on initial; the chosen RGB colour, or nothing on cancel.
  virtual std::optional<ColorValue> ChooseColor(WindowHandle owner, ColorValue initial) = 0;
  // The font chooser opened on font; true and font updated on confirm.
  virtual bool ChooseFont(WindowHandle owner, FontChoice& font) = 0;

 protected:
  ~Dialogs() = default;
};

}  // namespace sorvane
