// SPDX-License-Identifier: GPL-3.0-or-later
// Built with NDEBUG, as a release build compiles the solver: the checks on
// undoing moves must not take the undoing away with them.
#include <iostream>
#include <string>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "solver/sudoku-solve.h"

namespace {

using solvertest::boardFrom;
using solvertest::gridOf;
using solvertest::isValidSolution;
using solvertest::keepsGivens;
using solvertest::stateOf;
using solvertest::StreamCapture;

TEST(SolverReleaseBuildTest, BacktrackingStillUndoesMoves) {
  const std::string puzzles[] = {
      "800000000003600000070090200050007000000045700000100030001000068008500010090000400",
      "000000039000001005003050800008090006070002000100400000009080050020000600400700000",
      std::string(81, '0'),
  };
  for (const std::string& puzzle : puzzles) {
    Board board = boardFrom(puzzle);
    MoveList moves;
    StreamCapture out(std::cout);
    ASSERT_TRUE(board.Solve(moves)) << puzzle;
    EXPECT_TRUE(isValidSolution(gridOf(board))) << puzzle;
    EXPECT_TRUE(keepsGivens(puzzle, gridOf(board))) << puzzle;
  }
}

TEST(SolverReleaseBuildTest, NoSolutionStillRestoresTheBoard) {
  const std::string puzzle =
      "800000000506020090072000000089007060000089300000062400204030000030000004060070200";
  Board board = boardFrom(puzzle);
  const std::string before = stateOf(board);
  MoveList moves;
  EXPECT_FALSE(board.Solve(moves));
  EXPECT_EQ(stateOf(board), before);
}

}  // namespace
