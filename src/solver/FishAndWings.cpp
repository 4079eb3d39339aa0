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
    step.baseGroups = 0;
    forEachDigit(chosen, [&](int l) { step.baseGroups |= 1u << (base + l); });
    step.ruledOutCells = losing;
    step.ruledOut = step.digits;
    return true;
  });
}

// The cells left with exactly count candidates.
TileSet cellsWithOptions(const LogicBoard& board, int count) {
  TileSet cells;
  for (uint32_t tile = 0; tile < kTiles; ++tile) {
    if (digitCount(board.options[tile]) == count) cells |= tileBit(tile);
  }
  return cells;
}

// A wing's step: its pivot and two wings, the digits they hold, and the
// digit z ruled out of the cells in losing.
void wingStep(Technique technique, uint32_t pivot, uint32_t first, uint32_t second, unsigned digits, unsigned z,
              const TileSet& losing, LogicStep& step) {
  step.technique = technique;
  step.pivot = static_cast<int8_t>(pivot);
  step.cells = tileBit(pivot) | tileBit(first) | tileBit(second);
  step.digits = static_cast<uint16_t>(digits);
  step.groups = 0;
  step.ruledOutCells = losing;
  step.ruledOut = static_cast<uint16_t>(z);
}

}  // namespace

bool findFish(const DigitPlaces& places, int size, LogicStep& step) {
  const uint32_t rows = firstGroup(GroupKind::Rows);
  const uint32_t columns = firstGroup(GroupKind::Columns);
  for (int digit = 0; digit < 9; ++digit) {
    if (fishOn(places, rows, columns, digit, size, step) || fishOn(places, columns, rows, digit, size, step)) {
      constexpr Technique kFish[] = {Technique::XWing, Technique::Swordfish, Technique::Jellyfish};
      step.technique = kFish[size - 2];
      return true;
    }
  }
  return false;
}

// A pivot with candidates x and y, one peer with x and z, another with y
// and z: whichever the pivot holds, one of the two holds z, so z is ruled
// out of every cell that sees both.
bool findXYWing(const LogicBoard& board, LogicStep& step) {
  const TileSet twoOptions = cellsWithOptions(board, 2);
  const DigitCells withDigit = digitCells(board);
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
            kGeometry.peerBits[first] & kGeometry.peerBits[second] & withDigit.of[lowestDigit(z)] & ~tileBit(pivot);
        if (losing.Empty()) return false;
        wingStep(Technique::XYWing, pivot, first, second, xy | z, z, losing, step);
        return true;
      });
    });
  });
}

// A pivot with candidates x, y and z, one peer with x and z, another with y
// and z: one of the three holds z, so z is ruled out of every cell that sees
// all three.
bool findXYZWing(const LogicBoard& board, LogicStep& step) {
  const TileSet twoOptions = cellsWithOptions(board, 2);
  const DigitCells withDigit = digitCells(board);
  return anyTile(cellsWithOptions(board, 3), [&](uint32_t pivot) {
    const unsigned xyz = board.options[pivot];
    const TileSet wings = kGeometry.peerBits[pivot] & twoOptions;
    return anyTile(wings, [&](uint32_t first) {
      const unsigned xz = board.options[first];
      if ((xz & ~xyz) != 0) return false;
      return anyTile(wings & tilesFrom(first + 1), [&](uint32_t second) {
        const unsigned yz = board.options[second];
        const unsigned z = xz & yz;
        if ((yz & ~xyz) != 0 || digitCount(z) != 1) return false;
        const TileSet losing = kGeometry.peerBits[pivot] & kGeometry.peerBits[first] & kGeometry.peerBits[second] &
                               withDigit.of[lowestDigit(z)];
        if (losing.Empty()) return false;
        wingStep(Technique::XYZWing, pivot, first, second, xyz, z, losing, step);
        return true;
      });
    });
  });
}

// Two cells with the same two candidates w and x that do not see each
// other, and a group where x has two places, one seeing each cell: one of
// those places holds x, so one of the cells holds w, and w is ruled out of
// every cell that sees both.
bool findWWing(const LogicBoard& board, LogicStep& step) {
  const TileSet twoOptions = cellsWithOptions(board, 2);
  const DigitCells withDigit = digitCells(board);
  const DigitPlaces places = digitPlaces(board);
  return anyTile(twoOptions, [&](uint32_t first) {
    const unsigned wx = board.options[first];
    return anyTile(twoOptions & tilesFrom(first + 1) & ~kGeometry.peerBits[first], [&](uint32_t second) {
      if (board.options[second] != wx) return false;
      for (int x : {lowestDigit(wx), 31 - __builtin_clz(wx)}) {
        const int w = lowestDigit(wx & ~(1u << x));
        const TileSet losing = kGeometry.peerBits[first] & kGeometry.peerBits[second] & withDigit.of[w];
        if (losing.Empty()) continue;
        for (uint32_t g = 0; g < 27; ++g) {
          if (digitCount(places.of[g][x]) != 2) continue;
          const TileSet link = groupCells(g, places.of[g][x]);
          if (!(link & (tileBit(first) | tileBit(second))).Empty()) continue;
          const uint32_t p = lowestTile(link), q = lowestTile(link & ~tileBit(p));
          const TileSet seesFirst = kGeometry.peerBits[first], seesSecond = kGeometry.peerBits[second];
          const bool straight = !(seesFirst & tileBit(p)).Empty() && !(seesSecond & tileBit(q)).Empty();
          const bool crossed = !(seesFirst & tileBit(q)).Empty() && !(seesSecond & tileBit(p)).Empty();
          if (!straight && !crossed) continue;
          const uint32_t nearFirst = straight ? p : q, nearSecond = straight ? q : p;
          step.technique = Technique::WWing;
          step.cells = tileBit(first) | tileBit(second) | link;
          step.digits = static_cast<uint16_t>(wx);
          step.groups = 1u << g;
          step.ruledOutCells = losing;
          step.ruledOut = static_cast<uint16_t>(1u << w);
          const auto node = [](uint32_t cell, int digit, bool on) {
            return ChainNode{static_cast<int8_t>(cell), static_cast<int8_t>(digit), on};
          };
          step.chain = {node(first, w, false), node(first, x, true),       node(nearFirst, x, false),
                        node(nearSecond, x, true), node(second, x, false), node(second, w, true)};
          return true;
        }
      }
      return false;
    });
  });
}
