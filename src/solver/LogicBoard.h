// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "solver/BoardGeometry.h"
#include "solver/LogicRater.h"

// The rater's grid: the digits placed and every empty cell's candidates, as
// a player pencils them in. Unlike the search's Board it never takes a
// digit back, so it keeps nothing but the candidates.
struct LogicBoard {
  int8_t value[kTiles];      // -1 while empty, else the digit 0-8
  uint16_t options[kTiles];  // an empty cell's candidates; 0 once filled
  int empty = kTiles;

  LogicBoard();
  // Places digit in an empty cell and takes it from the candidates of its
  // peers. False, with nothing changed, when the cell is filled or the
  // digit is no candidate of it.
  bool Place(uint32_t cell, int digit);
  // Takes the digits of mask from the candidates of every cell of the set.
  void RuleOut(TileSet cells, uint16_t mask);
};

// Where each digit may still go in each group: of[group][digit] has bit i
// set when the group's i-th tile (in GroupTiles order) offers the digit.
struct DigitPlaces {
  uint16_t of[27][9];
};
DigitPlaces digitPlaces(const LogicBoard& board);

// The cells of a group whose positions (bits 0-8, GroupTiles order) are set.
TileSet groupCells(uint32_t group, unsigned positions);

// The techniques past the singles, each in its own file. Each looks for one
// instance that rules something out, fills in step and returns true, or
// returns false.
bool findLockedCandidates(const DigitPlaces& places, LogicStep& step);
bool findNakedSubset(const LogicBoard& board, int size, LogicStep& step);
bool findHiddenSubset(const LogicBoard& board, const DigitPlaces& places, int size, LogicStep& step);
bool findFish(const DigitPlaces& places, int size, LogicStep& step);
bool findXYWing(const LogicBoard& board, LogicStep& step);
bool findXYZWing(const LogicBoard& board, LogicStep& step);
// Unique rectangles and the bivalue universal grave assume that the puzzle
// has one solution; the rater only tries them when it does.
bool findUniqueRectangle(const LogicBoard& board, LogicStep& step);
bool findWWing(const LogicBoard& board, LogicStep& step);
// Chains of alternating links, the shortest first (XChain, XYChain or
// AlternatingChain).
bool findChain(const LogicBoard& board, LogicStep& step);
// Forcing chains: from a candidate, a cell or a unit, following singles and
// (nested) the simpler techniques.
bool findForcingChain(const LogicBoard& board, bool nested, LogicStep& step);

// The masks of two, three and four bits among nine, lowest first: the
// candidates of a pair, a triple or a quad, tried against a group's cells
// or digits.
struct SubsetMasks {
  uint16_t pairs[36] = {};
  uint16_t triples[84] = {};
  uint16_t quads[126] = {};
};
constexpr SubsetMasks makeSubsetMasks() {
  SubsetMasks masks;
  int pairs = 0, triples = 0, quads = 0;
  for (unsigned mask = 0; mask < 512; ++mask) {
    const int bits = __builtin_popcount(mask);
    if (bits == 2) masks.pairs[pairs++] = static_cast<uint16_t>(mask);
    if (bits == 3) masks.triples[triples++] = static_cast<uint16_t>(mask);
    if (bits == 4) masks.quads[quads++] = static_cast<uint16_t>(mask);
  }
  return masks;
}
inline constexpr SubsetMasks kSubsetMasks = makeSubsetMasks();

// Calls visit(mask) for each mask of size (2, 3 or 4) bits inside set,
// until visit returns true; returns whether it did.
template <typename Visit>
bool forEachSubset(unsigned set, int size, Visit visit) {
  const uint16_t* masks = size == 2 ? kSubsetMasks.pairs : size == 3 ? kSubsetMasks.triples : kSubsetMasks.quads;
  const int count = size == 2 ? 36 : size == 3 ? 84 : 126;
  for (int i = 0; i < count; ++i) {
    if ((masks[i] & ~set) == 0 && visit(masks[i])) return true;
  }
  return false;
}

// The tiles of a set, lowest first, until visit returns true.
template <typename Visit>
bool anyTile(TileSet tiles, Visit visit) {
  while (!tiles.Empty()) {
    const uint32_t tile = lowestTile(tiles);
    if (visit(tile)) return true;
    tiles &= ~tileBit(tile);
  }
  return false;
}

// The cells that offer each digit.
struct DigitCells {
  TileSet of[9];
};
DigitCells digitCells(const LogicBoard& board);
