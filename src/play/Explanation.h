// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What Explain tells a player about the grid as it stands.
struct Explanation {
  std::string text;  // one or two sentences in the player's language
  int cell;          // the cell (0-80, row-major) the next step fills, or -1
};

// The next step of the rater's reasoning on grid: 81 chars, row-major,
// '1'-'9' a digit (given or the player's alike) and anything else an empty
// cell. A placement is told in one sentence; a step that only rules
// candidates out names its technique, its cells and what it rules out, then
// the placement it leads to. When a digit repeats or the grid has no
// solution, the text says the digits cannot all be right (cell -1); when the
// techniques find no step, it says so and points to Hint (cell -1); a full
// grid gets a sentence of its own.
Explanation explainGrid(const std::string& grid);
