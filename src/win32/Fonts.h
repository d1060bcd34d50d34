// GDI fonts for the forms' font fields at the dots per inch they are shown at,
// made once and kept.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "controls/Control.h"
#include "win32/Handles.h"

namespace sorvane::win32 {

class FontCache {
 public:
  // The oldest fonts go once many have been made: only painters, which select
  // a font while they paint, may share a cache that drops them.
  explicit FontCache(std::size_t limit) : limit_(limit) {}
  HFONT For(const Font& font, int dpi);

 private:
  struct CachedFont {
    Font font;
    int dpi;
    OwnedFont handle;
  };
  std::size_t limit_;
  std::vector<CachedFont> fonts_;
};

}  // namespace sorvane::win32
