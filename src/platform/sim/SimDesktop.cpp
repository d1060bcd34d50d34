#include "platform/sim/SimDesktop.h"

#ifdef _WIN32
// Cross-built, the simulation runs on Windows (or Wine), which has no iconv:
// the system's own code page 932 converts instead.
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <algorithm>
#include <cctype>
#include <cstring>

namespace sorvane::sim {

SimDesktop::SimDesktop()
    : platform_{*this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this} {}

void SimDesktop::RunFor(std::int64_t milliseconds, const std::function<bool()>& stop) {
  const std::int64_t end = now + milliseconds;
  for (;;) {
    if (stop && stop()) return;
    auto next = std::min_element(scheduled.begin(), scheduled.end(),
                                 [](const Scheduled& a, const Scheduled& b) {
                                   return a.due != b.due ? a.due < b.due : a.order < b.order;
                                 });
    const bool timerDue = next != scheduled.end() && next->due <= end;
    if (speechEndsAt_ >= 0 && speechEndsAt_ <= end && (!timerDue || speechEndsAt_ <= next->due)) {
      // The voice's end is told between handlers, as a timer fires.
      DeliverLetters(speechEndsAt_);
      now = std::max(now, speechEndsAt_);
      speechEndsAt_ = -1;
      if (onSpeechEnded) onSpeechEnded();
      continue;
    }
    if (work_ && workDue_ <= end && (!timerDue || workDue_ <= next->due)) {
      DeliverLetters(workDue_);
      now = std::max(now, workDue_);
      Finish();
      continue;
    }
    if (!timerDue) break;
    DeliverLetters(next->due);
    Timer* timer = next->timer;
    now = std::max(now, next->due);
    next->due = now + timer->Interval();
    next->order = nextOrder_++;
    timer->Fire();
  }
  DeliverLetters(end);
  now = std::max(now, end);
}

bool SimDesktop::Begin(std::function<void()> work) {
  if (work_) return false;
  ++worksBegun;
  work_ = std::move(work);
  workDue_ = now + workMilliseconds;
  return true;
}

void SimDesktop::Finish() {
  if (!work_) return;
  const std::function<void()> work = std::move(work_);
  work_ = nullptr;
  work();
}

void SimDesktop::TimerChanged(Timer& timer) {
  TimerGone(timer);
  if (timer.Running()) scheduled.push_back({&timer, now + timer.Interval(), nextOrder_++});
}

void SimDesktop::TimerGone(Timer& timer) {
  scheduled.erase(std::remove_if(scheduled.begin(), scheduled.end(),
                                 [&](const Scheduled& s) { return s.timer == &timer; }),
                  scheduled.end());
}

bool SimDesktop::VoiceAvailable() {
  if (!voiceMade_) {
    voiceMade_ = true;
    ++voiceCreations;
  }
  return voiceCreated && voiceSpeaks && !voiceRefused_;
}

bool SimDesktop::StartSpeaking(const std::string& text, int, int) {
  StopPrompt();
  if (!VoiceAvailable()) {
    voiceRefused_ = true;
    return false;
  }
  prompts.push_back({now, Prompt::Kind::kSpoken, text});
  speechEndsAt_ = now + speechMilliseconds;
  return true;
}

bool SimDesktop::StartPlaying(const FilePath& path) {
  StopPrompt();
  if (files.count(path) == 0 || std::find(unplayable.begin(), unplayable.end(), path) != unplayable.end()) {
    return false;
  }
  prompts.push_back({now, Prompt::Kind::kPlayed, WideText(path).ShiftJis()});
  return true;
}

void SimDesktop::StopPrompt() {
  // A purged utterance ends untold, as the panel asks the voice to forget it.
  speechEndsAt_ = -1;
  if (!prompts.empty() && prompts.back().kind != Prompt::Kind::kStopped) {
    prompts.push_back({now, Prompt::Kind::kStopped, {}});
  }
}

FrameInsets SimDesktop::PanelFrame(int dpi) {
  const auto scaled = [dpi](int pixels) { return (pixels * dpi + 48) / 96; };
  return {scaled(panelFrame.left), scaled(panelFrame.top), scaled(panelFrame.right), scaled(panelFrame.bottom)};
}

MonitorArea SimDesktop::Screen() const {
  const ScreenRect screen{0, 0, screenWidth, screenHeight};
  return MonitorArea{screen, screen, fullScreenClientHeight, 96, true};
}

MonitorArea SimDesktop::PrimaryMonitor() {
  for (const MonitorArea& monitor : monitors) {
    if (monitor.primary) return monitor;
  }
  return monitors.empty() ? Screen() : monitors.front();
}

MonitorArea SimDesktop::MonitorNearest(const ScreenRect& b) {
  if (monitors.empty()) return Screen();
  long long bestOverlap = 0;
  long long bestDistance = -1;
  MonitorArea best = PrimaryMonitor();
  for (const MonitorArea& monitor : monitors) {
    const ScreenRect& m = monitor.bounds;
    const long long w = std::min(b.right, m.right) - std::max(b.left, m.left);
    const long long h = std::min(b.bottom, m.bottom) - std::max(b.top, m.top);
    if (w > 0 && h > 0 && w * h > bestOverlap) {
      bestOverlap = w * h;
      best = monitor;
    }
  }
  if (bestOverlap > 0) return best;
  for (const MonitorArea& monitor : monitors) {
    const ScreenRect& m = monitor.bounds;
    const long long dx = std::max({0, m.left - b.right, b.left - m.right});
    const long long dy = std::max({0, m.top - b.bottom, b.top - m.bottom});
    if (bestDistance < 0 || dx * dx + dy * dy < bestDistance) {
      bestDistance = dx * dx + dy * dy;
      best = monitor;
    }
  }
  return best;
}

bool SimDesktop::OnAnyMonitor(ScreenPoint p) {
  const auto on = [p](const ScreenRect& m) { return p.x >= m.left && p.x < m.right && p.y >= m.top && p.y < m.bottom; };
  if (monitors.empty()) return on(Screen().bounds);
  for (const MonitorArea& monitor : monitors) {
    if (on(monitor.bounds)) return true;
  }
  return false;
}

WindowHandle SimDesktop::AddWindow(const std::string& title, const std::string& programFile) {
  const WindowHandle handle = 0x1000 + windows.size() * 4;
  PeerWindow window;
  window.handle = handle;
  window.title = title;
  window.programFile = programFile;
  windows.push_back(window);
  return handle;
}

bool SimDesktop::WindowBelongsToProgram(WindowHandle handle, const char* programFileName) {
  const std::string& program = Window(handle).programFile;
  const std::string wanted = programFileName;
  return program.size() == wanted.size() &&
         std::equal(program.begin(), program.end(), wanted.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

PeerWindow& SimDesktop::Window(WindowHandle handle) {
  for (PeerWindow& window : windows) {
    if (window.handle == handle) return window;
  }
  return windows.front();
}

void SimDesktop::EnumerateTopLevelWindows(WindowVisitor visit, void* context) {
  for (const PeerWindow& window : windows) {
    if (window.exists) visit(window.handle, context);
  }
}

int SimDesktop::GetWindowTitle(WindowHandle handle, char* buffer, int size) {
  if (size <= 0) return 0;
  const std::string& title = Window(handle).title;
  const int length = std::min(static_cast<int>(title.size()), size - 1);
  std::memcpy(buffer, title.data(), static_cast<std::size_t>(length));
  buffer[length] = '\0';
  return length;
}

bool SimDesktop::WindowExists(WindowHandle handle) {
  for (const PeerWindow& window : windows) {
    if (window.handle == handle) return window.exists;
  }
  return false;
}

void SimDesktop::Hand(const Letter& letter) {
  letters_.Push(letter);
  DeliverLetters(now);
}

PeerWindow* SimDesktop::ExistingWindow(WindowHandle handle) {
  PeerWindow* found = nullptr;
  for (PeerWindow& candidate : windows) {
    if (candidate.handle == handle && candidate.exists) found = &candidate;
  }
  return found;
}

void SimDesktop::DeliverLetters(std::int64_t until) {
  // The courier's thread: each letter in turn, as soon as its window is
  // free to take it; a stalled window holds up everything behind it.
  while (!letters_.Empty()) {
    const Letter& letter = letters_.Front();
    PeerWindow* window = ExistingWindow(letter.window);
    if (window == nullptr) {
      Write("JoyToKey に送れませんでした（メッセージ " + std::to_string(letter.message) + "、" +
            std::to_string(letter.lParam) + "、ウィンドウがありません）");
      letters_.Pop();
      continue;
    }
    const std::int64_t at = heldKeys_.EarliestLeaving(letter, std::max(now, letter.post ? now : window->stalledUntil));
    if (at > until) return;
    window->received.push_back(
        {at, letter.message, 0, letter.lParam, letter.post});
    heldKeys_.Left(letter, at);
    lastHandledAt_ = at;
    if (!letter.post && window->stallOn != 0 && letter.message == window->stallOn) {
      window->stallOn = 0;
      window->stalledUntil = at + window->stallMilliseconds;
      lastHandledAt_ = window->stalledUntil;
    }
    letters_.Pop();
  }
}

bool SimDesktop::WaitDelivered(int milliseconds) {
  const std::int64_t end = now + milliseconds;
  DeliverLetters(end);
  const bool delivered = letters_.Empty() && lastHandledAt_ <= end;
  now = delivered ? std::max(now, lastHandledAt_) : end;
  return delivered;
}

int SimDesktop::PostWaiting() {
  int posted = 0;
  for (; !letters_.Empty(); letters_.Pop()) {
    const Letter& letter = letters_.Front();
    PeerWindow* window = ExistingWindow(letter.window);
    if (window == nullptr) continue;
    // Behind whatever the window is still handling.
    window->received.push_back({std::max(now, window->stalledUntil), letter.message, 0, letter.lParam, true});
    ++posted;
  }
  return posted;
}

int SimDesktop::EndProgram() {
  const int lost = letters_.Size();
  while (!letters_.Empty()) letters_.Pop();
  return lost;
}

void SimDesktop::HoldSwitch(std::int64_t from, std::int64_t until) {
  auto previous = switchButtons;
  switchButtons = [previous, from, until](std::int64_t t) {
    return (t >= from && t < until) ? 1U : previous(t);
  };
}

void SimDesktop::HoldMouseButton(int button, std::int64_t from, std::int64_t until) {
  auto previous = mouseButtons;
  mouseButtons = [previous, button, from, until](std::int64_t t) {
    return previous(t) | ((t >= from && t < until) ? 1U << button : 0U);
  };
}

void SimDesktop::TakeReadings(ReadingVisitor visit, void* context) {
  ++polls;
  JoystickReading reading;
  reading.time = now;
  reading.answered = !pollFails;
  reading.buttons = pollFails ? 0U : switchButtons(now);
  if (switchKey != 0 && keyDown(now)) {
    reading.buttons |= 1U;
    reading.answered = true;
  }
  if (secondSwitchKey != 0 && secondKeyDown(now)) {
    reading.buttons |= 2U;
    reading.answered = true;
  }
  const std::uint32_t mouse = mouseButtons(now);
  if (switchMouseButton != 0 && (mouse & 1U << switchMouseButton) != 0) {
    reading.buttons |= 1U;
    reading.answered = true;
  }
  if (secondSwitchMouseButton != 0 && (mouse & 1U << secondSwitchMouseButton) != 0) {
    reading.buttons |= 2U;
    reading.answered = true;
  }
  visit(reading, context);
}

void SimDesktop::PlaySync(const FilePath&) {
  soundsPlayed.push_back(now);
  now += soundLengthMilliseconds;
}

void SimDesktop::Open(WindowHandle, const std::string& verb, const std::u16string& file,
                      const std::u16string& parameters, int showCommand) {
  shellCalls.push_back({verb, WideText(file).ShiftJis(), WideText(parameters).ShiftJis(), u"", showCommand, false});
}

bool SimDesktop::Launch(const std::string& verb, const std::string& file,
                        const std::string& parameters, const std::u16string& folder, int showCommand) {
  shellCalls.push_back({verb, file, parameters, folder, showCommand, true});
  return onLaunch(shellCalls.back());
}

FileRead SimDesktop::ReadWholeFile(const FilePath& linkOrPath) {
  const auto link = links.find(linkOrPath);
  const WideText path = link == links.end() ? WideText(linkOrPath) : link->second;
  if (std::find(madeFolders.begin(), madeFolders.end(), WideText(path.utf16 + u"\\")) != madeFolders.end()) {
    return {FileRead::Status::kUnreadable, {}, FileRead::Reason::kFolder};
  }
  const auto found = files.find(path);
  if (found == files.end()) return {FileRead::Status::kMissing, {}};
  const auto locked = lockedUntil.find(path);
  if (locked != lockedUntil.end() && now < locked->second) {
    return {FileRead::Status::kUnreadable, {}, FileRead::Reason::kInUse};
  }
  return {FileRead::Status::kRead, found->second};
}

FileWrite SimDesktop::ReplaceWholeFile(const FilePath& linkOrPath, const std::string& contents) {
  ++replaceCalls;
  const auto link = links.find(linkOrPath);
  const WideText path = link == links.end() ? WideText(linkOrPath) : link->second;
  const FileWrite refused = WriteRefused(path);
  if (refused != FileWrite::kWritten) return refused;
  files[path] = contents;
  return FileWrite::kWritten;
}

FileSystem::Appended SimDesktop::AppendToFile(const FilePath& path, const std::string& firstLine,
                                             const std::string& text) {
  ++appendCalls;
  const FileWrite refused = WriteRefused(path);
  if (refused != FileWrite::kWritten) return {refused, 0};
  std::string& contents = files[path];
  if (contents.empty()) contents = firstLine;
  contents += text;
  return {FileWrite::kWritten, static_cast<std::int64_t>(contents.size())};
}

FileWrite SimDesktop::WriteRefused(const WideText& path) {
  if (std::find(madeFolders.begin(), madeFolders.end(), WideText(path.utf16 + u"\\")) != madeFolders.end()) {
    return FileWrite::kIsFolder;
  }
  if (std::find(readOnly.begin(), readOnly.end(), path) != readOnly.end()) return FileWrite::kReadOnly;
  if (!FolderWritable(path.Path().Folder())) return FileWrite::kFolderRefused;
  if (std::find(unwritable.begin(), unwritable.end(), path) != unwritable.end()) return FileWrite::kFailed;
  const auto locked = lockedUntil.find(path);
  if (locked != lockedUntil.end() && now < locked->second) return FileWrite::kInUse;
  return FileWrite::kWritten;
}

bool SimDesktop::RemoveFile(const FilePath& path) {
  if (!FolderWritable(path.Folder())) return false;
  files.erase(path);
  return true;
}

bool SimDesktop::FolderWritable(const FilePath& folder) {
  return std::find(unwritableFolders.begin(), unwritableFolders.end(), folder) == unwritableFolders.end();
}

bool SimDesktop::MakeFolder(const FilePath& folder) {
  if (std::find(madeFolders.begin(), madeFolders.end(), folder) == madeFolders.end()) madeFolders.push_back(folder);
  // The folder made is listed in its parent; a drive's root is left as the test set it.
  const std::u16string* wide = &folder.Utf16();
  if (wide->size() < 2) return true;
  const std::size_t slash = wide->find_last_of(u'\\', wide->size() - 2);
  if (slash == std::u16string::npos || slash < 3) return true;
  const std::u16string parent = wide->substr(0, slash + 1);
  const std::u16string name = wide->substr(slash + 1, wide->size() - slash - 2);
  std::vector<SimEntry>& entries = folders[parent];
  if (std::none_of(entries.begin(), entries.end(), [&](const SimEntry& e) { return e.name == name; })) {
    AddFolder(parent, name);
  }
  return true;
}

void SimDesktop::AddFile(const std::u16string& folder, const std::u16string& name) {
  folders[folder].push_back({name, 0x20});
}

void SimDesktop::AddFolder(const std::u16string& parent, const std::u16string& name,
                           std::uint32_t attributes) {
  folders[parent].push_back({name, attributes});
  folders.emplace(parent + name + u"\\", std::vector<SimEntry>{});
}

bool SimDesktop::ListFolder(const std::u16string& pattern, EntryVisitor visit, void* context) {
  const std::size_t slash = pattern.find_last_of(u'\\');
  const std::u16string folder = pattern.substr(0, slash + 1);
  ++listings[folder];
  const auto found = folders.find(folder);
  // Whole files made by the program are listed in their folder too.
  std::vector<SimEntry> madeFiles;
  for (auto file = files.lower_bound(folder); file != files.end() && file->first.utf16.rfind(folder, 0) == 0; ++file) {
    const std::u16string name = file->first.utf16.substr(folder.size());
    if (name.find(u'\\') != std::u16string::npos) continue;
    const auto sameName = [&](const SimEntry& entry) { return entry.name == name; };
    const bool listed = found != folders.end() && std::any_of(found->second.begin(), found->second.end(), sameName);
    if (!listed) madeFiles.push_back({name, 0x20});
  }
  if (found == folders.end() && madeFiles.empty()) return false;
  const bool isRoot = folder.size() == 3;
  std::vector<SimEntry> entries;
  if (!isRoot) entries = {{u".", kDirectoryAttribute}, {u"..", kDirectoryAttribute}};
  if (found != folders.end()) entries.insert(entries.end(), found->second.begin(), found->second.end());
  entries.insert(entries.end(), madeFiles.begin(), madeFiles.end());
  for (const SimEntry& entry : entries) {
    const FolderEntry visited{entry.name, entry.attributes};
    if (!visit(visited, context)) break;
  }
  return true;
}

void SimDesktop::Sleep(int milliseconds) {
  now += milliseconds;
  sleptMilliseconds += milliseconds;
  if (onSleep) onSleep();
}

int SimDesktop::ShowMessage(WindowHandle owner, const MessageText& text, const std::string& caption,
                            unsigned flags) {
  messages.push_back({now, owner, text.Readable(*this), caption, flags, 0, 0, false, text.Utf16(*this).value_or(u"?")});
  const std::size_t shown = messages.size() - 1;
  if (onMessageBox) onMessageBox(messages.back());
  int answer = 1;
  if (!messageAnswers.empty()) {
    answer = messageAnswers.front();
    messageAnswers.pop_front();
  }
  if (boxAnswerer_ != nullptr) boxAnswerer_->BoxOpened(flags);
  bool bySwitch = false;
  if (answer == kLeftToTheSwitch) {
    // The box's own timer: the panel's timers wait behind it, JoyToKey's letters do not.
    answer = 0;
    for (const std::int64_t openedAt = now; now - openedAt < longestBox;) {
      now += BoxAnswerer::kBoxPollInterval;
      DeliverLetters(now);
      if (boxAnswerer_ != nullptr && boxAnswerer_->Poll() != BoxAnswerer::Answer::kNotYet) {
        answer = DefaultButtonOf(flags);
        bySwitch = true;
        break;
      }
    }
  }
  if (boxAnswerer_ != nullptr) boxAnswerer_->BoxClosed();
  messages[shown].answer = answer;
  messages[shown].closedAt = now;
  messages[shown].bySwitch = bySwitch;
  return answer;
}

std::optional<ColorValue> SimDesktop::ChooseColor(WindowHandle, ColorValue initial) {
  colorDialogInitial.push_back(initial);
  if (colorAnswers.empty()) return std::nullopt;
  const auto answer = colorAnswers.front();
  colorAnswers.pop_front();
  return answer;
}

bool SimDesktop::ChooseFont(WindowHandle, FontChoice& font) {
  fontDialogInitial.push_back(font);
  if (fontAnswers.empty()) return false;
  const auto answer = fontAnswers.front();
  fontAnswers.pop_front();
  if (!answer) return false;
  font = *answer;
  return true;
}

bool SimDesktop::EditSwitchOptions(WindowHandle, SwitchOptionTexts& texts) {
  switchDialogInitial.push_back(texts);
  if (switchAnswers.empty()) return false;
  const auto answer = switchAnswers.front();
  switchAnswers.pop_front();
  if (!answer) return false;
  texts = *answer;
  return true;
}

bool SimDesktop::AskProfileName(WindowHandle, std::u16string& name, const std::string& problem) {
  profileNameProblems.push_back(problem);
  if (profileNameAnswers.empty()) return false;
  const auto answer = profileNameAnswers.front();
  profileNameAnswers.pop_front();
  if (!answer) return false;
  name = *answer;
  return true;
}

std::vector<std::u16string> SimDesktop::Arguments() {
  std::vector<std::u16string> arguments;
  if (!firstArgument.empty()) arguments.push_back(Utf16FromShiftJis(firstArgument).value_or(std::u16string()));
  arguments.insert(arguments.end(), moreArguments.begin(), moreArguments.end());
  return arguments;
}

bool SimDesktop::ShowSwitchRecord(WindowHandle, const SwitchRecordReport& report) {
  recordReports.push_back(report);
  if (whileRecordShown) whileRecordShown();
  if (recordAnswers.empty()) return false;
  const bool apply = recordAnswers.front();
  recordAnswers.pop_front();
  return apply;
}

bool SimDesktop::CreateInstanceMutex(const std::string& name) {
  const bool existed = std::find(mutexes.begin(), mutexes.end(), name) != mutexes.end();
  mutexes.push_back(name);
  return existed;
}

void SimDesktop::CloseInstanceMutex() {
  if (!mutexes.empty()) mutexes.pop_back();
}

namespace {

#ifdef _WIN32
constexpr UINT kShiftJis = 932;
#else
// iconv with exact conversion: a character without a form is a failure.
template <typename Out>
std::optional<Out> Convert(const char* to, const char* from, const char* data, std::size_t size) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(size * 4 + 8, '\0');
  char* in = const_cast<char*>(data);
  std::size_t inLeft = size;
  char* put = out.data();
  std::size_t outLeft = out.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &put, &outLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1) || result != 0 || inLeft != 0) return std::nullopt;
  out.resize(out.size() - outLeft);
  Out converted(out.size() / sizeof(typename Out::value_type), typename Out::value_type{});
  std::memcpy(converted.data(), out.data(), converted.size() * sizeof(typename Out::value_type));
  return converted;
}

#endif

}  // namespace

