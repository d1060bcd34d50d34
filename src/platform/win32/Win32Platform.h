// The real platform: the Windows desktop, joystick 0, sound, the shell, files.
#pragma once

#include <windows.h>

#include "platform/Platform.h"

namespace sorvane::win32 {

class Win32Platform : public Desktop,
                      public Joystick,
                      public SoundPlayer,
                      public Shell,
                      public FileSystem,
                      public Clock,
                      public Dialogs,
                      public Process,
                      public TimerHost {
 public:
  Win32Platform();
  ~Win32Platform();
  Platform& platform() { return platform_; }

  // The window that receives the timers' WM_TIMER.
  HWND TimerWindow() const { return timerWindow_; }
  static constexpr DWORD kPanelStyle = WS_POPUP | WS_CLIPCHILDREN;
  static constexpr DWORD kPanelExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_TOPMOST;

  void EnumerateTopLevelWindows(WindowVisitor visit, void* context) override;
  int GetWindowTitle(WindowHandle window, char* buffer, int size) override;
  void SendToWindow(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) override;
  void PostToWindow(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) override;
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

  bool PollJoystickZero(JoyInfo& info) override;
  void PlaySync(const char* fileName) override;
  void Open(WindowHandle owner, const std::string& verb, const std::string& file,
            const std::string& parameters, const std::string& folder, int showCommand) override;
  bool Launch(const std::string& verb, const std::string& file, const std::string& parameters,
              const std::string& folder, int showCommand) override;
  std::optional<std::string> ReadWholeFile(const std::string& path) override;
  bool ReplaceWholeFile(const std::string& path, const std::string& contents) override;
  bool ListFolder(const std::string& pattern, EntryVisitor visit, void* context) override;
  void Sleep(int milliseconds) override;
  std::int64_t NowMilliseconds() override;
  int ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                  unsigned flags) override;
  std::optional<ColorValue> ChooseColor(WindowHandle owner, ColorValue initial) override;
  bool ChooseFont(WindowHandle owner, FontChoice& font) override;
  std::string ProgramFilePath() override;
  std::string FirstArgument() override;
  bool CreateInstanceMutex(const std::string& name) override;
  void TimerChanged(Timer& timer) override;
  void TimerGone(Timer& timer) override;

 private:
  Platform platform_;
  HWND timerWindow_ = nullptr;
};

// An RGB value for a colour that may name a system colour.
COLORREF ToColorRef(ColorValue color);

}  // namespace sorvane::win32
