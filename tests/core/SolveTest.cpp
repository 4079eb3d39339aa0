// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "solver/sudoku-solve.h"

namespace {

using solvertest::boardFrom;
using solvertest::gridOf;
using solvertest::isValidSolution;
using solvertest::keepsGivens;
using solvertest::kSolution;
using solvertest::stateOf;
using solvertest::StreamCapture;

const std::string kEmpty(81, '0');
// Solved by singles and hidden singles alone.
const std::string kEasy = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
// Need guessing; the first backtracks to the tenth move twelve times.
const std::string kHardest[] = {
    "800000000003600000070090200050007000000045700000100030001000068008500010090000400",
    "100000002090400050006000700050903000000070000000850040700000600030009080002000001",
    "000000039000001005003050800008090006070002000100400000009080050020000600400700000",
    "400000805030000000000700000020000060000080400000010000000603070500200000104000000",
    "100007090030020008009600500005300900010080002600004000300000010040000007007000300",
};
// No repeats, but no solution: some are refuted by the first deductions,
// the others only by searching.
const std::string kUnsolvable[] = {
    "805000600017400000096000007501890000040001050000070068000000720000960081000000004",
    "009004000000208009840060005401000030000070006000900070000000007002003080300800290",
    "800000000506020090072000000089007060000089300000062400204030000030000004060070200",
    "..3456789..................1...........................1........................."};

int givens(const std::string& grid) {
  int n = 0;
  for (char c : grid) n += c >= '1' && c <= '9';
  return n;
}

// A solve with its standard output.
struct Outcome {
  bool solved;
  MoveList moves;
  std::string output;
  std::string grid;
};

Outcome solve(const std::string& puzzle) {
  Board board = boardFrom(puzzle);
  Outcome outcome;
  StreamCapture out(std::cout);
  outcome.solved = board.Solve(outcome.moves);
  outcome.output = out.text();
  outcome.grid = gridOf(board);
  return outcome;
}

TEST(SolveTest, FullBoardIsSolvedAtOnce) {
  const Outcome outcome = solve(kSolution);
  EXPECT_TRUE(outcome.solved);
  EXPECT_TRUE(outcome.moves.empty());
  EXPECT_EQ(outcome.output, "");
}

TEST(SolveTest, DeductionAloneRecordsOnlyForcedMoves) {
  const Outcome outcome = solve(kEasy);
  ASSERT_TRUE(outcome.solved);
  EXPECT_TRUE(isValidSolution(outcome.grid));
  EXPECT_TRUE(keepsGivens(kEasy, outcome.grid));
  EXPECT_EQ(outcome.moves.size() + givens(kEasy), 81u);
  for (const Move& move : outcome.moves) {
    EXPECT_EQ(move.kind, Forced);
    EXPECT_EQ(move.currentTry, 1u);
  }
  EXPECT_EQ(outcome.output, "");
}

TEST(SolveTest, EveryEmptyTileGetsOneMoveWithItsFinalDigit) {
  for (const std::string& puzzle : kHardest) {
    const Outcome outcome = solve(puzzle);
    ASSERT_TRUE(outcome.solved) << puzzle;
    EXPECT_TRUE(isValidSolution(outcome.grid)) << puzzle;
    EXPECT_TRUE(keepsGivens(puzzle, outcome.grid)) << puzzle;
    EXPECT_EQ(outcome.moves.size() + givens(puzzle), 81u) << puzzle;
    bool moved[81] = {};
    for (const Move& move : outcome.moves) {
      EXPECT_EQ(puzzle[move.tile], '0') << puzzle << " tile " << move.tile;
      EXPECT_FALSE(moved[move.tile]) << puzzle << " tile " << move.tile;
      moved[move.tile] = true;
      EXPECT_EQ(outcome.grid[move.tile], static_cast<char>('1' + move.value));
      EXPECT_EQ(move.currentTry, move.kind == Forced ? 1u : move.value + 1) << puzzle << " " << move;
    }
  }
}

TEST(SolveTest, EmptyGridFirstGuessesTheLastTile) {
  const Outcome outcome = solve(kEmpty);
  ASSERT_TRUE(outcome.solved);
  ASSERT_EQ(outcome.moves.size(), 81u);
  EXPECT_EQ(outcome.moves[0], (Move{80, Guess, 0, 1}));
  EXPECT_TRUE(isValidSolution(outcome.grid));
}

TEST(SolveTest, GuessGoesToTheLowestTileWithTwoOptions) {
  // The top band empty: every tile there has three options. A rectangle of
  // two digits empty in rows 6 and 7: its tiles have two options each,
  // though they come after the band.
  std::string grid = kSolution;
  for (int tile = 0; tile < 27; ++tile) grid[tile] = '0';
  for (int tile : {57, 62, 66, 71}) grid[tile] = '0';
  {
    Board board = boardFrom(grid);
    ASSERT_EQ(board.tiles[57].options.count, 2);
    ASSERT_EQ(board.tiles[0].options.count, 3);
  }
  const Outcome outcome = solve(grid);
  ASSERT_TRUE(outcome.solved);
  EXPECT_EQ(outcome.moves[0], (Move{57, Guess, 3, 4}));
}

TEST(SolveTest, GuessGoesToTheHighestTileWithTheFewestOptions) {
  // The top band empty, nothing else: all its tiles have three options.
  std::string band = kSolution;
  for (int tile = 0; tile < 27; ++tile) band[tile] = '0';
  Outcome outcome = solve(band);
  ASSERT_TRUE(outcome.solved);
  EXPECT_EQ(outcome.moves[0], (Move{26, Guess, 1, 2}));

  // One 1 at tile 0: its 20 peers have eight options, the rest nine. The
  // highest peer is tile 72, whose lowest option is 2.
  outcome = solve("1" + std::string(80, '0'));
  ASSERT_TRUE(outcome.solved);
  EXPECT_EQ(outcome.moves[0], (Move{72, Guess, 1, 2}));
  EXPECT_TRUE(isValidSolution(outcome.grid));
}

TEST(SolveTest, NoSolutionLeavesTheBoardAsItWas) {
  for (const std::string& puzzle : kUnsolvable) {
    Board board = boardFrom(puzzle);
    const std::string before = stateOf(board);
    MoveList moves;
    StreamCapture out(std::cout);
    EXPECT_FALSE(board.Solve(moves)) << puzzle;
    EXPECT_EQ(stateOf(board), before) << puzzle;
    EXPECT_EQ(board.filled, givens(puzzle));
    EXPECT_EQ(out.text(), "") << "Solve prints only when it backtracks to the tenth move";
  }
}

TEST(SolveTest, PrintShowsAnEmptyBoard) {
  const Board board;
  StreamCapture out(std::cout);
  board.Print();
  EXPECT_EQ(out.text(),
            "    A   B   C   D   E   F   G   H   I  \n"
            "  +===+===+===#===+===+===#===+===+===+\n"
            "1 |   |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "2 |   |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "3 |   |   |   |   |   |   |   |   |   |\n"
            "  +===+===+===#===+===+===#===+===+===+\n"
            "4 |   |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "5 |   |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "6 |   |   |   |   |   |   |   |   |   |\n"
            "  +===+===+===#===+===+===#===+===+===+\n"
            "7 |   |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "8 |   |   |   |   |   |   |   |   |   |\n"
            "  +---+---+---#---+---+---#---+---+---+\n"
            "9 |   |   |   |   |   |   |   |   |   |\n"
            "  +===+===+===#===+===+===#===+===+===+\n");
}

// The search written recursively, one level per guess, to compare the
// driver's moves and printing with. A level deduces, guesses, and on
// failure takes back everything it placed.
class RecursiveSearch {
 public:
  explicit RecursiveSearch(Board& board) : board_(board) {}

