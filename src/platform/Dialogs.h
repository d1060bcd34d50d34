// Message boxes and the system's colour and font choosers: blocking calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/MessageText.h"
#include "platform/Types.h"

namespace sorvane {

struct FontChoice {
  std::string name;  // code page 932
  int size = 0;      // points
  std::uint8_t style = 0;
  int pitch = 0;
  int charset = 0;
  ColorValue color = 0;
};

// The switch settings dialog's fields: the keys it took (virtual-key codes,
// 0 none) and the texts typed.
struct SwitchOptionTexts {
  std::int32_t key = 0;
  std::string acceptTime;
  std::string ignoreRepeatMilliseconds;
  std::string firstPause;
  std::string quietCyclesBeforeRest;
  std::int32_t key2 = 0;
  std::string selectingPause = "2000";
  std::string resumeHold = "2000";
  std::string stuckAfterSeconds = "0";
  std::int32_t mouseButton = 0;   // as in SwitchOptions
  std::int32_t mouseButton2 = 0;
};

// What the switch record window shows: a table of figures (a label and a
// value for each column), the suggestions with their reasons, one a line, and
// whether there is anything to apply.
struct SwitchRecordReport {
  std::vector<std::string> columns;  // the headings of the value columns
  struct Row {
    std::string label;
    std::vector<std::string> values;
  };
  std::vector<Row> rows;
  std::vector<std::string> suggestions;
  bool canApply = false;
  // Shown above the figures: that the record could not be read, and why.
  std::string notice;
  // The chart: a bar for each of the last days, and for each hour of the day.
  struct ChartBar {
    std::string label;                     // "3/2", "14"
    std::int64_t medianMilliseconds = -1;  // how long the position had been lit; -1 no press timed
    std::int64_t milliseconds90 = -1;      // the 90th percentile
    int presses = 0;
    int ignoredPercent = -1;  // of the presses; -1 none
  };
  std::vector<ChartBar> days;
  std::vector<ChartBar> hours;
  std::string daysTitle;
  std::string hoursTitle;
  // The chart's figures in words, for whoever does not see it.
  std::string chartText;
  // The panel's own size (1 to 4): the window is drawn as large where it fits.
  int scale = 1;
};

// Message box styles and answers, as MessageBoxA takes and returns them.
constexpr unsigned kMessageBoxErrorOk = 0x10;             // MB_OK | MB_ICONERROR
constexpr unsigned kMessageBoxWarningOk = 0x30;           // MB_OK | MB_ICONWARNING
constexpr unsigned kMessageBoxInformationOk = 0x40;       // MB_OK | MB_ICONINFORMATION
constexpr unsigned kMessageBoxWarningRetryCancel = 0x35;  // MB_RETRYCANCEL | MB_ICONWARNING
constexpr unsigned kMessageBoxSecondIsDefault = 0x100;    // MB_DEFBUTTON2
constexpr int kMessageBoxOk = 1;                          // IDOK
constexpr int kMessageBoxCancel = 2;                      // IDCANCEL
constexpr int kMessageBoxRetry = 4;                       // IDRETRY

// The button a box of this style presses when Enter is pressed: its first,
// unless MB_DEFBUTTON2 or MB_DEFBUTTON3 names another.
inline int DefaultButtonOf(unsigned flags) {
  static constexpr int kButtons[][3] = {
      {1, 1, 1},  // MB_OK
      {1, 2, 2},  // MB_OKCANCEL
      {3, 4, 5},  // MB_ABORTRETRYIGNORE
      {6, 7, 2},  // MB_YESNOCANCEL
      {6, 7, 7},  // MB_YESNO
      {4, 2, 2},  // MB_RETRYCANCEL
      {2, 10, 11},  // MB_CANCELTRYCONTINUE
  };
  const unsigned type = flags & 0xFU;
  const unsigned which = (flags >> 8) & 0xFU;
  if (type > 6) return kMessageBoxOk;
  return kButtons[type][which < 3 ? which : 0];
}

// The user may be alone with the panel, so the switch answers its message
// boxes: while one is up, its own thread asks every kBoxPollInterval ms
// whether the switch has pressed its default button, or whether a box that
// only informs has been up long enough to close by itself.
class BoxAnswerer {
 public:
  static constexpr int kBoxPollInterval = 10;
  enum class Answer { kNotYet, kPressed, kTimedOut };
  virtual void BoxOpened(unsigned flags) = 0;
  virtual Answer Poll() = 0;
  virtual void BoxClosed() = 0;

 protected:
  ~BoxAnswerer() = default;
};

class Dialogs {
 public:
  // Who answers the message boxes for the switch; none: only a click or a key does.
  void AnswerBoxesWith(BoxAnswerer* answerer) { boxAnswerer_ = answerer; }
  BoxAnswerer* BoxesAnsweredBy() const { return boxAnswerer_; }

  // MessageBox(owner, text, caption, flags); returns the button pressed.
  virtual int ShowMessage(WindowHandle owner, const MessageText& text,
                          const std::string& caption, unsigned flags) = 0;
  // The colour chooser opened on initial; the chosen RGB colour, or nothing on cancel.
  virtual std::optional<ColorValue> ChooseColor(WindowHandle owner, ColorValue initial) = 0;
  // The font chooser opened on font; true and font updated on confirm.
  virtual bool ChooseFont(WindowHandle owner, FontChoice& font) = 0;
  // The switch settings dialog, modal, opened on texts; true and texts
  // updated on OK. The switch key does not act as the switch while it is open.
  virtual bool EditSwitchOptions(WindowHandle owner, SwitchOptionTexts& texts) = 0;
  // The switch record window, modal; true when the carer chose to apply the
  // suggestions ("この設定にする").
  virtual bool ShowSwitchRecord(WindowHandle owner, const SwitchRecordReport& report) = 0;
  // The small dialog that asks for a new profile's name, opened on name
  // (shown with problem above it when that is not empty); true and name
  // updated on OK.
  virtual bool AskProfileName(WindowHandle owner, std::u16string& name, const std::string& problem) = 0;

 protected:
  ~Dialogs() = default;
  BoxAnswerer* boxAnswerer_ = nullptr;
};

}  // namespace sorvane
