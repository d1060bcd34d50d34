#include <gtest/gtest.h>

#include "Harness.h"

namespace sorvane::test {

namespace {

// The design's pixels at dpi / 96 times the scale, to the nearest pixel.
int At(int pixels, int dpi, int scale) { return (pixels * dpi * scale + 48) / 96; }

MonitorArea Monitor(int left, int top, int width, int height, int dpi, bool primary) {
  const ScreenRect bounds{left, top, left + width, top + height};
  ScreenRect work = bounds;
  work.bottom -= 40;  // a taskbar at the bottom
  return MonitorArea{bounds, work, height - 40 - 23, dpi, primary};
}

}  // namespace

TEST(Scaling, EveryPanelSizeAndFontFollowsTheDpiAndTheScaleAndIsTodaysAt96) {
  for (int dpi : {96, 120, 144, 192}) {
    for (int scale = 1; scale <= 4; ++scale) {
      Panel panel;
      panel.desk.screenWidth = 8192;  // wide enough for every size
      ASSERT_TRUE(panel.Start());
      PanelForm& form = panel.form();
      form.dpi = dpi;
      form.PanelScaleClick(scale);
      const FrameInsets frame = panel.desk.PanelFrame(dpi);
      EXPECT_EQ(form.frame.left, frame.left);
      const std::string at = std::to_string(dpi) + " dpi, scale " + std::to_string(scale);
      for (int count = 1; count <= 8; ++count) {
        form.LayoutButtons(count);
        EXPECT_EQ(form.ClientHeight(), At(22, dpi, scale)) << at;
        if (count <= 3) {
          constexpr int kOuterWidths[] = {76, 142, 202};
          EXPECT_EQ(form.width, At(kOuterWidths[count - 1], dpi, scale)) << at;
        } else {
          EXPECT_EQ(form.ClientWidth(), At(60 * count + 16, dpi, scale)) << at;
          // The last button's right edge is the client's right edge.
          EXPECT_EQ(form.Button(count).left + form.Button(count).width, form.ClientWidth()) << at;
        }
      }
      for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(form.Button(k).left, At(20 + 60 * (k - 1), dpi, scale)) << at;
        EXPECT_EQ(form.Button(k).width, At(56, dpi, scale)) << at;
        EXPECT_EQ(form.Button(k).height, At(25, dpi, scale)) << at;
      }
      EXPECT_EQ(form.switchOverMarker.width, At(21, dpi, scale)) << at;
      // Points scale as Windows scales them: 11 points are 15 pixels at 96 dpi.
      EXPECT_EQ(form.FontPixelHeight(form.Button(1).font), (11 * dpi * scale + 36) / 72) << at;
      form.options.singleDisplay = true;
      form.LayoutButtons(4);
      EXPECT_EQ(form.ClientWidth(), At(72, dpi, scale)) << at;
      if (dpi == 96 && scale == 1) {
        EXPECT_EQ(form.FontPixelHeight(form.Button(1).font), 15);
        EXPECT_EQ(form.Button(8).left, 440);
        EXPECT_EQ(form.ClientHeight(), 22);
      }
    }
  }
}

TEST(Scaling, AStripTooWideForItsMonitorTakesTheLargestScaleThatFitsAndKeepsTheCarersChoice) {
  Panel panel;  // 1024 pixels wide
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  form.MenuCommand(MenuId::PanelScale4);
  form.ButtonCountClick(8);
  EXPECT_LE(form.width, panel.desk.screenWidth);
  EXPECT_EQ(form.fittedScale, 2);  // 8 buttons at x3 would be 1488 wide
  form.ButtonCountClick(3);
  EXPECT_EQ(form.fittedScale, 4);
  EXPECT_EQ(form.panelScale, 4);
}

