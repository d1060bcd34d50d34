#include "panel/Application.h"

#include "settings/IniFile.h"

namespace sorvane {

Application::Application(Platform& platform) : platform_(platform) {}

Application::~Application() = default;

bool Application::Start() {
  const std::string path = platform_.process.ProgramFilePath();
  const std::size_t slash = path.find_last_of("\\/");
  const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
  if (platform_.process.CreateInstanceMutex(fileName)) {
    // Held while the box waits, the mutex would refuse every start after the
    // first panel has ended.
    platform_.process.CloseInstanceMutex();
    platform_.dialogs.ShowMessage(0, DuplicateStartMessage(), kApplicationTitle, kMessageBoxWarningOk);
    return false;
  }
  title = kApplicationTitle;
  panel = std::make_unique<PanelForm>(platform_, mainWindow);
  nameEditor = std::make_unique<NameEditor>();
  const MonitorArea editorMonitor = platform_.desktop.MonitorNearest(nameEditor->Bounds());
  if (editorMonitor.dpi > 0 && editorMonitor.dpi != nameEditor->dpi) nameEditor->ApplyDpi(editorMonitor.dpi);
  nameEditor->KeepInside(editorMonitor.workArea);
  nameEditor->owner = panel.get();
  const auto settings = panel->settingsPlace.Read();
  nameEditor->LoadNames(settings ? IniFile(settings->text) : IniFile());
  panel->nameEditor = nameEditor.get();
  argumentNotice = std::make_unique<ArgumentNotice>(platform_);
  const int noticeDpi = platform_.desktop.MonitorNearest(argumentNotice->Bounds()).dpi;
  if (noticeDpi > 0 && noticeDpi != argumentNotice->dpi) argumentNotice->ApplyDpi(noticeDpi);
  panel->argumentNotice = argumentNotice.get();
  return true;
}

void Application::MainFormShown() {
  panel->visible = true;
  panel->FormShow();
}

}  // namespace sorvane
