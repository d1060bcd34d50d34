#include "record/RecordLine.h"

#include <array>
#include <cstdio>

namespace sorvane {

// The record is UTF-8 whatever the panel's own texts are: these stay UTF-8.
const char* const kRecordByteOrderMark = u8"\uFEFF";
const char* const kRecordHeader =
    u8"\uFEFF日時,スイッチ,押していた時間(ms),判定,理由,点灯位置,点灯していた時間(ms),送ったボタン,モード\r\n";

namespace {

constexpr const char* kAccepted = u8"受付";
constexpr const char* kIgnored = u8"無視";
constexpr const char* kSwitchOver = u8"切替";
constexpr const char* kPractice = u8"練習";
constexpr const char* kNormal = u8"通常";

struct ReasonText {
  PressVerdict verdict;
  const char* text;
};
constexpr ReasonText kReasons[] = {
    {PressVerdict::kAccepted, ""},
    {PressVerdict::kShorterThanAcceptance, u8"受付時間より短い"},
    {PressVerdict::kWithinIgnoreTime, u8"無視時間内"},
    {PressVerdict::kDuringDialog, u8"ダイアログ中"},
    {PressVerdict::kWhileResting, u8"休止中"},
    {PressVerdict::kStuck, u8"押されたまま"},
};

constexpr std::int64_t kMillisecondsPerDay = 86400000;

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar, and back.
std::int64_t DaysFromDate(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

void DateFromDays(std::int64_t days, std::int64_t& year, unsigned& month, unsigned& day) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
  const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
  day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
}

// The fields of a line, split at commas (no field of ours holds one).
constexpr int kFieldCount = 9;
bool SplitFields(std::string_view line, std::array<std::string_view, kFieldCount>& fields) {
  int count = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = line.find(',', start);
    if (count == kFieldCount) return false;
    fields[static_cast<std::size_t>(count++)] = line.substr(start, comma == std::string_view::npos ? comma : comma - start);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return count == kFieldCount;
}

// A whole number of up to 15 digits; nothing for anything else.
std::optional<std::int64_t> WholeNumber(std::string_view text) {
  if (text.empty() || text.size() > 15) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::string FormatLocalTime(std::int64_t localMilliseconds) {
  const std::int64_t days =
      (localMilliseconds >= 0 ? localMilliseconds : localMilliseconds - (kMillisecondsPerDay - 1)) /
      kMillisecondsPerDay;
  const std::int64_t ofDay = localMilliseconds - days * kMillisecondsPerDay;
  std::int64_t year = 0;
  unsigned month = 0;
  unsigned day = 0;
  DateFromDays(days, year, month, day);
  char text[96];
  std::snprintf(text, sizeof text, "%04lld-%02u-%02u %02lld:%02lld:%02lld.%03lld", static_cast<long long>(year),
                month, day, static_cast<long long>(ofDay / 3600000), static_cast<long long>(ofDay / 60000 % 60),
                static_cast<long long>(ofDay / 1000 % 60), static_cast<long long>(ofDay % 1000));
  return text;
}

std::optional<std::int64_t> ParseLocalTime(std::string_view text) {
  // yyyy-mm-dd hh:mm:ss.mmm
  if (text.size() != 23 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' ||
      text[16] != ':' || text[19] != '.') {
    return std::nullopt;
  }
  const auto year = WholeNumber(text.substr(0, 4));
  const auto month = WholeNumber(text.substr(5, 2));
  const auto day = WholeNumber(text.substr(8, 2));
  const auto hour = WholeNumber(text.substr(11, 2));
  const auto minute = WholeNumber(text.substr(14, 2));
  const auto second = WholeNumber(text.substr(17, 2));
  const auto millisecond = WholeNumber(text.substr(20, 3));
  if (!year || !month || !day || !hour || !minute || !second || !millisecond) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > 31 || *hour > 23 || *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  const std::int64_t days = DaysFromDate(*year, static_cast<unsigned>(*month), static_cast<unsigned>(*day));
  return days * kMillisecondsPerDay + *hour * 3600000 + *minute * 60000 + *second * 1000 + *millisecond;
}

std::string RecordLine(const RecordedPress& press) {
  std::string line = FormatLocalTime(press.localTime);
  line += ',' + std::to_string(press.switchNumber);
  line += ',' + std::to_string(press.downMilliseconds < 0 ? 0 : press.downMilliseconds);
  line += ',';
  line += press.verdict == PressVerdict::kAccepted ? kAccepted : kIgnored;
  line += ',';
  for (const ReasonText& reason : kReasons) {
    if (reason.verdict == press.verdict) line += reason.text;
  }
  line += ',';
  if (press.litPosition == 0) {
    line += kSwitchOver;
  } else if (press.litPosition >= 1) {
    line += std::to_string(press.litPosition);
  }
  line += ',';
  if (press.litPosition >= 0 && press.litMilliseconds >= 0) line += std::to_string(press.litMilliseconds);
  line += ',';
  if (press.buttonSent != 0) line += std::to_string(press.buttonSent);
  line += ',';
  line += press.practice ? kPractice : kNormal;
  line += "\r\n";
  return line;
}

std::optional<RecordedPress> ParseRecordLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::array<std::string_view, kFieldCount> field;
  if (!SplitFields(line, field)) return std::nullopt;
  RecordedPress press;
  const auto time = ParseLocalTime(field[0]);
  const auto switchNumber = WholeNumber(field[1]);
  const auto down = WholeNumber(field[2]);
  if (!time || !switchNumber || !down) return std::nullopt;
  press.localTime = *time;
  press.switchNumber = static_cast<int>(*switchNumber);
  press.downMilliseconds = *down;
  bool verdictKnown = false;
  for (const ReasonText& reason : kReasons) {
    if (field[4] == reason.text) {
      press.verdict = reason.verdict;
      verdictKnown = true;
    }
  }
  const bool acceptedText = field[3] == kAccepted;
  if (!verdictKnown || acceptedText != (press.verdict == PressVerdict::kAccepted)) return std::nullopt;
  if (field[5] == kSwitchOver) {
    press.litPosition = 0;
  } else if (const auto position = WholeNumber(field[5])) {
    press.litPosition = static_cast<int>(*position);
  }
  if (const auto lit = WholeNumber(field[6])) press.litMilliseconds = *lit;
  if (const auto button = WholeNumber(field[7])) press.buttonSent = static_cast<int>(*button);
  press.practice = field[8] == kPractice;
  return press;
}

}  // namespace sorvane
