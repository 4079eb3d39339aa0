// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>

#include "GuiHelpers.h"

namespace {

using gui::AppTest;

TEST_F(AppTest, StartsWithEmptyEditableFramedCells) {
  for (Gtk::Entry* cell : app.cells) {
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->get_text(), "");
    EXPECT_TRUE(cell->get_editable());
    EXPECT_TRUE(cell->get_has_frame());
    EXPECT_EQ(cell->get_max_length(), 1);
    EXPECT_EQ(cell->get_width_chars(), 2);
    EXPECT_FLOAT_EQ(cell->get_alignment(), 0.5f);
    EXPECT_FALSE(gui::isMarked(*cell));
  }
  EXPECT_EQ(app.window, &window);
  EXPECT_TRUE(window.get_visible());
  EXPECT_TRUE(app.fileName.empty());
  EXPECT_FALSE(app.updating);
}

TEST_F(AppTest, CellsAreStoredColumnMajor) {
  // The entry of (row, col) sits at column col and row row of the grid table,
  // so its place on screen follows the row-major cell order.
  std::set<Gtk::Entry*> distinct(std::begin(app.cells), std::end(app.cells));
  EXPECT_EQ(distinct.size(), 81u);
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) {
      Gtk::Allocation here = app.cells[col * 9 + row]->get_allocation();
      if (col > 0) {
        EXPECT_GT(here.get_x(), app.cells[(col - 1) * 9 + row]->get_allocation().get_x());
      }
      if (row > 0) {
        EXPECT_GT(here.get_y(), app.cells[col * 9 + row - 1]->get_allocation().get_y());
      }
    }
  }
}

TEST_F(AppTest, BoxesAreDrawnApart) {
  auto gapAfterColumn = [&](int col) {
    Gtk::Allocation left = app.cells[col * 9]->get_allocation();
    return app.cells[(col + 1) * 9]->get_allocation().get_x() - (left.get_x() + left.get_width());
  };
  auto gapAfterRow = [&](int row) {
    Gtk::Allocation top = app.cells[row]->get_allocation();
    return app.cells[row + 1]->get_allocation().get_y() - (top.get_y() + top.get_height());
  };
  EXPECT_EQ(gapAfterColumn(2) - gapAfterColumn(1), 8);
  EXPECT_EQ(gapAfterColumn(5) - gapAfterColumn(4), 8);
  EXPECT_EQ(gapAfterRow(2) - gapAfterRow(1), 8);
  EXPECT_EQ(gapAfterRow(5) - gapAfterRow(4), 8);
}

TEST_F(AppTest, ShowsTheCommandsAndTheSlider) {
  std::multiset<std::string> labels, texts;
  for (Gtk::Button* button : gui::findAll<Gtk::Button>(window)) labels.insert(button->get_label());
  for (Gtk::Label* label : gui::findAll<Gtk::Label>(window)) texts.insert(label->get_label());
  EXPECT_EQ(labels, (std::multiset<std::string>{"_Generate", "_Load Seed", "_Solve", "_Clear", "gtk-open",
                                                 "gtk-save", "gtk-about", "gtk-quit"}));
  Gtk::HScale* slider = gui::findChild<Gtk::HScale>(window);
  ASSERT_NE(slider, nullptr);
  EXPECT_FALSE(slider->get_draw_value());
  EXPECT_EQ(slider->get_adjustment(), app.difficulty);
  EXPECT_EQ(texts.count("<i>Easy</i>"), 1u);
  EXPECT_EQ(texts.count("<i>Hard</i>"), 1u);
}

// Waits until the window has taken a new size.
void resizeAndSettle(Gtk::Window& window, int width, int height) {
  window.resize(width, height);
  for (int i = 0; i < 100 && (window.get_width() != width || window.get_height() != height); ++i) {
    gui::settle();
    g_usleep(5000);
  }
  gui::settle();
}

TEST_F(AppTest, HeighteningTheWindowKeepsTheCellsHeight) {
  const int cellHeight = cell(0, 0).get_height();
  resizeAndSettle(window, window.get_width(), window.get_height() + 200);
  EXPECT_EQ(cell(0, 0).get_height(), cellHeight);
}

}  // namespace
