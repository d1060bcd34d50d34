// GDI fonts for the forms' font fields at the dots per inch they are shown at,
// made once and kept.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "controls/Control.h"
#include "controls/TextFit.h"
#include "win32/Handles.h"

namespace sorvane::win32 {

class FontCache {
 public:
  // The oldest fonts go once many have been made: only painters, which select
  // a font while they paint, may share a cache that drops them.
  explicit FontCache(std::size_t limit) : limit_(limit) {}
  HFONT For(const Font& font, int dpi) { return AtHeight(font, PixelHeightForPoints(font.size, dpi)); }
  // The font with its characters pixelHeight high, whatever its size says.
  HFONT AtHeight(const Font& font, int pixelHeight);

 private:
  struct CachedFont {
    Font font;
    int pixelHeight;
    OwnedFont handle;
  };
  std::size_t limit_;
  std::vector<CachedFont> fonts_;
};

// How much room text takes in the font selected into dc.
TextExtent MeasureText(HDC dc, const std::wstring& text);
// The character height at which text fits a width and height in a font of
// wanted pixels: wanted where it fits; the font at the height returned is
// left selected into dc.
int SelectFittingFont(HDC dc, FontCache& fonts, const Font& font, int wanted, const std::wstring& text, int width,
                      int height);

}  // namespace sorvane::win32
