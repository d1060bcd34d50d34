#include "controls/Control.h"

#include "text/ShiftJis.h"

namespace sorvane {

const char* const kUiFontFace = "ＭＳ Ｐゴシック";

char AccessKey(const std::string& caption) {
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const char c = caption[i];
    if (IsShiftJisLeadByte(c)) {
      ++i;
      continue;
    }
    if (c != '&' || i + 1 >= caption.size()) continue;
    const char next = caption[i + 1];
    if (next == '&') {
      ++i;
      continue;
    }
    return IsShiftJisLeadByte(next) ? 0 : next;
  }
  return 0;
}

}  // namespace sorvane
