// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "solver/TileSet.h"

// Rating a puzzle by the reasoning a person needs for it: a solver that
// works on candidates as a player does and always takes the easiest
// technique that gets anywhere.

// The techniques from the easiest to the hardest, then the outcomes that are
// not a technique. The order is the rating's: a puzzle is as hard as the
// hardest technique it needs.
enum class Technique : uint8_t {
  NakedSingle,
  HiddenSingle,
  LockedCandidates,
  NakedPair,
  HiddenPair,
  NakedTriple,
  HiddenTriple,
  XWing,
  Swordfish,
  XYWing,
  Search,      // the techniques stall before the grid is full
  NoSolution,  // the grid cannot be completed
  Conflict,    // a digit repeats in a row, column or box
};

// The word tessary-cli prints for a technique or outcome: "naked-single",
// "x-wing", "no-solution" and so on.
const char* techniqueWord(Technique technique);

// One step of the reasoning. Cells are 0-80 row-major, digits 0-8 and
// groups numbered as in BoardGeometry.h (rows 0-8, columns 9-17, boxes
// 18-26).
struct LogicStep {
  Technique technique = Technique::NakedSingle;
  TileSet cells;        // the cells the reasoning looks at
  uint16_t digits = 0;  // the digits it looks at, a mask of bits 0-8
  uint32_t groups = 0;  // the rows, columns and boxes it works in, a mask of bits 0-26
  // A single places digit in cell; any other technique places nothing (-1).
  int8_t cell = -1;
  int8_t digit = -1;
  // The digits of ruledOut are no longer candidates of any cell of
  // ruledOutCells; each of those cells had at least one of them.
  TileSet ruledOutCells;
  uint16_t ruledOut = 0;
};

struct Rating {
  // The hardest technique the puzzle needed (NakedSingle for a full grid),
  // or Search, NoSolution or Conflict.
  Technique technique;
  // The number of steps taken, placements and rulings out together.
  int steps;
};

// Rates a puzzle and, when steps is given, records its reasoning there.
//
// puzzle: 81 characters, row-major; '1'-'9' a given, anything else an empty
// cell, as the grid reader takes a grid.
// steps: null, or a list that the steps are appended to in the order taken.
// Returns Conflict when a given repeats in its row, column or box (no step
// is taken); NoSolution when the reasoning meets a cell without candidates
// or a digit without a place, or stalls on a grid that has no solution;
// Search when it stalls on one that has; else the hardest technique used.
// Each step takes the first technique of the Technique order that makes
// progress, and starts again from naked singles after it. Allocates nothing
// unless steps is given; a few microseconds for a puzzle that needs singles.
Rating rateGrid(const char* puzzle, std::vector<LogicStep>* steps = nullptr);
