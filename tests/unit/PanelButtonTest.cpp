#include <gtest/gtest.h>

#include "controls/PanelButton.h"
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

TEST(PanelButton, StartsAtRestWithARaisedInnerBevel) {
  ButtonOnDesk b;
  EXPECT_EQ(b.button.bevelOuter, Bevel::kNone);
  EXPECT_EQ(b.button.bevelInner, Bevel::kRaised);
  EXPECT_EQ(b.button.height, 25);
  EXPECT_EQ(b.button.width, 75);
  EXPECT_TRUE(b.button.tabStop);
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

}  // namespace sorvane::test
