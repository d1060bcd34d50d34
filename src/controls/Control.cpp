#include "controls/Control.h"

namespace sorvane {

const char* const kUiFontFace = "ＭＳ Ｐゴシック";

}  // namespace sorvane
