// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "solver/sudoku-solve.h"

namespace {

using solvertest::boardFrom;
using solvertest::gridOf;
using solvertest::kSolution;

GroupTiles row(uint32_t r) {
  GroupTiles tiles;
  for (uint32_t i = 0; i < 9; ++i) tiles[i] = r * 9 + i;
  return tiles;
}

// Where in the list the move for a tile stands, or -1.
int indexOfTile(const MoveList& moves, uint32_t tile) {
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (moves[i].tile == tile) return static_cast<int>(i);
  }
  return -1;
}

// A board with an empty tile that has no option (tile 80) and a hidden
// single for 5 at tile 0 in row 0.
const std::string kContradictory =
    ".34678912"
    "........."
    "........."
    "........."
    "........."
    "........."
    "........."
    "........."
    "14376985.";

TEST(DeductionTest, FullBoardPlacesNothing) {
  Board board = boardFrom(kSolution);
  MoveList moves;
  EXPECT_FALSE(board.FindSingles(moves));
  EXPECT_FALSE(board.FindHiddenSingles(moves));
  EXPECT_TRUE(moves.empty());
}

TEST(DeductionTest, EmptyBoardPlacesNothing) {
  Board board;
  MoveList moves;
  EXPECT_FALSE(board.FindSingles(moves));
  EXPECT_FALSE(board.FindHiddenSingles(moves));
  EXPECT_TRUE(moves.empty());
  EXPECT_EQ(board.filled, 0);
}

TEST(DeductionTest, ContradictoryBoardStopsTheRules) {
  {
    Board board = boardFrom(kContradictory);
    ASSERT_FALSE(board.Solveable());
    MoveList moves;
    EXPECT_FALSE(board.FindSingles(moves)) << "the sweep tests the board before each tile";
    EXPECT_TRUE(moves.empty());
  }
  {
    // The rows are still scanned, so row 0's hidden single is placed.
    Board board = boardFrom(kContradictory);
    MoveList moves;
    EXPECT_FALSE(board.FindHiddenSingles(moves));
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves[0], (Move{0, Forced, 4, 1}));
    EXPECT_EQ(board.tiles[0].value, 4);
  }
}

TEST(DeductionTest, SinglesSweepCircularlyUntilALapPlacesNothing) {
  // Tile 0 has two options until tiles 3 and 9, later in the sweep, are
  // filled; the sweep comes round to it on its second lap.
  std::string grid = kSolution;
  for (int tile : {0, 3, 9}) grid[tile] = '.';
  Board board = boardFrom(grid);
  ASSERT_EQ(board.tiles[0].options.count, 2);
  MoveList moves;
  EXPECT_TRUE(board.FindSingles(moves));
  EXPECT_EQ(moves, (MoveList{{3, Forced, 5, 1}, {9, Forced, 5, 1}, {0, Forced, 4, 1}}));
  EXPECT_EQ(gridOf(board), kSolution);
}

TEST(DeductionTest, SinglesFillABoardOfSingles) {
  // A whole row and a whole column missing: every hole is a single at some
  // point, and the sweep goes on until the board is full.
  std::string grid = kSolution;
  for (int i = 0; i < 9; ++i) grid[4 * 9 + i] = grid[i * 9 + 6] = '.';
  Board board = boardFrom(grid);
  MoveList moves;
  EXPECT_TRUE(board.FindSingles(moves));
  EXPECT_EQ(moves.size(), 17u);
  for (const Move& move : moves) {
    EXPECT_EQ(move.kind, Forced);
    EXPECT_EQ(move.currentTry, 1u);
    EXPECT_EQ(move.value, static_cast<uint32_t>(kSolution[move.tile] - '1'));
  }
  EXPECT_EQ(gridOf(board), kSolution);
}

TEST(DeductionTest, HiddenSingleGoesToATileWithOtherOptions) {
  // The 1s of boxes 1 and 2 and of columns 1 and 2 leave row 0 only tile 0
  // for a 1, though tile 0 could take any digit.
  Board board = boardFrom(
      "........."
      "...1....."
      "......1.."
      "........."
      ".1......."
      "........."
      "........."
      "..1......"
      ".........");
  ASSERT_EQ(board.tiles[0].options.count, 9);
  MoveList moves;
  EXPECT_TRUE(board.FillOptions(moves, row(0)));
  EXPECT_EQ(moves, (MoveList{{0, Forced, 0, 1}}));
}

