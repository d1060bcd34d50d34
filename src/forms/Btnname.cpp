#include "forms/Btnname.h"

#include "app/SorvaneMain.h"
#include "settings/IniFile.h"

namespace sorvane {

namespace {

constexpr int kRowsFieldTop[] = {16, 48, 80, 112, 144, 176, 208, 240};
constexpr int kRowsLabelTop[] = {18, 52, 85, 115, 146, 178, 210, 242};

}  // namespace

std::string DefaultButtonName(int buttonNumber) {
  static const char* const kFullWidthDigits[] = {"１", "２", "３", "４", "５", "６", "７", "８"};
  if (buttonNumber >= 1 && buttonNumber <= 8) {
    return std::string("ボタン") + kFullWidthDigits[buttonNumber - 1];
  }
  return "ボタン" + std::to_string(buttonNumber);
}

TNameForm::TNameForm() {
  name = "NameForm";
  caption = "ボタン名編集";
  left = 594;
  top = 293;
  width = 276;
  height = 349;
  color = colors::kBtnFace;
  font = Font{kUiFontFace, PointsForPixelHeight(12), 0, 0, kShiftJisCharset, colors::kWindowText};
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 2; ++column) {
      const int slot = row + 8 * column;
      Label& label = labels[slot];
      label.name = "Label" + std::to_string(slot + 1);
      label.caption = DefaultButtonName(SlotButtonNumber(slot));
      label.left = column == 0 ? 8 : 136;
      label.top = kRowsLabelTop[row];
      label.width = (column == 0 ? 72 : 208) - label.left - 2;  // up to its field
      label.height = 20;
      label.font = Font{kUiFontFace, PointsForPixelHeight(16), kFontBold, 0, kShiftJisCharset,
                        column == 0 ? colors::kGreen : colors::kFuchsia};
      label.color = color;
      EditField& edit = edits[slot];
      edit.name = "Edit" + std::to_string(SlotButtonNumber(slot));
      edit.left = column == 0 ? 72 : 208;
      edit.top = kRowsFieldTop[row];
      edit.width = 49;
      edit.height = 20;
      edit.maxTypedBytes = kNameBytes;
      edit.tabStop = true;
      edit.color = 0x80000005;  // the window colour
      edit.font = font;
    }
  }
  OkBtn.name = "OkBtn";
  OkBtn.caption = "OK";
  OkBtn.left = 96;
  OkBtn.top = 280;
  OkBtn.width = 65;
  OkBtn.height = 33;
  OkBtn.tabStop = true;
  OkBtn.font = Font{kUiFontFace, PointsForPixelHeight(15), kFontBold, 0, kShiftJisCharset,
                    colors::kWindowText};
}

EditField& TNameForm::Edit(int buttonNumber) { return edits[SlotIndex(buttonNumber)]; }

const EditField& TNameForm::Edit(int buttonNumber) const { return edits[SlotIndex(buttonNumber)]; }

void TNameForm::FormCreate(const IniFile& settings) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int n = SlotButtonNumber(slot);
    edits[slot].caption = settings.ReadString("BtnName", "Name" + std::to_string(n), DefaultButtonName(n));
  }
}

void TNameForm::Open() {
  shownModally = true;
  visible = true;
  FormShow();
  FormActivate();
}

void TNameForm::FormShow() {
  if (mainForm != nullptr) mainForm->ScanTimer.SetEnabled(false);
}

void TNameForm::FormActivate() {
  if (mainForm != nullptr) mainForm->ScanTimer.SetEnabled(false);
}

void TNameForm::OkBtnClick() {
  if (mainForm != nullptr) {
    const int firstNumber = mainForm->color == colors::kGreen     ? 1
                            : mainForm->color == colors::kFuchsia ? 11
                                                                   : 0;
    if (firstNumber != 0) {
      for (int k = 1; k <= 8; ++k) mainForm->CuteButton(k).caption = Name(firstNumber + k - 1);
    }
  }
  visible = false;
  shownModally = false;
  if (mainForm != nullptr) mainForm->ScanTimer.SetEnabled(true);
}

void TNameForm::FormClose() { OkBtnClick(); }

bool TNameForm::EditFits(const std::string& previous, const std::string& edited, int maxBytes) {
  // A line break or other control character pasted into a name would break the
  // settings file's lines apart.
  for (char c : edited) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  }
  return maxBytes <= 0 || edited.size() <= static_cast<std::size_t>(maxBytes) ||
         edited.size() <= previous.size();
}

}  // namespace sorvane
