// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstring>
#include <iostream>
#include <string>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "grid/Placement.h"
#include "solver/SolveGivens.h"

namespace {

using solvertest::isValidSolution;
using solvertest::keepsGivens;
using solvertest::StreamCapture;

// The Solve command's working storage, filled as the grid reader fills it.
struct Read {
  Placement placements[81];
  unsigned char shown[81] = {};
  int top = 0;

  explicit Read(const std::string& grid) {
    for (int cell = 0; cell < 81; ++cell) {
      if (grid[cell] < '1' || grid[cell] > '9') continue;
      placements[top++] = Placement{grid[cell] - '1', 0, cell, cell / 9, cell % 9, boxOf(cell / 9, cell % 9)};
      shown[cell] = 1;
    }
  }

  std::string gridShown() const {
    std::string grid(81, '0');
    for (const Placement& p : placements) {
      if (p.cell >= 0 && shown[p.cell]) grid[p.cell] = static_cast<char>('1' + p.value);
    }
    return grid;
  }
};

const std::string kEasy = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";

TEST(SolveGivensTest, SolvedGridAppendsOneRecordPerMove) {
  Read read(kEasy);
  const int givens = read.top;
  const Read untouched(kEasy);
  MoveList moves;
  StreamCapture out(std::cout);
  ASSERT_TRUE(solveGivens(read.placements, read.top, read.shown, moves));
  EXPECT_EQ(out.text(), "");
  EXPECT_EQ(std::memcmp(read.placements, untouched.placements, givens * sizeof(Placement)), 0)
      << "the records read from the grid stay as they were";
  ASSERT_EQ(moves.size(), static_cast<std::size_t>(81 - givens));
  for (std::size_t i = 0; i < moves.size(); ++i) {
    const Placement& p = read.placements[givens + i];
    EXPECT_EQ(p.cell, static_cast<int>(moves[i].tile));
    EXPECT_EQ(p.value, static_cast<int>(moves[i].value));
    EXPECT_EQ(p.tries, 1) << "deduced moves carry currentTry 1";
    EXPECT_EQ(p.row, p.cell / 9);
    EXPECT_EQ(p.col, p.cell % 9);
    EXPECT_EQ(p.box, boxOf(p.row, p.col));
  }
  for (unsigned char s : read.shown) EXPECT_EQ(s, 1);
  EXPECT_TRUE(isValidSolution(read.gridShown()));
  EXPECT_TRUE(keepsGivens(kEasy, read.gridShown()));
}

TEST(SolveGivensTest, GuessesCarryTheirTry) {
  Read read(std::string(81, '0'));
  MoveList moves;
  StreamCapture out(std::cout);
  ASSERT_TRUE(solveGivens(read.placements, read.top, read.shown, moves));
  const Placement& first = read.placements[0];
  EXPECT_EQ(first.value, 0);
  EXPECT_EQ(first.tries, 1);
  EXPECT_EQ(first.cell, 80);
  EXPECT_EQ(first.row, 8);
  EXPECT_EQ(first.col, 8);
  EXPECT_EQ(first.box, 8);
  for (std::size_t i = 0; i < moves.size(); ++i) {
    EXPECT_EQ(read.placements[i].tries, static_cast<int>(moves[i].currentTry));
  }
  EXPECT_TRUE(isValidSolution(read.gridShown()));
}

TEST(SolveGivensTest, UnsolvableGridPrintsAndLeavesTheRecords) {
  // Row 0 needs a 1, but the 1s of columns 0 and 1 leave it no place.
  std::string grid = "..3456789" + std::string(72, '.');
  grid[27] = '1';
  grid[55] = '1';
  Read read(grid);
  const Read before(grid);
  MoveList moves;
  StreamCapture out(std::cout);
  EXPECT_FALSE(solveGivens(read.placements, read.top, read.shown, moves));
  EXPECT_EQ(out.text(),
            "NOT SOLVEABLE!\n"
            "    A   B   C   D   E   F   G   H   I  \n"
            "  +===+===+===#===+===+===#===+===+===+\n"
            "1 |   |   | 3 | 4 | 5 | 6 | 7 | 8 | 9 |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "2 |   |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "3 |   |   |   |   |   |   |   |   |   |\n"
            "  +===+===+===#===+===+===#===+===+===+\n"
            "4 | 1 |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "5 |   |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "6 |   |   |   |   |   |   |   |   |   |\n"
            "  +===+===+===#===+===+===#===+===+===+\n"
            "7 |   | 1 |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "8 |   |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "9 |   |   |   |   |   |   |   |   |   |\n"
            "  +===+===+===#===+===+===#===+===+===+\n");
  EXPECT_EQ(std::memcmp(read.placements, before.placements, sizeof read.placements), 0);
  EXPECT_EQ(std::memcmp(read.shown, before.shown, sizeof read.shown), 0);
}

}  // namespace
