// The link to JoyToKey: finding its window by title and the messages it takes.
#pragma once

#include <cstdint>

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

class JoyToKeyLink {
 public:
  explicit JoyToKeyLink(Desktop& desktop) : desktop_(desktop) {}

  // JoyToKeyWindow becomes the last top-level window whose title starts with
  // the prefix, or none.
  void FindJoyToKeyWindow();
  WindowHandle JoyToKeyWindow() const { return JoyToKeyWindow_; }
  void ForgetWindow() { JoyToKeyWindow_ = 0; }

  // Every message but the quit request is sent; lParam travels as 32 bits.
  void Send(std::uint32_t message, std::int32_t lParam);
  void PostQuit();

 private:
  static void EnumJoyToKeyProc(WindowHandle window, void* context);

  Desktop& desktop_;
  WindowHandle JoyToKeyWindow_ = 0;
};

}  // namespace sorvane
