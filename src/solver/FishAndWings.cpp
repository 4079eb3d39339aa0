// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/DigitMask.h"
#include "solver/LogicBoard.h"

namespace {

// A fish on one digit: size lines of one kind (the base) whose places for
// the digit all lie in size lines of the other kind (the cover). The digit
// must fill each cover line inside the base, so it is ruled out of the
// cover's other cells.
bool fishOn(const DigitPlaces& places, uint32_t base, uint32_t cover, int digit, int size, LogicStep& step) {
  unsigned lines = 0;
  for (uint32_t l = 0; l < 9; ++l) {
    const int count = digitCount(places.of[base + l][digit]);
    if (count >= 2 && count <= size) lines |= 1u << l;
  }
  return forEachSubset(lines, size, [&](unsigned chosen) {
    unsigned covers = 0;
    TileSet baseCells, inBase;
    forEachDigit(chosen, [&](int l) {
      covers |= places.of[base + l][digit];
      baseCells |= kGeometry.groupBits[base + l];
      inBase |= groupCells(base + l, places.of[base + l][digit]);
    });
    if (digitCount(covers) != size) return false;
    TileSet losing;
    uint32_t groups = 0;
    forEachDigit(chosen, [&](int l) { groups |= 1u << (base + l); });
    forEachDigit(covers, [&](int c) {
      losing |= groupCells(cover + c, places.of[cover + c][digit]) & ~baseCells;
      groups |= 1u << (cover + c);
    });
    if (losing.Empty()) return false;
    step.cells = inBase;
    step.digits = static_cast<uint16_t>(1u << digit);
    step.groups = groups;
    step.ruledOutCells = losing;
    step.ruledOut = step.digits;
    return true;
  });
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

}  // namespace

bool findFish(const DigitPlaces& places, int size, LogicStep& step) {
  const uint32_t rows = firstGroup(GroupKind::Rows);
  const uint32_t columns = firstGroup(GroupKind::Columns);
  for (int digit = 0; digit < 9; ++digit) {
    if (fishOn(places, rows, columns, digit, size, step) || fishOn(places, columns, rows, digit, size, step)) {
      step.technique = size == 2 ? Technique::XWing : Technique::Swordfish;
      return true;
    }
  }
  return false;
}

// A pivot with candidates x and y, one peer with x and z, another with y
// and z: whichever the pivot holds, one of the two holds z, so z is ruled
// out of every cell that sees both.
bool findXYWing(const LogicBoard& board, LogicStep& step) {
  TileSet twoOptions, withDigit[9];
  for (uint32_t tile = 0; tile < kTiles; ++tile) {
    if (digitCount(board.options[tile]) == 2) twoOptions |= tileBit(tile);
    forEachDigit(board.options[tile], [&](int d) { withDigit[d] |= tileBit(tile); });
  }
  return anyTile(twoOptions, [&](uint32_t pivot) {
    const unsigned xy = board.options[pivot];
    const TileSet wings = kGeometry.peerBits[pivot] & twoOptions;
    return anyTile(wings, [&](uint32_t first) {
      const unsigned xz = board.options[first];
      const unsigned z = xz & ~xy;
      if (digitCount(xz & xy) != 1 || z == 0) return false;
      const unsigned yz = (xy & ~xz) | z;
      return anyTile(wings, [&](uint32_t second) {
        if (board.options[second] != yz) return false;
        const TileSet losing =
            kGeometry.peerBits[first] & kGeometry.peerBits[second] & withDigit[lowestDigit(z)] & ~tileBit(pivot);
        if (losing.Empty()) return false;
        step.technique = Technique::XYWing;
        step.cells = tileBit(pivot) | tileBit(first) | tileBit(second);
        step.digits = static_cast<uint16_t>(xy | z);
        step.groups = 0;
        step.ruledOutCells = losing;
        step.ruledOut = static_cast<uint16_t>(z);
        return true;
      });
    });
  });
}
