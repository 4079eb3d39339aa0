// SPDX-License-Identifier: GPL-3.0-or-later
// What Solve does (its moves, its output, the board it leaves) is compared
// with the model solver in SolverModelTest. What the model cannot show is
// here: the driver's invariant checks stop the program with the assertion
// named in its report.
#include <string>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "solver/sudoku-solve.h"

namespace {

using solvertest::boardFrom;

TEST(SolveDeathTest, MoveThatCannotBeUndoneStopsTheSearch) {
  // A list whose only move names an empty tile, on a board that fails at
  // once (row 0 has no place left for a 1): backtracking cannot undo it.
  Board board = boardFrom("..3456789..................1...........................1.........................");
  MoveList moves{{0, Forced, 0, 1}};
  EXPECT_DEATH(board.Solve(moves), "sudoku-solve.*Solve.*cur->Undo\\(board\\)");
}

TEST(SolveDeathTest, OptionCountBeyondItsFlagsStopsFillOptions) {
  Board board;
  board.tiles[0].options.count = 10;
  MoveList moves;
  const GroupTiles row0 = {0, 1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_DEATH(board.FillOptions(moves, row0), "sudoku-solve.*FillOptions.*n <= 9");
}

}  // namespace
