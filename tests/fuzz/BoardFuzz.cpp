// SPDX-License-Identifier: GPL-3.0-or-later
// Any sequence of Set, Unset and Solveable on one candidate board, checked
// after every step against a plain 81-cell grid: the board must keep its
// invariants, refuse exactly what its contract refuses (out-of-range tiles
// and digits included), and judge consistency as a direct count does.

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "FuzzCheck.h"
#include "solver/sudoku-solve.h"

namespace {

// The i-th tile (0-8) of unit 0-26: rows, then columns, then boxes.
int unitTile(int unit, int i) {
  if (unit < 9) return unit * 9 + i;
  if (unit < 18) return unit - 9 + i * 9;
  return (unit - 18) / 3 * 27 + (unit - 18) % 3 * 3 + i / 3 * 9 + i % 3;
}

// The digits each unit holds, from the grid alone.
struct Held {
  bool digit[27][9] = {};

  explicit Held(const int* grid) {
    for (int unit = 0; unit < 27; ++unit) {
      for (int i = 0; i < 9; ++i) {
        const int value = grid[unitTile(unit, i)];
        if (value >= 0) digit[unit][value] = true;
      }
    }
  }
  // Whether an empty tile may still take a digit: none of its units holds it.
  bool mayTake(int tile, int d) const {
    return !digit[tile / 9][d] && !digit[9 + tile % 9][d] && !digit[18 + tile / 27 * 3 + tile % 9 / 3][d];
  }
};

// Whether a set holds digit d, be its digits kept as nine flags or as the
// bits of a mask.
template <typename Set>
bool holds(const Set& set, int d) {
  if constexpr (std::is_array_v<decltype(set.digits)>) {
    return set.digits[d];
  } else {
    return (set.digits >> d) & 1u;
  }
}

bool setMatches(const DigitSet& set) {
  int flags = 0;
  for (int d = 0; d < 9; ++d) flags += holds(set, d);
  return set.count == flags;
}

void checkBoard(const Board& board, const int* grid) {
  const Held held(grid);
  int filled = 0;
  for (int tile = 0; tile < 81; ++tile) {
    const Tile& t = board.tiles[tile];
    FUZZ_REQUIRE(t.value == grid[tile], "every tile holds what was set on it");
    FUZZ_REQUIRE(setMatches(t.options), "a tile's option count matches its flags");
    filled += grid[tile] >= 0;
    for (int d = 0; d < 9; ++d) {
      const bool expected = grid[tile] < 0 && held.mayTake(tile, d);
      FUZZ_REQUIRE(holds(t.options, d) == expected, "an empty tile offers exactly the digits no peer holds");
    }
  }
  FUZZ_REQUIRE(board.filled == filled, "filled counts the tiles that hold a digit");
  const Group* groups[3] = {board.rows, board.columns, board.boxes};
  for (int unit = 0; unit < 27; ++unit) {
    const Group& group = groups[unit / 9][unit % 9];
    FUZZ_REQUIRE(setMatches(group), "a group's count matches its flags");
    for (int d = 0; d < 9; ++d) {
      FUZZ_REQUIRE(holds(group, d) == !held.digit[unit][d], "a group holds exactly the digits none of its tiles holds");
    }
  }
}

// Consistency as Solveable promises it: no empty tile without a digit to
// take, and every digit missing from a unit takeable by one of its tiles.
bool consistent(const int* grid) {
  const Held held(grid);
  for (int tile = 0; tile < 81; ++tile) {
    if (grid[tile] >= 0) continue;
    bool any = false;
    for (int d = 0; d < 9 && !any; ++d) any = held.mayTake(tile, d);
    if (!any) return false;
  }
  for (int unit = 0; unit < 27; ++unit) {
    for (int d = 0; d < 9; ++d) {
      bool placeable = false;
      for (int i = 0; i < 9; ++i) {
        const int tile = unitTile(unit, i);
        placeable = placeable || (grid[tile] < 0 && held.mayTake(tile, d));
      }
      if (!held.digit[unit][d] && !placeable) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Board board;
  int grid[81];
  for (int& cell : grid) cell = -1;
  checkBoard(board, grid);

  // Two bytes a step: the tile (any byte, so 81-255 are out of range), and
  // the digit -1 to 9 or, with the top bit set, an Unset.
  for (std::size_t at = 0; at + 1 < size; at += 2) {
    const uint32_t tile = data[at];
    const bool unset = (data[at + 1] & 0x80) != 0;
    const int32_t value = static_cast<int32_t>(data[at + 1] % 11) - 1;
    const bool onBoard = tile < 81;
    if (unset) {
      const bool expected = onBoard && grid[tile] >= 0;
      FUZZ_REQUIRE(board.Unset(tile) == expected, "Unset empties exactly a filled tile on the board");
      if (expected) grid[tile] = -1;
    } else {
      const bool same = onBoard && grid[tile] == value;
      const bool placeable = onBoard && value >= 0 && value <= 8 && grid[tile] < 0 &&
                             Held(grid).mayTake(static_cast<int>(tile), value);
      FUZZ_REQUIRE(board.Set(tile, value) == (same || placeable),
                   "Set takes exactly a digit no peer holds on an empty tile, or the digit already there");
      if (placeable) grid[tile] = value;
    }
    checkBoard(board, grid);
    FUZZ_REQUIRE(board.Solveable() == consistent(grid), "Solveable judges as a direct count does");
  }
  return 0;
}
