// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/LogicBoard.h"

namespace {

constexpr uint32_t kFirstColumn = firstGroup(GroupKind::Columns);
constexpr uint32_t kFirstBox = firstGroup(GroupKind::Boxes);

// When a digit's places in group `within` all lie in group `line` as well,
// the digit can go nowhere else in `line`: it is ruled out of the cells of
// `line` outside `within` that offer it. False when there are none.
bool lockIn(const DigitPlaces& places, uint32_t within, uint32_t line, int digit, LogicStep& step) {
  const TileSet elsewhere = groupCells(line, places.of[line][digit]) & ~kGeometry.groupBits[within];
  if (elsewhere.Empty()) return false;
  step.technique = Technique::LockedCandidates;
  step.cells = groupCells(within, places.of[within][digit]);
  step.digits = static_cast<uint16_t>(1u << digit);
  step.groups = 1u << within | 1u << line;
  step.ruledOutCells = elsewhere;
  step.ruledOut = step.digits;
  return true;
}

// Pointing: a digit confined to one row or one column of a box.
bool findPointing(const DigitPlaces& places, LogicStep& step) {
  for (uint32_t box = 0; box < 9; ++box) {
    for (int digit = 0; digit < 9; ++digit) {
      const unsigned at = places.of[kFirstBox + box][digit];
      if (at == 0) continue;
      for (uint32_t k = 0; k < 3; ++k) {
        // A box's positions run row by row: 0x7 is its top row, 0x49 its left column.
        const uint32_t row = box / 3 * 3 + k;
        const uint32_t column = kFirstColumn + box % 3 * 3 + k;
        if ((at & ~(0x7u << 3 * k)) == 0 && lockIn(places, kFirstBox + box, row, digit, step)) return true;
        if ((at & ~(0x49u << k)) == 0 && lockIn(places, kFirstBox + box, column, digit, step)) return true;
      }
    }
  }
  return false;
}

// Claiming: a digit confined to one box within a row or a column.
bool findClaiming(const DigitPlaces& places, LogicStep& step) {
  for (uint32_t line = 0; line < 18; ++line) {
    const bool isRow = line < kFirstColumn;
    const uint32_t index = isRow ? line : line - kFirstColumn;
    for (int digit = 0; digit < 9; ++digit) {
      const unsigned at = places.of[line][digit];
      if (at == 0) continue;
      for (uint32_t k = 0; k < 3; ++k) {
        const uint32_t box = isRow ? index / 3 * 3 + k : k * 3 + index / 3;
        if ((at & ~(0x7u << 3 * k)) == 0 && lockIn(places, line, kFirstBox + box, digit, step)) return true;
      }
    }
  }
  return false;
}

}  // namespace

bool findLockedCandidates(const DigitPlaces& places, LogicStep& step) {
  return findPointing(places, step) || findClaiming(places, step);
}
