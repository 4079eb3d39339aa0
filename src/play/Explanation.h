// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bitset>
#include <string>

// What Explain tells a player about the grid as it stands.
struct Explanation {
  std::string text;  // one sentence a line, in the player's language
  int cell;          // the cell (0-80, row-major) the way ends in, or -1
  // The cells the way's first step looks at, marked while the player reads.
  std::bitset<81> marked;
};

// The way of the rater's reasoning on grid to its next digit: 81 chars,
// row-major, '1'-'9' a digit (given or the player's alike) and anything
// else an empty cell. Each step the digit rests on gets a sentence naming
// its technique, where it works and what it rules out, and the last says
// which digit goes in which cell; a way of more than eight steps shows its
// first six and then says how many more follow, by which techniques. When
// a digit repeats or the grid has no solution, the text says the digits
// cannot all be right; when the techniques reach no digit, it says so and
// points to Hint; a full grid gets a sentence of its own (each with cell -1
// and nothing marked).
Explanation explainGrid(const std::string& grid);
