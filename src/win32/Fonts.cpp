#include "win32/Fonts.h"

#include "win32/Text.h"

namespace sorvane::win32 {

HFONT FontCache::For(const Font& font, int dpi) {
  for (const CachedFont& cached : fonts_) {
    if (cached.dpi == dpi && cached.font == font) return cached.handle.get();
  }
  LOGFONTW logFont{};
  logFont.lfHeight = -PixelHeightForPoints(font.size, dpi);
  logFont.lfWeight = (font.style & kFontBold) ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (font.style & kFontItalic) ? TRUE : FALSE;
  logFont.lfUnderline = (font.style & kFontUnderline) ? TRUE : FALSE;
  logFont.lfStrikeOut = (font.style & kFontStrikeOut) ? TRUE : FALSE;
  logFont.lfCharSet = static_cast<BYTE>(font.charset);
  logFont.lfPitchAndFamily =
      static_cast<BYTE>(font.pitch == 1 ? VARIABLE_PITCH : font.pitch == 2 ? FIXED_PITCH : DEFAULT_PITCH);
  lstrcpynW(logFont.lfFaceName, Wide(font.name).c_str(), LF_FACESIZE);
  if (fonts_.size() >= limit_) fonts_.erase(fonts_.begin());
  fonts_.push_back(CachedFont{font, dpi, OwnedFont(CreateFontIndirectW(&logFont))});
  return fonts_.back().handle.get();
}

}  // namespace sorvane::win32
