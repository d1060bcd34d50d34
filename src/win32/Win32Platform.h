// The real platform: owns one piece per concern (the desktop, the switch,
// sound and speech, the shell, files, time, dialogs, the process, timers, the
// Run key, text) and hands the program the whole.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/Platform.h"
#include "win32/BackgroundWorker.h"
#include "win32/DesktopWindows.h"
#include "win32/FileLog.h"
#include "win32/Files.h"
#include "win32/JoystickSwitch.h"
#include "win32/KeyboardReturn.h"
#include "win32/LogonRunKey.h"
#include "win32/MessageCourier.h"
#include "win32/ShellLauncher.h"
#include "win32/ShiftJisCodec.h"
#include "win32/SpokenPrompts.h"
#include "win32/SystemClock.h"
#include "win32/SystemDialogs.h"
#include "win32/ThisProcess.h"
#include "win32/WaveSound.h"
#include "win32/WindowTimers.h"

namespace sorvane::win32 {

class Win32Platform {
 public:
  Win32Platform();
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;
  Platform& platform() { return platform_; }

  // The view decides how a due timer is run.
  void SetTimerHandler(std::function<void(Timer&)> handler) { timers_.SetTimerHandler(std::move(handler)); }
  // Called on the window's thread when the switch reader has caught a press.
  void SetSwitchWakeHandler(std::function<void()> handler) { timers_.SetSwitchWakeHandler(std::move(handler)); }
  // Called on the window's thread when the system's voice has said the last prompt.
  void SetSpeechEndHandler(std::function<void()> handler) { prompts_.SetSpeechEndHandler(std::move(handler)); }
  // The log file, for a crash to leave its minidump beside.
  std::wstring LogPath() { return log_.Path(); }

  // The dialogs take the keyboard while they are open; this gives it back.
  KeyboardReturn& keyboard() { return dialogs_.keyboard(); }
  // Called before a dialog opens, so that the windows show what the handler
  // that opens it has changed so far.
  void SetBeforeDialog(std::function<void()> callback) { dialogs_.SetBeforeDialog(std::move(callback)); }

  static int WindowDpi(HWND window) { return win32::WindowDpi(window); }

 private:
  FileLog log_;
  MessageCourier courier_{log_};
  SpokenPrompts prompts_;
  DesktopWindows desktop_;
  WaveSound sound_;
  ShellLauncher shell_;
  Files files_;
  SystemClock clock_;
  ThisProcess process_;
  ShiftJisCodec text_;
  LogonRunKey logon_;
  BackgroundWorker worker_;
  // The switch reader posts to the timers' window: the window outlives it.
  WindowTimers timers_;
  JoystickSwitch switches_{timers_.window(), WindowTimers::kSwitchWakeMessage};
  SystemDialogs dialogs_{switches_};
  Platform platform_{desktop_, courier_, switches_, sound_, prompts_, shell_, files_, clock_,
                     dialogs_, process_, timers_, text_, log_, logon_, worker_};
};

}  // namespace sorvane::win32
