#include "switch/SwitchOptions.h"

#include <cctype>

namespace sorvane {

std::int32_t HoldInRange(std::int32_t value, const OptionRange& range) {
  if (value < range.low) return range.low;
  if (value > range.high) return range.high;
  return value;
}

SwitchOptionTexts TextsOf(const SwitchOptions& options) {
  return {options.key,
          std::to_string(options.acceptTime),
          std::to_string(options.ignoreRepeatMilliseconds),
          std::to_string(options.firstPause),
          std::to_string(options.quietCyclesBeforeRest),
          options.key2,
          std::to_string(options.selectingPause),
          std::to_string(options.resumeHold),
          std::to_string(options.stuckAfterSeconds),
          options.mouseButton,
          options.mouseButton2};
}

namespace {

// Full-width digits (０ to ９, typed with the input method on) as ASCII.
std::string NarrowDigits(const std::string& text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) {
      result += static_cast<char>('0' + (trail - 0x4F));
      ++i;
    } else if (lead == 0x81 && trail == 0x40) {
      result += ' ';  // the full-width blank
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

// Digits only, blanks around them allowed; a value too long to be in range is
// out of range rather than wrapped.
std::optional<std::int64_t> WholeNumber(const std::string& typed) {
  const std::string text = NarrowDigits(typed);
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  if (begin == end || end - begin > 12) return std::nullopt;
  std::int64_t value = 0;
  for (std::size_t i = begin; i < end; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

bool Take(const std::string& text, const OptionRange& range, std::int32_t& into, std::string& problem) {
  const auto value = WholeNumber(text);
  if (!value || *value < range.low || *value > range.high) {
    problem = Text(TextId::OptionOutOfRange,
                   {Text(range.label), std::to_string(range.low), std::to_string(range.high)});
    return false;
  }
  into = static_cast<std::int32_t>(*value);
  return true;
}

}  // namespace

ParsedOptions ParseOptionTexts(const SwitchOptionTexts& texts) {
  ParsedOptions parsed;
  SwitchOptions options;
  options.key = HoldInRange(texts.key, kKeyRange);
  options.key2 = HoldInRange(texts.key2, kKey2Range);
  if (options.key2 != 0 && options.key2 == options.key) {
    // One key for both switches would move and select with the same press.
    parsed.problem = Text(TextId::OptionSameKeys, {Text(kKey2Range.label)});
    return parsed;
  }
  options.mouseButton = HoldInRange(texts.mouseButton, kMouseButtonRange);
  options.mouseButton2 = HoldInRange(texts.mouseButton2, kMouseButton2Range);
  if (options.mouseButton2 != 0 && options.mouseButton2 == options.mouseButton) {
    parsed.problem = Text(TextId::OptionSameMouseButtons, {Text(kMouseButton2Range.label)});
    return parsed;
  }
  if (Take(texts.acceptTime, kAcceptTimeRange, options.acceptTime, parsed.problem) &&
      Take(texts.ignoreRepeatMilliseconds, kIgnoreRepeatRange, options.ignoreRepeatMilliseconds,
           parsed.problem) &&
      Take(texts.firstPause, kFirstPauseRange, options.firstPause, parsed.problem) &&
      Take(texts.quietCyclesBeforeRest, kLoopsRange, options.quietCyclesBeforeRest, parsed.problem) &&
      Take(texts.selectingPause, kDwellTimeRange, options.selectingPause, parsed.problem) &&
      Take(texts.resumeHold, kResumeHoldRange, options.resumeHold, parsed.problem) &&
      Take(texts.stuckAfterSeconds, kStuckAfterRange, options.stuckAfterSeconds, parsed.problem)) {
    parsed.options = options;
  }
  return parsed;
}

}  // namespace sorvane
