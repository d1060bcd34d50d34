// The program up to its message loop: the single-instance guard and the three
// forms, the panel, the name editor and the argument notice.
#pragma once

#include <memory>
#include <string>

#include "forms/ArgumentNotice.h"
#include "forms/NameEditor.h"
#include "panel/PanelForm.h"
#include "platform/Platform.h"

namespace sorvane {

class Application {
 public:
  explicit Application(Platform& platform);
  ~Application();

  // False when another instance runs; its message was shown.
  bool Start();
  // The main window has been shown.
  void MainFormShown();
  bool Terminated() const { return panel == nullptr || panel->closed; }

  std::string title;
  // The panel's window, when it exists before the forms.
  WindowHandle mainWindow = 0;
  std::unique_ptr<PanelForm> panel;
  std::unique_ptr<NameEditor> nameEditor;
  std::unique_ptr<ArgumentNotice> argumentNotice;

 private:
  // Creates the single-instance mutex, waiting a while for a panel that is
  // closing; false (holding nothing) when another panel still runs.
  bool ClaimInstance(const std::string& mutexName);

  // The refused start's box only informs, and the switch that would answer
  // it belongs to the panel already running: it closes by itself after the
  // time a notice stays, so that none is left for a switch user to face.
  class RefusedStartBoxCloser : public BoxAnswerer {
   public:
    explicit RefusedStartBoxCloser(Clock& clock) : clock_(clock) {}
    void BoxOpened(unsigned /*flags*/) override { openedAt_ = clock_.NowMilliseconds(); }
    Answer Poll() override {
      return clock_.NowMilliseconds() - openedAt_ >= PanelForm::kNoticeSeconds * 1000 ? Answer::kTimedOut
                                                                                     : Answer::kNotYet;
    }
    void BoxClosed() override {}

   private:
    Clock& clock_;
    std::int64_t openedAt_ = 0;
  };

  Platform& platform_;
};

}  // namespace sorvane
