// SPDX-License-Identifier: GPL-3.0-or-later
#include <bitset>
#include <string>

#include <gtest/gtest.h>

#include "play/DigitCheck.h"

namespace {

// The puzzle of "05u1796837761", which has one solution: its first row is
// 918235647.
const std::string kPuzzle = "908235007000007190030000208300156904001789300609324001105000020046500000200678405";

std::bitset<81> givensOf(const std::string& puzzle) {
  std::bitset<81> locked;
  for (int cell = 0; cell < 81; ++cell) locked[cell] = puzzle[cell] != '0';
  return locked;
}

// The puzzle with the digits entered at the cells named.
std::string entered(std::string grid, std::initializer_list<std::pair<int, char>> digits) {
  for (const auto& d : digits) grid[d.first] = d.second;
  return grid;
}

TEST(DigitCheckTest, JudgesTheEnteredDigits) {
  const std::bitset<81> none;
  const struct {
    std::string grid;
    std::bitset<81> locked;
    DigitCheck::Outcome outcome;
    std::bitset<81> wrong;
  } cases[] = {
      {entered(kPuzzle, {{1, '1'}, {6, '6'}}), givensOf(kPuzzle), DigitCheck::AllRight, {}},
      {entered(kPuzzle, {{1, '6'}, {7, '4'}}), givensOf(kPuzzle), DigitCheck::Wrong, std::bitset<81>().set(1)},
      // A wrong digit repeating a given of its row is still only the entered one.
      {entered(kPuzzle, {{1, '9'}}), givensOf(kPuzzle), DigitCheck::Wrong, std::bitset<81>().set(1)},
      // No givens: the digits entered are judged together.
      {kPuzzle, none, DigitCheck::Fit, {}},
      {entered(kPuzzle, {{1, '9'}}), none, DigitCheck::CannotFit, {}},
      // Several solutions: the given 9 of cell 0 alone.
      {entered(std::string(81, '0'), {{0, '9'}, {1, '1'}}), std::bitset<81>().set(0), DigitCheck::Fit, {}},
      // No repeat, but the last cell can take no digit: no 2 in its row, one in its column.
      {"034678912" + std::string(63, '0') + "143769850", std::bitset<81>().set(1), DigitCheck::CannotFit, {}},
  };
  for (const auto& c : cases) {
    const DigitCheck check = checkEnteredDigits(c.grid, c.locked);
    EXPECT_EQ(check.outcome, c.outcome) << c.grid;
    EXPECT_EQ(check.wrong, c.wrong) << c.grid;
  }
  EXPECT_FALSE(hasEnteredDigit(kPuzzle, givensOf(kPuzzle)));
  EXPECT_TRUE(hasEnteredDigit(entered(kPuzzle, {{79, '1'}}), givensOf(kPuzzle)));
}

TEST(DigitCheckTest, WrongDigitsLastUntilTheGridChanges) {
  WrongDigits wrong;
  const std::string grid = entered(kPuzzle, {{6, '5'}});
  wrong.mark(grid, std::bitset<81>().set(6));
  EXPECT_TRUE(wrong.in(grid)[6]);
  EXPECT_TRUE(wrong.in(grid)[6]) << "looking again changes nothing";
  EXPECT_TRUE(wrong.in(kPuzzle).none());
  EXPECT_TRUE(wrong.in(grid).none()) << "undoing back to the checked grid brings no red back";
}

}  // namespace
