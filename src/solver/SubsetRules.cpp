// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/DigitMask.h"
#include "solver/LogicBoard.h"

namespace {

// The step of a subset (cells and digits, as group positions and a digit
// mask) that rules the digits out of the targets: false when no target
// holds any of them.
bool ruleOut(const LogicBoard& board, uint32_t group, unsigned cells, unsigned digits, unsigned targets,
             unsigned ruled, LogicStep& step) {
  const GroupTiles& tiles = kGeometry.groupTiles[group];
  unsigned losing = 0, lost = 0;
  forEachDigit(targets, [&](int i) {
    if (board.options[tiles[i]] & ruled) losing |= 1u << i;
    lost |= board.options[tiles[i]] & ruled;
  });
  if (losing == 0) return false;
  step.cells = groupCells(group, cells);
  step.digits = static_cast<uint16_t>(digits);
  step.ruledOutCells = groupCells(group, losing);
  step.ruledOut = static_cast<uint16_t>(lost);
  return true;
}

// Naked: size cells of a group that hold only size digits between them;
// those digits are ruled out of the group's other cells.
bool nakedIn(const LogicBoard& board, uint32_t group, int size, LogicStep& step) {
  const GroupTiles& tiles = kGeometry.groupTiles[group];
  unsigned open = 0, small = 0;
  for (uint32_t i = 0; i < 9; ++i) {
    if (board.value[tiles[i]] >= 0) continue;
    open |= 1u << i;
    const int count = digitCount(board.options[tiles[i]]);
    if (count >= 2 && count <= size) small |= 1u << i;
  }
  return forEachSubset(small, size, [&](unsigned cells) {
    unsigned digits = 0;
    forEachDigit(cells, [&](int i) { digits |= board.options[tiles[i]]; });
    if (digitCount(digits) != size) return false;
    return ruleOut(board, group, cells, digits, open & ~cells, digits, step);
  });
}

// Hidden: size digits that only size cells of a group offer; those cells
// lose every other candidate.
bool hiddenIn(const LogicBoard& board, const DigitPlaces& places, uint32_t group, int size, LogicStep& step) {
  unsigned few = 0;
  for (int d = 0; d < 9; ++d) {
    const int count = digitCount(places.of[group][d]);
    if (count >= 2 && count <= size) few |= 1u << d;
  }
  return forEachSubset(few, size, [&](unsigned digits) {
    unsigned cells = 0;
    forEachDigit(digits, [&](int d) { cells |= places.of[group][d]; });
    if (digitCount(cells) != size) return false;
    return ruleOut(board, group, cells, digits, cells, ~digits & kAllDigits, step);
  });
}

}  // namespace

bool findNakedSubset(const LogicBoard& board, int size, LogicStep& step) {
  for (uint32_t group = 0; group < 27; ++group) {
    if (nakedIn(board, group, size, step)) {
      constexpr Technique kNaked[] = {Technique::NakedPair, Technique::NakedTriple, Technique::NakedQuad};
      step.technique = kNaked[size - 2];
      step.groups = 1u << group;
      return true;
    }
  }
  return false;
}

bool findHiddenSubset(const LogicBoard& board, const DigitPlaces& places, int size, LogicStep& step) {
  for (uint32_t group = 0; group < 27; ++group) {
    if (hiddenIn(board, places, group, size, step)) {
      constexpr Technique kHidden[] = {Technique::HiddenPair, Technique::HiddenTriple, Technique::HiddenQuad};
      step.technique = kHidden[size - 2];
      step.groups = 1u << group;
      return true;
    }
  }
  return false;
}
