// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "generator/GridGenerator.h"
#include "generator/OneSolutionPuzzle.h"
#include "generator/SeedCode.h"
#include "solver/SolutionCounter.h"

namespace {

TEST(OneSolutionPuzzleTest, CodesKeepNamingTheSamePuzzles) {
  // A shared code must never change meaning, so neither may these lines.
  const char* const pinned[][2] = {
      {"00u1796837761", "908235647500807193034900258327156984001789300689324571175003820846502009293678405"},
      {"05u1796837761", "908235007000007190030000208300156904001789300609324001105000020046500000200678405"},
      {"05u-1402342327", "067890040900040000081527060024950007590010023700034950040175230000060001050089670"},
      {"10u-5", "000356009030040100070900006000000280000405000091000000700004030004080050300297000"},
      {"10u2147483647", "000000000040090012900108046006720004200305008300084900730801005810050060000000000"},
  };
  for (const auto& pair : pinned) {
    SCOPED_TRACE(pair[0]);
    const SeedCode code = readSeedCode(pair[0]);
    ASSERT_TRUE(code.oneSolution);
    Placement placements[kCellCount];
    unsigned char shown[kCellCount];
    prepareCodePuzzle(code, placements, shown);
    const std::string puzzle = givensString(placements, shown);
    EXPECT_EQ(puzzle, pair[1]);
    EXPECT_EQ(countSolutions(puzzle.c_str(), 2), 1u);

    // The givens are those of the full grid the seed's designed code has.
    Placement designed[kCellCount];
    unsigned char designedShown[kCellCount];
    preparePuzzle(code.seed, code.difficulty, designed, designedShown);
    unsigned char everyCell[kCellCount];
    std::fill(everyCell, everyCell + kCellCount, 1);
    const std::string full = givensString(designed, everyCell);
    for (int cell = 0; cell < kCellCount; ++cell) {
      if (puzzle[cell] != '0') {
        EXPECT_EQ(puzzle[cell], full[cell]) << "cell " << cell;
      }
      EXPECT_EQ(shown[cell], shown[kCellCount - 1 - cell]) << "cell " << cell;
    }
  }
}

}  // namespace
