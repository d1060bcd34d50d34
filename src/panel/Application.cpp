#include "panel/Application.h"

#include "settings/IniFile.h"
#include "settings/SettingsPlace.h"
#include "text/Texts.h"

namespace sorvane {

Application::Application(Platform& platform) : platform_(platform) {}

Application::~Application() = default;

bool Application::Start() {
  const std::string fileName = ReadableText(platform_.process.ProgramFilePath().FileName(), platform_.text);
  if (!ClaimInstance(fileName)) {
    // In the language of the settings this start would have used. Nothing is
    // held while the box waits: a later start after the first panel has ended
    // is not refused.
    SettingsPlace place(platform_, [](const MessageText&, unsigned) {});
    SetLanguage(place.LanguageAtStart(platform_.process.Arguments()));
    RefusedStartBoxCloser closer(platform_.clock);
    BoxAnswerer* const before = platform_.dialogs.BoxesAnsweredBy();
    platform_.dialogs.AnswerBoxesWith(&closer);
    platform_.dialogs.ShowMessage(0, DuplicateStartMessage(), kApplicationTitle, kMessageBoxWarningOk);
    platform_.dialogs.AnswerBoxesWith(before);
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

bool Application::ClaimInstance(const std::string& mutexName) {
  // A panel that is closing still holds the mutex until its process ends: a
  // quick restart waits for it rather than leaving no panel at all.
  constexpr int kWaitForClosingPanelMilliseconds = 5000;
  constexpr int kRetryMilliseconds = 50;
  const std::int64_t giveUpAt = platform_.clock.NowMilliseconds() + kWaitForClosingPanelMilliseconds;
  while (platform_.process.CreateInstanceMutex(mutexName)) {
    platform_.process.CloseInstanceMutex();
    if (platform_.clock.NowMilliseconds() >= giveUpAt) return false;
    platform_.clock.Sleep(kRetryMilliseconds);
  }
  return true;
}

void Application::MainFormShown() {
  panel->visible = true;
  panel->FormShow();
}

}  // namespace sorvane
