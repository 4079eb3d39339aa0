// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "generator/DifficultyBands.h"
#include "generator/GridGenerator.h"
#include "generator/LevelPuzzle.h"
#include "generator/SeedCode.h"

namespace {

// What the levels promise, on the puzzles the command makes from a few clock
// seconds (one of them the largest seed): each fits its band; up to 06 they
// need singles alone, from 07 up more than singles, at 10 more than an
// XY-wing; and each level's median is harder than the level below's.
TEST(DifficultyBandsTest, LevelsNeedWhatTheyPromise) {
  int lastMedian = -1;
  for (int level = 0; level <= 10; ++level) {
    std::vector<int> scores;
    for (int from : {1796837761, -5, 2147483647, 0, 1234567}) {
      Placement placements[kCellCount];
      unsigned char shown[kCellCount];
      const std::string code = makeOneSolutionCode(level, firstFittingSeed(level, from, placements, shown));
      const Rating rating = rateGrid(givensString(placements, shown).c_str());
      EXPECT_TRUE(fitsLevel(level, rating)) << code;
      EXPECT_TRUE(level > 6 || rating.technique <= Technique::HiddenSingle) << code;
      EXPECT_TRUE(level < 7 || rating.technique > Technique::HiddenSingle) << code;
      EXPECT_TRUE(level < 10 || rating.technique > Technique::XYWing) << code;
      scores.push_back(rating.score);
    }
    std::sort(scores.begin(), scores.end());
    if (level > 4) {
      EXPECT_GT(scores[2], lastMedian) << level;
    }
    lastMedian = scores[2];
  }
}

}  // namespace
