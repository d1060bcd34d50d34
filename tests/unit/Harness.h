// A panel running on the simulated desktop beside a JoyToKey stand-in window.
#pragma once

#include <memory>

#include "panel/Application.h"
#include "platform/sim/SimDesktop.h"

namespace sorvane::test {

using sim::PeerWindow;
using Messages = std::vector<std::pair<std::uint32_t, std::int32_t>>;

class Panel {
 public:
  static constexpr WindowHandle kPanelWindow = 0x77;

  Panel() { joyToKey = desk.AddWindow("JoyToKey Ver6.9"); }

  // Runs the entry up to the shown main window. False when refused.
  bool Start() {
    app = std::make_unique<Application>(desk.platform());
    app->mainWindow = kPanelWindow;  // made hidden before the forms, as the entry does
    if (!app->Start()) return false;
    desk.onSpeechEnded = [this] { app->panel->SpeechEnded(); };
    app->MainFormShown();
    return true;
  }
  void Run(std::int64_t milliseconds) {
    desk.RunFor(milliseconds, [this] { return app->Terminated(); });
  }

  PanelForm& form() { return *app->panel; }
  ScanState& scan() { return app->panel->scan(); }
  PeerWindow& peer() { return desk.Window(joyToKey); }
  Messages received() const { return sim::MessagesOf(const_cast<Panel*>(this)->peer()); }
  // Messages other than the stick report that opens every tick.
  Messages ButtonMessages() const {
    Messages result;
    for (const auto& m : received()) {
      if (m.first == WM_JOYTOKEY_BUTTON_DOWN || m.first == WM_JOYTOKEY_BUTTON_UP) result.push_back(m);
    }
    return result;
  }
  void ClearReceived() { peer().received.clear(); }

  sim::SimDesktop desk;
  WindowHandle joyToKey;
  std::unique_ptr<Application> app;
};

}  // namespace sorvane::test
