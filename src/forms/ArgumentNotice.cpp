#include "forms/ArgumentNotice.h"

namespace sorvane {

namespace {

struct NoticeLine {
  int top;
  int pixelHeight;
  TextId text;
};

constexpr NoticeLine kNoticeLines[] = {
    {8, 16, TextId::NoticeLine1},  {32, 16, TextId::NoticeLine2},  {56, 15, TextId::NoticeLine3},
    {80, 15, TextId::NoticeLine4}, {112, 15, TextId::NoticeLine5}, {128, 15, TextId::NoticeLine6},
};

constexpr int kWidth = 212;
constexpr int kHeight = 211;

}  // namespace

ArgumentNotice::ArgumentNotice(Platform& platform) : desktop_(platform.desktop) {
  ShowTexts();
  color = colors::kBtnFace;
  font = Font{kUiFontFace, PointsForPixelHeight(12), 0, 0, kShiftJisCharset, colors::kWindowText};
  visible = true;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Label& line = lines[i];
    line.color = color;
    line.font = Font{kUiFontFace, PointsForPixelHeight(kNoticeLines[i].pixelHeight), kFontBold, 0,
                     kShiftJisCharset, colors::kWindowText};
  }
  ApplyDpi(96);
  closeTimer = std::make_unique<Timer>(platform.timers, 5000, true, [this] { CloseAfterFiveSeconds(); });
}

void ArgumentNotice::ShowTexts() {
  caption = Text(TextId::NoticeTitle);
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i].caption = Text(kNoticeLines[i].text);
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
