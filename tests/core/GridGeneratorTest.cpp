// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "generator/GridGenerator.h"
#include "generator/SeedCode.h"

namespace {

// A grid as Generate starts it: no cell yet, flags and mask all zero.
struct FreshGrid {
  Placement placements[81];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char mask[kCellCount] = {};
  int fill(unsigned seed) {
    std::srand(seed);
    return fillGrid(placements, 0, used, mask);
  }
};

// How many rand() calls the code under test made since srand(seed): the
// place in the seed's own stream where the next few values turn up.
long randCallsSince(unsigned seed, const std::vector<int>& next) {
  std::srand(seed);
  std::vector<int> stream(1 << 20);
  for (int& r : stream) r = std::rand();
  const auto at = std::search(stream.begin(), stream.end(), next.begin(), next.end());
  return at == stream.end() ? -1 : static_cast<long>(at - stream.begin());
}

std::vector<int> nextRands() {
  std::vector<int> next(4);
  for (int& r : next) r = std::rand();
  return next;
}

int hiddenCount(const unsigned char* shown) { return static_cast<int>(std::count(shown, shown + 81, 0)); }

TEST(GridGeneratorTest, SeedsKeepTheirGridsAndRandCalls) {
  // The digits, the last tries and the number of rand() calls (81 starts
  // plus one for every placement started again after a backtrack) as the
  // generator has always made them: the seed codes players share depend on
  // all three. Each grid is valid, in cell order, with every flag and mask
  // byte set.
  const struct {
    unsigned seed;
    long calls;
    const char* digits;
    const char* tries;
  } pinned[] = {
      {1, 115, "281963457365784912479125683852316794634579821917842365596237148123498576748651239",
       "000104210100107016253011041003505438001147340323311254223457665105065372111567300"},
      {7, 124, "176538924892647135345912867237154689418296573569783241621375498754829316983461752",
       "000001306030105312335008015111030013300314078005201441310620450375036353511802244"},
      {31337, 98, "458921367976345812123678495587439126264157983391862574612583749739214658845796231",
       "000100215002020212058572316002100235300126821001566108631734137307116874301282878"},
  };
  for (const auto& p : pinned) {
    SCOPED_TRACE(p.seed);
    FreshGrid grid;
    EXPECT_EQ(grid.fill(p.seed), 0);
    EXPECT_EQ(randCallsSince(p.seed, nextRands()), p.calls);
    std::string digits, tries;
    for (const Placement& placement : grid.placements) {
      digits += static_cast<char>('1' + placement.value);
      tries += static_cast<char>('0' + placement.tries);
    }
    EXPECT_EQ(digits, p.digits);
    EXPECT_EQ(tries, p.tries);
    EXPECT_TRUE(solvertest::isValidSolution(digits));
    for (int i = 0; i < 81; ++i) {
      const Placement& at = grid.placements[i];
      EXPECT_TRUE(at.cell == i && at.row == i / 9 && at.col == i % 9 && at.box == boxOf(i / 9, i % 9)) << i;
    }
    EXPECT_EQ(std::count(grid.used, grid.used + kUsedTablesSize, 1), kUsedTablesSize);
    EXPECT_EQ(std::count(grid.mask, grid.mask + kCellCount, 1), kCellCount);
  }
}

TEST(GridGeneratorTest, CompletesAHandedInGridOrReportsThatItCannot) {
  // Cells 27 on taken back from a full grid and filled afresh.
  FreshGrid grid;
  grid.fill(5);
  const std::string full = givensString(grid.placements, grid.mask);
  for (int i = 27; i < 81; ++i) {
    const Placement& p = grid.placements[i];
    grid.used[p.row * 9 + p.value] = grid.used[kColumnFlags + p.col * 9 + p.value] =
        grid.used[kBoxFlags + p.box * 9 + p.value] = 0;
    grid.mask[p.cell] = 0;
  }
  std::srand(77);
  EXPECT_EQ(fillGrid(grid.placements, 27, grid.used, grid.mask), 0);
  EXPECT_EQ(givensString(grid.placements, grid.mask).substr(0, 27), full.substr(0, 27));
  EXPECT_EQ(std::count(grid.used, grid.used + kUsedTablesSize, 1), kUsedTablesSize);
  for (int i = 0; i < 81; ++i) EXPECT_EQ(grid.placements[i].cell, i);

  // Row 0 holds 1-9 and row 1 starts 4 5 6 1 2 3: its last three cells need
  // 7, 8 and 9, which box 2 already holds.
  FreshGrid stuck;
  const int prefix[15] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 3, 4, 5, 0, 1, 2};
  for (int cell = 0; cell < 15; ++cell) {
    Placement& p = stuck.placements[cell];
    p = Placement{prefix[cell], 0, cell, cell / 9, cell % 9, boxOf(cell / 9, cell % 9)};
    stuck.used[p.row * 9 + p.value] = stuck.used[kColumnFlags + p.col * 9 + p.value] =
        stuck.used[kBoxFlags + p.box * 9 + p.value] = 1;
    stuck.mask[cell] = 1;
  }
  std::srand(3);
  EXPECT_EQ(fillGrid(stuck.placements, 15, stuck.used, stuck.mask), -1);
  for (int cell = 0; cell < 15; ++cell) EXPECT_EQ(stuck.placements[cell].value, prefix[cell]);
  EXPECT_EQ(std::count(stuck.mask, stuck.mask + 81, 1), 15);

