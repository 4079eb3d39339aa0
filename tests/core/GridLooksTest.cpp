// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "play/GridLooks.h"

namespace {

using solvertest::kSolution;

TEST(GridLooksTest, SolvedOnlyWhenFullWithoutRepeats) {
  std::string repeat = kSolution;
  std::swap(repeat[0], repeat[1]);  // two digits swapped within a row: the columns repeat
  std::string gap = kSolution;
  gap[40] = '0';
  EXPECT_TRUE(isSolvedGrid(kSolution));
  EXPECT_FALSE(isSolvedGrid(repeat));
  EXPECT_FALSE(isSolvedGrid(gap));
}

// The looks as a string: '.' plain, 'b' same digit, 'g' solved.
std::string looksOf(const std::string& grid, int focus, bool solved) {
  TextLook looks[81];
  textLooks(grid, focus, solved, looks);
  std::string shown;
  for (TextLook look : looks) shown += look == TextLook::Plain ? '.' : look == TextLook::SameDigit ? 'b' : 'g';
  return shown;
}

TEST(GridLooksTest, HighlightsTheFocusedDigitUnlessSolved) {
  const std::string grid = "5" + std::string(9, '0') + "5" + std::string(69, '0') + "3";
  const std::string fives = "b" + std::string(9, '.') + "b" + std::string(70, '.');
  const std::string none(81, '.');
  EXPECT_EQ(looksOf(grid, 10, false), fives);
  EXPECT_EQ(looksOf(grid, 1, false), none) << "focus on an empty cell";
  EXPECT_EQ(looksOf(grid, -1, false), none) << "focus outside the grid";
  EXPECT_EQ(looksOf(kSolution, 3, true), std::string(81, 'g'));
}

}  // namespace
