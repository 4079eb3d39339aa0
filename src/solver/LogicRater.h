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
  XYZWing,
  UniqueRectangle,  // taken only when the givens have exactly one solution
  NakedQuad,
  Jellyfish,
  HiddenQuad,
  WWing,
  XChain,            // chains and cycles on one digit, simple colouring among them
  XYChain,           // chains through cells of two candidates
  AlternatingChain,  // chains that mix both kinds of link
  ForcingChain,      // one candidate, assumed true, leads to a contradiction
  CellForcingChain,  // every candidate of one cell leads to the same conclusion
  UnitForcingChain,  // every place of a digit in one group leads to the same conclusion
  DynamicForcingChain,  // the forcing chains above, following every single as it arises
  NestedForcingChain,   // and following the techniques up to XY-chains as well
  Search,      // the techniques stall before the grid is full
  NoSolution,  // the grid cannot be completed
  Conflict,    // a digit repeats in a row, column or box
};

// The word tessary-cli prints for a technique or outcome: "naked-single",
// "x-wing", "no-solution" and so on.
const char* techniqueWord(Technique technique);

// One candidate in a chain: digit (0-8) in cell (0-80). on is true when the
// link that leads to it makes the candidate true, false when it rules it out.
struct ChainNode {
  int8_t cell = -1;
  int8_t digit = -1;
  bool on = false;
};

// One step of the reasoning. Cells are 0-80 row-major, digits 0-8 and
// groups numbered as in BoardGeometry.h (rows 0-8, columns 9-17, boxes
// 18-26).
//
// How each technique fills the fields:
// - singles: cell and digit placed; groups the group that leaves one place
//   (hidden) or all three of the cell's (naked).
// - locked candidates: cells where the digit lies, groups the box and the
//   line.
// - subsets (pairs, triples, quads): cells and digits of the subset, groups
//   the one group it lies in.
// - fish (X-wing, swordfish, jellyfish): cells the digit's places in the
//   base lines; groups the base lines and the cover lines, baseGroups the
//   base lines alone.
// - XY-wing and XYZ-wing: pivot the pivot cell, cells the pivot and its two
//   wings, digits all their candidates, ruledOut the digit they share.
// - unique rectangle: cells its four corners, digits the pair, groups the
//   two rows and two columns; the digits of the pair are ruled out of the
//   one corner that holds more.
// - W-wing: cells the two cells of one pair and the two places of the
//   strong link between them, groups the group of that link; chain as for
//   chains.
// - chains (X-chains, XY-chains, alternating chains, W-wing): chain holds
//   the candidates in order, starting with one assumed false (on false) and
//   ending with one then true; links alternate, one of the two is always
//   true (a strong link, into an on node) or they cannot both be (a weak
//   link, into an off node). Whichever end is true rules the ruledOut digit
//   out of ruledOutCells. A cycle's chain ends where it starts.
// - forcing chains: chain holds one branch after another, each from its
//   assumption (the first node, on true) to the conclusion, following one
//   line of the implications; branches the index in chain of each branch's
//   first node. Cell forcing: pivot the source cell. Unit forcing: groups
//   the unit, digits the digit. A contradiction: one branch, from the
//   candidate assumed true to a candidate both on and off (its last two
//   nodes); the assumed candidate is ruled out.
// - score: the step's difficulty in tenths on Sukaku Explainer's scale
//   (hidden single in a box 12, naked single 23, X-wing 32, ...); a chain's
//   grows with its length.
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
  int8_t pivot = -1;         // a wing's pivot, a cell forcing chain's source cell
  uint32_t baseGroups = 0;   // a fish's base lines
  std::vector<ChainNode> chain;
  std::vector<uint8_t> branches;
  uint8_t score = 0;
};

struct Rating {
  // The hardest technique the puzzle needed (NakedSingle for a full grid),
  // or Search, NoSolution or Conflict.
  Technique technique;
  // The number of steps taken, placements and rulings out together.
  int steps;
  // The hardest step's score, in tenths as LogicStep's.
  int score = 0;
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
