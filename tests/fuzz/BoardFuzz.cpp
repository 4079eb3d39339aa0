// SPDX-License-Identifier: GPL-3.0-or-later
// Any sequence of Set, Unset and Solveable on one candidate board, made on
// the solver's model too: after every step both must have answered alike
// (out-of-range tiles and digits included) and hold the same board.

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "../core/model/ModelSolver.h"
#include "FuzzCheck.h"
#include "solver/sudoku-solve.h"

namespace {

// Whether a set holds digit d, be its digits kept as nine flags (the
// model's) or as the bits of a mask.
template <typename Set>
bool holds(const Set& set, int d) {
  if constexpr (std::is_array_v<decltype(set.digits)>) {
    return set.digits[d];
  } else {
    return (set.digits >> d) & 1u;
  }
}

bool sameSet(const DigitSet& ours, const model::DigitSet& model) {
  if (ours.count != model.count) return false;
  for (int d = 0; d < 9; ++d) {
    if (holds(ours, d) != holds(model, d)) return false;
  }
  return true;
}

void checkBoard(const Board& ours, const model::Board& model) {
  FUZZ_REQUIRE(ours.filled == model.filled, "filled counts as the model's");
  for (int tile = 0; tile < 81; ++tile) {
    FUZZ_REQUIRE(ours.tiles[tile].value == model.tiles[tile].value, "every tile holds what the model's holds");
    FUZZ_REQUIRE(sameSet(ours.tiles[tile].options, model.tiles[tile].options), "every tile offers what the model's offers");
  }
  for (int g = 0; g < 9; ++g) {
    FUZZ_REQUIRE(sameSet(ours.rows[g], model.rows[g]) && sameSet(ours.columns[g], model.columns[g]) &&
                     sameSet(ours.boxes[g], model.boxes[g]),
                 "every group holds what the model's holds");
  }
  FUZZ_REQUIRE(ours.Solveable() == model.Solveable(), "Solveable judges as the model's");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Board board;
  model::Board model;
  checkBoard(board, model);

  // Two bytes a step: the tile (any byte, so 81-255 are out of range), and
  // the digit -1 to 9 or, with the top bit set, an Unset.
  for (std::size_t at = 0; at + 1 < size; at += 2) {
    const uint32_t tile = data[at];
    if ((data[at + 1] & 0x80) != 0) {
      FUZZ_REQUIRE(board.Unset(tile) == model.Unset(tile), "Unset answers as the model's");
    } else {
      const int32_t value = static_cast<int32_t>(data[at + 1] % 11) - 1;
      FUZZ_REQUIRE(board.Set(tile, value) == model.Set(tile, value), "Set answers as the model's");
    }
    checkBoard(board, model);
  }
  return 0;
}
