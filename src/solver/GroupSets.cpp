// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/GroupSets.h"

#include "solver/BoardGeometry.h"

namespace {

// Which of the three 9-bit fields of a 27-bit value hold a bit, as bits
// 0-2. Adding 0xFF to the low eight bits of a field carries into its ninth
// bit exactly when they are not all clear, and never beyond it.
uint32_t nonEmptyNines(uint32_t fields) {
  constexpr uint32_t kHigh = 1u << 8 | 1u << 17 | 1u << 26;
  constexpr uint32_t kLow = 0x7FFFFFFu & ~kHigh;
  const uint32_t high = (((fields & kLow) + kLow) | fields) & kHigh;
  return (high >> 8 & 1u) | (high >> 16 & 2u) | (high >> 24 & 4u);
}

// The same for the three 3-bit fields of a 9-bit value.
uint32_t nonEmptyThrees(uint32_t fields) {
  constexpr uint32_t kHigh = 1u << 2 | 1u << 5 | 1u << 8;
  constexpr uint32_t kLow = 0x1FFu & ~kHigh;
  const uint32_t high = (((fields & kLow) + kLow) | fields) & kHigh;
  return (high >> 2 & 1u) | (high >> 4 & 2u) | (high >> 6 & 4u);
}

constexpr uint32_t kColumns = firstGroup(GroupKind::Columns);
constexpr uint32_t kBoxes = firstGroup(GroupKind::Boxes);

}  // namespace

// A band of three rows is 27 consecutive tiles: its rows are three 9-bit
// fields, and the columns it touches, folded into one field, give its boxes.
uint32_t groupsHit(TileSet tiles) {
  const uint64_t low = tiles.low;
  const uint64_t high = tiles.high;
  const uint32_t bands[3] = {static_cast<uint32_t>(low) & 0x7FFFFFFu, static_cast<uint32_t>(low >> 27) & 0x7FFFFFFu,
                             static_cast<uint32_t>(low >> 54 | high << 10) & 0x7FFFFFFu};
  uint32_t rowsHit = 0;
  uint32_t columnsHit = 0;
  uint32_t boxesHit = 0;
  for (uint32_t b = 0; b < 3; ++b) {
    const uint32_t columns = (bands[b] | bands[b] >> 9 | bands[b] >> 18) & 0x1FFu;
    rowsHit |= nonEmptyNines(bands[b]) << (b * 3);
    columnsHit |= columns;
    boxesHit |= nonEmptyThrees(columns) << (b * 3);
  }
  return rowsHit | columnsHit << kColumns | boxesHit << kBoxes;
}

// Each band of three rows is built as 27 bits: the rows of the band that
// are among the groups, crossed with the columns that are among them and
// lie in one of the band's boxes among them.
TileSet tilesInGroups(uint32_t groups) {
  constexpr uint32_t kBandRows[8] = {0,          0x1FFu,     0x3FE00u,   0x3FFFFu,
                                     0x7FC0000u, 0x7FC01FFu, 0x7FFFE00u, 0x7FFFFFFu};
  constexpr uint32_t kBoxColumns[8] = {0, 0x007u, 0x038u, 0x03Fu, 0x1C0u, 0x1C7u, 0x1F8u, 0x1FFu};
  const uint32_t columns = groups >> kColumns & 0x1FFu;
  uint64_t bands[3];
  for (uint32_t b = 0; b < 3; ++b) {
    const uint32_t bandColumns = columns & kBoxColumns[groups >> (kBoxes + b * 3) & 7u];
    // The columns repeated for the band's three rows.
    bands[b] = kBandRows[groups >> (b * 3) & 7u] & (bandColumns * 0x40201u);
  }
  return TileSet{bands[0] | bands[1] << 27 | bands[2] << 54, bands[2] >> 10};
}
