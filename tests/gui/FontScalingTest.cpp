// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <vector>

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
    // Runs after the font scaling on each allocation of the outer box: the
    // cell width it saw.
    outerBox().signal_size_allocate().connect(
        [this](Gtk::Allocation&) { widthsSeen.push_back(app.cells[0]->get_width()); });
    gui::settle();
    startWidth = window.get_width();
    startHeight = window.get_height();
    startSize = styleSize(*app.cells[0]);
    restyles = 0;
    widthsSeen.clear();
  }

  Gtk::Widget& outerBox() { return *window.get_child(); }

  static int styleSize(Gtk::Entry& cell) { return cell.get_style()->get_font().get_size(); }
  static int modifierSize(Gtk::Entry& cell) { return cell.get_modifier_style()->get_font().get_size(); }

  // Asks for a new window size and lets the toolkit settle until the window
  // and the grid have stopped changing size. The digits are held to the
  // grid's height: the window is made tall enough that the width rules.
  void resizeTo(int width, int height = 1000) {
    window.resize(width, height);
    int stableRounds = 0;
    int lastWindow = -1, lastCell = -1;
    for (int round = 0; round < 300 && stableRounds < 10; ++round) {
      gui::settle();
      usleep(5000);
      const int nowWindow = window.get_width(), nowCell = app.cells[0]->get_width();
      stableRounds = nowWindow == lastWindow && nowCell == lastCell ? stableRounds + 1 : 0;
      lastWindow = nowWindow;
      lastCell = nowCell;
    }
  }

  // Every cell's font was set to one size, and that size is the one in use.
  void expectAllCellsAt(int size) {
    for (int i = 0; i < 81; ++i) {
      EXPECT_EQ(modifierSize(*app.cells[i]), size) << "cell " << i;
      EXPECT_EQ(styleSize(*app.cells[i]), size) << "cell " << i;
    }
  }

  // True when size is what the scaling asks for at one of the widths seen:
  // the cells got the size computed for a real width, not cut or rounded.
  bool isSizeForAWidthSeen(int size) {
    for (int width : widthsSeen) {
      if (rescaledFontSize(app.fontRatio, width, 0) == size) return true;
    }
    return false;
  }

  int startWidth = 0, startHeight = 0, startSize = 0;
  int restyles = 0;
  std::vector<int> widthsSeen;
};

// The first allocation, while the window was being shown, found no ratio:
// the cells still carry the empty description they were given.
TEST_F(FontScalingTest, TheFirstAllocationChangesNoFont) {
  ASSERT_GT(app.fontRatio, 0.0f) << "the window measured a ratio";
  for (Gtk::Entry* cell : app.cells) EXPECT_EQ(modifierSize(*cell), 0);
}

TEST_F(FontScalingTest, WideningGrowsEveryCellToTheTruncatedProductAndNarrowingShrinksThem) {
  const int startCell = app.cells[0]->get_width();
  resizeTo(startWidth + 400);
  ASSERT_GT(app.cells[0]->get_width(), startCell);
  const int grown = modifierSize(*app.cells[0]);
  EXPECT_GT(grown / 1024, startSize / 1024) << "the digits grew by whole points";
  expectAllCellsAt(grown);
  EXPECT_TRUE(isSizeForAWidthSeen(grown)) << grown;

  widthsSeen.clear();
  resizeTo(startWidth + 100);
  const int shrunk = modifierSize(*app.cells[0]);
  EXPECT_LT(shrunk / 1024, grown / 1024);
  expectAllCellsAt(shrunk);
  EXPECT_TRUE(isSizeForAWidthSeen(shrunk)) << shrunk;
}

// However large the digits have grown, the window takes the size asked for,
// its natural size included, in one step, and the grid fits in its height.
TEST_F(FontScalingTest, TheWindowTakesTheSizeAskedForAndTheGridFitsInIt) {
  const struct {
    int width, height;
  } sizes[] = {{1250, 1000}, {startWidth, startHeight}, {1280, 400}, {1280, 761}, {startWidth, startHeight}};
  Gtk::Widget& grid = *app.cells[0]->get_parent();
  for (const auto& size : sizes) {
    SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
    resizeTo(size.width, size.height);
    EXPECT_EQ(window.get_width(), size.width);
    EXPECT_EQ(window.get_height(), size.height);
    EXPECT_LE(grid.size_request().height, grid.get_height()) << "the rows need more height than the grid has";
  }
  EXPECT_EQ(styleSize(*app.cells[0]) / 1024, startSize / 1024) << "back at the natural size, the digits are too";
}

// A point spans several pixels of cell width: widening pixel by pixel
// makes the cells wider while the digits keep their size, and then no cell
// may be restyled.
TEST_F(FontScalingTest, ResizeWithinTheSameWholePointChangesNoFont) {
  resizeTo(startWidth + 200);
  ASSERT_GT(modifierSize(*app.cells[0]) / 1024, startSize / 1024);

  bool tried = false;
  for (int extra = 1; extra <= 60 && !tried; ++extra) {
    const int cellBefore = app.cells[0]->get_width();
    const int fontBefore = modifierSize(*app.cells[0]);
    restyles = 0;
    resizeTo(window.get_width() + 1);
    if (app.cells[0]->get_width() == cellBefore || modifierSize(*app.cells[0]) != fontBefore) continue;
    tried = true;
    EXPECT_EQ(restyles, 0) << "cell width " << cellBefore << " -> " << app.cells[0]->get_width();
    expectAllCellsAt(fontBefore);
  }
  EXPECT_TRUE(tried) << "every wider cell got a new font size";
}

}  // namespace
