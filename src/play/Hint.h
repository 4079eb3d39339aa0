// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What a hint finds for one cell of the grid as it stands.
struct Hint {
  enum Outcome { Digit, Repeat, NoSolution };
  Outcome outcome;
  char digit;  // '1'-'9' when outcome is Digit
};

// A digit for cell (0-80, row-major) of grid: 81 chars, row-major, '1'-'9'
// a digit and anything else an empty cell; every digit of the grid counts
// as a given. Answers within a fraction of a second on any grid: Repeat
// when a digit repeats in a row, column or box (nothing is searched);
// NoSolution when the grid cannot be completed, as the solution counter
// tells at once. Otherwise the digit the Solve command would show there,
// so that the hint does not contradict a later Solve: the grid's only
// solution's, or with several the one Solve's own search finds within a
// fixed number of guesses; when it does not, the digit of the solution the
// counter found. A filled cell gives its own digit.
// Writes nothing to standard output, not even the solver's board dumps.
Hint findHint(const std::string& grid, int cell);
