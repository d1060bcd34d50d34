// Named profiles: each person's settings, record and voice folder, chosen on
// the command line or from the menu.
#include "panel/PanelForm.h"
#include "settings/Profiles.h"

namespace sorvane {

std::string PanelForm::ConfigurationArgument() const {
  const StartArguments arguments = ReadStartArguments(platform_.process.Arguments());
  if (!arguments.profile) return platform_.process.FirstArgument();
  // Only its first byte counts: an argument code page 932 cannot hold is none.
  return platform_.text.ShiftJisFromUtf16(arguments.configuration).value_or(std::string());
}

std::string PanelForm::ProfileFromCommandLine() {
  const StartArguments arguments = ReadStartArguments(platform_.process.Arguments());
  if (!arguments.profile) return {};
  const ProfileNameCheck check = CheckProfileName(*arguments.profile, {}, platform_.text);
  if (check.ok()) return check.name;
  const std::string shown = platform_.text.ShiftJisFromUtf16(*arguments.profile).value_or("");
  TellCarer(Text(TextId::ProfileNameRefused, {shown, check.problem}), kMessageBoxWarningOk);
  return {};
}

void PanelForm::ReloadSettings() {
  const FilePath record = settingsPlace.Folder() + kRecordFileName;
  recorder.file().UseFile(record, ReadableText(record, platform_.text));
  // Where JoyToKey is belongs to the computer: a person whose file names no
  // folder yet keeps the one in use.
  const std::u16string joyToKeyFolder = launcher.Folder();
  LoadSettings();
  if (launcher.Folder().empty()) launcher.SetFolder(joyToKeyFolder);
  if (nameEditor != nullptr) {
    const auto settings = settingsPlace.Read();
    nameEditor->LoadNames(settings ? IniFile(settings->text) : IniFile());
  }
  ShowActiveStick();
  PlaceOnAMonitor();
}

void PanelForm::ProfileClick(const std::string& profile) {
  driver.HoldForDialog();
  if (SameProfileName(profile, settingsPlace.ProfileName())) return driver.ResumeAfterDialog();
  scanner().ReleaseHeldButton();
  // This person's changes are kept before the next person's are shown.
  const FilePath settingsFile = settingsPlace.SettingsFile();
  const SettingsPlace::SaveOutcome saved = SaveSettings();
  if (saved != SettingsPlace::SaveOutcome::kSaved && saved != SettingsPlace::SaveOutcome::kHeldBack) {
    TellCarer(TextMessage(TextId::ProfileSaveBeforeSwitch, {settingsFile}), kMessageBoxWarningOk);
  } else if (!settingsPlace.UseProfile(profile)) {
    TellCarer(Text(TextId::ProfileSwitchFolderUnmade, {profile}), kMessageBoxWarningOk);
  } else {
    platform_.log.Write(profile.empty() ? std::string("利用者なしに切り替えました") : "利用者「" + profile + "」に切り替えました");
    ReloadSettings();
  }
  driver.ResumeAfterDialog();
}

void PanelForm::NewProfileClick() {
  driver.HoldForDialog();
  std::u16string typed;
  std::string problem;
  std::string name;
  for (;;) {
    if (!platform_.dialogs.AskProfileName(handle, typed, problem)) break;
    const ProfileNameCheck check = CheckProfileName(typed, settingsPlace.ProfileNames(), platform_.text);
    if (check.ok()) {
      name = check.name;
      break;
    }
    // The carer corrects what was typed, the reason shown above it.
    problem = check.problem;
  }
  if (name.empty()) {
    driver.ResumeAfterDialog();
    return;
  }
  scanner().ReleaseHeldButton();
  const PanelSettings current = ShownSettings();
  const FilePath settingsFile = settingsPlace.SettingsFile();
  const std::string previous = settingsPlace.ProfileName();
  const SettingsPlace::SaveOutcome saved = SaveSettings();
  if (saved != SettingsPlace::SaveOutcome::kSaved && saved != SettingsPlace::SaveOutcome::kHeldBack) {
    TellCarer(TextMessage(TextId::ProfileSaveBeforeNew, {settingsFile, name}), kMessageBoxWarningOk);
  } else if (!settingsPlace.UseProfile(name)) {
    TellCarer(Text(TextId::ProfileNewFolderUnmade, {name}), kMessageBoxWarningOk);
  } else if (settingsPlace.Save(current) != SettingsPlace::SaveOutcome::kSaved) {
    // The settings shown stay those of the person before, and so does the place.
    TellCarer(TextMessage(TextId::ProfileNewUnwritable, {settingsPlace.SettingsFile(), name}), kMessageBoxWarningOk);
    settingsPlace.UseProfile(previous);
  } else {
    platform_.log.Write("利用者「" + name + "」を作りました（今の設定を写しました）");
    ReloadSettings();
  }
  driver.ResumeAfterDialog();
}

}  // namespace sorvane