TEST(Scaling, TheSizeMenuTicksOneScaleWhichIsSavedAndReadBackWithinOneToFour) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  const MenuItem& size = form.menu.Item(MenuId::PanelSize);
  EXPECT_EQ(size.caption, "大きさ (&Z)");
  EXPECT_TRUE(form.MenuChecked(MenuId::PanelScale1));
  form.MenuCommand(MenuId::PanelScale3);
  for (int n = 1; n <= 4; ++n) {
    const MenuItem& item = form.menu.Item(PanelMenu::PanelScaleItem(n));
    EXPECT_EQ(item.caption, "×" + std::to_string(n));
    EXPECT_EQ(item.parent, MenuId::PanelSize);
    EXPECT_TRUE(item.radio);
    EXPECT_EQ(form.MenuChecked(item.id), n == 3);
  }
  EXPECT_EQ(form.ClientWidth(), 3 * 256);
  form.Close();
  const std::string saved = panel.desk.files.at("C:\\Sorvane\\Sorvane.ini");
  EXPECT_NE(saved.find("[バージョン]\r\nVer=「Sorvane＋。」Ver 2.10\r\n[PanelScale]\r\nScale=3\r\n"), std::string::npos);

  for (const auto& [text, expected] : std::vector<std::pair<std::string, int>>{
           {"3", 3}, {"4", 4}, {"0", 1}, {"5", 1}, {"-2", 1}, {"abc", 1}}) {
    Panel again;
    again.desk.screenWidth = 2048;
    again.desk.files["C:\\Sorvane\\Sorvane.ini"] = "[PanelScale]\r\nScale=" + text + "\r\n";
    ASSERT_TRUE(again.Start());
    EXPECT_EQ(again.form().panelScale, expected) << text;
    EXPECT_EQ(again.form().ClientWidth(), expected * 256) << text;
    EXPECT_TRUE(again.form().MenuChecked(PanelMenu::PanelScaleItem(expected))) << text;
  }
}

TEST(Scaling, ThePanelStartsAtItsMonitorsDpiAndFollowsAMoveToAnother) {
  Panel panel;
  panel.desk.monitors = {Monitor(0, 0, 1920, 1080, 96, true), Monitor(1920, 0, 2560, 1440, 144, false)};
  panel.desk.files["C:\\Sorvane\\Sorvane.ini"] =
      "[起動時の横座標]\r\nXPOS=2000\r\n[起動時の縦座標]\r\nYPOS=100\r\n";
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  EXPECT_EQ(form.dpi, 144);
  EXPECT_EQ(form.ClientWidth(), 384);
  EXPECT_EQ(form.ClientHeight(), 33);
  EXPECT_EQ(form.frame.left, panel.desk.PanelFrame(144).left);
  // Dragged onto the primary monitor: the system suggests the corner.
  form.DpiChanged(96, {300, 200});
  EXPECT_EQ(form.left, 300);
  EXPECT_EQ(form.top, 200);
  EXPECT_EQ(form.ClientWidth(), 256);
  EXPECT_EQ(form.ClientHeight(), 22);
  form.DpiChanged(96, {0, 0});  // no change of dpi: nothing moves
  EXPECT_EQ(form.left, 300);
}

TEST(Scaling, TheNameEditorAndTheNoticeFollowTheDpi) {
  Panel panel;
  panel.desk.monitors = {Monitor(0, 0, 1920, 1080, 144, true)};
  panel.desk.firstArgument = "";
  ASSERT_TRUE(panel.Start());
  const NameEditor& editor = *panel.app->nameEditor;
  EXPECT_EQ(editor.width, 414);
  EXPECT_EQ(editor.height, 524);
  EXPECT_EQ(editor.Edit(18).left, 312);
  EXPECT_EQ(editor.Edit(18).top, 360);
  EXPECT_EQ(editor.Edit(18).width, 74);
  EXPECT_EQ(editor.okButton.top, 420);
  const ArgumentNotice& notice = *panel.app->argumentNotice;
  EXPECT_EQ(notice.width, 318);
  EXPECT_EQ(notice.height, 317);
  EXPECT_EQ(notice.lines[5].top, 192);
  EXPECT_EQ(notice.left, (1920 - 318) / 2);
}

