#include "win32/RecordChartWindow.h"

#include <algorithm>
#include <string>
#include <vector>

#include "text/Texts.h"
#include "win32/Fonts.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

constexpr wchar_t kClass[] = L"SorvaneRecordChart";
constexpr COLORREF kNinetieth = RGB(150, 190, 235);
constexpr COLORREF kMedian = RGB(20, 70, 160);
constexpr COLORREF kIgnored = RGB(210, 30, 30);
constexpr COLORREF kGrid = RGB(215, 215, 215);

struct Chart {
  const SwitchRecordReport* report = nullptr;
  HFONT font = nullptr;
  int dpi = 96;
  int Scaled(int pixels) const { return MulDiv(pixels, dpi, 96); }
};

void Fill(HDC dc, const RECT& area, COLORREF color) {
  SetDCBrushColor(dc, color);
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
  SetDCPenColor(dc, color);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void Text(HDC dc, const std::string& text, RECT area, UINT format) {
  const std::wstring wide = Wide(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, format | DT_SINGLELINE | DT_NOPREFIX);
}

// Whole seconds at the top of the scale, so that the grid reads at a glance.
int TopSeconds(const SwitchRecordReport& report) {
  std::int64_t longest = 0;
  for (const auto* bars : {&report.days, &report.hours}) {
    for (const auto& bar : *bars) longest = std::max(longest, bar.milliseconds90);
  }
  return static_cast<int>(std::max<std::int64_t>(1, (longest + 999) / 1000));
}

// One plot: its title above, the seconds on the left, the share on the right,
// every labelEvery-th label under its bar, counted from the last bar (today)
// or from the first (midnight).
void Plot(HDC dc, const Chart& chart, const std::string& title, const std::vector<SwitchRecordReport::ChartBar>& bars,
          int labelEvery, bool labelsFromLast, int topSeconds, RECT area, int lineHeight) {
  Text(dc, title, {area.left, area.top, area.right, area.top + lineHeight}, DT_LEFT | DT_TOP);
  const RECT plot{area.left + chart.Scaled(34), area.top + lineHeight + chart.Scaled(6), area.right - chart.Scaled(38),
                  area.bottom - lineHeight - chart.Scaled(2)};
  if (plot.right <= plot.left || plot.bottom <= plot.top || bars.empty()) return;
  Fill(dc, plot, GetSysColor(COLOR_WINDOW));
  const int height = plot.bottom - plot.top;
  const auto ySeconds = [&](std::int64_t milliseconds) {
    return plot.bottom - static_cast<int>(static_cast<std::int64_t>(height) * milliseconds / (topSeconds * 1000LL));
  };
  // Up to five lines across, each a whole number of seconds.
  const int step = (topSeconds + 4) / 5;
  for (int second = 0; second <= topSeconds; second += step) {
    const int y = ySeconds(second * 1000LL);
    if (second > 0) Line(dc, plot.left, y, plot.right, y, kGrid);
    Text(dc, sorvane::Text(TextId::RecordSeconds, {std::to_string(second)}),
         {area.left, y - lineHeight / 2, plot.left - chart.Scaled(4), y + lineHeight / 2}, DT_RIGHT | DT_VCENTER);
  }
  for (int percent = 0; percent <= 100; percent += 50) {
    const int y = plot.bottom - height * percent / 100;
    Text(dc, std::to_string(percent) + "%",
         {plot.right + chart.Scaled(4), y - lineHeight / 2, area.right, y + lineHeight / 2}, DT_LEFT | DT_VCENTER);
  }
  const int count = static_cast<int>(bars.size());
  const int width = plot.right - plot.left;
  const int mark = std::max(chart.Scaled(3), 3);
  for (int i = 0; i < count; ++i) {
    const SwitchRecordReport::ChartBar& bar = bars[static_cast<std::size_t>(i)];
    const int left = plot.left + width * i / count;
    const int right = plot.left + width * (i + 1) / count;
    const int gap = std::max(1, (right - left) / 6);
    if (bar.milliseconds90 >= 0)
      Fill(dc, {left + gap, ySeconds(bar.milliseconds90), right - gap, plot.bottom}, kNinetieth);
    if (bar.medianMilliseconds >= 0) {
      Fill(dc, {left + 2 * gap, ySeconds(bar.medianMilliseconds), right - 2 * gap, plot.bottom}, kMedian);
    }
    if (bar.ignoredPercent >= 0) {
      const int y = plot.bottom - height * bar.ignoredPercent / 100;
      const int middle = (left + right) / 2;
      Fill(dc, {middle - mark, y - mark, middle + mark + 1, y + mark + 1}, kIgnored);
    }
    if ((labelsFromLast ? count - 1 - i : i) % labelEvery == 0) {
      // Centred under its bar, but never past the plot's edges, where the
      // shares' scale is written.
      const int labelWidth = MeasureText(dc, Wide(bar.label)).width;
      const int labelLeft = std::max(static_cast<int>(plot.left), std::min((left + right - labelWidth) / 2,
                                                                           static_cast<int>(plot.right) - labelWidth));
      Text(dc, bar.label, {labelLeft, plot.bottom + chart.Scaled(2), labelLeft + labelWidth, area.bottom},
           DT_LEFT | DT_TOP);
    }
  }
  SetDCPenColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, plot.left, plot.top, plot.right + 1, plot.bottom + 1);
}

