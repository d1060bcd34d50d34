#include "forms/NameEditor.h"

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
  caption = "ボタン名編集";
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
  const auto scaled = [newDpi](int pixels) { return ScaledPixels(pixels, newDpi); };
  width = scaled(kWidth);
  height = scaled(kHeight);
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 2; ++column) {
      const int slot = row + 8 * column;
      Label& label = labels[slot];
      label.left = scaled(kLabelLeft[column]);
      label.top = scaled(kRowsLabelTop[row]);
      label.width = scaled(kFieldLeft[column] - kLabelLeft[column] - 2);  // up to its field
      label.height = scaled(kRowHeight);
      EditField& edit = edits[slot];
      edit.left = scaled(kFieldLeft[column]);
      edit.top = scaled(kRowsFieldTop[row]);
      edit.width = scaled(kFieldWidth);
      edit.height = scaled(kRowHeight);
    }
  }
  okButton.left = scaled(kOkLeft);
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
    edits[slot].caption = settings.ReadString("BtnName", "Name" + std::to_string(n), DefaultButtonName(n));
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
