#include "win32/Fonts.h"

#include <algorithm>

#include "win32/Text.h"

namespace sorvane::win32 {

HFONT FontCache::AtHeight(const Font& font, int pixelHeight) {
  for (const CachedFont& cached : fonts_) {
    if (cached.pixelHeight == pixelHeight && cached.font == font) return cached.handle.get();
  }
  LOGFONTW logFont{};
  logFont.lfHeight = -pixelHeight;
  logFont.lfWeight = (font.style & kFontBold) ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (font.style & kFontItalic) ? TRUE : FALSE;
  logFont.lfUnderline = (font.style & kFontUnderline) ? TRUE : FALSE;
  logFont.lfStrikeOut = (font.style & kFontStrikeOut) ? TRUE : FALSE;
  logFont.lfCharSet = static_cast<BYTE>(font.charset);
  logFont.lfPitchAndFamily =
      static_cast<BYTE>(font.pitch == 1 ? VARIABLE_PITCH : font.pitch == 2 ? FIXED_PITCH : DEFAULT_PITCH);
  lstrcpynW(logFont.lfFaceName, Wide(font.name).c_str(), LF_FACESIZE);
  if (fonts_.size() >= limit_) fonts_.erase(fonts_.begin());
  fonts_.push_back(CachedFont{font, pixelHeight, OwnedFont(CreateFontIndirectW(&logFont))});
  return fonts_.back().handle.get();
}

TextExtent MeasureText(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  // A line of no characters is still a line high.
  return TextExtent{static_cast<int>(size.cx), static_cast<int>(std::max<LONG>(size.cy, metrics.tmHeight))};
}

int SelectFittingFont(HDC dc, FontCache& fonts, const Font& font, int wanted, const std::wstring& text, int width,
                      int height) {
  const int fitted = FittingPixelHeight(wanted, width, height, [&](int pixelHeight) {
    SelectObject(dc, fonts.AtHeight(font, pixelHeight));
    return MeasureText(dc, text);
  });
  SelectObject(dc, fonts.AtHeight(font, fitted));
  return fitted;
}

}  // namespace sorvane::win32
