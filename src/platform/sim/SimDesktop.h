// A simulated desktop: a virtual clock that fires due timers one at a time,
// a scripted switch, peer windows that record what they receive, in-memory
// files and folders, and scripted dialog answers.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace sorvane::sim {

// Text the system holds in UTF-16 (paths, the Run key's commands), as tests
// write it: code page 932 text (converted as the system would), UTF-16, or a
// path the program made.
struct WideText {
  WideText() = default;
  WideText(const char* cp932) : WideText(std::string(cp932)) {}  // NOLINT
  WideText(const std::string& cp932);                              // NOLINT
  WideText(std::u16string text) : utf16(std::move(text)) {}      // NOLINT
  WideText(const char16_t* text) : utf16(text) {}                 // NOLINT
  WideText(const FilePath& path) : utf16(path.Utf16()) {}        // NOLINT
  FilePath Path() const { return FilePath(utf16); }
  std::string ShiftJis() const;  // "?" for what code page 932 cannot hold
  std::u16string utf16;
};
inline bool operator==(const WideText& a, const WideText& b) { return a.utf16 == b.utf16; }
inline bool operator!=(const WideText& a, const WideText& b) { return a.utf16 != b.utf16; }
inline bool operator<(const WideText& a, const WideText& b) { return a.utf16 < b.utf16; }
// For a test's failure message.
inline std::ostream& operator<<(std::ostream& out, const WideText& text) { return out << text.ShiftJis(); }

struct ReceivedMessage {
  std::int64_t time;
  std::uint32_t message;
  std::uintptr_t wParam;
  std::int32_t lParam;  // as JoyToKey reads it
  bool posted;
};

struct PeerWindow {
  WindowHandle handle = 0;
  std::string title;
  std::string programFile = "JoyToKey.exe";
  bool exists = true;
  std::vector<ReceivedMessage> received;
  // A JoyToKey that stops answering: the message stallOn is taken, and then
  // nothing is handled for stallMilliseconds; letters meanwhile wait.
  std::uint32_t stallOn = 0;
  std::int64_t stallMilliseconds = 0;
  std::int64_t stalledUntil = -1;
};

struct ShownMessage {
  std::int64_t time;
  WindowHandle owner;
  std::string text;  // a character of a name code page 932 cannot hold as "?"
  std::string caption;
  unsigned flags;
  int answer = 0;  // the button that closed it
  std::int64_t closedAt = 0;
  bool bySwitch = false;  // the switch pressed it, or it closed by itself
  std::u16string utf16;  // the whole text
};

// A scripted message-box answer: nobody clicks, the box waits for the switch
// (or for the time it closes by itself).
constexpr int kLeftToTheSwitch = 0;

struct ShellCall {
  std::string verb;
  std::string file;
  std::string parameters;
  std::u16string folder;
  int showCommand;
  bool launch;
};

struct SimEntry {
  std::u16string name;
  std::uint32_t attributes;
};

