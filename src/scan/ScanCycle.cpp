// The scan step: the highlight moves on by one position every interval.
#include "app/SorvaneMain.h"

namespace sorvane {

void TSorvaneForm::ScanTimerTimer() {
  ScanState& s = scan();
  if (state_.scanResting) {
    // Only a press wakes a resting scan.
    ScanTimer.SetEnabled(false);
    return;
  }
  BtnOption.visible = false;
  if (state_.collapseCountdown != 0 && s.oneButtonMode == 1) --state_.collapseCountdown;
  if (state_.collapseCountdown == 0 && s.oneButtonMode == 1) {
    s.scanMax = 1;
    s.scanPos = 0;
    LayoutButtons(1, s.subScan);
  }
  ClearButtonCaptions();
  if (PopupMenu1.Checked(MenuId::Sound) && s.scanMax >= 2) platform_.sound.PlaySync(kClickSoundFile);
  const std::int32_t before = s.scanPos;

  ++s.scanPos;
  if (s.scanPos == s.scanMax + 1) {
    if (PopupMenu1.Checked(MenuId::JoyStickID2) && s.scanMax != 1) {
      BtnOption.visible = true;
      s.scanPos = 0;
    } else {
      BtnOption.visible = false;
      s.scanPos = 1;
    }
  }

  ScanStep& step = state_.scanSteps[static_cast<std::size_t>(state_.scanStepCount++ % 16)];
  step = ScanStep{platform_.clock.NowMilliseconds(), before, s.scanPos};

  if (s.scanPos == 1 && CycleCompleted()) {
    RestScan();
    return;
  }
  PaintScanPosition();

  if (PopupMenu1.Checked(MenuId::Oikake)) {
    const ScreenPoint cursor = platform_.desktop.CursorPosition();
    top = cursor.y + 10;
    left = cursor.x + 10;
  }
}

std::int32_t TSorvaneForm::ScanPositionAt(std::int64_t time) const {
  // Back through the steps taken since then, as long as nothing else (a
  // layout, a collapse) moved the highlight in between.
  std::int32_t position = state_.scanState.scanPos;
  const int count = state_.scanStepCount < 16 ? state_.scanStepCount : 16;
  for (int i = 1; i <= count; ++i) {
    const ScanStep& step = state_.scanSteps[static_cast<std::size_t>((state_.scanStepCount - i) % 16)];
    if (step.time <= time || step.after != position) break;
    position = step.before;
  }
  return position;
}

bool TSorvaneForm::CycleCompleted() {
  const std::int32_t loops = state_.switchOptions.loops;
  if (!state_.cycleStarted) {
    state_.cycleStarted = true;
    return false;
  }
  ++state_.cyclesWithoutPress;
  return loops > 0 && state_.cyclesWithoutPress >= loops;
}

void TSorvaneForm::RestScan() {
  state_.scanResting = true;
  ScanTimer.SetEnabled(false);
  BtnOption.visible = false;
  for (auto& button : CuteButtons) {
    button->color = colors::kBtnFace;
    button->font.color = colors::kWhite;
  }
  // The single display shows nothing either, not the last position's caption.
  if (PopupMenu1.Checked(MenuId::SingleDsp)) CuteButton(1).caption.clear();
}

void TSorvaneForm::WakeScan() {
  ScanState& s = scan();
  state_.scanResting = false;
  state_.cyclesWithoutPress = 0;
  state_.cycleStarted = true;
  s.scanPos = 1;
  PaintScanPosition();
  ScanTimer.SetEnabled(false);
  ScanTimer.SetEnabled(true);
}

void TSorvaneForm::PaintScanPosition() {
  if (PopupMenu1.Checked(MenuId::SingleDsp)) {
    PaintSingleDisplay();
  } else {
    PaintStripHighlight();
  }
  // The first position of each cycle stays lit longer, where a carer asks for it.
  const int interval = IntervalMilliseconds(scan().intervalSeconds);
  const std::int32_t pause = state_.switchOptions.firstPause;
  if (pause > 0 && interval > 0) ScanTimer.SetInterval(scan().scanPos == 1 ? interval + pause : interval);
}

void TSorvaneForm::PaintStripHighlight() {
  for (auto& button : CuteButtons) {
    button->color = colors::kBtnFace;
    button->font.color = colors::kWhite;
  }
  const ScanState& s = scan();
  if (s.scanPos < 1 || s.scanPos > 8) return;
  const ButtonAppearance& look = state_.Appearance(ButtonNumberAt(s.scanPos, s.activeStick));
  TCuteButton& button = CuteButton(s.scanPos);
  button.color = look.color;
  button.font.color = look.fontColor;
  button.font.style = look.fontStyle;
  button.font.size = look.fontSize;
}

void TSorvaneForm::PaintSingleDisplay() {
  const ScanState& s = scan();
  TCuteButton& display = CuteButton(1);
  if (s.scanPos == 0) {
    display.caption = "切替";
    display.color = colors::kBtnFace;
    display.font = DummyBtn.font;
    display.font.color = colors::kPurple;
    return;
  }
  if (s.scanPos < 1 || s.scanPos > 8) return;
  const int n = ButtonNumberAt(s.scanPos, s.activeStick);
  const ButtonAppearance& look = state_.Appearance(n);
  // Button 1 shows other buttons' fonts in turn; its own lives on DummyBtn.
  const Font& shown = s.scanPos == 1 ? DummyBtn.font : CuteButton(s.scanPos).font;
  display.font.name = shown.name;
  display.font.size = shown.size;
  display.font.style = shown.style;
  display.font.pitch = shown.pitch;
  display.font.charset = shown.charset;
  display.color = look.color;
  display.font.color = look.fontColor;
  if (PopupMenu1.Checked(MenuId::BtnNameDispOn) && NameForm != nullptr) {
    display.caption = NameForm->Name(n);
  }
}

}  // namespace sorvane
