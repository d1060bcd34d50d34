// The panel's settings as the settings file holds them: every key, its default
// and its range, read and written here alone. The panel applies what was read
// at start and hands back what it shows at close.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "controls/ButtonAppearance.h"
#include "controls/Control.h"
#include "platform/TextCodec.h"
#include "platform/Types.h"
#include "scanning/Scanner.h"
#include "settings/IniFile.h"
#include "settings/SettingsFile.h"
#include "settings/ValueForms.h"
#include "switch/SwitchOptions.h"
#include "text/Texts.h"
#include "voice/VoicePrompts.h"

namespace sorvane {

// What the carer chooses in the menu, besides the scan's own counts, speed
// and second stick (in the scanner's state).
struct PanelOptions {
  bool singleDisplay = false;  // one button shows each position in turn
  bool namesShown = true;      // buttons carry the names of the name editor
  bool clickSound = true;
  bool cursorChase = false;    // the panel follows the pointer at every step
  bool idleCaptions = false;   // unlit buttons show their captions in the button text colour
};

constexpr int kMaxPanelScale = 4;

struct PanelSettings {
  std::u16string joyToKeyFolder;  // as the file system names it
  std::int32_t buttonCount = 4;     // 1 to 8
  std::int32_t subButtonCount = 4;  // 1 to 8
  float intervalSeconds = kDefaultIntervalSeconds;
  bool secondStick = false;
  bool pausePosition = false;  // the scan offers the user's own pause
  PanelOptions options;
  bool recordOn = false;
  bool restartJoyToKey = true;  // a JoyToKey that has gone is started again
  ScreenPoint topLeft;  // the window's, on the desktop
  ButtonAppearances appearance;  // slots 1-8, then 11-18
  std::array<std::string, kSlotCount> names;  // slots 1-8, then 11-18
  int panelScale = 1;  // 1 to kMaxPanelScale
  SwitchOptions switchOptions;
  ScanMethodId method = ScanMethodId::kAutomatic;
  VoiceOptions voice;
  std::string version;  // what wrote the file: the program's title
  Language language = Language::kJapanese;  // of every text the panel shows and says

  // What the file held that could not be taken, for the carer to hear of.
  std::string tooLongInterval;  // the interval as written, when beyond the longest; empty none
  std::vector<std::string> unreadableFontColors;  // each font colour text that is no colour, in slot order
};

// The settings in ini (read from file, nothing when there is no file to read);
// the window's default corner is the middle of desktop.
PanelSettings ReadPanelSettings(const IniFile& ini, const SettingsText* file, TextCodec& codec,
                                const ScreenRect& desktop);
// [Panel] Language alone.
Language ReadLanguage(const IniFile& ini);
// Writes every key into ini, which was read from file, in the order a first
// save lays the file out.
void WritePanelSettings(const PanelSettings& settings, IniFile& ini, SettingsText& file, TextCodec& codec);

// The JoyToKey folder of a settings file, in its own characters.
std::u16string ReadJoyToKeyFolder(const SettingsText& file, TextCodec& codec);
// The sibling file records the folder a search found under the same key.
bool WriteJoyToKeyFolder(IniFile& ini, SettingsText& file, TextCodec& codec, std::u16string_view folder);
// The JoyToKey folder's line is the one that may hold what code page 932 cannot.
std::vector<char32_t> UnholdableOutsideJoyToKeyFolder(const SettingsText& file, TextCodec& codec);

// The name of a button number nobody has named, in the language in force or
// in the one given ("ボタン１".."ボタン８", "ボタン11".."ボタン18").
std::string DefaultButtonName(int buttonNumber);
std::string DefaultButtonName(int buttonNumber, Language language);
// Whether name is a button's default name in one of the languages: one the
// carer has not changed, which follows the language.
bool IsDefaultButtonName(const std::string& name, int buttonNumber);

}  // namespace sorvane