namespace {

std::optional<std::u16string> Utf16Exactly(std::string_view text) {
  if (text.empty()) return std::u16string();
#ifdef _WIN32
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
  return std::u16string(wide.begin(), wide.end());
#else
  return Convert<std::u16string>("UTF-16LE", "CP932", text.data(), text.size());
#endif
}

std::optional<std::string> ShiftJisExactly(std::u16string_view text) {
  if (text.empty()) return std::string();
#ifdef _WIN32
  const std::wstring wide(text.begin(), text.end());
  const int size = static_cast<int>(wide.size());
  BOOL defaulted = FALSE;
  const int length = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr,
                                         &defaulted);
  if (length <= 0 || defaulted) return std::nullopt;
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
#else
  return Convert<std::string>("CP932", "UTF-16LE", reinterpret_cast<const char*>(text.data()),
                              text.size() * 2);
#endif
}

struct ExactCodec : TextCodec {
  std::optional<std::u16string> Utf16FromShiftJis(std::string_view text) override { return Utf16Exactly(text); }
  std::optional<std::string> ShiftJisFromUtf16(std::u16string_view text) override { return ShiftJisExactly(text); }
};

}  // namespace

std::optional<std::u16string> SimDesktop::Utf16FromShiftJis(std::string_view text) { return Utf16Exactly(text); }
std::optional<std::string> SimDesktop::ShiftJisFromUtf16(std::u16string_view text) { return ShiftJisExactly(text); }

WideText::WideText(const std::string& cp932) : utf16(Utf16Exactly(cp932).value_or(u"?")) {}

std::string WideText::ShiftJis() const {
  ExactCodec codec;
  return ReadableText(utf16, codec);
}

std::optional<std::u16string> SimDesktop::ReadRunValue(const std::string& name) {
  const auto found = runValues.find(name);
  if (found == runValues.end()) return std::nullopt;
  return found->second.utf16;
}

bool SimDesktop::WriteRunValue(const std::string& name, const std::u16string& command) {
  if (!runKeyWritable) return false;
  runValues[name] = command;
  return true;
}

bool SimDesktop::RemoveRunValue(const std::string& name) {
  if (!runKeyWritable) return false;
  runValues.erase(name);
  return true;
}

std::vector<std::pair<std::uint32_t, std::int32_t>> MessagesOf(const PeerWindow& window) {
  std::vector<std::pair<std::uint32_t, std::int32_t>> result;
  for (const ReceivedMessage& m : window.received) result.emplace_back(m.message, m.lParam);
  return result;
}

}  // namespace sorvane::sim