// Two monitors side by side, the second to the right of the primary or to its
// left at negative coordinates: the panel stays on the monitor it is on.
TEST(KeepOnScreen, KeepsThePanelOnTheMonitorItIsOnAtEitherSideOfThePrimary) {
  for (int secondLeft : {1920, -1280}) {
    Panel panel;
    panel.desk.monitors = {Monitor(0, 0, 1920, 1080, 96, true), Monitor(secondLeft, 0, 1280, 1024, 96, false)};
    ASSERT_TRUE(panel.Start());
    PanelForm& form = panel.form();
    const int right = secondLeft + 1280;
    const std::string side = secondLeft > 0 ? "right" : "left";

    form.left = secondLeft + 300;
    form.top = 500;
    form.driver.Tick();
    EXPECT_EQ(form.left, secondLeft + 300) << side;
    EXPECT_EQ(form.top, 500) << side;

    // Partly off the desktop's outer edge: flush to that edge.
    const int outer = secondLeft > 0 ? right - form.width / 3 : secondLeft - form.width / 3;
    form.left = outer;
    form.driver.Tick();
    EXPECT_EQ(form.left, secondLeft > 0 ? right - form.width : secondLeft) << side;
    // Across the edge between the two: wholly onto the monitor it is mostly on.
    form.left = secondLeft > 0 ? secondLeft - form.width / 3 : -form.width / 3;
    form.driver.Tick();
    EXPECT_EQ(form.left, secondLeft > 0 ? secondLeft : 0) << side;

    form.left = secondLeft + 100;
    form.top = 1024 - 40 - 5;  // into the second monitor's taskbar
    form.driver.Tick();
    EXPECT_EQ(form.top, 1024 - 40 - 23 - form.height / 2) << side;
    form.top = -30;
    form.driver.Tick();
    EXPECT_EQ(form.top, 0) << side;
  }
}

TEST(KeepOnScreen, APositionSavedOnAMonitorThatIsGoneStartsAtThePrimarysCentre) {
  for (const char* x : {"5000", "-3000"}) {
    Panel panel;
    panel.desk.monitors = {Monitor(0, 0, 1920, 1080, 96, true), Monitor(-1280, 0, 1280, 1024, 96, false)};
    panel.desk.files["C:\\Sorvane\\Sorvane.ini"] = std::string("[起動時の横座標]\r\nXPOS=") + x + "\r\n[起動時の縦座標]\r\nYPOS=100\r\n";
    ASSERT_TRUE(panel.Start());
    EXPECT_EQ(panel.form().left, 960) << x;
    EXPECT_EQ(panel.form().top, 540) << x;
  }
  Panel onTheLeft;
  onTheLeft.desk.monitors = {Monitor(0, 0, 1920, 1080, 96, true), Monitor(-1280, 0, 1280, 1024, 96, false)};
  onTheLeft.desk.files["C:\\Sorvane\\Sorvane.ini"] = "[起動時の横座標]\r\nXPOS=-900\r\n[起動時の縦座標]\r\nYPOS=100\r\n";
  ASSERT_TRUE(onTheLeft.Start());
  EXPECT_EQ(onTheLeft.form().left, -900);
  EXPECT_EQ(onTheLeft.form().top, 100);
}

TEST(KeepOnScreen, PullsThePanelBackAtEveryTick) {
  Panel panel;
  ASSERT_TRUE(panel.Start());
  PanelForm& form = panel.form();
  const int width = form.width;
  const int height = form.height;
  form.top = 720;
  form.left = 1000;
  form.driver.Tick();
  EXPECT_EQ(form.top, panel.desk.fullScreenClientHeight - height / 2);
  EXPECT_EQ(form.left, panel.desk.screenWidth - width);
  form.top = -40;
  form.left = -7;
  form.driver.Tick();
  EXPECT_EQ(form.top, 0);
  EXPECT_EQ(form.left, 0);
}

TEST(KeepOnScreen, FormShowBringsBackAPositionBeyondTheScreenOnly) {
  Panel panel;
  panel.desk.files["C:\\Sorvane\\Sorvane.ini"] = "[起動時の横座標]\r\nXPOS=1500\r\n[起動時の縦座標]\r\nYPOS=100\r\n";
  ASSERT_TRUE(panel.Start());
  EXPECT_EQ(panel.form().left, 512);
  EXPECT_EQ(panel.form().top, 384);
}

}  // namespace sorvane::test
