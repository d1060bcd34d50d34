// The link to JoyToKey: finding its window by title and the messages it takes.
#pragma once

#include <array>
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
// A window with the prefix is JoyToKey's only when its program file is this.
constexpr char kJoyToKeyProgramFile[] = "JoyToKey.exe";

class JoyToKeyLink {
 public:
  explicit JoyToKeyLink(Desktop& desktop) : desktop_(desktop) {}

  static constexpr std::int32_t kNoStick = -2;

  // JoyToKeyWindow becomes the last top-level window whose title starts with
  // the prefix and whose program is JoyToKey's, or none. Each discovery also
  // gives a JoyToKey that stopped answering a fresh chance.
  void FindJoyToKeyWindow();
  WindowHandle JoyToKeyWindow() const { return JoyToKeyWindow_; }
  void ForgetWindow() { JoyToKeyWindow_ = 0; }

  // Every message but the quit request is sent; lParam travels as 32 bits.
  // Send is for what may be lost without harm (the stick report, a repeated
  // press): once JoyToKey has failed to take a message, nothing more is tried
  // until the next discovery, so a stalled JoyToKey costs one time-out a tick.
  void Send(std::uint32_t message, std::int32_t lParam);
  // SendReliably is for what must arrive (a release, the configuration number,
  // the notices after a launch): what JoyToKey does not take is kept, in
  // order, and tried again by RetryPending until it is taken or JoyToKey is
  // gone. A message that belongs to a virtual joystick goes after a stick
  // report for it when JoyToKey last heard of another.
  void SendReliably(std::uint32_t message, std::int32_t lParam, std::int32_t stick = kNoStick);
  void RetryPending();
  // Gives a JoyToKey that stopped answering another chance without a discovery.
  void ResumeSending() { answering_ = true; }
  bool HasPending() const { return pendingCount_ > 0; }
  void DropPending() { pendingCount_ = 0; }
  // The stick JoyToKey last took a report of, or kNoStick.
  std::int32_t ReportedStick() const { return reportedStick_; }
  void PostQuit();

 private:
  struct Pending {
    std::uint32_t message;
    std::int32_t lParam;
    std::int32_t stick;
  };
  static void EnumJoyToKeyProc(WindowHandle window, void* context);
  bool Deliver(std::uint32_t message, std::int32_t lParam);
  bool DeliverFor(const Pending& pending);
  void Keep(const Pending& pending);

  static constexpr int kPendingCapacity = 64;
  Desktop& desktop_;
  WindowHandle JoyToKeyWindow_ = 0;
  WindowHandle lastWindow_ = 0;
  bool answering_ = true;
  std::int32_t reportedStick_ = kNoStick;
  std::array<Pending, kPendingCapacity> pending_{};
  int pendingFirst_ = 0;
  int pendingCount_ = 0;
};

}  // namespace sorvane
