#include <gtest/gtest.h>

#include "controls/PanelButton.h"
#include "controls/TextFit.h"
#include "platform/sim/SimDesktop.h"

namespace sorvane::test {

namespace {

struct Holder : PanelButtonParent {
  void ChildMouseEnter(PanelButton&) override { ++enters; }
  void ChildMouseLeave(PanelButton&) override { ++leaves; }
  bool Showing() const override { return showing; }
  int enters = 0;
  int leaves = 0;
  bool showing = true;
};

struct ButtonOnDesk {
  sim::SimDesktop desk;
  Holder holder;
  PanelButton button{desk, &holder};
  int clicks = 0;
  Bevel bevelAtClick = Bevel::kNone;
  ButtonOnDesk() {
    button.OnClick = [this](PanelButton& b) {
      ++clicks;
      bevelAtClick = b.bevelOuter;
    };
  }
};

}  // namespace

TEST(PanelButton, StartsAtRestAndNotFlatSoMadeFlatItLosesItsRaisedInnerBevel) {
  ButtonOnDesk b;
  EXPECT_EQ(b.button.bevelOuter, Bevel::kNone);
  EXPECT_EQ(b.button.bevelInner, Bevel::kRaised);
  b.button.SetFlat(true);
  EXPECT_EQ(b.button.bevelInner, Bevel::kNone);
  EXPECT_EQ(b.button.bevelOuter, Bevel::kNone);
}

TEST(PanelButton, ThePointerMakesItHotOrPressedAndLeavingRestsIt) {
  ButtonOnDesk b;
  b.button.PointerEntered();
  EXPECT_EQ(b.button.bevelOuter, Bevel::kRaised);
  b.button.PointerLeft();
  EXPECT_EQ(b.button.bevelOuter, Bevel::kNone);
  EXPECT_EQ(b.holder.enters, 1);  // the holder hears of both
  EXPECT_EQ(b.holder.leaves, 1);
  b.desk.leftButtonDown = true;  // dragged in with the button held
  b.button.PointerEntered();
  EXPECT_EQ(b.button.bevelOuter, Bevel::kLowered);
}

TEST(PanelButton, AClickFiresWhileLoweredAndLeavesItAtRest) {
  ButtonOnDesk b;
  b.button.PointerEntered();
  b.button.MouseDown(MouseButton::kLeft);
  EXPECT_EQ(b.button.bevelOuter, Bevel::kLowered);
  b.button.MouseRelease(MouseButton::kLeft, true);
  EXPECT_EQ(b.clicks, 1);
  EXPECT_EQ(b.bevelAtClick, Bevel::kLowered);
  EXPECT_EQ(b.button.bevelOuter, Bevel::kNone);
  EXPECT_EQ(b.desk.captureReleases, 1);
  b.button.MouseRelease(MouseButton::kRight, true);  // no bevel change, capture released
  EXPECT_EQ(b.button.bevelOuter, Bevel::kNone);
  EXPECT_EQ(b.desk.captureReleases, 2);
  EXPECT_EQ(b.clicks, 1);
}

TEST(PanelButton, SpaceAndEnterClickOnlyAnEnabledButton) {
  ButtonOnDesk b;
  b.button.KeyDown(PanelButton::kVkSpace);
  b.button.KeyDown(PanelButton::kVkReturn);
  b.button.KeyDown('A');
  EXPECT_EQ(b.clicks, 2);
  EXPECT_EQ(b.bevelAtClick, Bevel::kLowered);
  EXPECT_EQ(b.button.bevelOuter, Bevel::kRaised);
  b.button.KeyUp(PanelButton::kVkSpace);
  EXPECT_EQ(b.button.bevelOuter, Bevel::kRaised);
  b.button.DoExit();
  b.button.enabled = false;
  b.button.KeyDown(PanelButton::kVkSpace);
  EXPECT_EQ(b.clicks, 2);
  EXPECT_EQ(b.button.bevelOuter, Bevel::kNone);
  b.button.DoEnter();
  EXPECT_EQ(b.button.bevelOuter, Bevel::kRaised);
}

TEST(PanelButton, AnAcceleratorClicksOnlyWhenEnabledAndItsParentIsVisible) {
  ButtonOnDesk b;
  b.button.caption = "ボタン&x";
  EXPECT_TRUE(b.button.KeyAccel('X'));
  EXPECT_EQ(b.clicks, 1);
  EXPECT_FALSE(b.button.KeyAccel('y'));
  b.button.enabled = false;
  EXPECT_FALSE(b.button.KeyAccel('x'));
  b.button.enabled = true;
  b.holder.showing = false;
  EXPECT_FALSE(b.button.KeyAccel('x'));
  b.button.caption = "no accelerator && here";
  b.holder.showing = true;
  EXPECT_FALSE(b.button.KeyAccel('h'));
  EXPECT_EQ(b.clicks, 1);
}

TEST(PanelButton, FlatRemovesAndRestoresTheInnerBevelOnly) {
  ButtonOnDesk b;
  b.button.SetFlat(false);
  EXPECT_EQ(b.button.bevelInner, Bevel::kRaised);
  b.button.bevelOuter = Bevel::kRaised;
  b.button.SetFlat(true);
  EXPECT_EQ(b.button.bevelInner, Bevel::kNone);
  EXPECT_EQ(b.button.bevelOuter, Bevel::kRaised);
  b.button.SetFlat(false);
  EXPECT_EQ(b.button.bevelInner, Bevel::kRaised);
}

TEST(CaptionFit, ATextKeepsItsSizeWhereItFitsAndElseTakesTheLargestThatFits) {
  // Text a little wider than in proportion with its height, as hinting makes it.
  const auto measure = [](int height) { return TextExtent{height * 7 / 2 + height % 3, height + height / 6}; };
  for (int wanted = 1; wanted <= 80; ++wanted) {
    for (const auto& [width, height] : {std::pair{50, 18}, std::pair{100, 36}, std::pair{8, 40}, std::pair{300, 5}}) {
      int largest = 1;
      for (int h = 1; h <= wanted; ++h) {
        const TextExtent extent = measure(h);
        if (extent.width <= width && extent.height <= height) largest = h;
      }
      EXPECT_EQ(FittingPixelHeight(wanted, width, height, measure), largest) << wanted << " " << width << "x" << height;
    }
  }
}

TEST(CaptionFit, TheRoomIsThePartOfTheFaceInViewInsideTheBevels) {
  ButtonOnDesk b;
  for (int dpi : {96, 192, 288, 384}) {
    b.button.width = ScaledPixels(56, dpi);
    b.button.height = ScaledPixels(25, dpi);
    const int shown = ScaledPixels(22, dpi);  // the panel shows 22 of its 25 rows
    const ScreenRect room = b.button.CaptionRoom(shown, dpi);
    const int bevels = 2 * ScaledPixels(1, dpi);
    EXPECT_GE(room.top, bevels) << dpi;
    EXPECT_LE(room.bottom, shown - bevels) << dpi;
    EXPECT_GT(room.left, bevels) << dpi;  // with a margin: no caption touches the edge
    EXPECT_LT(room.right, b.button.width - bevels) << dpi;
    // The design's caption, 15 pixels high at 96 dpi, keeps its size.
    EXPECT_GE(room.bottom - room.top, ScaledPixels(16, dpi)) << dpi;
  }
}

}  // namespace sorvane::test
