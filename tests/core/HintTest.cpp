// SPDX-License-Identifier: GPL-3.0-or-later
#include <fstream>
#include <iostream>
#include <string>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "model/ModelSolver.h"
#include "play/Hint.h"

namespace {

using solvertest::StreamCapture;

std::string firstLine(const std::string& file) {
  std::ifstream in(std::string(TESSARY_TEST_DATA) + "/puzzles/" + file);
  std::string line;
  std::getline(in, line);
  return line;
}

// The model's solution of grid: the digits Solve must show.
std::string modelSolution(const std::string& grid) {
  model::Board board;
  for (int tile = 0; tile < 81; ++tile) {
    if (grid[tile] >= '1' && grid[tile] <= '9') board.Set(tile, grid[tile] - '1');
  }
  model::MoveList moves;
  StreamCapture out(std::cout);
  if (!board.Solve(moves)) return "";
  std::string solution(81, '0');
  for (int tile = 0; tile < 81; ++tile) solution[tile] = static_cast<char>('1' + board.tiles[tile].value);
  return solution;
}

TEST(HintTest, GivesTheDigitSolveWouldShow) {
  // One solution, very many (about 20 givens), and the empty grid.
  const std::string grids[] = {"530070000600195000098000060800060003400803001700020006060000280000419005000080079",
                               firstLine("generated-hard.txt"), std::string(81, '0')};
  for (const std::string& grid : grids) {
    const std::string solution = modelSolution(grid);
    ASSERT_EQ(solution.size(), 81u) << grid;
    StreamCapture out(std::cout);
    for (int cell = 0; cell < 81; ++cell) {
      const Hint hint = findHint(grid, cell);
      EXPECT_EQ(hint.outcome, Hint::Digit) << grid << " cell " << cell;
      EXPECT_EQ(hint.digit, solution[cell]) << grid << " cell " << cell;
    }
    EXPECT_EQ(out.text(), "");
  }
}

TEST(HintTest, FindsNothingForARepeatOrAGridWithoutSolution) {
  // The second grid needs a long search, with board dumps on the way.
  const struct {
    std::string grid;
    Hint::Outcome outcome;
  } cases[] = {
      {"55" + std::string(79, '0'), Hint::Repeat},
      {firstLine("no-solution-hard.txt"), Hint::NoSolution},
  };
  for (const auto& c : cases) {
    StreamCapture out(std::cout);
    EXPECT_EQ(findHint(c.grid, 80).outcome, c.outcome) << c.grid;
    EXPECT_EQ(out.text(), "") << c.grid;
  }
}

}  // namespace
