// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../StreamCapture.h"

#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "solver/sudoku-solve.h"

// Moves compare and print field by field in test messages.
inline bool operator==(const Move& a, const Move& b) {
  return a.tile == b.tile && a.kind == b.kind && a.value == b.value && a.currentTry == b.currentTry;
}
inline std::ostream& operator<<(std::ostream& out, const Move& m) {
  return out << "{" << m.tile << ", " << m.kind << ", " << m.value << ", " << m.currentTry << "}";
}

// Helpers shared by the solver's tests. Grids are 81-character strings,
// row-major, '1'-'9' for a digit and '0' or '.' for an empty cell.
namespace solvertest {

// A grid known to be a valid solution.
inline const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// A new board with the grid's digits set; every Set must succeed.
inline Board boardFrom(const std::string& grid) {
  Board board;
  if (grid.size() != 81) {
    ADD_FAILURE() << "not 81 cells: " << grid;
    return board;
  }
  for (uint32_t tile = 0; tile < 81; ++tile) {
    const char c = grid[tile];
    if (c >= '1' && c <= '9' && !board.Set(tile, c - '1')) {
      ADD_FAILURE() << "given " << c << " at tile " << tile << " refused in " << grid;
    }
  }
  return board;
}

// The board's digits as a grid string, '0' for an empty tile.
inline std::string gridOf(const Board& board) {
  std::string grid(81, '0');
  for (int tile = 0; tile < 81; ++tile) {
    if (board.tiles[tile].value >= 0) grid[tile] = static_cast<char>('1' + board.tiles[tile].value);
  }
  return grid;
}

// Every field of a board in readable form, to compare two boards whole: the
// solver's, or the model's, whose digit sets are nine flags, not a mask.
template <typename AnyBoard>
std::string stateOf(const AnyBoard& board) {
  auto set = [](const auto& s) {
    std::string text = std::to_string(s.count) + ":";
    for (int d = 0; d < 9; ++d) {
      bool has;
      if constexpr (std::is_array_v<decltype(s.digits)>) {
        has = s.digits[d];
      } else {
        has = s.Has(d);
      }
      text += has ? '1' : '0';
    }
    return text;
  };
  std::string text = "filled " + std::to_string(board.filled) + "\n";
  for (int tile = 0; tile < 81; ++tile) {
    text += "tile " + std::to_string(tile) + " " + std::to_string(board.tiles[tile].value) + " " +
            set(board.tiles[tile].options) + "\n";
  }
  for (int g = 0; g < 9; ++g) {
    text += "group " + std::to_string(g) + " " + set(board.rows[g]) + " " + set(board.columns[g]) + " " +
            set(board.boxes[g]) + "\n";
  }
  return text;
}

// True when no digit repeats in a row, column or box of a full grid.
inline bool isValidSolution(const std::string& grid) {
  if (grid.size() != 81) return false;
  for (int unit = 0; unit < 27; ++unit) {
    bool seen[9] = {};
    for (int i = 0; i < 9; ++i) {
      int row, col;
      if (unit < 9) {
        row = unit, col = i;
      } else if (unit < 18) {
        row = i, col = unit - 9;
      } else {
        row = (unit - 18) / 3 * 3 + i / 3, col = (unit - 18) % 3 * 3 + i % 3;
      }
      const char c = grid[row * 9 + col];
      if (c < '1' || c > '9' || seen[c - '1']) return false;
      seen[c - '1'] = true;
    }
  }
  return true;
}

// True when every digit of the puzzle stands in the same place in grid.
inline bool keepsGivens(const std::string& puzzle, const std::string& grid) {
  for (int tile = 0; tile < 81; ++tile) {
    if (puzzle[tile] >= '1' && puzzle[tile] <= '9' && grid[tile] != puzzle[tile]) return false;
  }
  return true;
}

using ::StreamCapture;

}  // namespace solvertest