  FreshGrid untouched;
  EXPECT_EQ(fillGrid(untouched.placements, -1, untouched.used, untouched.mask), -1);
  EXPECT_EQ(fillGrid(untouched.placements, 81, untouched.used, untouched.mask), -1);
  EXPECT_EQ(untouched.placements[0].cell, -1);
}

TEST(DigHolesTest, TargetsBelowTwoHideNothingAndDrawNothing) {
  for (int target : {-5, 0, 1}) {
    unsigned char shown[81];
    std::fill(shown, shown + 81, 1);
    std::srand(11);
    EXPECT_EQ(digHoles(shown, target), 0);
    const int next = std::rand();
    EXPECT_EQ(hiddenCount(shown), 0);
    std::srand(11);
    EXPECT_EQ(next, std::rand()) << "target " << target << " called rand()";
  }
}

TEST(DigHolesTest, StopsWhenNoPairIsLeft) {
  // Beyond the 41 distinct removals the draws could never end; all that can
  // go goes and the shortfall is reported.
  unsigned char shown[81];
  std::fill(shown, shown + 81, 1);
  std::srand(1);
  EXPECT_EQ(digHoles(shown, 100), -1);
  EXPECT_EQ(hiddenCount(shown), 81);

  // A mask with one pair already hidden and one half-pair: 39 pairs are left.
  std::fill(shown, shown + 81, 1);
  shown[0] = shown[80] = 0;
  shown[3] = 0;
  std::srand(2);
  EXPECT_EQ(digHoles(shown, 80), -1);
  EXPECT_EQ(hiddenCount(shown), 81 - 1);  // cell 77 stays: its partner was already gone
  EXPECT_EQ(shown[77], 1);
  std::fill(shown, shown + 81, 1);
  shown[0] = shown[80] = 0;
  std::srand(2);
  EXPECT_EQ(digHoles(shown, 80), 0);
  EXPECT_EQ(hiddenCount(shown), 81);
}

TEST(GivensStringTest, ShowsShownPlacementsAtTheirCells) {
  Placement placements[81];
  unsigned char shown[81] = {};
  placements[0] = Placement{8, 0, 80, 8, 8, 8};
  placements[1] = Placement{0, 0, 0, 0, 0, 0};
  placements[2] = Placement{4, 0, 40, 4, 4, 4};
  placements[3] = Placement{2, 0, 40, 4, 4, 4};  // the later record of cell 40 wins
  placements[4] = Placement{9, 0, 1, 0, 1, 0};   // no digit: nothing shown
  placements[5] = Placement{3, 0, 81, 0, 0, 0};  // no cell of the grid
  placements[6] = Placement{3, 0, -1, 0, 0, 0};
  placements[7] = Placement{-1, 0, 2, 0, 2, 0};
  shown[80] = shown[40] = shown[1] = shown[2] = 1;
  std::string expected(81, '0');
  expected[80] = '9';
  expected[40] = '3';
  EXPECT_EQ(givensString(placements, shown), expected);
}

// Givens per level, as the difficulty table has them: the second figure
// holds exactly when the centre cell is hidden.
TEST(GeneratedPuzzleTest, GivensPerLevelMatchTheTable) {
  const int givens[11] = {63, 59, 55, 51, 45, 41, 37, 33, 27, 23, 19};
  for (int level = 0; level <= 10; ++level) {
    for (int seed = -20; seed < 20; ++seed) {
      Placement placements[81];
      unsigned char shown[81];
      preparePuzzle(seed * 104729, levelDifficulty(level), placements, shown);
      const int shownCount = 81 - hiddenCount(shown);
      EXPECT_EQ(shownCount, shown[40] ? givens[level] : givens[level] + 1) << "level " << level;
      for (int cell = 0; cell < 81; ++cell) ASSERT_EQ(shown[cell], shown[80 - cell]);
    }
  }
}

TEST(GeneratedPuzzleTest, CodesKeepNamingTheSamePuzzles) {
  // A code must never change meaning, so neither may these lines.
  const char* const pinned[][2] = {
      {"050",
       "280960057360000012470000603002300794000579000917002300506000048120000076740051039"},
      {"051734022211",
       "000700600306100905809450730450980067007204300130067094083075409601002503005001000"},
      {"00123",
       "569408213080503946200691758692785134800040007457316892928164005145807020376209481"},
      {"10-123456789",
       "040700210200000000100000000000920001000306000400017000000000006000000002028003070"},
      {"07-1",
       "720840506480000023000030000009020374000904000247050600000090000970000062502067039"},
      {"00-2147483648",
       "573624891961350407800791006430560918690132074715089063100945002207013649349276185"},
      {"992147483647",
       "000000000000000000900108046000720004004010600300084000730801005000000000000000000"},
  };
  for (const auto& pair : pinned) {
    const std::string code = pair[0];
    const SeedCode read = readSeedCode(code);
    Placement placements[81];
    unsigned char shown[81];
    preparePuzzle(read.seed, read.difficulty, placements, shown);
    EXPECT_EQ(givensString(placements, shown), pair[1]) << "code " << code;
  }
}

}  // namespace
