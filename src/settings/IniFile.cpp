#include "settings/IniFile.h"

#include "text/ShiftJis.h"

namespace sorvane {

namespace {

constexpr std::size_t npos = std::string::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The first "]" that is a character of its own, not the second byte of one.
std::size_t FindClosingBracket(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsShiftJisLeadByte(text[i])) {
      ++i;
    } else if (text[i] == ']') {
      return i;
    }
  }
  return npos;
}

std::string_view Trim(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

}  // namespace

bool IniFile::NamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (IsShiftJisLeadByte(a[i])) {
      if (a[i] != b[i]) return false;
      ++i;
      if (i < a.size() && a[i] != b[i]) return false;
      continue;
    }
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

std::string_view IniFile::Line::Name() const {
  std::string_view view = Trim(text);
  if (kind == LineKind::kSection) {
    view.remove_prefix(1);
    return Trim(view.substr(0, FindClosingBracket(view)));
  }
  return Trim(view.substr(0, view.find('=')));
}

std::string_view IniFile::Line::Value() const {
  const std::size_t equals = text.find('=');
  return equals == npos ? std::string_view() : Trim(std::string_view(text).substr(equals + 1));
}

IniFile::Line IniFile::Classify(std::string text, std::string end) {
  Line line{std::move(text), std::move(end), LineKind::kOther};
  const std::string_view trimmed = Trim(line.text);
  if (!trimmed.empty() && trimmed.front() == '[' && FindClosingBracket(trimmed) != npos) {
    line.kind = LineKind::kSection;
  } else if (trimmed.find('=') != npos) {
    line.kind = LineKind::kKey;
  }
  return line;
}

IniFile::IniFile(std::string_view contents) {
  std::size_t pos = 0;
  while (pos < contents.size()) {
    std::size_t stop = pos;
    while (stop < contents.size() && contents[stop] != '\r' && contents[stop] != '\n') ++stop;
    std::size_t next = stop;
    if (next < contents.size() && contents[next] == '\r') ++next;
    if (next < contents.size() && contents[next] == '\n') ++next;
    lines_.push_back(Classify(std::string(contents.substr(pos, stop - pos)),
                              std::string(contents.substr(stop, next - stop))));
    pos = next;
  }
}

std::size_t IniFile::FindSection(std::string_view section) const {
  section = Trim(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == LineKind::kSection && NamesEqual(lines_[i].Name(), section)) return i;
  }
  return npos;
}

std::size_t IniFile::SectionEnd(std::size_t sectionLine) const {
  std::size_t i = sectionLine + 1;
  while (i < lines_.size() && lines_[i].kind != LineKind::kSection) ++i;
  return i;
}

std::size_t IniFile::FindKey(std::size_t sectionLine, std::string_view key) const {
  key = Trim(key);
  const std::size_t end = SectionEnd(sectionLine);
  for (std::size_t i = sectionLine + 1; i < end; ++i) {
    if (lines_[i].kind == LineKind::kKey && NamesEqual(lines_[i].Name(), key)) return i;
  }
  return npos;
}

std::size_t IniFile::FindBareKey(std::size_t sectionLine, std::string_view key) const {
  key = Trim(key);
  const std::size_t end = SectionEnd(sectionLine);
  for (std::size_t i = sectionLine + 1; i < end; ++i) {
    if (lines_[i].kind == LineKind::kOther && !Trim(lines_[i].text).empty() &&
        NamesEqual(Trim(lines_[i].text), key)) {
      return i;
    }
  }
  return npos;
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
  const std::size_t sectionLine = FindSection(section);
  return sectionLine != npos && FindKey(sectionLine, key) != npos;
}

std::optional<std::string> IniFile::KeyLine(std::string_view section, std::string_view key) const {
  const std::size_t sectionLine = FindSection(section);
  const std::size_t keyLine = sectionLine == npos ? npos : FindKey(sectionLine, key);
  if (keyLine == npos) return std::nullopt;
  return lines_[keyLine].text;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const std::size_t sectionLine = FindSection(section);
  const std::size_t keyLine = sectionLine == npos ? npos : FindKey(sectionLine, key);
  std::string_view value = keyLine == npos ? fallback : lines_[keyLine].Value();
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, kMaxValueBytes));
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  std::string text;
  text.reserve(key.size() + 1 + value.size());
  text.append(key).append("=").append(value);

  const std::size_t sectionLine = FindSection(section);
  if (sectionLine == npos) {
    if (!lines_.empty() && lines_.back().end.empty()) lines_.back().end = "\r\n";
    lines_.push_back(Classify("[" + std::string(section) + "]", "\r\n"));
    lines_.push_back(Classify(std::move(text), "\r\n"));
    return;
  }
  std::size_t keyLine = FindKey(sectionLine, key);
  // A line holding just the key's name, without "=", is that key with no value.
  if (keyLine == npos) keyLine = FindBareKey(sectionLine, key);
  if (keyLine != npos) {
    // The key keeps the spelling it has in the file.
    Line& line = lines_[keyLine];
    const std::string name(line.kind == LineKind::kKey ? line.Name() : Trim(line.text));
    line.text = name + "=" + std::string(value);
    line.kind = LineKind::kKey;
    return;
  }
  // After the section's last line that is not blank.
  std::size_t insertAt = SectionEnd(sectionLine);
  while (insertAt > sectionLine + 1 && Trim(lines_[insertAt - 1].text).empty()) --insertAt;
  if (lines_[insertAt - 1].end.empty()) lines_[insertAt - 1].end = "\r\n";
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                Classify(std::move(text), "\r\n"));
}

std::string IniFile::Contents() const {
  std::size_t total = 0;
  for (const Line& line : lines_) total += line.text.size() + line.end.size();
  std::string contents;
  contents.reserve(total);
  for (const Line& line : lines_) contents.append(line.text).append(line.end);
  return contents;
}

}  // namespace sorvane
