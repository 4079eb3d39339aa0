// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "solver/sudoku-solve.h"

namespace {

using solvertest::boardFrom;
using solvertest::kSolution;
using solvertest::stateOf;

bool arePeers(int a, int b) {
  return a != b && (a / 9 == b / 9 || a % 9 == b % 9 || (a / 27 == b / 27 && a % 9 / 3 == b % 9 / 3));
}

int flagsIn(const DigitSet& set) {
  int n = 0;
  for (int d = 0; d < 9; ++d) n += set.Has(d);
  return n;
}

// Checks the board's invariants against its tile values alone.
void expectInvariants(const Board& board) {
  int filled = 0;
  bool held[3][9][9] = {};  // [rows, columns, boxes][group][digit]
  for (int tile = 0; tile < 81; ++tile) {
    const int value = board.tiles[tile].value;
    if (value < 0) continue;
    ASSERT_LE(value, 8);
    ++filled;
    const int groups[3] = {tile / 9, tile % 9, tile / 27 * 3 + tile % 9 / 3};
    for (int kind = 0; kind < 3; ++kind) {
      EXPECT_FALSE(held[kind][groups[kind]][value]) << "digit " << value << " twice, tile " << tile;
      held[kind][groups[kind]][value] = true;
    }
  }
  EXPECT_EQ(board.filled, filled);
  const Group* const groups[3] = {board.rows, board.columns, board.boxes};
  for (int kind = 0; kind < 3; ++kind) {
    for (int g = 0; g < 9; ++g) {
      EXPECT_EQ(groups[kind][g].count, flagsIn(groups[kind][g])) << "kind " << kind << " group " << g;
      for (int d = 0; d < 9; ++d) EXPECT_EQ(groups[kind][g].Has(d), !held[kind][g][d]);
    }
  }
  for (int tile = 0; tile < 81; ++tile) {
    const DigitSet& options = board.tiles[tile].options;
    EXPECT_EQ(options.count, flagsIn(options)) << "tile " << tile;
    const int row = tile / 9, col = tile % 9, box = tile / 27 * 3 + col / 3;
    for (int d = 0; d < 9; ++d) {
      const bool free = !held[0][row][d] && !held[1][col][d] && !held[2][box][d];
      EXPECT_EQ(options.Has(d), board.tiles[tile].value < 0 && free) << "tile " << tile << " digit " << d;
    }
  }
}

TEST(BoardTest, NewBoardIsEmptyAndSolveable) {
  const Board board;
  for (const Tile& tile : board.tiles) {
    EXPECT_EQ(tile.value, -1);
    EXPECT_EQ(tile.options.count, 9);
  }
  for (int g = 0; g < 9; ++g) {
    EXPECT_EQ(board.rows[g].count, 9);
    EXPECT_EQ(board.columns[g].count, 9);
    EXPECT_EQ(board.boxes[g].count, 9);
  }
  EXPECT_EQ(board.filled, 0);
  EXPECT_TRUE(board.Solveable());
  expectInvariants(board);
}

TEST(BoardTest, SetEliminatesTheDigitFromThePeers) {
  for (const uint32_t tile : {0u, 40u, 26u, 80u, 57u}) {
    Board board;
    ASSERT_TRUE(board.Set(tile, 4));
    EXPECT_EQ(board.tiles[tile].value, 4);
    EXPECT_EQ(board.tiles[tile].options.count, 0);
    EXPECT_EQ(board.filled, 1);
    const Position at = TilePosition(tile);
    EXPECT_FALSE(board.rows[at.row].Has(4));
    EXPECT_EQ(board.rows[at.row].count, 8);
    EXPECT_EQ(board.columns[at.col].count, 8);
    EXPECT_EQ(board.boxes[at.box].count, 8);
    int peers = 0;
    for (int other = 0; other < 81; ++other) {
      if (other == static_cast<int>(tile)) continue;
      const bool peer = arePeers(tile, other);
      peers += peer;
      EXPECT_EQ(board.tiles[other].options.Has(4), !peer) << tile << " and " << other;
      EXPECT_EQ(board.tiles[other].options.count, peer ? 8 : 9);
    }
    EXPECT_EQ(peers, 20);
    expectInvariants(board);
  }
}

TEST(BoardTest, SetRefusesAndChangesNothing) {
  Board board = boardFrom("5" + std::string(80, '.'));
  const std::string before = stateOf(board);
  struct {
    uint32_t tile;
    int32_t value;
  } const refused[] = {
      {5, 4},    // 5 stands in the row
      {45, 4},   // ... in the column
      {20, 4},   // ... in the box
      {0, 3},    // another digit on a filled tile
      {0, -1},   // emptying through Set
      {1, 9},    // no such digit
      {1, 100},  //
      {81, 0},   // no such tile
      {4000000000u, 0},
  };
  for (const auto& c : refused) {
    EXPECT_FALSE(board.Set(c.tile, c.value)) << "Set(" << c.tile << ", " << c.value << ")";
    EXPECT_EQ(stateOf(board), before) << "Set(" << c.tile << ", " << c.value << ")";
  }
  // Setting what is already there is accepted and changes nothing.
  EXPECT_TRUE(board.Set(0, 4));
  EXPECT_TRUE(board.Set(1, -1));
  EXPECT_EQ(stateOf(board), before);
}

TEST(BoardTest, UnsetOfAnEmptyTileRefuses) {
  Board board = boardFrom(kSolution.substr(0, 40) + std::string(41, '0'));
  const std::string before = stateOf(board);
  EXPECT_FALSE(board.Unset(40));
  EXPECT_FALSE(board.Unset(80));
  EXPECT_FALSE(board.Unset(81));
  EXPECT_EQ(stateOf(board), before);
}

TEST(BoardTest, UnsetKeepsADigitThatAPeerSeesInItsOwnRow) {
  // 5 at tile 0 and at tile 13 (row 1, box 1). Taking tile 0's 5 away must
  // not give 5 back to tile 9, which still sees the 5 of its own row.
  Board board;
  ASSERT_TRUE(board.Set(0, 4));
  ASSERT_TRUE(board.Set(13, 4));
  ASSERT_TRUE(board.Unset(0));
  EXPECT_FALSE(board.tiles[9].options.Has(4));
  EXPECT_TRUE(board.tiles[1].options.Has(4));
  EXPECT_TRUE(board.tiles[27].options.Has(4));
  EXPECT_TRUE(board.tiles[0].options.Has(4));
  expectInvariants(board);
}

TEST(BoardTest, SolveableFailsOnATileWithoutOptions) {
  // Tile 0 sees 1-4 in its row, 5-8 in its column and 9 in its box.
  Board board = boardFrom(
      ".1234...."
      ".9......."
      "........."
      "5........"
      "6........"
      "7........"
      "8........"
      "........."
      ".........");
  EXPECT_EQ(board.tiles[0].options.count, 0);
  EXPECT_FALSE(board.Solveable());
}

TEST(BoardTest, SolveableFailsOnADigitWithNoPlaceInItsGroup) {
  // Row 0 still needs 1 and 2, but the 1s of columns 0 and 1 leave the row
  // no tile for 1, though every empty tile keeps an option.
  Board board = boardFrom(
      "..3456789"
      "........."
      "........."
      "1........"
      "........."
      "........."
      ".1......."
      "........."
      ".........");
  for (const Tile& tile : board.tiles) {
    if (tile.value < 0) {
      ASSERT_GT(tile.options.count, 0) << "the first check would decide";
    }
  }
  EXPECT_FALSE(board.Solveable());
}

TEST(BoardTest, SolveableHoldsForAFullBoardAndForSolvablePuzzles) {
  EXPECT_TRUE(boardFrom(kSolution).Solveable());
  EXPECT_TRUE(boardFrom("530070000600195000098000060800060003400803001700020006060000280000419005000080079")
                  .Solveable());
}

TEST(BoardTest, TilePositionGivesRowColumnAndBox) {
  const struct {
    uint32_t tile, row, col, box;
  } cases[] = {{0, 0, 0, 0}, {30, 3, 3, 4}, {26, 2, 8, 2}, {80, 8, 8, 8}, {8, 0, 8, 2}, {72, 8, 0, 6}, {41, 4, 5, 4}};
  for (const auto& c : cases) {
    const Position at = TilePosition(c.tile);
    EXPECT_EQ(at.row, c.row) << c.tile;
    EXPECT_EQ(at.col, c.col) << c.tile;
    EXPECT_EQ(at.box, c.box) << c.tile;
  }
  for (uint32_t tile = 0; tile < 81; ++tile) EXPECT_EQ(TilePosition(tile).TileIndex(), tile);
}

}  // namespace
