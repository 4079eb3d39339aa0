// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <optional>
#include <string>

#include "GuiHelpers.h"
#include "shell/FontSize.h"

namespace {

class FontScalingTest : public gui::AppTest {
 protected:
  void SetUp() override {
    gui::AppTest::SetUp();
    // Every restyle of a cell, which is what a font change costs.
    for (Gtk::Entry* cell : app.cells) {
      cell->signal_style_changed().connect([this](const Glib::RefPtr<Gtk::Style>&) { ++restyles; });
    }
    gui::settle();
    naturalWidth = window.get_width();
    naturalHeight = window.get_height();
  }

  static int styleSize(Gtk::Entry& cell) { return cell.get_style()->get_font().get_size(); }
  static int modifierSize(Gtk::Entry& cell) { return cell.get_modifier_style()->get_font().get_size(); }

  // Gives the window a size as a window manager or `xdotool windowsize`
  // does, past the toolkit's own size hints, and lets the toolkit handle
  // what follows until the window and the cells keep their sizes. False
  // when the digits kept changing size: the program would spin.
  bool resizeTo(int width, int height) {
    window.get_window()->resize(width, height);
    // Shrinking takes a few font changes, each one allocation after the
    // other, as the cells give up the width their digits asked for.
    const int restyleLimit = restyles + 20 * 81;
    int stableRounds = 0;
    int lastWindow = -1, lastCell = -1, lastFont = -1;
    for (int round = 0; round < 300 && stableRounds < 10; ++round) {
      while (Gtk::Main::events_pending() && restyles < restyleLimit) Gtk::Main::iteration(false);
      if (restyles >= restyleLimit) return false;
      usleep(5000);
      const int nowWindow = window.get_width(), nowCell = app.cells[0]->get_width();
      const int nowFont = styleSize(*app.cells[0]);
      stableRounds = nowWindow == lastWindow && nowCell == lastCell && nowFont == lastFont ? stableRounds + 1 : 0;
      lastWindow = nowWindow;
      lastCell = nowCell;
      lastFont = nowFont;
    }
    return stableRounds == 10;
  }

  int naturalWidth = 0, naturalHeight = 0;
  int restyles = 0;
};

// The first allocation, while the window was being shown, found no ratio:
// the cells still carry the empty description they were given.
TEST_F(FontScalingTest, TheFirstAllocationChangesNoFont) {
  ASSERT_GT(app.fontRatio, 0.0f) << "the window measured a ratio";
  for (Gtk::Entry* cell : app.cells) EXPECT_EQ(modifierSize(*cell), 0);
}

// Window sizes one after the other, each as a window manager would set
// it. Whatever the height, the digits settle at once, at the exact
// truncated product of the ratio and the cells' width, and all 81 cells
// take it; a cell width in the same whole point restyles nothing.
TEST_F(FontScalingTest, TheDigitsFollowTheCellWidthAtEveryWindowSize) {
  const struct {
    int width, height;  // 0: the natural width or height
    bool noRatio;       // the ratio set to 0 first, as a font of size 0 measures it
    const char* why;
  } steps[] = {
      {1000, 0, false, "wider at the natural height: the width alone decides"},
      {1009, 0, false, "a cell one pixel wider"},
      {1018, 0, false, "a cell one pixel wider still"},
      {1027, 0, false, "and once more: at least one of these stays within the whole point"},
      {700, 0, false, "narrower shrinks the digits"},
      {468, 200, false, "shorter than the natural height"},
      {468, 150, false, "shorter still"},
      {300, 200, false, "narrower and shorter than the natural size"},
      {0, 0, false, "back at the natural size in one step"},
      {1000, 700, true, "no ratio, no change"},
  };
  bool sameWholePointSeen = false;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.why);
    if (step.noRatio) app.fontRatio = 0.0f;
    const int before = styleSize(*app.cells[0]);
    const int widthBefore = app.cells[0]->get_width();
    restyles = 0;
    ASSERT_TRUE(resizeTo(step.width ? step.width : naturalWidth, step.height ? step.height : naturalHeight))
        << "the window did not settle";
    const int width = app.cells[0]->get_width();
    const int size = styleSize(*app.cells[0]);
    if (step.noRatio) {
      EXPECT_EQ(size, before);
      EXPECT_EQ(restyles, 0);
      continue;
    }
    const int product = static_cast<int>(app.fontRatio * static_cast<float>(width));
    EXPECT_EQ(size / kUnitsPerPoint, product / kUnitsPerPoint) << "cell width " << width;
    if (size != before) {
      EXPECT_EQ(size, product) << "the exact product, not a whole point";
    }
    for (Gtk::Entry* cell : app.cells) ASSERT_EQ(styleSize(*cell), size);
    if (width != widthBefore && product / kUnitsPerPoint == before / kUnitsPerPoint) {
      sameWholePointSeen = true;
      EXPECT_EQ(restyles, 0) << "cell width " << widthBefore << " -> " << width;
    }
    if (step.width == 0) {
      EXPECT_EQ(window.get_width(), naturalWidth);
      EXPECT_EQ(window.get_height(), naturalHeight);
    }
  }
  EXPECT_TRUE(sameWholePointSeen) << "no step kept the whole point";
}

}  // namespace
