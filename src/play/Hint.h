// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What a hint finds for one cell of the grid as it stands.
struct Hint {
  enum Outcome { Digit, Repeat, NoSolution };
  Outcome outcome;
  char digit;  // '1'-'9' when outcome is Digit
};

// The digit the Solve command would show in cell (0-80, row-major) for
// grid: 81 chars, row-major, '1'-'9' a digit and anything else an empty
// cell. Every digit of the grid counts as a given and the search is the
// Solve command's own, so the hint never contradicts a later Solve. A filled
// cell gives its own digit. Repeat when a digit repeats in a row, column or
// box (nothing is searched); NoSolution when the grid cannot be completed.
// Writes nothing to standard output, not even the solver's board dumps.
Hint findHint(const std::string& grid, int cell);
