// The texts the panel shows and says, one table per language. The forms take
// every text through Text(); a language is a table of the same ids.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/MessageText.h"

namespace sorvane {

enum class Language { kJapanese, kEnglish };
constexpr int kLanguageCount = 2;

enum class TextId {
  None,  // no text: an empty string in every language
  // The menu: each item's caption, and the hint of those that have one.
  MenuButtonCount,
  MenuButtonCountHint,
  MenuOneButton,
  MenuCount2,
  MenuCount3,
  MenuCount4,
  MenuCount5,
  MenuCount6,
  MenuCount7,
  MenuCount8,
  MenuScanSpeed,
  MenuScanSpeedHint,
  MenuSpeed05,
  MenuSpeed10,
  MenuSpeed20,
  MenuSpeed30,
  MenuSpeed40,
  MenuSpeed50,
  MenuPanelSize,
  MenuPanelSizeHint,
  MenuScale1,
  MenuScale2,
  MenuScale3,
  MenuScale4,
  MenuSingleDisplay,
  MenuEditNames,
  MenuShowNames,
  MenuSound,
  MenuCursorChase,
  MenuSecondStick,
  MenuVersion,
  MenuStartAtLogon,
  MenuPractice,
  MenuRecord,
  MenuShowRecord,
  MenuVoice,
  MenuVoiceOff,
  MenuVoiceRecorded,
  MenuVoiceRecordedOrSystem,
  MenuVoiceWait,
  MenuPausePosition,
  MenuPausePositionHint,
  MenuScanMethod,
  MenuScanMethodHint,
  MenuMethodAutomatic,
  MenuMethodAutomaticHint,
  MenuMethodHoldToMove,
  MenuMethodHoldToMoveHint,
  MenuMethodTwoSwitches,
  MenuMethodTwoSwitchesHint,
  MenuMethodTapToMove,
  MenuMethodTapToMoveHint,
  MenuIdleCaptions,
  MenuIdleCaptionsHint,
  MenuSwitchSettings,
  MenuExit,
  MenuSupport,
  MenuHelp,
  MenuUndoSettings,
  MenuUndoSettingsHint,
  MenuLanguage,
  MenuLanguageJapanese,  // each language's name, in its own words
  MenuLanguageEnglish,
  MenuProfiles,
  MenuProfilesHint,
  MenuNoProfile,
  MenuNewProfile,
  MenuNewProfileHint,
  // The panel.
  PanelHint,
  ButtonHint,
  DefaultButtonName1,  // the names of buttons 1-8 nobody has named
  DefaultButtonName2,
  DefaultButtonName3,
  DefaultButtonName4,
  DefaultButtonName5,
  DefaultButtonName6,
  DefaultButtonName7,
  DefaultButtonName8,
  DefaultButtonName,  // %1: the number of a button of the second stick
  SpokenButton,       // said before the number of a button with no name
  SwitchOverCaption,
  SwitchOverSpoken,
  PauseCaption,
  ResumeSpoken,
  RestartedSpoken,
  SwitchStuck,
  PracticeTitleSuffix,
  NoJoyToKeyTitleSuffix,
  PausedTitleSuffix,
  ProfileTitleSuffix,  // %1: the user's name
  // Message boxes.
  ErrorCaption,
  LaunchWarning,
  JoyToKeyGoneWarning,
  NotInstalledWarning,
  DuplicateStart,
  IntervalTooLong,     // %1: the value as written
  ColorNotInteger,     // %1: the text
  SaveUnreadable,      // %1: the settings file
  SaveUnwritable,      // %1: the settings file
  ReasonMaybeInUse,
  ReasonReadOnly,
  ReasonUndecodable,
  ReasonSameNameFolder,
  ReasonReadDenied,
  ReasonReadFailed,
  ReasonFolderRefused,
  ReasonWriteFailed,
  RetryQuestion,       // %1: the problem, %2: the reason
  LogonRemoveFailed,
  LogonUnholdableName,
  LogonWriteFailed,
  SettingsElsewhere,   // %1: the program's folder, %2: the folder used
  SettingsHeldBack,    // %1: the file, %2: the reason
  SettingsUnholdable,  // %1: the file, %2: the characters
  ProfileFolderUnmade,      // %1: the folder, %2: the user
  ProfileNameRefused,       // %1: the name, %2: why
  ProfileSaveBeforeSwitch,  // %1: the settings file
  ProfileSwitchFolderUnmade,  // %1: the user
  ProfileSaveBeforeNew,     // %1: the settings file, %2: the user
  ProfileNewFolderUnmade,   // %1: the user
  ProfileNewUnwritable,     // %1: the settings file, %2: the user
  CrashWithDump,       // the place of the record follows
  Crash,
  // The switch settings dialog.
  SwitchSettingsTitle,
  SwitchKeyLabel,
  Switch2KeyLabel,
  NoKey,
  KeyFieldInstruction,
  AcceptTimeLabel,
  IgnoreRepeatLabel,
  FirstPauseLabel,
  LoopsLabel,
  DwellTimeLabel,
  ResumeHoldLabel,
  StuckAfterLabel,
  SwitchMouseButtonLabel,
  Switch2MouseButtonLabel,
  MouseButtonNone,
  MouseButtonLeft,
  MouseButtonRight,
  MouseButtonMiddle,
  MouseButtonSide1,
  MouseButtonSide2,
  MouseButtonNote,
  Cancel,
  OptionKeyName,  // the names of the options in the dialog's messages
  OptionAcceptTimeName,
  OptionIgnoreRepeatName,
  OptionFirstPauseName,
  OptionLoopsName,
  OptionKey2Name,
  OptionDwellTimeName,
  OptionResumeHoldName,
  OptionStuckAfterName,
  OptionMouseButtonName,
  OptionMouseButton2Name,
  OptionOutOfRange,  // %1: the option, %2 and %3: the lowest and highest
  OptionSameKeys,    // %1: the second switch's option
  OptionSameMouseButtons,  // %1: the second switch's option
  // The new user's dialog, and why a name is refused.
  ProfileDialogTitle,
  ProfileNameLabel,
  ProfileNameEmpty,
  ProfileNameControl,
  ProfileNameForbidden,     // %1: the character
  ProfileNameNotShiftJis,   // %1: the character's code
  ProfileNameBadEnd,
  ProfileNameDevice,
  ProfileNameTooLong,
  ProfileNameTaken,         // %1: the user
  // The name editor and the notice.
  NameEditorTitle,
  NoticeTitle,
  NoticeLine1,
  NoticeLine2,
  NoticeLine3,
  NoticeLine4,
  NoticeLine5,
  NoticeLine6,
  // The switch record window.
  RecordTitle,
  RecordSinceStart,
  RecordLastWeek,
  RecordPresses,
  RecordAccepted,
  RecordTooShort,
  RecordWithinIgnore,
  RecordDuringDialog,
  RecordWhileResting,
  RecordMedianTime,
  RecordTime90,
  RecordLate,
  RecordTimes,    // %1: a count
  RecordSeconds,  // %1: seconds with two decimals
  RecordSuggestSpeed,        // %1 speed, %2 presses, %3 time
  RecordSuggestAcceptTime,   // %1 time, %2 presses, %3 longest
  RecordSuggestIgnoreRepeat, // %1 time, %2 gap, %3 presses
  RecordNoSuggestion,
  RecordUnreadable,          // %1: the reason, %2: the file
  RecordUnreadableNoSuggestion,
  RecordInUse,
  RecordFolder,
  RecordDenied,
  RecordFailed,
  RecordSuggestions,
  RecordChartFigures,
  RecordChartDays,
  RecordChartHours,
  RecordChartHeading,
  RecordChartLine,
  RecordChartNone,
  RecordChartHour,
  RecordChartMedian,
  RecordChartIgnored,
  RecordApply,
  RecordClose,
  // The settings history: what choosing an earlier settings file changes.
  HistoryOn,
  HistoryOff,
  HistoryMethodAutomatic,
  HistoryMethodHoldToMove,
  HistoryMethodTwoSwitches,
  HistoryMethodTapToMove,
  HistoryVoiceOff,
  HistoryVoiceRecorded,
  HistoryVoiceRecordedOrSystem,
  HistoryBold,
  HistoryItalic,
  HistoryUnderline,
  HistoryStrikeOut,
  HistoryStyleJoin,
  HistoryStyleRegular,
  HistoryEmpty,
  HistoryButtonCount,
  HistorySubButtonCount,
  HistoryScanSpeed,
  HistorySize,
  HistorySingleDisplay,
  HistoryShowNames,
  HistorySound,
  HistoryCursorChase,
  HistorySecondStick,
  HistoryRecord,
  HistoryVoice,
  HistoryVoiceWait,
  HistoryVoiceRate,
  HistoryVoiceVolume,
  HistoryPausePosition,
  HistoryScanMethod,
  HistoryIdleCaptions,
  HistoryRestartJoyToKey,
  HistoryButtonName,
  HistoryButtonColor,
  HistoryButtonFontColor,
  HistoryButtonFontName,
  HistoryButtonFontSize,
  HistoryButtonFontStyle,
  HistoryButtonFontPitch,
  HistorySameAsNow,
  HistoryJoin,
  HistoryMore,
  HistoryUnreadable,
  kCount,
};

constexpr int kTextCount = static_cast<int>(TextId::kCount);

struct TextEntry {
  TextId id;
  const char* text;
};

// The tables, in the order of TextId.
extern const TextEntry kJapaneseTexts[kTextCount];
extern const TextEntry kEnglishTexts[kTextCount];

// The language the panel speaks now: Japanese until the settings say otherwise.
Language CurrentLanguage();
void SetLanguage(Language language);

const char* TextIn(Language language, TextId id);
inline const char* Text(TextId id) { return TextIn(CurrentLanguage(), id); }
// The text with %1, %2 ... replaced by fills, in the order given.
std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> fills);
inline std::string Text(TextId id, std::initializer_list<std::string_view> fills) { return FillText(Text(id), fills); }
// The same for a box whose fills name files and folders in their own characters.
MessageText TextMessage(TextId id, std::initializer_list<MessageText> fills);

// The settings' spelling of a language ("ja", "en"), and back (Japanese for
// anything else).
const char* LanguageCode(Language language);
Language LanguageOfCode(std::string_view code);

}  // namespace sorvane
