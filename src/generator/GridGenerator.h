// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "grid/Placement.h"

// The generator's core: a random full grid, then symmetric holes. Its only
// source of randomness is the platform's rand(), seeded by the caller, and a
// seed code names a puzzle only while the number and order of rand() calls
// here stay exactly as they are.

// Fills a complete, valid grid by randomized depth-first search: cells in
// row-major order, each started at a digit drawn with rand() % 9 (the only
// rand() call per start of a placement, a restart after backtracking
// included), then tried cyclically through all nine digits.
// In: 81 placements with cell -1, start 0, UsedTables (243 bytes) and the
// filled mask (81 bytes) all zero. Out: placements[i] holds cell i with its
// row, col, box, digit (value 0-8) and last tries; every flag and every mask
// byte is 1. Returns 0.
// A caller may also hand in a grid whose first `start` placements, flags and
// mask bytes are already set; the rest is completed the same way, and -1 is
// returned (the grid left incomplete) when no completion exists or start is
// outside 0-80.
int fillGrid(Placement* placements, int start, unsigned char* used, unsigned char* filled);

// Hides target / 2 pairs of cells symmetric about the centre in the shown
// mask (81 bytes, nonzero for a given), drawing each candidate cell with
// rand() % 81 and drawing again when it or its partner 80 - cell is already
// hidden. The centre is its own partner and counts as one pair, so 2 * pairs
// or 2 * pairs - 1 cells are hidden. A target below 2 hides nothing and
// calls no rand(). Returns 0; returns -1 when the mask has fewer pairs left
// than asked for, after hiding all that were left (callers pass a full mask
// and at most 63).
int digHoles(unsigned char* shown, int target);

// srand(seed), then a fresh grid from fillGrid into 81 placements, with the
// 81-byte shown mask all ones: the full grid of every code with this seed.
// rand() goes on from there for the holes.
void fillSeededGrid(int seed, Placement* placements, unsigned char* shown);

// What Generate and Load Seed do before showing a puzzle: srand(seed), a
// fresh grid from fillGrid, then digHoles with the hole target of the
// difficulty (0 to 1). Fills 81 placements and the 81-byte shown mask.
void preparePuzzle(int seed, float difficulty, Placement* placements, unsigned char* shown);

// The givens as a puzzle string, as the grid shows them: for each placement
// in array order with a shown cell, its digit '1'-'9' at that cell (a later
// placement of the same cell wins; a record with no cell 0-80 or no digit
// 0-8 shows nothing); '0' for every other cell.
std::string givensString(const Placement* placements, const unsigned char* shown);