TEST(DeductionTest, HiddenSinglesOfOneGroupGoInDigitOrder) {
  // In row 0 only tile 8 can take a 1 and only tile 0 a 2: the 1 is placed
  // first, though its tile comes later in the row.
  Board board = boardFrom(
      "........."
      ".1...2..."
      "....1..2."
      "........."
      "......1.."
      ".2......."
      "........."
      ".......1."
      "..2......");
  MoveList moves;
  EXPECT_TRUE(board.FillOptions(moves, row(0)));
  EXPECT_EQ(moves, (MoveList{{8, Forced, 0, 1}, {0, Forced, 1, 1}}));
}

TEST(DeductionTest, OneTileForTwoDigitsTakesTheLower) {
  // Tile 0 is row 0's only place for both 1 and 2: it gets the 1, the 2 has
  // nowhere to go and makes no move.
  Board board = boardFrom(
      "........."
      "....1.2.."
      "...2...1."
      "........."
      ".12......"
      "........."
      "........."
      ".21......"
      ".........");
  MoveList moves;
  EXPECT_TRUE(board.FillOptions(moves, row(0)));
  EXPECT_EQ(moves, (MoveList{{0, Forced, 0, 1}}));
  EXPECT_FALSE(board.Solveable());
}

// Moves of the rows only, the first phase of FindHiddenSingles.
MoveList rowMoves(const std::string& grid) {
  Board board = boardFrom(grid);
  MoveList moves;
  for (uint32_t r = 0; r < 9; ++r) board.FillOptions(moves, row(r));
  return moves;
}

TEST(DeductionTest, HiddenSinglesScanRowsBeforeColumns) {
  // Tile 80 is row 8's only place for an 8; tile 0 is column 0's only
  // place for a 1 but not row 0's. The row's move comes first. Row 0 has a
  // hidden single of its own (a 2 at tile 4), so row 8 is reached only if
  // a placement in an earlier row does not cut the row scan short.
  const std::string grid =
      "........."
      "2........"
      "3......2."
      "4..2....."
      "5........"
      "6........"
      "7....2..."
      "8........"
      "91234567.";
  const MoveList rowsOnly = rowMoves(grid);
  ASSERT_EQ(indexOfTile(rowsOnly, 0), -1) << "tile 0 must not be a row single";
  ASSERT_NE(indexOfTile(rowsOnly, 80), -1);

  Board board = boardFrom(grid);
  MoveList moves;
  EXPECT_TRUE(board.FindHiddenSingles(moves));
  ASSERT_NE(indexOfTile(moves, 0), -1);
  EXPECT_EQ(moves[0], (Move{4, Forced, 1, 1}));
  EXPECT_LT(indexOfTile(moves, 80), indexOfTile(moves, 0));
  EXPECT_EQ(moves[indexOfTile(moves, 0)], (Move{0, Forced, 0, 1}));
  EXPECT_EQ(moves[indexOfTile(moves, 80)], (Move{80, Forced, 7, 1}));
}

TEST(DeductionTest, HiddenSinglesScanColumnsBeforeBoxes) {
  // Tile 80 is column 8's only place for a 1 and tile 0 box 0's; neither
  // is a row single. The column's move comes first.
  const std::string grid =
      ".23.....4"
      "456.....7"
      "789.....5"
      "........6"
      "........8"
      "........9"
      "........2"
      "........3"
      ".........";
  const MoveList rowsOnly = rowMoves(grid);
  ASSERT_EQ(indexOfTile(rowsOnly, 0), -1);
  ASSERT_EQ(indexOfTile(rowsOnly, 80), -1);

  Board board = boardFrom(grid);
  MoveList moves;
  EXPECT_TRUE(board.FindHiddenSingles(moves));
  ASSERT_NE(indexOfTile(moves, 0), -1);
  ASSERT_NE(indexOfTile(moves, 80), -1);
  EXPECT_LT(indexOfTile(moves, 80), indexOfTile(moves, 0));
  EXPECT_EQ(moves[indexOfTile(moves, 0)], (Move{0, Forced, 0, 1}));
}

}  // namespace
