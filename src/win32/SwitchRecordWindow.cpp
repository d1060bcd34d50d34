#include "win32/SwitchRecordWindow.h"

#include <algorithm>
#include <string>

#include "forms/SwitchRecordView.h"
#include "win32/ModalWindow.h"
#include "win32/RecordChartWindow.h"
#include "text/Texts.h"
#include "win32/Text.h"

namespace sorvane::win32 {

namespace {

constexpr wchar_t kClass[] = L"SorvaneSwitchRecord";
constexpr int kApplyButton = 101;
// Designed at 96 dots per inch: the figures on the left, the chart on the
// right, its figures in words below both.
constexpr int kFiguresWidth = 560;
constexpr int kChartWidth = 420;
constexpr int kChartHeight = 380;
constexpr int kChartTextHeight = 80;
constexpr int kWidth = kFiguresWidth + kChartWidth;
constexpr int kMargin = 12;
constexpr int kLabelWidth = 240;
constexpr int kValueWidth = 140;
constexpr int kRowHeight = 22;
constexpr int kSuggestionHeight = 36;  // room for a reason that wraps once
constexpr int kNoticeHeight = 54;      // a line, and a long path that wraps once
constexpr int kButtonWidth = 130;
constexpr int kButtonHeight = 28;

struct WindowState {
  bool done = false;
  bool apply = false;
};

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<WindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_COMMAND:
      if (state == nullptr) break;
      if (LOWORD(wParam) == kApplyButton) {
        state->apply = true;
        state->done = true;
        return 0;
      }
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
        state->done = true;
        return 0;
      }
      break;
    case WM_CLOSE:
      if (state != nullptr) state->done = true;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool RunSwitchRecordWindow(HWND owner, const SwitchRecordReport& report) {
  const int tableTop = kMargin + (report.notice.empty() ? 0 : kNoticeHeight + kMargin);
  const int tableBottom = tableTop + kRowHeight * (static_cast<int>(report.rows.size()) + 1);
  const int suggestionsTop = tableBottom + kMargin + kRowHeight;
  const int figuresBottom = suggestionsTop + kSuggestionHeight * static_cast<int>(report.suggestions.size());
  const bool charted = !report.days.empty();
  const int chartTextTop = std::max(figuresBottom, kMargin + kChartHeight) + kMargin;
  const int buttonsTop = charted ? chartTextTop + kRowHeight + kChartTextHeight + kMargin : figuresBottom + kMargin;
  const int height = buttonsTop + kButtonHeight + kMargin;
  const int width = charted ? kWidth : kFiguresWidth;

  WindowState state;
  ModalWindow window(kClass, &WindowProc, Text(TextId::RecordTitle), width, height, owner, &state, report.scale);
  if (window.handle() == nullptr) return false;
  const HFONT font = window.font();
  const HFONT bold = window.BoldFont();
  const auto AddControl = [&window](const wchar_t* kind, const std::string& text, DWORD style, int id, int x,
                                    int y, int width, int height, HFONT shownIn) {
    return window.Add(kind, Wide(text), style, 0, id, x, y, width, height, shownIn);
  };

  if (!report.notice.empty()) {
    AddControl(L"STATIC", report.notice, SS_LEFT, -1, kMargin, kMargin, kFiguresWidth - 2 * kMargin, kNoticeHeight,
               bold);
  }
  const int valuesLeft = kMargin + kLabelWidth;
  for (std::size_t column = 0; column < report.columns.size(); ++column) {
    AddControl(L"STATIC", report.columns[column], SS_RIGHT, -1,
               valuesLeft + kValueWidth * static_cast<int>(column), tableTop, kValueWidth - 8, kRowHeight,
               bold);
  }
  for (std::size_t row = 0; row < report.rows.size(); ++row) {
    const int top = tableTop + kRowHeight * (static_cast<int>(row) + 1);
    AddControl(L"STATIC", report.rows[row].label, SS_LEFT, -1, kMargin, top, kLabelWidth, kRowHeight,
               font);
    for (std::size_t column = 0; column < report.rows[row].values.size(); ++column) {
      AddControl(L"STATIC", report.rows[row].values[column], SS_RIGHT, -1,
                 valuesLeft + kValueWidth * static_cast<int>(column), top, kValueWidth - 8, kRowHeight, font);
    }
  }
  AddControl(L"STATIC", Text(TextId::RecordSuggestions), SS_LEFT, -1, kMargin, tableBottom + kMargin, kFiguresWidth - 2 * kMargin,
             kRowHeight, bold);
  for (std::size_t line = 0; line < report.suggestions.size(); ++line) {
    AddControl(L"STATIC", report.suggestions[line], SS_LEFT, -1, kMargin,
               suggestionsTop + kSuggestionHeight * static_cast<int>(line), kFiguresWidth - 2 * kMargin,
               kSuggestionHeight, font);
  }
  if (charted) {
    MakeRecordChart(window.handle(), report, font, window.dpi(), window.Scaled(kFiguresWidth),
                    window.Scaled(kMargin), window.Scaled(kChartWidth - kMargin), window.Scaled(kChartHeight));
    // The chart's figures as text, for a screen reader and for whoever wants the numbers.
    AddControl(L"STATIC", Text(TextId::RecordChartFigures), SS_LEFT, -1, kMargin, chartTextTop, kWidth - 2 * kMargin, kRowHeight, bold);
    AddControl(L"EDIT", report.chartText, ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, -1,
               kMargin, chartTextTop + kRowHeight, kWidth - 2 * kMargin, kChartTextHeight, font);
  }
  // Closing is the default: nothing changes unless the carer asks for it.
  HWND apply = AddControl(L"BUTTON", Text(TextId::RecordApply), WS_TABSTOP | BS_PUSHBUTTON, kApplyButton,
                          width - kMargin - 2 * kButtonWidth - 10, buttonsTop, kButtonWidth, kButtonHeight,
                          font);
  EnableWindow(apply, report.canApply ? TRUE : FALSE);
  HWND close = AddControl(L"BUTTON", Text(TextId::RecordClose), WS_TABSTOP | BS_DEFPUSHBUTTON, IDCANCEL,
                          width - kMargin - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight, font);

  window.Run(close, state.done);
  return state.apply;
}

}  // namespace sorvane::win32
