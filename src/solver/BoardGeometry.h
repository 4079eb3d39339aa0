// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "solver/TileSet.h"

// Where the tiles lie: their rows, columns and boxes, worked out once at
// compile time. Tiles are 0-80, row-major; boxes are numbered row-major.

struct Position {
  uint32_t row;
  uint32_t col;
  uint32_t box;

  uint32_t TileIndex() const { return row * 9 + col; }
};

// The nine tiles of one row, column or box, in the order the hidden-singles
// rule walks them.
using GroupTiles = std::array<uint32_t, 9>;

// Groups are numbered 0-26 where one number must stand for any of them:
// the nine groups of a kind follow each other, rows first, in the order the
// hidden-singles rule scans them. A set of groups is a 27-bit mask.
enum class GroupKind : uint32_t { Rows = 0, Columns = 1, Boxes = 2 };

constexpr uint32_t firstGroup(GroupKind kind) { return static_cast<uint32_t>(kind) * 9; }

inline constexpr uint32_t kAllGroups = (1u << 27) - 1;

// The i-th tile (0-8) of a row, a column or a box, in the groups' list
// order: boxes run row by row from their top left tile.
constexpr uint32_t rowTile(uint32_t row, uint32_t i) { return row * 9 + i; }
constexpr uint32_t columnTile(uint32_t col, uint32_t i) { return col + i * 9; }
constexpr uint32_t boxTile(uint32_t box, uint32_t i) { return box / 3 * 27 + box % 3 * 3 + i / 3 * 9 + i % 3; }
constexpr uint32_t boxOfTile(uint32_t tile) { return tile / 27 * 3 + tile % 9 / 3; }

struct Geometry {
  Position position[kTiles] = {};
  GroupTiles groupTiles[27] = {};
  TileSet groupBits[27] = {};
  // The bits of a tile's row, column and box among the 27 groups.
  uint32_t groupsOf[kTiles] = {};
  // The tiles that share a row, a column or a box with a tile.
  TileSet peerBits[kTiles] = {};
};

constexpr Geometry makeGeometry() {
  Geometry t;
  const uint32_t columns = firstGroup(GroupKind::Columns);
  const uint32_t boxes = firstGroup(GroupKind::Boxes);
  for (uint32_t g = 0; g < 9; ++g) {
    for (uint32_t i = 0; i < 9; ++i) {
      t.groupTiles[g][i] = rowTile(g, i);
      t.groupTiles[columns + g][i] = columnTile(g, i);
      t.groupTiles[boxes + g][i] = boxTile(g, i);
    }
  }
  for (uint32_t g = 0; g < 27; ++g) {
    for (uint32_t i = 0; i < 9; ++i) t.groupBits[g] |= tileBit(t.groupTiles[g][i]);
  }
  for (uint32_t tile = 0; tile < kTiles; ++tile) {
    const uint32_t row = tile / 9;
    const uint32_t col = tile % 9;
    const uint32_t box = boxOfTile(tile);
    t.position[tile] = Position{row, col, box};
    t.groupsOf[tile] = 1u << row | 1u << (columns + col) | 1u << (boxes + box);
    t.peerBits[tile] = (t.groupBits[row] | t.groupBits[columns + col] | t.groupBits[boxes + box]) & ~tileBit(tile);
  }
  return t;
}

inline constexpr Geometry kGeometry = makeGeometry();
