// Plain state of the program's windows and controls. Handlers change these
// fields; the Win32 view draws them, and tests read them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace sorvane {

namespace colors {
constexpr ColorValue kBlack = 0x00000000;
constexpr ColorValue kGreen = 0x00008000;
constexpr ColorValue kPurple = 0x00800080;
constexpr ColorValue kRed = 0x000000FF;
constexpr ColorValue kYellow = 0x0000FFFF;
constexpr ColorValue kBlue = 0x00FF0000;
constexpr ColorValue kFuchsia = 0x00FF00FF;
constexpr ColorValue kAqua = 0x00FFFF00;
constexpr ColorValue kWhite = 0x00FFFFFF;
constexpr ColorValue kWindowText = 0x80000008;
constexpr ColorValue kBtnFace = 0x8000000F;
constexpr ColorValue kBtnText = 0x80000012;
constexpr ColorValue kNone = 0x1FFFFFFF;
}  // namespace colors

constexpr int kShiftJisCharset = 128;

enum FontStyleBits : std::uint8_t {
  kFontBold = 1,
  kFontItalic = 2,
  kFontUnderline = 4,
  kFontStrikeOut = 8,
};

// "ＭＳ Ｐゴシック", the face of every text the program shows.
extern const char* const kUiFontFace;

struct Font {
  std::string name;
  int size = 0;  // points; a pixel height h at 96 dpi is size = h * 72 / 96
  std::uint8_t style = 0;
  int pitch = 0;  // 0 default, 1 variable, 2 fixed
  int charset = kShiftJisCharset;
  ColorValue color = colors::kWindowText;

  bool operator==(const Font& other) const {
    return name == other.name && size == other.size && style == other.style &&
           pitch == other.pitch && charset == other.charset && color == other.color;
  }
};

// Points for a character height given in pixels at 96 dots per inch.
constexpr int PointsForPixelHeight(int pixels) { return (pixels * 72 + 48) / 96; }
// The character height in pixels for a size in points at a number of dots per
// inch (96 unless told), as Windows scales points, within what a font can have
// whatever size a settings file asks for.
constexpr int PixelHeightForPoints(int points, int dpi = 96) {
  const long long pixels = (static_cast<long long>(points) * dpi + 36) / 72;
  return pixels > 0x7FFF ? 0x7FFF : pixels < -0x7FFF ? -0x7FFF : static_cast<int>(pixels);
}

// A size the design gives in pixels at 96 dots per inch, at another number of
// dots per inch (rounded to the nearest pixel; unchanged at 96).
constexpr int ScaledPixels(int designPixels, int dpi) { return (designPixels * dpi + 48) / 96; }

// The access key of a caption: the character after a single "&" ("&&" is an
// ampersand shown), or 0 when there is none or it is not a single byte.
char AccessKey(const std::string& caption);

class Control {
 public:
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
  bool enabled = true;
  bool tabStop = false;
  ColorValue color = colors::kBtnFace;
  std::string caption;
  Font font;
  std::string hint;
  bool showHint = false;
};

// A text field; text lives in caption.
class EditField : public Control {
 public:
  // Typing stops at this many bytes of code page 932 text; 0 means no limit.
  // Text set by the program is taken whole.
  int maxTypedBytes = 0;
};

class Label : public Control {};

class Form {
 public:
  std::string caption;
  // Outer bounds in screen pixels, frame included.
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  FrameInsets frame;
  ColorValue color = colors::kBtnFace;
  Font font;
  std::string hint;
  bool visible = false;
  int dpi = 96;  // of the monitor the window is on

  ScreenRect Bounds() const { return {left, top, left + width, top + height}; }
  int ClientWidth() const { return width - frame.left - frame.right; }
  int ClientHeight() const { return height - frame.top - frame.bottom; }
  void SetClientWidth(int clientWidth) { width = clientWidth + frame.left + frame.right; }
  void SetClientHeight(int clientHeight) { height = clientHeight + frame.top + frame.bottom; }
};

}  // namespace sorvane
