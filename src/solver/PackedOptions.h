// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "solver/BoardGeometry.h"

// Where a tile's options sit among the packed words: word and lane shift,
// looked up rather than divided.
struct PackedLanes {
  uint8_t word[kTiles] = {};
  uint8_t shift[kTiles] = {};
};
constexpr PackedLanes makePackedLanes() {
  PackedLanes lanes;
  for (uint32_t tile = 0; tile < kTiles; ++tile) {
    lanes.word[tile] = static_cast<uint8_t>(tile / 3);
    lanes.shift[tile] = static_cast<uint8_t>(tile % 3 * 16);
  }
  return lanes;
}
inline constexpr PackedLanes kPackedLanes = makePackedLanes();

// Every tile's options once more, as 16-bit lanes of 64-bit words, three
// tiles of a row to a word (tile t in word t / 3, lane t % 3): a row is
// three words, a box the same word of three rows, a column one lane of nine
// words. The hidden-singles rule asks of it, a word at a time, which groups
// have a digit with only one place. The board keeps it equal to its tiles'
// options.
class PackedOptions {
 public:
  // Every tile offers all nine digits.
  PackedOptions();

  // The tile's options become digits.
  void Store(uint32_t tile, unsigned digits) {
    const uint32_t shift = kPackedLanes.shift[tile];
    uint64_t& word = words_[kPackedLanes.word[tile]];
    word = (word & ~(uint64_t{0xFFFF} << shift)) | uint64_t{digits} << shift;
  }
  // The tile loses, or regains, the digits of a mask.
  void Drop(uint32_t tile, unsigned digits) { words_[kPackedLanes.word[tile]] &= ~(uint64_t{digits} << kPackedLanes.shift[tile]); }
  void Restore(uint32_t tile, unsigned digits) { words_[kPackedLanes.word[tile]] |= uint64_t{digits} << kPackedLanes.shift[tile]; }

  // The groups of the kind, as bits 0-8, in which some digit is offered by
  // exactly one tile: the hidden singles lie there and nowhere else.
  uint32_t GroupsWithHiddenSingle(GroupKind kind) const;

 private:
  uint64_t words_[27];
};
