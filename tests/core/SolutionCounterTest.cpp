// SPDX-License-Identifier: GPL-3.0-or-later
// The solution counter: whether a grid has a solution at all against the
// model solver, and exact counts where a grid's solutions are known. The
// counts on the puzzle sets are checked against recorded ones through
// tessary-cli (tests/CMakeLists.txt).
#include <fstream>
#include <iostream>
#include <string>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "model/ModelSolver.h"
#include "solver/SolutionCounter.h"

namespace {

using solvertest::kSolution;
using solvertest::StreamCapture;

// Whether the model solves the grid; -1 when it refuses a given, that is
// when a digit repeats.
int modelSolves(const std::string& grid) {
  model::Board board;
  for (uint32_t tile = 0; tile < 81; ++tile) {
    const char c = grid[tile];
    if (c >= '1' && c <= '9' && !board.Set(tile, c - '1')) return -1;
  }
  model::MoveList moves;
  StreamCapture out(std::cout);
  return board.Solve(moves) ? 1 : 0;
}

TEST(SolutionCounterTest, FindsASolutionExactlyWhenTheModelDoes) {
  // Grids typed with slips: solvable ones, unsolvable ones and repeats.
  for (const char* set : {"mistyped.txt", "typed-at-random.txt"}) {
    std::ifstream in(std::string(TESSARY_TEST_DATA "/puzzles/") + set);
    std::string grid;
    for (int line = 1; line <= 60 && std::getline(in, grid); ++line) {
      const int solves = modelSolves(grid);
      EXPECT_EQ(countSolutions(grid.c_str(), 1), solves == 1 ? 1u : 0u) << set << ":" << line << " " << grid;
    }
  }
}

TEST(SolutionCounterTest, CountsUpToTheLimit) {
  // Rows 3 and 4 of the solution hold 1 3 and 3 1 in columns 5 and 8, in
  // two boxes: with those four cells open the digits can swap, and nothing
  // else can change.
  std::string rectangle = kSolution;
  for (const int cell : {32, 35, 41, 44}) rectangle[cell] = '0';
  std::string repeated = std::string(81, '0');
  repeated[0] = repeated[80] = '5';
  repeated[8] = '5';
  const struct {
    std::string grid;
    uint64_t limit;
    uint64_t count;
  } cases[] = {
      {kSolution, 2, 1},          {rectangle, 5, 2},        {rectangle, 2, 2},
      {rectangle, 1, 1},          {std::string(81, '0'), 1000, 1000},
      {repeated, 2, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(countSolutions(c.grid.c_str(), c.limit), c.count) << c.grid << " limit " << c.limit;
  }
}

TEST(SolutionCounterTest, RefutesSparseGridsWithoutSolution) {
  // A dozen or so digits that repeat nothing, yet admit no solution: the
  // contradiction lies in which boxes and lines a digit can still take.
  std::ifstream in(TESSARY_TEST_DATA "/sparse-no-solution.txt");
  std::string grid;
  int grids = 0;
  while (std::getline(in, grid)) {
    ++grids;
    EXPECT_EQ(countSolutions(grid.c_str(), 2), 0u) << grid;
  }
  EXPECT_GT(grids, 0);
}

}  // namespace
