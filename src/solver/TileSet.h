// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A set of tiles, one bit per tile: tiles 0-63 in low, 64-80 in high. The
// board keeps part of its bookkeeping in these. Two words rather than one
// 128-bit integer, which not every target has.
struct TileSet {
  uint64_t low = 0;
  uint64_t high = 0;

  constexpr bool Empty() const { return (low | high) == 0; }
  friend constexpr TileSet operator&(TileSet a, TileSet b) { return TileSet{a.low & b.low, a.high & b.high}; }
  friend constexpr TileSet operator|(TileSet a, TileSet b) { return TileSet{a.low | b.low, a.high | b.high}; }
  friend constexpr TileSet operator~(TileSet a) { return TileSet{~a.low, ~a.high}; }
  constexpr TileSet& operator&=(TileSet b) { return *this = *this & b; }
  constexpr TileSet& operator|=(TileSet b) { return *this = *this | b; }
};

inline constexpr uint32_t kTiles = 81;

inline constexpr TileSet kAllTiles{~uint64_t{0}, (uint64_t{1} << (kTiles - 64)) - 1};

// The set holding one tile, for each tile: looked up, since the board
// needs one at every change of a tile's option count.
struct TileBits {
  TileSet of[kTiles] = {};
};
constexpr TileBits makeTileBits() {
  TileBits bits;
  for (uint32_t tile = 0; tile < kTiles; ++tile) {
    bits.of[tile] = tile < 64 ? TileSet{uint64_t{1} << tile, 0} : TileSet{0, uint64_t{1} << (tile - 64)};
  }
  return bits;
}
inline constexpr TileBits kTileBits = makeTileBits();

constexpr TileSet tileBit(uint32_t tile) { return kTileBits.of[tile]; }

// The tiles from the given one (0-81) to tile 80.
inline TileSet tilesFrom(uint32_t tile) {
  return tile < 64 ? TileSet{~uint64_t{0} << tile, ~uint64_t{0}} : TileSet{0, ~uint64_t{0} << (tile - 64)};
}

// The lowest tile of a non-empty set.
inline uint32_t lowestTile(TileSet tiles) {
  if (tiles.low != 0) return static_cast<uint32_t>(__builtin_ctzll(tiles.low));
  return 64 + static_cast<uint32_t>(__builtin_ctzll(tiles.high));
}

// Calls visit for each tile of the set, lowest first.
template <typename Visit>
void forEachTile(TileSet tiles, Visit visit) {
  for (uint64_t low = tiles.low; low != 0; low &= low - 1) {
    visit(static_cast<uint32_t>(__builtin_ctzll(low)));
  }
  for (uint64_t high = tiles.high; high != 0; high &= high - 1) {
    visit(64 + static_cast<uint32_t>(__builtin_ctzll(high)));
  }
}
