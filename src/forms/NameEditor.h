// The button-name editor, and the store of the sixteen names.
#pragma once

#include <array>
#include <string>

#include "controls/Control.h"
#include "text/Texts.h"

namespace sorvane {

class IniFile;

// The panel behind the editor: its scan holds still while names are edited,
// and it shows the names once they are confirmed.
class NameEditorOwner {
 public:
  virtual void NameEditingStarted() = 0;
  virtual void NamesEdited() = 0;

 protected:
  ~NameEditorOwner() = default;
};

class NameEditor : public Form {
 public:
  static constexpr int kNameBytes = 8;

  NameEditor();

  // The field of button number 1..8 or 11..18 (Edit1..Edit8, Edit11..Edit18).
  EditField& Edit(int buttonNumber);
  const EditField& Edit(int buttonNumber) const;
  const std::string& Name(int buttonNumber) const { return Edit(buttonNumber).caption; }

  std::array<Label, 16> labels;  // Label1..Label16
  std::array<EditField, 16> edits;  // in slot order
  Control okButton;
  bool shownModally = false;

  // Sizes the editor, its labels, fields and button for a number of dots per
  // inch; the top-left corner stays.
  void ApplyDpi(int newDpi);
  // Makes room for the texts at this dpi: labels at least labelWidth wide and
  // fields fieldWidth, the editor widening with them; the design's sizes stay
  // where the texts fit them.
  void FitText(int labelWidth, int fieldWidth);
  // Moves the editor inside an area where it fits there.
  void KeepInside(const ScreenRect& area);

  // Loads the sixteen names from the settings file.
  void LoadNames(const IniFile& settings);

  // Set by the application once both forms exist.
  NameEditorOwner* owner = nullptr;

  // The title, the labels and the default names in the language in force.
  void ShowTexts();
  void Open();  // shows the editor modally
  void FormShow();
  void Activated();
  void OkClick();
  void FormClose();
  // Whether an edit that turns a field's text from previous into edited may
  // stand: typing stops at the byte limit, but a longer name from the settings
  // file may still be shortened; control characters are never taken.
  static bool EditFits(const std::string& previous, const std::string& edited, int maxBytes);

 private:
  void LayOut(int labelWidth, int fieldWidth);
};

}  // namespace sorvane
