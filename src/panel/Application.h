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

  Platform& platform_;
};

}  // namespace sorvane
