// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A puzzle string is 81 bytes '0'-'9', row-major, '0' for an empty cell.
constexpr std::size_t kPuzzleLength = 81;

// Checks a text before any of it reaches the grid: at least 81 bytes, the
// first 81 all '0'-'9' (later bytes are never looked at). Returns the empty
// string for a puzzle, otherwise the one-line diagnostic, line end included,
// that the loader writes to standard error.
std::string puzzleTextProblem(const std::string& text);

// A byte as a diagnostic shows it: printable ASCII as it is, anything else
// as \xNN, so that a crafted file cannot drive the user's terminal.
std::string printableByte(unsigned char byte);
