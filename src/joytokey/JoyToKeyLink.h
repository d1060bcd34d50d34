// The link to JoyToKey: finding its window, keeping to it, and the messages
// it takes, which leave in order from the courier's own thread.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Courier.h"
#include "platform/Desktop.h"

namespace sorvane {

constexpr std::uint32_t WM_QUIT_MESSAGE = 0x0012;
constexpr std::uint32_t kWmApp = 0x8000;
constexpr std::uint32_t WM_JOYTOKEY_STICK = kWmApp + 1000;
constexpr std::uint32_t WM_JOYTOKEY_BUTTON_UP = kWmApp + 1010;
constexpr std::uint32_t WM_JOYTOKEY_BUTTON_DOWN = kWmApp + 1011;
constexpr std::uint32_t WM_JOYTOKEY_CONFIG = kWmApp + 1020;
constexpr std::uint32_t WM_JOYTOKEY_AFTER_LAUNCH1 = kWmApp + 1021;
constexpr std::uint32_t WM_JOYTOKEY_AFTER_LAUNCH2 = kWmApp + 1022;

// "JoyToKey ": a window is JoyToKey's when its title starts with these nine bytes.
constexpr char kJoyToKeyTitlePrefix[] = "JoyToKey ";
constexpr int kJoyToKeyTitlePrefixLength = 9;
constexpr int kWindowTitleBufferSize = 256;
// A window with the prefix is JoyToKey's only when its program file is this.
constexpr char kJoyToKeyProgramFile[] = "JoyToKey.exe";

// JoyToKey's configuration number as the command line gives it: the first byte
// of the argument, sign-extended (the argument 3 gives 51); 0 for none.
std::int32_t ConfigurationNumberOf(const std::string& argument);

class JoyToKeyLink {
 public:
  JoyToKeyLink(Desktop& desktop, Courier& courier) : desktop_(desktop), courier_(courier) {}

  static constexpr std::int32_t kNoStick = -2;

  // Binds to JoyToKey's window: the last top-level window whose title starts
  // with the prefix and whose program is JoyToKey's, or none. The panel then
  // speaks to that window alone for as long as it exists.
  void FindJoyToKeyWindow();
  WindowHandle JoyToKeyWindow() const { return bound_; }
  void ForgetWindow();

  enum class Binding { kKept, kAnotherWindow, kNone };
  // At every tick: the bound window still exists, or it is gone and another
  // JoyToKey window is there (not bound yet), or there is none.
  Binding CheckBinding();
  // Binds to the window CheckBinding found; the configuration number is the
  // first thing it hears.
  void BindToAnotherWindow();
  void SetConfigurationNumber(std::int32_t number) { configurationNumber_ = number; }
  std::int32_t ConfigurationNumber() const { return configurationNumber_; }

  // Queues a message to the bound window; lParam travels as 32 bits. A stick
  // report still waiting gives way to a newer one; nothing else is dropped.
  void Send(std::uint32_t message, std::int32_t lParam);
  // A message that belongs to a virtual joystick goes after a report of that
  // stick where JoyToKey was last told of another.
  void SendForStick(std::uint32_t message, std::int32_t lParam, std::int32_t stick);
  // The stick JoyToKey will have been told of last, or kNoStick.
  std::int32_t ReportedStick() const { return reportedStick_; }
  // The quit request, after everything queued before it.
  void PostQuit();

 private:
  static void EnumJoyToKeyProc(WindowHandle window, void* context);
  WindowHandle Discover();

  Desktop& desktop_;
  Courier& courier_;
  WindowHandle bound_ = 0;
  WindowHandle another_ = 0;
  WindowHandle found_ = 0;  // during a discovery
  std::int32_t reportedStick_ = kNoStick;
  std::int32_t configurationNumber_ = 0;
};

}  // namespace sorvane