  bool Run(MoveList& moves) { return board_.filled == 81 || Level(moves); }

 private:
  bool Level(MoveList& moves) {
    const std::size_t start = moves.size();
    if (board_.Solveable() && DeduceAndGuess(moves)) return true;
    while (moves.size() > start) {
      EXPECT_TRUE(board_.Unset(moves.back().tile));
      moves.pop_back();
    }
    return false;
  }

  bool DeduceAndGuess(MoveList& moves) {
    for (;;) {
      board_.FindSingles(moves);
      if (!board_.Solveable()) return false;
      if (board_.filled == 81) return true;
      const bool placed = board_.FindHiddenSingles(moves);
      if (!board_.Solveable()) return false;
      if (board_.filled == 81) return true;
      if (!placed) break;
    }
    const uint32_t tile = GuessTile();
    uint32_t digit = 0;
    while (!board_.tiles[tile].options.Has(digit)) ++digit;
    EXPECT_TRUE(board_.Set(tile, digit));
    moves.push_back(Move{tile, Guess, digit, digit + 1});
    if (board_.filled == 81) return true;
    const std::size_t index = moves.size() - 1;
    for (;;) {
      if (Level(moves)) return true;
      EXPECT_TRUE(board_.Unset(tile));
      if (index == 9) board_.Print();
      bool resumed = false;
      while (!resumed && ++digit <= 8) {
        if (!board_.Set(tile, digit)) continue;
        if (board_.Solveable()) {
          resumed = true;
        } else {
          EXPECT_TRUE(board_.Unset(tile));
        }
      }
      if (!resumed) {
        moves.pop_back();
        return false;
      }
      moves[index].value = digit;
      moves[index].currentTry = digit + 1;
    }
  }

