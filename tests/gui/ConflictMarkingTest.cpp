// SPDX-License-Identifier: GPL-3.0-or-later
#include <vector>

#include "GuiHelpers.h"

namespace {

class ConflictMarkingTest : public gui::AppTest {
 protected:
  // Writes as the program does: no filter, no marking.
  void write(int row, int col, const Glib::ustring& text) {
    app.updating = true;
    cell(row, col).set_text(text);
    app.updating = false;
  }
  // The red cells, as "row,col" pairs in reading order.
  std::vector<std::string> redCells() {
    std::vector<std::string> red;
    for (int row = 0; row < 9; ++row) {
      for (int col = 0; col < 9; ++col) {
        if (gui::isMarked(cell(row, col))) {
          EXPECT_TRUE(gui::isRed(cell(row, col)));
          red.push_back(std::to_string(row) + "," + std::to_string(col));
        }
      }
    }
    return red;
  }
  using Cells = std::vector<std::string>;
};

TEST_F(ConflictMarkingTest, KeepsTheDigitsOneToNine) {
  for (int digit = 1; digit <= 9; ++digit) type(digit - 1, digit - 1, std::to_string(digit));
  for (int digit = 1; digit <= 9; ++digit) EXPECT_EQ(cell(digit - 1, digit - 1).get_text(), std::to_string(digit));
  EXPECT_EQ(redCells(), Cells{});
}

TEST_F(ConflictMarkingTest, EmptiesACellTypedWithAnythingElse) {
  type(8, 8, "7");
  const char* typed[] = {"0", "a", "Z", ".", "-", "+", " ", "/", ":",
                         "\u00e9",         // Latin letter with a diacritic
                         "\u0663",         // Arabic-Indic digit three
                         "\u4e09",         // CJK numeral three
                         "\uff15",         // fullwidth digit five
                         "\U0001F600"};    // outside the basic plane
  for (const char* text : typed) {
    SCOPED_TRACE(text);
    type(4, 2, text);
    EXPECT_EQ(cell(4, 2).get_text(), "");
  }
  EXPECT_EQ(cell(8, 8).get_text(), "7");
}

TEST_F(ConflictMarkingTest, MarksBothOfAPairAndClearsBothWhenOneGoes) {
  struct Case {
    const char* name;
    int r1, c1, r2, c2;
    bool deleteFirst;
  };
  const Case cases[] = {
      {"row only", 2, 0, 2, 8, true},
      {"row only", 2, 0, 2, 8, false},
      {"column only", 0, 6, 7, 6, true},
      {"box only", 3, 3, 5, 5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    type(c.r1, c.c1, "5");
    type(4, 4, c.r1 == 4 || c.c1 == 4 ? "1" : "3");  // an unrelated digit
    EXPECT_EQ(redCells(), Cells{});
    type(c.r2, c.c2, "5");
    EXPECT_EQ(redCells(),
              (Cells{std::to_string(c.r1) + "," + std::to_string(c.c1), std::to_string(c.r2) + "," + std::to_string(c.c2)}));
    if (c.deleteFirst) {
      type(c.r1, c.c1, "");
    } else {
      type(c.r2, c.c2, "");
    }
    EXPECT_EQ(redCells(), Cells{});
    app.clearPuzzle();
  }
}

TEST_F(ConflictMarkingTest, ReplacesAnyOtherColourOverride) {
  // Cells that already look right are left alone; any other look is redone.
  Gdk::Color blue;
  blue.parse("blue");
  cell(0, 0).modify_base(Gtk::STATE_NORMAL, blue);
  cell(5, 5).modify_base(Gtk::STATE_NORMAL, blue);
  type(0, 8, "3");
  EXPECT_EQ(redCells(), Cells{});  // redCells() also fails on any marked cell that is not red
  cell(0, 0).modify_base(Gtk::STATE_NORMAL, blue);
  type(0, 0, "3");
  EXPECT_EQ(redCells(), (Cells{"0,0", "0,8"}));
  type(0, 0, "4");
  EXPECT_EQ(redCells(), Cells{});
  type(0, 0, "3");
  EXPECT_EQ(redCells(), (Cells{"0,0", "0,8"}));
}

TEST_F(ConflictMarkingTest, WritesWhileUpdatingAreNeitherFilteredNorMarked) {
  app.updating = true;
  cell(0, 0).set_text("4");
  cell(0, 1).set_text("4");
  cell(0, 2).set_text("q");
  EXPECT_EQ(cell(0, 2).get_text(), "q");
  EXPECT_EQ(redCells(), Cells{});
  app.updating = false;
  // The next change by the player catches up on both.
  type(6, 6, "1");
  EXPECT_EQ(cell(0, 2).get_text(), "");
  EXPECT_EQ(redCells(), (Cells{"0,0", "0,1"}));
}

TEST_F(ConflictMarkingTest, NestedChangeLeavesTheSameGridAsOneRun) {
  type(0, 0, "2");
  type(0, 5, "2");
  type(7, 7, "3");
  int changes = 0;
  cell(3, 3).signal_changed().connect([&] { ++changes; });
  type(3, 3, "k");
  // The letter went in and the filter took it out, inside the first handler run.
  EXPECT_EQ(changes, 2);
  const std::string afterKey = look();
  EXPECT_EQ(cell(3, 3).get_text(), "");
  EXPECT_EQ(redCells(), (Cells{"0,0", "0,5"}));
  app.cellChanged();
  EXPECT_EQ(look(), afterKey);
}

TEST_F(ConflictMarkingTest, ReadGridReturnsPlacementsAndMarksConflicts) {
  Placement placements[81];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[81] = {};

  write(2, 3, "8");
  write(2, 7, "8");
  write(6, 0, "1");
  EXPECT_EQ(app.readGrid(placements, used, shown), -1);
  EXPECT_EQ(redCells(), (Cells{"2,3", "2,7"}));
  // The cells are read row by row, whatever order the window keeps them in.
  const int cells[] = {21, 25, 54, -1};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(placements[i].cell, cells[i]);
  EXPECT_EQ(placements[2].value, 0);
  EXPECT_EQ(shown[54], 1);
  EXPECT_EQ(used[kColumnFlags + 0 * 9 + 0], 1);
}

TEST_F(ConflictMarkingTest, ReadGridOfAnEmptyGridUnmarksEveryCell) {
  for (Gtk::Entry* c : app.cells) c->modify_base(Gtk::STATE_NORMAL, app.conflictColor);
  Placement placements[81];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[81] = {};
  EXPECT_EQ(app.readGrid(placements, used, shown), 0);
  EXPECT_EQ(redCells(), Cells{});
}

TEST_F(ConflictMarkingTest, ReadGridTakesUnfilteredTextAsEmpty) {
  // A text that reached a cell past the filter is never read as a digit.
  write(0, 0, "0");
  write(0, 1, "x");
  write(0, 2, "\u00e9");
  write(0, 3, "3");
  Placement placements[81];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[81] = {};
  EXPECT_EQ(app.readGrid(placements, used, shown), 1);
  EXPECT_EQ(placements[0].cell, 3);
  EXPECT_EQ(placements[1].cell, -1);
  EXPECT_EQ(shown[0] + shown[1] + shown[2], 0);
}

}  // namespace
