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
// seconds (one of them the largest seed): each fits its band; 00 to 02 need
// singles alone, from 06 up more than singles, at 10 search or the hardest
// techniques; and no level's median is easier than the level below's.
TEST(DifficultyBandsTest, LevelsNeedWhatTheyPromise) {
  Technique lastMedian = Technique::NakedSingle;
  for (int level = 0; level <= 10; ++level) {
    std::vector<Technique> ratings;
    for (int from : {1796837761, -5, 2147483647, 0, 1234567}) {
      Placement placements[kCellCount];
      unsigned char shown[kCellCount];
      const std::string code = makeOneSolutionCode(level, firstFittingSeed(level, from, placements, shown));
      const Technique rating = rateGrid(givensString(placements, shown).c_str()).technique;
      EXPECT_TRUE(fitsLevel(level, rating)) << code;
      EXPECT_TRUE(level > 2 || rating <= Technique::HiddenSingle) << code;
      EXPECT_TRUE(level < 6 || rating > Technique::HiddenSingle) << code;
      EXPECT_TRUE(level < 10 || rating >= Technique::XWing) << code;
      ratings.push_back(rating);
    }
    std::sort(ratings.begin(), ratings.end());
    EXPECT_GE(ratings[2], lastMedian) << level;
    lastMedian = ratings[2];
  }
}

}  // namespace