  // The lowest tile with two options, else the highest with the fewest.
  uint32_t GuessTile() const {
    for (uint32_t tile = 0; tile < 81; ++tile) {
      if (board_.tiles[tile].value < 0 && board_.tiles[tile].options.count == 2) return tile;
    }
    uint32_t best = 0;
    int fewest = 10;
    for (uint32_t tile = 0; tile < 81; ++tile) {
      const int count = board_.tiles[tile].options.count;
      if (board_.tiles[tile].value < 0 && count <= fewest) {
        fewest = count;
        best = tile;
      }
    }
    return best;
  }

  Board& board_;
};

TEST(SolveTest, DriverMatchesTheRecursiveSearch) {
  std::vector<std::string> puzzles = {kEmpty, kEasy, "1" + std::string(80, '0')};
  for (const std::string& p : kHardest) puzzles.push_back(p);
  for (const std::string& p : kUnsolvable) puzzles.push_back(p);
  for (const std::string& puzzle : puzzles) {
    const Outcome driver = solve(puzzle);
    Board board = boardFrom(puzzle);
    MoveList moves;
    StreamCapture out(std::cout);
    const bool solved = RecursiveSearch(board).Run(moves);
    const std::string output = out.text();
    ASSERT_EQ(driver.solved, solved) << puzzle;
    EXPECT_EQ(driver.output, output) << puzzle;
    if (solved) {
      EXPECT_EQ(driver.moves, moves) << puzzle;
      EXPECT_EQ(driver.grid, gridOf(board)) << puzzle;
    }
  }
}

// The dumps while backtracking: each shows the board just before the tenth
// move was placed, so the givens and nine more digits.
TEST(SolveTest, BacktrackingToTheTenthMovePrintsTheBoardBeforeIt) {
  const Outcome outcome = solve(kHardest[0]);
  ASSERT_TRUE(outcome.solved);
  const std::string& text = outcome.output;
  const std::size_t dumpSize = 20 * 40;
  ASSERT_EQ(text.size() % dumpSize, 0u) << text;
  EXPECT_EQ(text.size() / dumpSize, 12u);
  for (std::size_t at = 0; at < text.size(); at += dumpSize) {
    const std::string dump = text.substr(at, dumpSize);
    ASSERT_EQ(dump.substr(0, 80),
              "    A   B   C   D   E   F   G   H   I  \n"
              "  +===+===+===#===+===+===#===+===+===+\n");
    std::string grid;
    for (int r = 0; r < 9; ++r) {
      const std::string line = dump.substr(40 + 80 * r + 40, 40);
      ASSERT_EQ(line.substr(0, 1), std::to_string(r + 1));
      for (int c = 0; c < 9; ++c) {
        const char shown = line[4 + 4 * c];
        grid += shown == ' ' ? '0' : shown;
      }
    }
    EXPECT_TRUE(keepsGivens(kHardest[0], grid)) << dump;
    EXPECT_EQ(givens(grid), givens(kHardest[0]) + 9) << dump;
  }
}

// The driver's invariant checks stop the program with the assertion named
// in its report.
TEST(SolveDeathTest, MoveThatCannotBeUndoneStopsTheSearch) {
  // A list whose only move names an empty tile, on a board that fails at
  // once: backtracking cannot undo it.
  Board board = boardFrom(kUnsolvable[3]);
  MoveList moves{{0, Forced, 0, 1}};
  EXPECT_DEATH(board.Solve(moves), "sudoku-solve.*Solve.*cur->Undo\\(board\\)");
}

TEST(SolveDeathTest, OptionCountBeyondItsFlagsStopsFillOptions) {
  Board board;
  board.tiles[0].options.count = 10;
  MoveList moves;
  const GroupTiles row0 = {0, 1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_DEATH(board.FillOptions(moves, row0), "sudoku-solve.*FillOptions.*n <= 9");
}

}  // namespace
