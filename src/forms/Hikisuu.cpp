#include "forms/Hikisuu.h"

namespace sorvane {

namespace {

struct NoticeLine {
  int top;
  int pixelHeight;
  const char* text;
};

constexpr NoticeLine kNoticeLines[] = {
    {8, 16, "JoyToKeyの設定番号の"},   {32, 16, "指定がなかったので"},
    {56, 15, "JoyToKeyの設定番号は"},  {80, 15, "セレクトされませんでした。"},
    {112, 15, "指定する場合の例"},     {128, 15, "Sorvane 3"},
};

}  // namespace

THikisuuForm::THikisuuForm(Platform& platform) {
  name = "HikisuuForm";
  caption = "引数のお知らせ";
  width = 212;
  height = 211;
  const ScreenRect desktop = platform.desktop.DesktopWindowRect();
  left = desktop.left + (desktop.right - desktop.left - width) / 2;
  top = desktop.top + (desktop.bottom - desktop.top - height) / 2;
  color = colors::kBtnFace;
  font = Font{kUiFontFace, PointsForPixelHeight(12), 0, 0, kShiftJisCharset, colors::kWindowText};
  visible = true;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Label& line = lines[i];
    line.name = "Label" + std::to_string(i + 1);
    line.caption = kNoticeLines[i].text;
    line.left = 8;
    line.top = kNoticeLines[i].top;
    line.height = kNoticeLines[i].pixelHeight + 4;
    line.width = width - 16;
    line.color = color;
    line.font = Font{kUiFontFace, PointsForPixelHeight(kNoticeLines[i].pixelHeight), kFontBold, 0,
                     kShiftJisCharset, colors::kWindowText};
  }
  Timer1 = std::make_unique<Timer>(platform.timers, 5000, true, [this] { Timer1Timer(); });
}

void THikisuuForm::Timer1Timer() { Close(); }

}  // namespace sorvane
