// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The solution counter keeps each digit's possible cells as three 27-bit
// words, one per band of three rows: cell c lies in word c / 27 at bit
// c % 27, which is (row in band) * 9 + column. A row of a band is then nine
// adjacent bits and a column three bits nine apart. These tables, worked out
// at compile time, turn unit questions on such words into a few lookups.

namespace bands {

inline constexpr uint32_t kRow = 0x1FFu;
inline constexpr uint32_t kBand = (1u << 27) - 1;

// The cells of each box of a band.
inline constexpr uint32_t kBox[3] = {0x1C0E07u, 0x1C0E07u << 3, 0x1C0E07u << 6};

// The cells of each row and each box of a band.
inline constexpr uint32_t kRowsAndBoxes[6] = {kRow, kRow << 9, kRow << 18, kBox[0], kBox[1], kBox[2]};

// A band's triads are its nine pieces of three cells where a row meets a
// box; triad r * 3 + k lies in row r of the band and in its box k. In a
// stack of three columns the triads are the pieces where a column meets a
// band's box, numbered band * 3 + column in the stack.

struct Tables {
  // The cells of each tile's row, column and box but the tile itself.
  uint32_t peers[81][3] = {};
  // The boxes (bits 0-2) that the set cells of a row of nine meet.
  uint8_t boxesOfRow[512] = {};
  // The cells of a row of nine in a set of its boxes (bits 0-2).
  uint16_t rowOfBoxes[8] = {};
  // A 9-bit column set spread over the three rows of a band.
  uint32_t columnsInBand[512] = {};
  // A digit stands in exactly one triad of each row and of each box of a
  // band, so its triads form one of the six 3x3 permutations. For a set of
  // triads still open to a digit: those that lie on some permutation inside
  // the set, 0 when none does. The rule is the same for the triads of a
  // stack, whose numbering is the transpose.
  uint16_t onPermutation[512] = {};
  // Those that lie on every such permutation: the triads the digit must take.
  uint16_t onEveryPermutation[512] = {};
  // The other triads of the rows and boxes of a set of triads (of the
  // columns and bands' boxes, in a stack).
  uint16_t lineAndBoxMates[512] = {};
};

constexpr Tables makeTables() {
  Tables t;
  for (uint32_t cell = 0; cell < 81; ++cell) {
    const uint32_t row = cell / 9;
    const uint32_t col = cell % 9;
    for (uint32_t other = 0; other < 81; ++other) {
      const uint32_t r = other / 9;
      const uint32_t c = other % 9;
      const bool peer = r == row || c == col || (r / 3 == row / 3 && c / 3 == col / 3);
      if (peer && other != cell) t.peers[cell][other / 27] |= 1u << (other % 27);
    }
  }
  for (uint32_t x = 0; x < 512; ++x) {
    for (uint32_t k = 0; k < 3; ++k) {
      if ((x >> (3 * k)) & 7) t.boxesOfRow[x] = static_cast<uint8_t>(t.boxesOfRow[x] | 1u << k);
    }
    t.columnsInBand[x] = x | x << 9 | x << 18;
  }
  for (uint32_t boxes = 0; boxes < 8; ++boxes) {
    for (uint32_t k = 0; k < 3; ++k) {
      if ((boxes >> k) & 1) t.rowOfBoxes[boxes] = static_cast<uint16_t>(t.rowOfBoxes[boxes] | 7u << (3 * k));
    }
  }
  const uint32_t permutations[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  for (uint32_t open = 0; open < 512; ++open) {
    uint32_t every = 0x1FF;
    for (const auto& p : permutations) {
      const uint32_t triads = 1u << p[0] | 1u << (3 + p[1]) | 1u << (6 + p[2]);
      if ((triads & open) != triads) continue;
      t.onPermutation[open] = static_cast<uint16_t>(t.onPermutation[open] | triads);
      every &= triads;
    }
    t.onEveryPermutation[open] = static_cast<uint16_t>(t.onPermutation[open] & every);
  }
  for (uint32_t triads = 0; triads < 512; ++triads) {
    for (uint32_t triad = 0; triad < 9; ++triad) {
      if (((triads >> triad) & 1) == 0) continue;
      const uint32_t line = 7u << (triad / 3 * 3);
      const uint32_t box = 0x49u << (triad % 3);
      t.lineAndBoxMates[triads] = static_cast<uint16_t>(t.lineAndBoxMates[triads] | ((line | box) & ~(1u << triad)));
    }
  }
  return t;
}

inline constexpr Tables kTables = makeTables();

// The cells of the triads in a set of a band's triads (bit r * 3 + k).
inline uint32_t triadCells(uint32_t triads) {
  const uint16_t* const row = kTables.rowOfBoxes;
  return row[triads & 7] | static_cast<uint32_t>(row[(triads >> 3) & 7]) << 9 |
         static_cast<uint32_t>(row[triads >> 6]) << 18;
}

}  // namespace bands
