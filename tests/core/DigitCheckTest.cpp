// SPDX-License-Identifier: GPL-3.0-or-later
#include <bitset>
#include <string>

#include <gtest/gtest.h>

#include "play/DigitCheck.h"

namespace {

// One solution, whose first row is 918235647; no 4 or 6 stands in the
// columns and boxes of cells 1 and 7.
const std::string kPuzzle = "908235007000007190030000208300156904001789300609324001105000020046500000200678405";

std::bitset<81> givensOf(const std::string& puzzle) {
  std::bitset<81> locked;
  for (int cell = 0; cell < 81; ++cell) locked[cell] = puzzle[cell] != '0';
  return locked;
}

TEST(DigitCheckTest, JudgesTheEnteredDigitsAndKeepsTheWrongOnesUntilAChange) {
  const std::bitset<81> given = givensOf(kPuzzle), none;
  const struct {
    std::string grid;
    std::bitset<81> locked;
    DigitCheck::Outcome outcome;
    std::bitset<81> wrong;
  } cases[] = {
      {"918" + kPuzzle.substr(3, 3) + "047" + kPuzzle.substr(9), given, DigitCheck::AllRight, {}},
      {"968" + kPuzzle.substr(3, 3) + "047" + kPuzzle.substr(9), given, DigitCheck::Wrong, std::bitset<81>().set(1)},
      {kPuzzle, none, DigitCheck::Fit, {}},
      {"998" + kPuzzle.substr(3), none, DigitCheck::CannotFit, {}},
      // Several solutions: the 9 of cell 0 is the only given.
      {"91" + std::string(79, '0'), std::bitset<81>().set(0), DigitCheck::Fit, {}},
  };
  for (const auto& c : cases) {
    const DigitCheck check = checkEnteredDigits(c.grid, c.locked);
    EXPECT_EQ(check.outcome, c.outcome) << c.grid;
    EXPECT_EQ(check.wrong, c.wrong) << c.grid;
  }
  EXPECT_FALSE(hasEnteredDigit(kPuzzle, given));
  EXPECT_TRUE(hasEnteredDigit(cases[0].grid, given));

  // Red until the grid changes, and not again when it comes back.
  WrongDigits wrong;
  wrong.mark(cases[1].grid, cases[1].wrong);
  EXPECT_EQ(wrong.in(cases[1].grid), cases[1].wrong);
  EXPECT_TRUE(wrong.in(kPuzzle).none());
  EXPECT_TRUE(wrong.in(cases[1].grid).none());
}

}  // namespace
