// SPDX-License-Identifier: GPL-3.0-or-later
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "model/ModelSolver.h"
#include "play/Hint.h"
#include "solver/SolutionCounter.h"

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
  // Grids without a solution that Solve's search takes from seconds to
  // many minutes to refute, with board dumps on the way.
  std::vector<std::string> unsolvable = {firstLine("no-solution-hard.txt")};
  std::ifstream in(TESSARY_TEST_DATA "/sparse-no-solution.txt");
  for (std::string grid; std::getline(in, grid);) unsolvable.push_back(grid);
  ASSERT_GT(unsolvable.size(), 1u);
  std::vector<std::pair<std::string, Hint::Outcome>> cases = {{"55" + std::string(79, '0'), Hint::Repeat}};
  for (const std::string& grid : unsolvable) cases.emplace_back(grid, Hint::NoSolution);
  for (const auto& [grid, outcome] : cases) {
    StreamCapture out(std::cout);
    EXPECT_EQ(findHint(grid, 80).outcome, outcome) << grid;
    EXPECT_EQ(out.text(), "") << grid;
  }
}

TEST(HintTest, GivesASolutionsDigitWhereSolveSearchesLong) {
  // Several solutions, but Solve's search first wanders into a part without
  // any for many seconds: the hints still belong to one solution together.
  const std::string grid = "000005000000601003000000000010500000000106000300000005730000061000000004000000000";
  std::string hinted = grid;
  StreamCapture out(std::cout);
  for (const int cell : {0, 40, 80}) {
    const Hint hint = findHint(grid, cell);
    ASSERT_EQ(hint.outcome, Hint::Digit) << "cell " << cell;
    hinted[cell] = hint.digit;
  }
  EXPECT_EQ(countSolutions(hinted.c_str(), 1), 1u) << hinted;
  EXPECT_EQ(out.text(), "");
}

}  // namespace
