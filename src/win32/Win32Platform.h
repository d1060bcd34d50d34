// The real platform: the Windows desktop, joystick 0, sound, the shell, files.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/Platform.h"
#include "win32/Handles.h"
#include "win32/KeyboardReturn.h"
#include "win32/FileLog.h"
#include "win32/MessageCourier.h"
#include "win32/SpokenPrompts.h"
#include "win32/SwitchReader.h"

namespace sorvane::win32 {

class Win32Platform : public Desktop,
                      public Joystick,
                      public SoundPlayer,
                      public Shell,
                      public FileSystem,
                      public Clock,
                      public Dialogs,
                      public Process,
                      public TimerHost,
                      public TextCodec,
                      public LogonStart {
 public:
  Win32Platform();
  ~Win32Platform();
  Platform& platform() { return platform_; }

  // The timers fire in their own window's procedure, so they go on inside the
  // system's modal loops (the popup menu, a drag) as well as in the panel's.
  // The view decides how a due timer is run.
  void SetTimerHandler(std::function<void(Timer&)> handler) { timerHandler_ = std::move(handler); }
  // Called on the window's thread when the switch reader has caught a press.
  // The log file, for a crash to leave its minidump beside.
  std::wstring LogPath() { return log_.Path(); }
  void SetSwitchWakeHandler(std::function<void()> handler) { switchWakeHandler_ = std::move(handler); }
  // Called on the window's thread when the system's voice has said the last prompt.
  void SetSpeechEndHandler(std::function<void()> handler) { prompts_.SetSpeechEndHandler(std::move(handler)); }
  static constexpr UINT kSwitchWakeMessage = WM_APP + 1;
  static constexpr DWORD kPanelStyle = WS_POPUP | WS_CLIPCHILDREN;
  // The panel never takes the keyboard from the program the user works in.
  static constexpr DWORD kPanelExStyle =
      WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_TOPMOST | WS_EX_NOACTIVATE;

  // The dialogs take the keyboard while they are open; this gives it back.
  KeyboardReturn& keyboard() { return keyboard_; }
  // Called before a dialog opens, so that the windows show what the handler
  // that opens it has changed so far.
  void SetBeforeDialog(std::function<void()> callback) { beforeDialog_ = std::move(callback); }

  void EnumerateTopLevelWindows(WindowVisitor visit, void* context) override;
  int GetWindowTitle(WindowHandle window, char* buffer, int size) override;
  bool WindowBelongsToProgram(WindowHandle window, const char* programFileName) override;
  bool WindowExists(WindowHandle window) override;
  int ScreenWidth() override;
  int ScreenHeight() override;
  int FullScreenClientHeight() override;
  ScreenRect DesktopWindowRect() override;
  ScreenPoint CursorPosition() override;
  bool LeftButtonDownNow() override;
  std::int16_t LeftButtonKeyState() override;
  void ReleaseMouseCapture() override;
  FrameInsets PanelFrame(int dpi) override;
  int MonitorCount() override;
  MonitorArea PrimaryMonitor() override;
  MonitorArea MonitorNearest(const ScreenRect& bounds) override;
  bool OnAnyMonitor(ScreenPoint point) override;
  // The dots per inch a window is drawn at.
  static int WindowDpi(HWND window);

  void TakeReadings(ReadingVisitor visit, void* context) override;
  bool ReadsOnItsOwn() const override { return true; }
  void SetSwitchKeys(int virtualKey, int secondVirtualKey) override;
  void PlaySync(const char* fileName) override;
  void Open(WindowHandle owner, const std::string& verb, const std::string& file,
            const std::string& parameters, const std::string& folder, int showCommand) override;
  bool Launch(const std::string& verb, const std::string& file, const std::string& parameters,
              const std::u16string& folder, int showCommand) override;
  FileRead ReadWholeFile(const std::string& path) override;
  FileWrite ReplaceWholeFile(const std::string& path, const std::string& contents) override;
  Appended AppendToFile(const std::string& path, const std::string& firstLine, const std::string& text) override;
  bool FolderWritable(const std::string& folder) override;
  bool MakeFolder(const std::string& folder) override;
  std::string RoamingDataFolder() override;
  bool ListFolder(const std::u16string& pattern, EntryVisitor visit, void* context) override;
  void Sleep(int milliseconds) override;
  std::int64_t NowMilliseconds() override;
  std::int64_t LocalMilliseconds() override;
  int ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                  unsigned flags) override;
  std::optional<ColorValue> ChooseColor(WindowHandle owner, ColorValue initial) override;
  bool ChooseFont(WindowHandle owner, FontChoice& font) override;
  bool EditSwitchOptions(WindowHandle owner, SwitchOptionTexts& texts) override;
  bool ShowSwitchRecord(WindowHandle owner, const SwitchRecordReport& report) override;
  std::string ProgramFilePath() override;
  std::string ProgramFolder() override;
  std::string FirstArgument() override;
  bool CreateInstanceMutex(const std::string& name) override;
  void CloseInstanceMutex() override;
  std::optional<std::u16string> Utf16FromShiftJis(std::string_view text) override;
  std::optional<std::string> ShiftJisFromUtf16(std::u16string_view text) override;
  void TimerChanged(Timer& timer) override;
  void TimerGone(Timer& timer) override;
  std::optional<std::string> ReadRunValue(const std::string& name) override;
  bool WriteRunValue(const std::string& name, const std::string& command) override;
  bool RemoveRunValue(const std::string& name) override;

 private:
  static LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void BeforeDialog();

  FileLog log_;
  MessageCourier courier_{log_};
  SpokenPrompts prompts_;
  Platform platform_;
  HWND timerWindow_ = nullptr;
  OwnedMutex instanceMutex_;  // open for the life of the process
  std::function<void(Timer&)> timerHandler_;
  std::function<void()> switchWakeHandler_;
  std::unique_ptr<SwitchReader> switchReader_;
  int switchKey_ = 0;
  int secondSwitchKey_ = 0;
  SwitchReader& Reader();
  // The last window found to belong to a program, so a tick does not open
  // JoyToKey's process every 200 ms.
  HWND checkedWindow_ = nullptr;
  DWORD checkedProcess_ = 0;
  bool checkedAnswer_ = false;
  std::vector<wchar_t> imagePath_ = std::vector<wchar_t>(1024);
  KeyboardReturn keyboard_;
  std::function<void()> beforeDialog_;
};

// An RGB value for a colour that may name a system colour.
COLORREF ToColorRef(ColorValue color);

}  // namespace sorvane::win32
