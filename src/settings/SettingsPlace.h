// Where the carer's files live. The click sound and the help are beside the
// program; the settings, Tramvik.ini, the record and the log too, or in
// %APPDATA%\Sorvane\ where the program's folder cannot be written. A settings
// file an earlier start left elsewhere is carried over on the first start here.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/Platform.h"
#include "settings/PanelSettings.h"
#include "settings/SettingsFile.h"

namespace sorvane {

extern const char* const kSettingsFileName;  // "Sorvane.ini"
extern const char* const kLogFileName;  // "Sorvane.log"
extern const char* const kSiblingSettingsFileName;  // "Tramvik.ini"
extern const char* const kClickSoundFile;  // "Zoboclick.wav"
extern const char* const kHelpFile;  // "Sorvane.chm"
extern const char* const kEnglishHelpFile;  // "Sorvane-en.chm"

class SettingsPlace {
 public:
  // What the carer must be told, as a message box of the given style; the
  // panel shows it and puts its text in the log.
  using Tell = std::function<void(const std::string& text, unsigned boxStyle)>;
  SettingsPlace(Platform& platform, Tell tell) : platform_(platform), tell_(std::move(tell)) {}

  // Chooses the folders, sends the log there, and on the first start here
  // carries over a settings file an earlier start left elsewhere.
  void Choose();

  const std::string& ProgramFolder() const { return programFolder_; }  // ending in a backslash; empty when unknown
  const std::string& Folder() const { return folder_; }  // of the settings; ending in a backslash; empty: the working folder
  const std::string& SettingsFile() const { return settingsFile_; }
  const std::string& SiblingSettingsFile() const { return siblingSettingsFile_; }
  const std::string& ClickSoundFile() const { return clickSoundFile_; }
  // The help in the language in force.
  const std::string& HelpFile() const {
    return CurrentLanguage() == Language::kEnglish ? englishHelpFile_ : helpFile_;
  }

  // The settings file for the readers at start. Nothing when it exists but
  // cannot be read: the carer is told once, and from then on nothing is read
  // or saved in this run.
  std::optional<SettingsText> Read();
  bool HeldBack() const { return heldBack_; }

  enum class SaveOutcome { kSaved, kHeldBack, kUnreadable, kUnwritable, kReadOnly };
  // Writes settings into the file as it is now, so that lines written by hand
  // since the start survive.
  SaveOutcome Save(const PanelSettings& settings);
  // Settings that could not be saved are kept in a file of their own,
  // Sorvane-unsaved-<stamp>.ini beside the settings, or in the Sorvane folder
  // of %APPDATA% where that cannot be written. The path written; empty when
  // none could be.
  std::string KeepUnsaved(const PanelSettings& settings, const std::string& stamp);

 private:
  void CarryOver();
  // The settings cannot be read: the carer is told, and nothing is read or
  // saved in this run.
  void HoldBack(const std::string& path, const char* reason);

  Platform& platform_;
  Tell tell_;
  std::string programFolder_;
  std::string folder_;
  std::string settingsFile_;
  std::string siblingSettingsFile_;
  std::string clickSoundFile_;
  std::string helpFile_;
  std::string englishHelpFile_;
  bool heldBack_ = false;
  bool unholdableReported_ = false;
};

}  // namespace sorvane
