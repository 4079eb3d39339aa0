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

// The masks of two and of three bits among nine, lowest first: the
// candidates of a pair or a triple, tried against a group's cells or digits.
struct SubsetMasks {
  uint16_t pairs[36] = {};
  uint16_t triples[84] = {};
};
constexpr SubsetMasks makeSubsetMasks() {
  SubsetMasks masks;
  int pairs = 0, triples = 0;
  for (unsigned mask = 0; mask < 512; ++mask) {
    const int bits = __builtin_popcount(mask);
    if (bits == 2) masks.pairs[pairs++] = static_cast<uint16_t>(mask);
    if (bits == 3) masks.triples[triples++] = static_cast<uint16_t>(mask);
  }
  return masks;
}
inline constexpr SubsetMasks kSubsetMasks = makeSubsetMasks();

// Calls visit(mask) for each mask of size (2 or 3) bits inside set, until
// visit returns true; returns whether it did.
template <typename Visit>
bool forEachSubset(unsigned set, int size, Visit visit) {
  const uint16_t* masks = size == 2 ? kSubsetMasks.pairs : kSubsetMasks.triples;
  const int count = size == 2 ? 36 : 84;
  for (int i = 0; i < count; ++i) {
    if ((masks[i] & ~set) == 0 && visit(masks[i])) return true;
  }
  return false;
}
