// One line of the switch record, Sorvane-record.csv: what became of one
// press of a switch. The file is UTF-8 with a byte-order mark, so that any
// program that reads CSV, Japanese spreadsheets included, shows its Japanese
// as it is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sorvane {

enum class PressVerdict {
  kAccepted,
  kShorterThanAcceptance,  // ignored: released before the acceptance time
  kWithinIgnoreTime,       // ignored: began within the ignore time of a release
  kDuringDialog,           // ignored: a dialog held the panel
  kWhileResting,           // ignored: it woke the resting scan
  kStuck,                  // held so long the switch was taken as stuck, and let go
};

struct RecordedPress {
  std::int64_t localTime = 0;  // local wall-clock milliseconds since 1970-01-01
  int switchNumber = 1;
  std::int64_t downMilliseconds = 0;
  PressVerdict verdict = PressVerdict::kAccepted;
  int litPosition = -1;             // 0 the switch-over marker, 1..8 a button, -1 nothing lit
  std::int64_t litMilliseconds = -1;  // how long it had been lit; -1 nothing lit
  int buttonSent = 0;               // JoyToKey's button 1-8 or 11-18, 0 none
  bool practice = false;
};

// UTF-8's byte-order mark, which tells a spreadsheet that the file is UTF-8.
extern const char* const kRecordByteOrderMark;
// The first line of a new file: the byte-order mark and the header, with its line end.
extern const char* const kRecordHeader;

// The line for one press, UTF-8, with its line end.
std::string RecordLine(const RecordedPress& press);
// A line as RecordLine wrote it (without its line end); nothing for any other.
std::optional<RecordedPress> ParseRecordLine(std::string_view line);

// "2026-01-05 09:30:12.345" for local milliseconds since 1970-01-01, and back.
std::string FormatLocalTime(std::int64_t localMilliseconds);
std::optional<std::int64_t> ParseLocalTime(std::string_view text);

}  // namespace sorvane
