// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "generator/DifficultyBands.h"
#include "generator/GridGenerator.h"
#include "generator/LevelPuzzle.h"
#include "generator/OneSolutionPuzzle.h"
#include "generator/SeedCode.h"

namespace {

// What the levels promise a player, on the puzzles the command makes from a
// few clock seconds (one past the largest seed): each is its code's puzzle
// and fits its band; 00 to 02 need singles alone and show fewer givens level
// by level; from 06 up more than singles are needed, at 10 search or the
// hardest techniques; and no level is easier than the one below it.
TEST(DifficultyBandsTest, LevelsNeedWhatTheyPromise) {
  const int starts[] = {1796837761, -5, 2147483647, 0, 1234567};
  Technique lastMedian = Technique::NakedSingle;
  std::vector<int> lastGivens;
  for (int level = 0; level <= 10; ++level) {
    std::vector<Technique> ratings;
    std::vector<int> givens;
    for (int from : starts) {
      Placement placements[kCellCount];
      unsigned char shown[kCellCount];
      const int seed = firstFittingSeed(level, from, placements, shown);
      const std::string puzzle = givensString(placements, shown);
      prepareOneSolutionPuzzle(seed, levelDifficulty(level), placements, shown);
      EXPECT_EQ(givensString(placements, shown), puzzle) << makeOneSolutionCode(level, seed);
      ratings.push_back(rateGrid(puzzle.c_str()).technique);
      EXPECT_TRUE(fitsLevel(level, ratings.back())) << makeOneSolutionCode(level, seed);
      givens.push_back(static_cast<int>(std::count(shown, shown + kCellCount, 1)));
    }
    const Technique easiest = *std::min_element(ratings.begin(), ratings.end());
    const Technique hardest = *std::max_element(ratings.begin(), ratings.end());
    if (level <= 2) {
      EXPECT_LE(hardest, Technique::HiddenSingle) << level;
    }
    if (level >= 1 && level <= 2) {
      for (std::size_t i = 0; i < givens.size(); ++i) EXPECT_LT(givens[i], lastGivens[i]) << level;
    }
    if (level >= 6) {
      EXPECT_GT(easiest, Technique::HiddenSingle) << level;
    }
    if (level == 10) {
      EXPECT_GE(easiest, Technique::XWing);
    }
    std::nth_element(ratings.begin(), ratings.begin() + ratings.size() / 2, ratings.end());
    const Technique median = ratings[ratings.size() / 2];
    EXPECT_GE(median, lastMedian) << level;
    lastMedian = median;
    lastGivens = givens;
  }
}

}  // namespace
