// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bitset>
#include <string>

// What Check Digits finds in the digits the player has entered.
struct DigitCheck {
  enum Outcome {
    Wrong,       // the givens have one solution, and some entered digits differ from it
    AllRight,    // the givens have one solution, and every entered digit agrees with it
    Fit,         // no givens, or several solutions: the digits so far still fit one
    CannotFit,   // no givens, or several solutions: no solution has all the digits so far
  };
  Outcome outcome;
  std::bitset<81> wrong;  // with Wrong: the cells whose digit differs
};

// grid: 81 chars, row-major, '1'-'9' a digit and anything else an empty
// cell; locked: the givens, whose digits are the puzzle. Every other digit
// is one the player entered.
bool hasEnteredDigit(const std::string& grid, const std::bitset<81>& locked);
DigitCheck checkEnteredDigits(const std::string& grid, const std::bitset<81>& locked);

// Digits found wrong, to be shown so until the grid next changes.
class WrongDigits {
 public:
  void mark(const std::string& grid, const std::bitset<81>& cells);
  // The cells to show as wrong in grid: none ever again once the grid
  // differs from the one they were found in, even when it comes back.
  const std::bitset<81>& in(const std::string& grid);

 private:
  std::string grid_;
  std::bitset<81> cells_;
};
