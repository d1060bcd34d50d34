// Where the carer's files live. The click sound and the help are beside the
// program; the settings, Tramvik.ini, the record and the log too, or in
// %APPDATA%\Sorvane\ where the program's folder cannot be written. A working
// folder other than the program's that holds a Sorvane.ini is one person's
// place for all of them. A named profile keeps its settings, record and voice
// folder in Profiles\<name>\ beside those settings.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

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
  using Tell = std::function<void(const MessageText& text, unsigned boxStyle)>;
  SettingsPlace(Platform& platform, Tell tell) : platform_(platform), tell_(std::move(tell)) {}

  // Chooses the folders, sends the log there, and on the first start in
  // %APPDATA% carries over the settings file left beside the program.
  // profile: the named profile (checked) to use, empty for none.
  void Choose(const std::string& profile = std::string());
  // The language of the settings a start with these command-line arguments
  // would use (a profile's, when they name one that can be), found as Choose
  // finds them but with nothing made, moved or told: the boxes a start shows
  // before its settings are read speak it. Japanese where none can be read.
  Language LanguageAtStart(const std::vector<std::u16string>& arguments);

  // The named profile in use; empty for none.
  const std::string& ProfileName() const { return profileName_; }
  // Where the settings live when no profile is named: beside the program, in
  // %APPDATA%, or the start folder. Ending in a backslash.
  const FilePath& BaseFolder() const { return baseFolder_; }
  bool InStartFolder() const { return inStartFolder_; }
  // The named profiles beside the settings, sorted.
  std::vector<std::string> ProfileNames();
  // Points the settings, the record and the voice folder at profile (empty:
  // none), making its folder; false when it cannot be made.
  bool UseProfile(const std::string& profile);
  // Profiles\profile\ beside the settings.
  FilePath ProfileFolder(const std::string& profile) const;
  // How many times a profile (or none) was chosen: what shows it follows.
  unsigned ProfileChoices() const { return profileChoices_; }

  const FilePath& ProgramFolder() const { return programFolder_; }  // ending in a backslash
  const FilePath& Folder() const { return folder_; }  // of the settings; ending in a backslash
  const FilePath& SettingsFile() const { return settingsFile_; }
  const FilePath& SiblingSettingsFile() const { return siblingSettingsFile_; }
  const FilePath& ClickSoundFile() const { return clickSoundFile_; }
  // The help in the language in force.
  const FilePath& HelpFile() const {
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
  // Why the last save that failed to read or write the file did, for the carer.
  const char* SaveProblem() const { return saveProblem_; }
  // Settings that could not be saved are kept in a file of their own,
  // Sorvane-unsaved-<stamp>.ini beside the settings, or in the Sorvane folder
  // of %APPDATA% where that cannot be written. The path written; empty when
  // none could be.
  FilePath KeepUnsaved(const PanelSettings& settings, const std::string& stamp);

 private:
  struct BaseFolders {
    FilePath program;            // ending in a backslash
    FilePath base;               // where the settings of no profile live
    bool inStartFolder = false;  // base is the start folder, which holds its own settings
    bool roaming = false;        // in %APPDATA%, the program's folder not writable
  };
  // makeRoaming: make %APPDATA%\Sorvane\ if it is chosen (else it is only named).
  BaseFolders FindBaseFolders(bool makeRoaming);
  FilePath ProfileFolderIn(const FilePath& base, const std::string& profile) const;
  void CarryOver();
  // Whether saving settings over replaced would change only the window position.
  bool OnlyThePositionDiffers(const PanelSettings& settings, const SettingsText& replaced,
                              const std::string& replacedBytes);
  // The settings cannot be read: the carer is told, and nothing is read or
  // saved in this run.
  void HoldBack(const FilePath& path, const char* reason);

  Platform& platform_;
  Tell tell_;
  FilePath programFolder_;
  FilePath baseFolder_;
  bool inStartFolder_ = false;
  std::string profileName_;
  unsigned profileChoices_ = 0;
  FilePath folder_;
  FilePath settingsFile_;
  FilePath siblingSettingsFile_;
  FilePath clickSoundFile_;
  FilePath helpFile_;
  FilePath englishHelpFile_;
  bool heldBack_ = false;
  const char* saveProblem_ = "";
  bool baseHeldBack_ = false;  // the file carried over could not be read
  bool unholdableReported_ = false;
};

}  // namespace sorvane
