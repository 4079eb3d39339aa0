// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "generator/GridGenerator.h"
#include "generator/OneSolutionPuzzle.h"
#include "generator/SeedCode.h"
#include "solver/SolutionCounter.h"

namespace {

// A shared code must never change meaning, so neither may these lines. Each
// puzzle has one solution and shows its seed's full grid at its givens.
TEST(OneSolutionPuzzleTest, CodesKeepNamingTheSamePuzzles) {
  const char* const pinned[][2] = {
      {"00u1796837761", "908235647500807193034900258327156984001789300689324571175003820846502009293678405"},
      {"05u1796837761", "908235007000007190030000208300156904001789300609324001105000020046500000200678405"},
      {"10u-5", "000356009030040100070900006000000280000405000091000000700004030004080050300297000"},
  };
  for (const auto& pair : pinned) {
    const SeedCode code = readSeedCode(pair[0]);
    Placement placements[kCellCount];
    unsigned char shown[kCellCount];
    prepareCodePuzzle(code, placements, shown);
    const std::string puzzle = givensString(placements, shown);
    EXPECT_EQ(puzzle, pair[1]) << pair[0];
    EXPECT_EQ(countSolutions(puzzle.c_str(), 2), 1u) << pair[0];
    fillSeededGrid(code.seed, placements, shown);
    EXPECT_TRUE(solvertest::keepsGivens(puzzle, givensString(placements, shown))) << pair[0];
  }
}

}  // namespace
