// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstring>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "grid/GridReader.h"

namespace {

// A grid as the reader takes it, with the given digits put in (row, col, digit 1-9).
struct Cell {
  int row, col;
  char digit;
};
std::string gridWith(std::initializer_list<Cell> cells) {
  std::string grid(81, '0');
  for (const Cell& c : cells) grid[c.row * 9 + c.col] = c.digit;
  return grid;
}

// A solved grid: every row, column and box holds 1-9 once.
std::string solvedGrid() {
  std::string grid(81, '0');
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) grid[row * 9 + col] = static_cast<char>('1' + (row * 3 + row / 3 + col) % 9);
  }
  return grid;
}

// The reader's outputs, prepared as its callers prepare them.
class GridReaderTest : public ::testing::Test {
 protected:
  GridReaderTest() { reset(); }
  void reset() {
    for (Placement& p : placements) p = Placement{-7, -7, -1, -7, -7, -7};
    std::memset(used, 0, sizeof used);
    std::memset(shown, 0, sizeof shown);
    // Stale values: the reader must write every one.
    for (bool& c : conflicts) c = true;
  }
  int read(const std::string& grid) { return readGridText(grid.c_str(), placements, used, shown, conflicts); }
  std::string conflictMap() const {
    std::string map;
    for (bool c : conflicts) map += c ? 'X' : '.';
    return map;
  }
  static std::string mapOf(std::initializer_list<int> cells) {
    std::string map(81, '.');
    for (int cell : cells) map[cell] = 'X';
    return map;
  }

  Placement placements[81];
  unsigned char used[kUsedTablesSize];
  unsigned char shown[81];
  bool conflicts[81];
};

TEST_F(GridReaderTest, EmptyGridReadsNothing) {
  EXPECT_EQ(read(std::string(81, '0')), 0);
  EXPECT_EQ(conflictMap(), std::string(81, '.'));
  EXPECT_EQ(placements[0].cell, -1);
  for (unsigned char flag : used) EXPECT_EQ(flag, 0);
  for (unsigned char s : shown) EXPECT_EQ(s, 0);
}

TEST_F(GridReaderTest, AnythingButOneToNineIsEmpty) {
  std::string grid(81, ' ');
  grid[3] = '7';
  const char others[] = {'0', ':', '/', 'a', ' ', '\0', '\x80', '\xe9', '\xff', '\x09'};
  for (int i = 0; i < 10; ++i) grid[10 + i] = others[i];
  EXPECT_EQ(read(grid), 1);
  EXPECT_EQ(placements[0].cell, 3);
  EXPECT_EQ(placements[1].cell, -1);
  EXPECT_EQ(conflictMap(), std::string(81, '.'));
}

TEST_F(GridReaderTest, WritesOnePlacementPerFilledCellInReadingOrder) {
  const std::string grid = gridWith({{8, 8, '9'}, {0, 4, '1'}, {4, 0, '5'}, {5, 7, '3'}});
  EXPECT_EQ(read(grid), 4);
  const Placement expected[] = {{0, 0, 4, 0, 4, 1}, {4, 0, 36, 4, 0, 3}, {2, 0, 52, 5, 7, 5}, {8, 0, 80, 8, 8, 8}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(placements[i].value, expected[i].value);
    EXPECT_EQ(placements[i].tries, expected[i].tries);
    EXPECT_EQ(placements[i].cell, expected[i].cell);
    EXPECT_EQ(placements[i].row, expected[i].row);
    EXPECT_EQ(placements[i].col, expected[i].col);
    EXPECT_EQ(placements[i].box, expected[i].box);
  }
  // Records past the last filled cell stay as the caller prepared them.
  EXPECT_EQ(placements[4].cell, -1);
  EXPECT_EQ(placements[4].value, -7);
  EXPECT_EQ(placements[80].cell, -1);

  for (int cell = 0; cell < 81; ++cell) EXPECT_EQ(shown[cell], grid[cell] != '0' ? 1 : 0) << "cell " << cell;
  // The flags: row, column and box of each digit, nothing else.
  unsigned char flags[kUsedTablesSize] = {};
  for (int i = 0; i < 4; ++i) {
    const Placement& p = expected[i];
    flags[p.row * 9 + p.value] = flags[kColumnFlags + p.col * 9 + p.value] = flags[kBoxFlags + p.box * 9 + p.value] = 1;
  }
  for (int f = 0; f < kUsedTablesSize; ++f) EXPECT_EQ(used[f], flags[f]) << "flag " << f;
}