void Paint(HDC dc, const Chart& chart, const RECT& client) {
  const SwitchRecordReport& report = *chart.report;
  SelectObject(dc, chart.font);
  SelectObject(dc, GetStockObject(DC_PEN));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int lineHeight = metrics.tmHeight;

  // The key: what each mark means.
  int x = client.left;
  const int keyBottom = client.top + lineHeight;
  const int box = lineHeight * 2 / 3;
  for (const auto& [color, name] :
       {std::pair{kMedian, sorvane::Text(TextId::RecordChartMedian)}, std::pair{kNinetieth, "90%"},
        std::pair{kIgnored, sorvane::Text(TextId::RecordChartIgnored)}}) {
    Fill(dc, {x, keyBottom - lineHeight / 2 - box / 2, x + box, keyBottom - lineHeight / 2 + box / 2}, color);
    x += box + chart.Scaled(4);
    Text(dc, name, {x, client.top, client.right, keyBottom}, DT_LEFT | DT_VCENTER);
    x += MeasureText(dc, Wide(name)).width + chart.Scaled(12);
  }
  const int topSeconds = TopSeconds(report);
  const int plotsTop = keyBottom + chart.Scaled(6);
  const int middle = plotsTop + (client.bottom - plotsTop) / 2;
  Plot(dc, chart, report.daysTitle, report.days, 5, true, topSeconds, {client.left, plotsTop, client.right, middle},
       lineHeight);
  Plot(dc, chart, report.hoursTitle, report.hours, 3, false, topSeconds,
       {client.left, middle + chart.Scaled(4), client.right, client.bottom}, lineHeight);
}

LRESULT CALLBACK ChartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* chart = reinterpret_cast<Chart*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      RECT client{};
      GetClientRect(window, &client);
      if (chart != nullptr) Paint(dc, *chart, client);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_NCDESTROY:
      delete chart;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND MakeRecordChart(HWND parent, const SwitchRecordReport& report, HFONT font, int dpi, int x, int y, int width,
                     int height) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = &ChartProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kClass;
  RegisterClassExW(&windowClass);  // fails harmlessly once the class is there
  // Its name is what a screen reader says of it; the figures are in the text beside.
  HWND window = CreateWindowExW(0, kClass, Wide(sorvane::Text(TextId::RecordChartHeading)).c_str(),
                                WS_CHILD | WS_VISIBLE, x, y, width, height, parent, nullptr, instance, nullptr);
  if (window == nullptr) return nullptr;
  auto* chart = new Chart{&report, font, dpi};
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(chart));
  return window;
}

}  // namespace sorvane::win32
