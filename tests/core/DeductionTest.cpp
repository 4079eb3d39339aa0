// SPDX-License-Identifier: GPL-3.0-or-later
// The rules are compared with the model solver on random boards in
// SolverModelTest. Random boards seldom make one tile the only place for two
// digits of a group, so that case is set up here.
#include <string>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "solver/sudoku-solve.h"

namespace {

using solvertest::boardFrom;

TEST(DeductionTest, OneTileForTwoDigitsTakesTheLower) {
  // Tile 0 is row 0's only place for both 1 and 2: it gets the 1, the 2 has
  // nowhere to go and makes no move.
  Board board = boardFrom(
      "........."
      "....1.2.."
      "...2...1."
      "........."
      ".12......"
      "........."
      "........."
      ".21......"
      ".........");
  const GroupTiles row0 = {0, 1, 2, 3, 4, 5, 6, 7, 8};
  MoveList moves;
  EXPECT_TRUE(board.FillOptions(moves, row0));
  EXPECT_EQ(moves, (MoveList{{0, Forced, 0, 1}}));
  EXPECT_FALSE(board.Solveable());
}

}  // namespace
