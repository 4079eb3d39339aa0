// SPDX-License-Identifier: GPL-3.0-or-later
#include <map>

#include "GuiHelpers.h"

namespace {

const std::string kOpen = "ef-";

class PuzzleDisplayTest : public gui::AppTest {
 protected:
  // Sets placement i to digit value (0-8) in cell (row-major).
  void place(int i, int cell, int value) { placements[i] = Placement{value, 0, cell, cell / 9, cell % 9, 0}; }
  std::string look(int cell) { return gui::lookOf(this->cell(cell / 9, cell % 9)); }
  void expectAllOpenBut(const std::map<int, std::string>& givens) {
    for (int c = 0; c < 81; ++c) {
      auto given = givens.find(c);
      EXPECT_EQ(look(c), given == givens.end() ? kOpen : given->second + "---") << "cell " << c;
    }
  }

  Placement placements[81];
  unsigned char shown[81] = {};
};

TEST_F(PuzzleDisplayTest, ShowsShownPlacementsAsLockedFramelessGivens) {
  place(0, 0, 4);
  place(1, 8, 0);   // value 0 is the digit 1
  place(2, 80, 8);  // value 8 is the digit 9
  place(3, 41, 2);  // not shown
  shown[0] = shown[8] = shown[80] = 1;
  app.showPuzzle(placements, shown);
  expectAllOpenBut({{0, "5"}, {8, "1"}, {80, "9"}});
  // Givens lie row-major on screen: cell 8 is the top-right one.
  EXPECT_EQ(app.cells[72]->get_text(), "1");
  EXPECT_FALSE(app.updating);
}

TEST_F(PuzzleDisplayTest, GivensTakeTheRoomOfAFramedCell) {
  const Gtk::Requisition open = cell(0, 0).size_request();
  // The top row all givens, then every cell a given (a solved grid), then
  // all open again.
  for (int givens : {9, 81, 0}) {
    SCOPED_TRACE(givens);
    for (int c = 0; c < 81; ++c) {
      place(c, c, (c % 9 + c / 9 * 3 + c / 27) % 9);
      shown[c] = c < givens;
    }
    app.showPuzzle(placements, shown);
    for (int c = 0; c < 81; ++c) {
      const Gtk::Requisition size = cell(c / 9, c % 9).size_request();
      EXPECT_EQ(size.height, open.height) << "cell " << c;
      EXPECT_EQ(size.width, open.width) << "cell " << c;
    }
  }
}

TEST_F(PuzzleDisplayTest, MaskOfZerosOpensEveryCellAndKeepsTheTitle) {
  app.setTitle("0599");
  for (int i = 0; i < 81; ++i) place(i, i, i % 9);
  for (unsigned char& s : shown) s = 1;
  app.showPuzzle(placements, shown);  // every cell a given
  ASSERT_EQ(look(80), "9---");
  for (unsigned char& s : shown) s = 0;
  app.showPuzzle(placements, shown);
  expectAllOpenBut({});
  EXPECT_EQ(window.get_title(), "Tessary (0599)");
}

TEST_F(PuzzleDisplayTest, ErasesTypedDigitsAndConflictColours) {
  type(0, 0, "5");
  type(0, 1, "5");  // a conflict: both red
  type(5, 5, "2");
  ASSERT_TRUE(gui::isRed(cell(0, 0)));
  ASSERT_TRUE(gui::isRed(cell(0, 1)));
  place(0, 1, 8);
  shown[1] = 1;
  app.showPuzzle(placements, shown);
  // The given loses its colour, and so does the open cell beside it.
  expectAllOpenBut({{1, "9"}});
}

TEST_F(PuzzleDisplayTest, WritesWithUpdatingRaisedAndMarksNothing) {
  int writes = 0;
  int writesWhileUpdating = 0;
  for (Gtk::Entry* c : app.cells) {
    c->signal_changed().connect([&] {
      ++writes;
      writesWhileUpdating += app.updating ? 1 : 0;
    });
  }
  // Two equal digits in one row: the display shows them as they are.
  place(0, 0, 4);
  place(1, 1, 4);
  shown[0] = shown[1] = 1;
  app.showPuzzle(placements, shown);
  EXPECT_EQ(writes, 2);
  EXPECT_EQ(writesWhileUpdating, 2);
  expectAllOpenBut({{0, "5"}, {1, "5"}});
  EXPECT_FALSE(app.updating);

  app.clearPuzzle();
  EXPECT_EQ(writes, 4);
  EXPECT_EQ(writesWhileUpdating, 4);
  EXPECT_FALSE(app.updating);
}

TEST_F(PuzzleDisplayTest, ClearEmptiesAndUnlocksAGeneratedGrid) {
  // As Generate leaves it: the seed code in the title, givens locked.
  app.setTitle("05123456");
  for (int i = 0; i < 81; ++i) place(i, i, (i * 4) % 9);
  for (int c = 0; c < 81; c += 2) shown[c] = 1;
  app.showPuzzle(placements, shown);
  type(0, 1, "3");
  type(0, 3, "3");
  ASSERT_TRUE(gui::isRed(cell(0, 1)));
  app.fileName = "/home/player/last.sudoku";
  const double difficulty = app.difficulty->get_value();

  app.clearPuzzle();
  expectAllOpenBut({});
  EXPECT_EQ(window.get_title(), "Tessary");
  EXPECT_EQ(app.fileName, "/home/player/last.sudoku");
  EXPECT_DOUBLE_EQ(app.difficulty->get_value(), difficulty);
  EXPECT_FALSE(app.updating);
}

}  // namespace