class SimDesktop : public Desktop,
                   public Courier,
                   public Joystick,
                   public SoundPlayer,
                   public PromptPlayer,
                   public Shell,
                   public FileSystem,
                   public Clock,
                   public Dialogs,
                   public Process,
                   public TimerHost,
                   public TextCodec,
                   public Log,
                   public LogonStart,
                   public Worker {
 public:
  SimDesktop();
  Platform& platform() { return platform_; }

  // Time.
  std::int64_t now = 0;
  // Runs due timers one at a time until the clock reaches now + milliseconds,
  // or until stop() says so.
  void RunFor(std::int64_t milliseconds, const std::function<bool()>& stop = {});
  std::int64_t sleptMilliseconds = 0;

  // Peer windows, enumerated in the order they were added.
  WindowHandle AddWindow(const std::string& title, const std::string& programFile = "JoyToKey.exe");
  PeerWindow& Window(WindowHandle handle);
  void CloseWindow(WindowHandle handle) { Window(handle).exists = false; }
  std::vector<PeerWindow> windows;

  // The switch: button bits over time. pollFails makes every poll fail.
  std::function<std::uint32_t(std::int64_t now)> switchButtons = [](std::int64_t) { return 0U; };
  void HoldSwitch(std::int64_t from, std::int64_t until);
  bool pollFails = false;
  // The switch keys, while switchKey and secondSwitchKey name them: down over time.
  int switchKey = 0;
  std::function<bool(std::int64_t now)> keyDown = [](std::int64_t) { return false; };
  int secondSwitchKey = 0;
  std::function<bool(std::int64_t now)> secondKeyDown = [](std::int64_t) { return false; };
  // The mouse's buttons held over time, one bit per MouseButtonNumber (bit 1
  // left); they count while switchMouseButton or secondSwitchMouseButton names them.
  int switchMouseButton = 0;
  int secondSwitchMouseButton = 0;
  std::function<std::uint32_t(std::int64_t now)> mouseButtons = [](std::int64_t) { return 0U; };
  void HoldMouseButton(int button, std::int64_t from, std::int64_t until);
  int polls = 0;

  // Sound.
  int soundLengthMilliseconds = 0;
  std::vector<std::int64_t> soundsPlayed;

  // Prompts: each start and stop, in order. The voice says each text for
  // speechMilliseconds, then its end is told to onSpeechEnded (the panel's).
  struct Prompt {
    std::int64_t time;
    enum class Kind { kSpoken, kPlayed, kStopped } kind;
    std::string what;  // the text, or the file ("?" for what code page 932 cannot hold)
  };
  std::vector<Prompt> prompts;
  bool voiceCreated = true;
  bool voiceSpeaks = true;  // false: it refuses, as Wine's does
  int speechMilliseconds = 1000;
  std::vector<WideText> unplayable;  // files that fail to play
  std::function<void()> onSpeechEnded;
  int voiceCreations = 0;

  // Screen and mouse.
  int screenWidth = 1024;
  int screenHeight = 768;
  int fullScreenClientHeight = 730;
  ScreenPoint cursor;
  bool leftButtonDown = false;
  int captureReleases = 0;
  FrameInsets panelFrame{3, 3, 3, 3};  // at 96 dpi; it grows with the dpi
  // Monitors; none listed means one, the screen above at 96 dpi.
  std::vector<MonitorArea> monitors;
  MonitorArea Screen() const;  // the one monitor when none are listed

  // Dialogs: answers are taken from the front; the default answers OK/cancel.
  std::vector<ShownMessage> messages;
  std::function<void(const ShownMessage&)> onMessageBox;
  // Called after every Sleep, with the virtual time already advanced.
  std::function<void()> onSleep;
  std::deque<int> messageAnswers;  // the buttons pressed, in turn; then 1 (OK)
  // How long a box left to the switch waits at most before the test gives up on it.
  std::int64_t longestBox = 600000;
  std::deque<std::optional<ColorValue>> colorAnswers;
  std::deque<std::optional<FontChoice>> fontAnswers;
  std::vector<ColorValue> colorDialogInitial;
  std::vector<FontChoice> fontDialogInitial;
  std::deque<std::optional<SwitchOptionTexts>> switchAnswers;  // nothing: cancel
  std::vector<SwitchOptionTexts> switchDialogInitial;
  std::deque<bool> recordAnswers;  // true: "この設定にする"; then closed
  std::vector<SwitchRecordReport> recordReports;
  std::function<void()> whileRecordShown;  // what happens while the window is open
  std::deque<std::optional<std::u16string>> profileNameAnswers;  // nothing: cancel; then cancel
  std::vector<std::string> profileNameProblems;  // shown with each ask

  // Shell.
  std::vector<ShellCall> shellCalls;
  // What a launch does: by default it fails.
  std::function<bool(const ShellCall&)> onLaunch = [](const ShellCall&) { return false; };

  // Files: whole files by exact path, folders by path ending in a backslash.
  std::map<WideText, std::string> files;
  std::map<std::u16string, std::vector<SimEntry>> folders;  // u"C:\" -> entries
  std::vector<WideText> unwritable;  // paths whose writes fail
  std::vector<WideText> readOnly;    // paths whose writes are refused as read-only
  // Folders (ending in a backslash) where no file can be made or replaced.
  std::vector<WideText> unwritableFolders;
  std::vector<WideText> madeFolders;
  WideText roamingDataFolder = "C:\\Users\\carer\\AppData\\Roaming\\";
  // Symbolic links: path -> the path of their target.
  std::map<WideText, WideText> links;
  // Files held open by another program without sharing, until the clock
  // reaches the time: they exist, but reads and replaces fail.
  std::map<WideText, std::int64_t> lockedUntil;
  int replaceCalls = 0;
  int appendCalls = 0;
  std::map<std::u16string, int> listings;  // folder -> times listed
  void AddFile(const std::u16string& folder, const std::u16string& name);
  void AddFolder(const std::u16string& parent, const std::u16string& name, std::uint32_t attributes = kDirectoryAttribute);

  // Process.
  WideText programFilePath = "C:\\Sorvane\\Sorvane.exe";
  std::string firstArgument = "3";
  std::vector<std::u16string> moreArguments;  // after the first
  WideText workingFolder = "C:\\Sorvane\\";
  std::vector<std::string> mutexes;  // one entry per open handle

  // The current user's Run key, by value name; while runKeyWritable is false
  // every write and removal fails.
  std::map<std::string, WideText> runValues;
  bool runKeyWritable = true;

  // The worker: work begun runs whole, between handlers, workMilliseconds
  // of virtual time later (its listings and files are those of that moment).
  int workMilliseconds = 0;
  int worksBegun = 0;

  // Timers.
  struct Scheduled {
    Timer* timer;
    std::int64_t due;
    std::uint64_t order;
  };
  std::vector<Scheduled> scheduled;

  // Desktop.
  void EnumerateTopLevelWindows(WindowVisitor visit, void* context) override;
  int GetWindowTitle(WindowHandle window, char* buffer, int size) override;
  bool WindowBelongsToProgram(WindowHandle window, const char* programFileName) override;
  // A send that times out costs the sender the whole bound.
  bool WindowExists(WindowHandle window) override;
  void Hand(const Letter& letter) override;
  int Undelivered() override { return letters_.Size(); }
  // The caller's clock runs while it waits, as the courier goes on delivering.
  bool WaitDelivered(int milliseconds) override;
  int PostWaiting() override;
  // The program has ended: the courier's thread ends with it, and the letters
  // it still held never leave. Returns how many were lost.
  int EndProgram();
  // Delivers the waiting letters that their windows take by the time until.
  void DeliverLetters(std::int64_t until);
  int ScreenWidth() override { return screenWidth; }
  int ScreenHeight() override { return screenHeight; }
  int FullScreenClientHeight() override { return fullScreenClientHeight; }
  ScreenRect DesktopWindowRect() override { return PrimaryMonitor().bounds; }
  ScreenPoint CursorPosition() override { return cursor; }
  bool LeftButtonDownNow() override { return leftButtonDown; }
  std::int16_t LeftButtonKeyState() override { return leftButtonDown ? -127 : 0; }
  void ReleaseMouseCapture() override { ++captureReleases; }
  FrameInsets PanelFrame(int dpi) override;
  int MonitorCount() override { return monitors.empty() ? 1 : static_cast<int>(monitors.size()); }
  MonitorArea PrimaryMonitor() override;
  MonitorArea MonitorNearest(const ScreenRect& windowBounds) override;
  bool OnAnyMonitor(ScreenPoint point) override;

  // Joystick.
  void TakeReadings(ReadingVisitor visit, void* context) override;
  bool ReadsOnItsOwn() const override { return false; }
  void SetSwitchKeys(int virtualKey, int secondVirtualKey) override {
    switchKey = virtualKey;
    secondSwitchKey = secondVirtualKey;
  }
  void SetSwitchMouseButtons(int button, int secondButton) override {
    switchMouseButton = button;
    secondSwitchMouseButton = secondButton;
  }
  // Sound.
  void PlaySync(const FilePath& file) override;
  // Prompts.
  bool VoiceAvailable() override;
  bool StartSpeaking(const std::string& text, int rate, int volume) override;
  bool StartPlaying(const FilePath& path) override;
  void StopPrompt() override;
  // Shell.
  void Open(WindowHandle owner, const std::string& verb, const std::u16string& file,
            const std::u16string& parameters, int showCommand) override;
  bool Launch(const std::string& verb, const std::string& file, const std::string& parameters,
              const std::u16string& folder, int showCommand) override;
  // Files.
  FileRead ReadWholeFile(const FilePath& path) override;
  FileWrite ReplaceWholeFile(const FilePath& path, const std::string& contents) override;
  Appended AppendToFile(const FilePath& path, const std::string& firstLine, const std::string& text) override;
  bool FolderWritable(const FilePath& folder) override;
  // What refuses a write to path, kWritten when nothing does.
  FileWrite WriteRefused(const WideText& path);
  bool RemoveFile(const FilePath& path) override;
  bool MakeFolder(const FilePath& folder) override;
  FilePath RoamingDataFolder() override { return roamingDataFolder.Path(); }
  bool ListFolder(const std::u16string& pattern, EntryVisitor visit, void* context) override;
  // Clock.
  void Sleep(int milliseconds) override;
  std::int64_t NowMilliseconds() override { return now; }
  // The local time when the virtual clock reads 0: 2026-03-02 09:00:00.
  std::int64_t localTimeAtZero = 1772442000000;
  std::int64_t LocalMilliseconds() override { return localTimeAtZero + now; }
  // Dialogs.
  int ShowMessage(WindowHandle owner, const MessageText& text, const std::string& caption,
                  unsigned flags) override;
  std::optional<ColorValue> ChooseColor(WindowHandle owner, ColorValue initial) override;
  bool ChooseFont(WindowHandle owner, FontChoice& font) override;
  bool EditSwitchOptions(WindowHandle owner, SwitchOptionTexts& texts) override;
  bool ShowSwitchRecord(WindowHandle owner, const SwitchRecordReport& report) override;
  bool AskProfileName(WindowHandle owner, std::u16string& name, const std::string& problem) override;
  // Process.
  FilePath ProgramFilePath() override { return programFilePath.Path(); }
  std::string FirstArgument() override { return firstArgument; }
  std::vector<std::u16string> Arguments() override;
  FilePath WorkingFolder() override { return workingFolder.Path(); }
  bool CreateInstanceMutex(const std::string& name) override;
  void CloseInstanceMutex() override;
  // Text, converted as the system's code page 932 does.
  std::optional<std::u16string> Utf16FromShiftJis(std::string_view text) override;
  std::optional<std::string> ShiftJisFromUtf16(std::u16string_view text) override;
  // Log.
  WideText logFile;
  std::vector<std::string> logLines;
  void UseFile(const FilePath& path) override { logFile = path; }
  void Write(const std::string& line) override { logLines.push_back(line); }

  // Timers.
  void TimerChanged(Timer& timer) override;
  void TimerGone(Timer& timer) override;
  // Logon start.
  std::optional<std::u16string> ReadRunValue(const std::string& name) override;
  bool WriteRunValue(const std::string& name, const std::u16string& command) override;
  bool RemoveRunValue(const std::string& name) override;
  // Worker.
  bool Begin(std::function<void()> work) override;
  bool Done() override { return !work_; }
  void Finish() override;

 private:
  std::function<void()> work_;
  std::int64_t workDue_ = 0;
  Platform platform_;
  std::uint64_t nextOrder_ = 0;
  std::int64_t speechEndsAt_ = -1;  // -1: the voice says nothing
  bool voiceMade_ = false;
  bool voiceRefused_ = false;
  PeerWindow* ExistingWindow(WindowHandle handle);
  LetterQueue letters_;
  HeldKeys heldKeys_;
  std::int64_t lastHandledAt_ = 0;  // when the window had handled the last letter taken
};

// Every message one window received, as (message, lParam) pairs.
std::vector<std::pair<std::uint32_t, std::int32_t>> MessagesOf(const PeerWindow& window);

}  // namespace sorvane::sim
