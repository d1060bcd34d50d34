#include "forms/NameEditor.h"

#include <algorithm>

#include "controls/ButtonAppearance.h"
#include "settings/IniFile.h"
#include "settings/PanelSettings.h"

namespace sorvane {

namespace {

// The design, in pixels at 96 dpi.
constexpr int kRowsFieldTop[] = {16, 48, 80, 112, 144, 176, 208, 240};
constexpr int kRowsLabelTop[] = {18, 52, 85, 115, 146, 178, 210, 242};
constexpr int kWidth = 276;
constexpr int kHeight = 349;
constexpr int kLabelLeft[] = {8, 136};
constexpr int kFieldLeft[] = {72, 208};
constexpr int kFieldWidth = 49;
constexpr int kRowHeight = 20;
constexpr int kOkLeft = 96;
constexpr int kOkTop = 280;
constexpr int kOkWidth = 65;
constexpr int kOkHeight = 33;

}  // namespace

NameEditor::NameEditor() {
  caption = Text(TextId::NameEditorTitle);
  left = 594;
  top = 293;
  color = colors::kBtnFace;
  font = Font{kUiFontFace, PointsForPixelHeight(12), 0, 0, kShiftJisCharset, colors::kWindowText};
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 2; ++column) {
      const int slot = row + 8 * column;
      Label& label = labels[slot];
      label.caption = DefaultButtonName(SlotButtonNumber(slot));
      label.font = Font{kUiFontFace, PointsForPixelHeight(16), kFontBold, 0, kShiftJisCharset,
                        column == 0 ? colors::kGreen : colors::kFuchsia};
      label.color = color;
      EditField& edit = edits[slot];
      edit.maxTypedBytes = kNameBytes;
      edit.tabStop = true;
      edit.color = 0x80000005;  // the window colour
      edit.font = font;
    }
  }
  okButton.caption = "OK";
  okButton.tabStop = true;
  okButton.font = Font{kUiFontFace, PointsForPixelHeight(15), kFontBold, 0, kShiftJisCharset,
                    colors::kWindowText};
  ApplyDpi(96);
}

void NameEditor::ApplyDpi(int newDpi) {
  dpi = newDpi;
  LayOut(0, 0);
}

void NameEditor::FitText(int labelWidth, int fieldWidth) { LayOut(labelWidth, fieldWidth); }

void NameEditor::LayOut(int labelWidth, int fieldWidth) {
  const auto scaled = [this](int pixels) { return ScaledPixels(pixels, dpi); };
  // Each label reaches up to its field; what a text needs beyond the design
  // moves everything right of it on.
  int labelGrowth[2] = {};
  for (int column = 0; column < 2; ++column) {
    labelGrowth[column] = std::max(0, labelWidth - scaled(kFieldLeft[column] - kLabelLeft[column] - 2));
  }
  const int fieldGrowth = std::max(0, fieldWidth - scaled(kFieldWidth));
  const int shift[2] = {0, labelGrowth[0] + fieldGrowth};
  const int growth = labelGrowth[0] + labelGrowth[1] + 2 * fieldGrowth;
  width = scaled(kWidth) + growth;
  height = scaled(kHeight);
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 2; ++column) {
      const int slot = row + 8 * column;
      Label& label = labels[slot];
      label.left = scaled(kLabelLeft[column]) + shift[column];
      label.top = scaled(kRowsLabelTop[row]);
      label.width = scaled(kFieldLeft[column] - kLabelLeft[column] - 2) + labelGrowth[column];
      label.height = scaled(kRowHeight);
      EditField& edit = edits[slot];
      edit.left = scaled(kFieldLeft[column]) + shift[column] + labelGrowth[column];
      edit.top = scaled(kRowsFieldTop[row]);
      edit.width = scaled(kFieldWidth) + fieldGrowth;
      edit.height = scaled(kRowHeight);
    }
  }
  okButton.left = scaled(kOkLeft) + growth / 2;
  okButton.top = scaled(kOkTop);
  okButton.width = scaled(kOkWidth);
  okButton.height = scaled(kOkHeight);
}

void NameEditor::KeepInside(const ScreenRect& area) {
  if (left + width > area.right) left = area.right - width;
  if (top + height > area.bottom) top = area.bottom - height;
  if (left < area.left) left = area.left;
  if (top < area.top) top = area.top;
}

EditField& NameEditor::Edit(int buttonNumber) { return edits[SlotIndex(buttonNumber)]; }

const EditField& NameEditor::Edit(int buttonNumber) const { return edits[SlotIndex(buttonNumber)]; }

void NameEditor::LoadNames(const IniFile& settings) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int n = SlotButtonNumber(slot);
    std::string name = settings.ReadString("BtnName", "Name" + std::to_string(n), DefaultButtonName(n));
    edits[slot].caption = IsDefaultButtonName(name, n) ? DefaultButtonName(n) : name;
  }
}

void NameEditor::ShowTexts() {
  caption = Text(TextId::NameEditorTitle);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int n = SlotButtonNumber(slot);
    labels[slot].caption = DefaultButtonName(n);
    std::string& name = edits[slot].caption;
    if (IsDefaultButtonName(name, n)) name = DefaultButtonName(n);
  }
}

void NameEditor::Open() {
  shownModally = true;
  visible = true;
  FormShow();
  Activated();
}

void NameEditor::FormShow() {
  if (owner != nullptr) owner->NameEditingStarted();
}

void NameEditor::Activated() {
  if (owner != nullptr) owner->NameEditingStarted();
}

void NameEditor::OkClick() {
  visible = false;
  shownModally = false;
  if (owner != nullptr) owner->NamesEdited();
}

void NameEditor::FormClose() { OkClick(); }

bool NameEditor::EditFits(const std::string& previous, const std::string& edited, int maxBytes) {
  // A line break or other control character pasted into a name would break the
  // settings file's lines apart.
  for (char c : edited) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  }
  return maxBytes <= 0 || edited.size() <= static_cast<std::size_t>(maxBytes) ||
         edited.size() <= previous.size();
}

}  // namespace sorvane
