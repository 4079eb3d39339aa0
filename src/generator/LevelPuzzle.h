// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grid/Placement.h"

// The seed of the one-solution puzzle that New Puzzle With One Solution makes
// at a slider level (0 to 10): the first seed from `from` upward (past
// 2147483647 on to -2147483648) whose one-solution code at that level names
// a puzzle whose rating fits the level's band. The code's puzzle is what it
// always is; only the seed is chosen. Fills placements and shown with that
// puzzle as prepareOneSolutionPuzzle does. Every band holds at least one
// puzzle in a few hundred seeds, so the search ends within a fraction of a
// second.
int firstFittingSeed(int level, int from, Placement* placements, unsigned char* shown);
