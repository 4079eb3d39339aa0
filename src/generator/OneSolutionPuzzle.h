// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/SeedCode.h"
#include "grid/Placement.h"

// The puzzle of a one-solution code (seed, difficulty 0 to 1): srand(seed)
// and the same full grid from fillGrid as the seed's other code has, then
// holes dug unit by unit, a unit being a cell and its partner 80 - cell (the
// centre alone is one). Units are drawn as digHoles draws cells, rand() % 81,
// drawing again for a unit already visited; each new unit is hidden and
// stays hidden only if the puzzle then still has exactly one solution. It
// stops once holeTarget(difficulty) / 2 units are hidden or all 41 have been
// visited. Whether a puzzle has one solution is a fact, not a property of
// the counter asked, so a code keeps naming the same puzzle.
// Fills 81 placements (the full grid) and the 81-byte shown mask, nonzero
// for a given.
void prepareOneSolutionPuzzle(int seed, float difficulty, Placement* placements, unsigned char* shown);

// The puzzle a code of either kind names, as Load Seed builds it.
void prepareCodePuzzle(const SeedCode& code, Placement* placements, unsigned char* shown);