TEST_F(GridReaderTest, ShownIsOnlyEverSet) {
  std::memset(shown, 1, sizeof shown);
  shown[40] = 0;
  EXPECT_EQ(read(gridWith({{4, 4, '2'}})), 1);
  for (unsigned char s : shown) EXPECT_EQ(s, 1);
}

TEST_F(GridReaderTest, FullValidGridHasNoConflict) {
  EXPECT_EQ(read(solvedGrid()), 81);
  EXPECT_EQ(conflictMap(), std::string(81, '.'));
  for (unsigned char flag : used) EXPECT_EQ(flag, 1);
  for (int i = 0; i < 81; ++i) EXPECT_EQ(placements[i].cell, i);
}

// A repeat does not stop the reading: every digit is still recorded.
TEST_F(GridReaderTest, RecordsEveryCellOfAConflictingGrid) {
  std::string grid = solvedGrid();
  grid[10] = grid[11];  // one digit twice in a row and a box, missing elsewhere
  EXPECT_EQ(read(grid), -1);
  for (int i = 0; i < 81; ++i) EXPECT_EQ(placements[i].cell, i);
  for (unsigned char s : shown) EXPECT_EQ(s, 1);
  EXPECT_EQ(placements[10].value, grid[11] - '1');
}

// Whichever outputs a caller leaves out, the others come out as in a full read.
TEST_F(GridReaderTest, TakesNullForEveryUnwantedOutput) {
  for (const std::string& grid : {gridWith({{0, 0, '1'}, {4, 0, '1'}, {8, 8, '2'}}), solvedGrid()}) {
    reset();
    const int result = read(grid);
    const std::string map = conflictMap();
    bool onlyConflicts[81];
    EXPECT_EQ(readGridText(grid.c_str(), nullptr, nullptr, nullptr, onlyConflicts), result);
    EXPECT_TRUE(std::equal(onlyConflicts, onlyConflicts + 81, conflicts)) << map;
    Placement onlyPlacements[81];
    EXPECT_EQ(readGridText(grid.c_str(), onlyPlacements, nullptr, nullptr, nullptr), result);
    const auto filled = 81 - std::count(grid.begin(), grid.end(), '0');
    EXPECT_EQ(std::memcmp(onlyPlacements, placements, filled * sizeof(Placement)), 0) << grid;
  }
}

TEST_F(GridReaderTest, FlagsSetBeforehandNameNoCell) {
  // A table not handed in all zero must not send the reader to an unknown holder.
  used[0 * 9 + 4] = 1;
  EXPECT_EQ(read(gridWith({{0, 7, '5'}})), -1);
  EXPECT_EQ(conflictMap(), mapOf({7}));
}

// Any grid, checked against the plain rule: a cell is in conflict exactly
// when another cell of its row, column or box holds the same digit.
TEST_F(GridReaderTest, AgreesWithPairwiseRuleOnRandomGrids) {
  std::mt19937 random(20240603);
  for (int round = 0; round < 2000; ++round) {
    std::string grid(81, '0');
    const int filled = static_cast<int>(random() % 82);
    for (int i = 0; i < filled; ++i) grid[random() % 81] = static_cast<char>('1' + random() % 9);
    std::string expected(81, '.');
    int count = 0;
    bool any = false;
    for (int a = 0; a < 81; ++a) {
      if (grid[a] == '0') continue;
      ++count;
      for (int b = 0; b < 81; ++b) {
        if (a == b || grid[a] != grid[b]) continue;
        if (a / 9 == b / 9 || a % 9 == b % 9 || boxOf(a / 9, a % 9) == boxOf(b / 9, b % 9)) {
          expected[a] = 'X';
          any = true;
        }
      }
    }
    reset();
    ASSERT_EQ(read(grid), any ? -1 : count) << grid;
    ASSERT_EQ(conflictMap(), expected) << grid;
  }
}

}  // namespace
