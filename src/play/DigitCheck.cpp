// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/DigitCheck.h"

#include "solver/SolutionCounter.h"
#include "solver/SolveGivens.h"

namespace {

bool isDigit(char c) { return c >= '1' && c <= '9'; }

}  // namespace

bool hasEnteredDigit(const std::string& grid, const std::bitset<81>& locked) {
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (!locked[cell] && isDigit(grid[cell])) return true;
  }
  return false;
}

DigitCheck checkEnteredDigits(const std::string& grid, const std::bitset<81>& locked) {
  std::string givens(kCellCount, '0');
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (locked[cell] && isDigit(grid[cell])) givens[cell] = grid[cell];
  }
  if (givens == std::string(kCellCount, '0') || countSolutions(givens.c_str(), 2) != 1) {
    return DigitCheck{countSolutions(grid.c_str(), 1) == 1 ? DigitCheck::Fit : DigitCheck::CannotFit, {}};
  }
  const std::string solution = solvedGrid(givens);
  DigitCheck check{DigitCheck::AllRight, {}};
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (!locked[cell] && isDigit(grid[cell]) && grid[cell] != solution[cell]) check.wrong[cell] = true;
  }
  if (check.wrong.any()) check.outcome = DigitCheck::Wrong;
  return check;
}

void WrongDigits::mark(const std::string& grid, const std::bitset<81>& cells) {
  grid_ = grid;
  cells_ = cells;
}

const std::bitset<81>& WrongDigits::in(const std::string& grid) {
  if (grid != grid_) cells_.reset();
  return cells_;
}
