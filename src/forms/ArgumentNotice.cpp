#include "forms/ArgumentNotice.h"

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

constexpr int kWidth = 212;
constexpr int kHeight = 211;

}  // namespace

ArgumentNotice::ArgumentNotice(Platform& platform) : desktop_(platform.desktop) {
  caption = "引数のお知らせ";
  color = colors::kBtnFace;
  font = Font{kUiFontFace, PointsForPixelHeight(12), 0, 0, kShiftJisCharset, colors::kWindowText};
  visible = true;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Label& line = lines[i];
    line.caption = kNoticeLines[i].text;
    line.color = color;
    line.font = Font{kUiFontFace, PointsForPixelHeight(kNoticeLines[i].pixelHeight), kFontBold, 0,
                     kShiftJisCharset, colors::kWindowText};
  }
  ApplyDpi(96);
  closeTimer = std::make_unique<Timer>(platform.timers, 5000, true, [this] { CloseAfterFiveSeconds(); });
}

void ArgumentNotice::ApplyDpi(int newDpi) {
  dpi = newDpi;
  const auto scaled = [newDpi](int pixels) { return ScaledPixels(pixels, newDpi); };
  width = scaled(kWidth);
  height = scaled(kHeight);
  const ScreenRect desktop = desktop_.DesktopWindowRect();
  left = desktop.left + (desktop.right - desktop.left - width) / 2;
  top = desktop.top + (desktop.bottom - desktop.top - height) / 2;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Label& line = lines[i];
    line.left = scaled(8);
    line.top = scaled(kNoticeLines[i].top);
    line.height = scaled(kNoticeLines[i].pixelHeight + 4);
    line.width = width - scaled(16);
  }
}

void ArgumentNotice::CloseAfterFiveSeconds() { Close(); }

}  // namespace sorvane
