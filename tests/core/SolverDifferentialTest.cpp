// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <iostream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "SolverTesting.h"
#include "solver/sudoku-solve.h"

namespace {

using solvertest::boardFrom;
using solvertest::gridOf;
using solvertest::isValidSolution;
using solvertest::keepsGivens;
using solvertest::stateOf;
using solvertest::StreamCapture;

// A second solver, independent of the board: depth-first search over bit
// masks. At each step it branches on whichever is narrowest: an empty
// cell's digits, or the cells of a row, column or box that can still take
// one of its missing digits. It counts solutions up to a limit and keeps
// the first one found.
class SimpleSolver {
 public:
  explicit SimpleSolver(const std::string& puzzle) : grid_(puzzle) {
    for (int cell = 0; cell < 81; ++cell) {
      if (grid_[cell] == '0') continue;
      const int bit = 1 << (grid_[cell] - '1');
      if (used(cell) & bit) conflict_ = true;
      toggle(cell, bit);
    }
  }

  // Solutions found, stopping at limit; 0 for a grid with a repeat.
  int count(int limit) {
    found_ = 0;
    if (!conflict_) search(limit);
    return found_;
  }
  const std::string& first() const { return first_; }
  bool repeats() const { return conflict_; }

 private:
  static int box(int cell) { return cell / 27 * 3 + cell % 9 / 3; }
  // The cell of a unit (rows 0-8, columns 9-17, boxes 18-26) at index i.
  static int unitCell(int unit, int i) {
    if (unit < 9) return unit * 9 + i;
    if (unit < 18) return i * 9 + unit - 9;
    const int b = unit - 18;
    return b / 3 * 27 + b % 3 * 3 + i / 3 * 9 + i % 3;
  }
  int used(int cell) const { return rows_[cell / 9] | cols_[cell % 9] | boxes_[box(cell)]; }
  void toggle(int cell, int bit) {
    rows_[cell / 9] ^= bit;
    cols_[cell % 9] ^= bit;
    boxes_[box(cell)] ^= bit;
  }
  void place(int cell, int d, int limit) {
    grid_[cell] = static_cast<char>('1' + d);
    toggle(cell, 1 << d);
    search(limit);
    toggle(cell, 1 << d);
    grid_[cell] = '0';
  }

  void search(int limit) {
    int bestCell = -1, bestUnit = -1, bestDigit = -1, bestCount = 10;
    for (int cell = 0; cell < 81; ++cell) {
      if (grid_[cell] != '0') continue;
      const int n = __builtin_popcount(~used(cell) & 0x1ff);
      if (n < bestCount) bestCell = cell, bestCount = n;
    }
    if (bestCell < 0) {
      if (found_++ == 0) first_ = grid_;
      return;
    }
    for (int unit = 0; unit < 27 && bestCount > 0; ++unit) {
      for (int d = 0; d < 9; ++d) {
        int places = 0, present = 0;
        for (int i = 0; i < 9; ++i) {
          const int cell = unitCell(unit, i);
          if (grid_[cell] == '1' + d) present = 1;
          if (grid_[cell] == '0' && !(used(cell) & (1 << d))) ++places;
        }
        if (!present && places < bestCount) bestCell = -1, bestUnit = unit, bestDigit = d, bestCount = places;
      }
    }
    if (bestCount == 0) return;
    if (bestCell >= 0) {
      const int options = ~used(bestCell) & 0x1ff;
      for (int d = 0; d < 9 && found_ < limit; ++d) {
        if (options & (1 << d)) place(bestCell, d, limit);
      }
    } else {
      for (int i = 0; i < 9 && found_ < limit; ++i) {
        const int cell = unitCell(bestUnit, i);
        if (grid_[cell] == '0' && !(used(cell) & (1 << bestDigit))) place(cell, bestDigit, limit);
      }
    }
  }

  std::string grid_;
  std::string first_;
  int rows_[9] = {}, cols_[9] = {}, boxes_[9] = {};
  bool conflict_ = false;
  int found_ = 0;
};

bool isRepeatFree(const std::string& grid) { return !SimpleSolver(grid).repeats(); }

// A random complete grid: the simple solver on an empty grid whose first
// row is a random permutation.
std::string randomSolution(std::mt19937& random) {
  std::string digits = "123456789";
  std::shuffle(digits.begin(), digits.end(), random);
  SimpleSolver solver(digits + std::string(72, '0'));
  solver.count(1);
  return solver.first();
}

// Random digits dropped on random cells, skipping any that would repeat.
std::string scatteredGivens(std::mt19937& random, int wanted) {
  std::string grid(81, '0');
  for (int placed = 0, attempts = 0; placed < wanted && attempts < 1000; ++attempts) {
    const int cell = random() % 81;
    if (grid[cell] != '0') continue;
    grid[cell] = static_cast<char>('1' + random() % 9);
    if (!isRepeatFree(grid)) {
      grid[cell] = '0';
    } else {
      ++placed;
    }
  }
  return grid;
}

class SolverDifferentialTest : public ::testing::Test {
 protected:
  // Solves with the board and checks the answer against the simple solver.
  void check(const std::string& puzzle) {
    SCOPED_TRACE(puzzle);
    Board board = boardFrom(puzzle);
    const std::string before = stateOf(board);
    MoveList moves;
    bool solved;
    {
      StreamCapture out(std::cout);
      solved = board.Solve(moves);
    }
    SimpleSolver simple(puzzle);
    const int solutions = simple.count(2);
    if (solved) {
      const std::string grid = gridOf(board);
      EXPECT_TRUE(isValidSolution(grid)) << grid;
      EXPECT_TRUE(keepsGivens(puzzle, grid)) << grid;
      EXPECT_EQ(moves.size(), static_cast<std::size_t>(81 - std::count_if(puzzle.begin(), puzzle.end(),
                                                                           [](char c) { return c != '0'; })));
      EXPECT_GT(solutions, 0);
      if (solutions == 1) {
        EXPECT_EQ(grid, simple.first());
      }
      ++solvedCount;
    } else {
      EXPECT_EQ(solutions, 0) << "the simple solver found " << simple.first();
      EXPECT_EQ(stateOf(board), before);
      ++unsolvedCount;
    }
  }

  std::mt19937 random{0x7e55a47};
  int solvedCount = 0;
  int unsolvedCount = 0;
};

TEST_F(SolverDifferentialTest, SparseScatteredGrids) {
  // From a handful of digits, with many solutions, to crowded grids that
  // mostly have none.
  for (int i = 0; i < 300; ++i) check(scatteredGivens(random, 4 + random() % 24));
  EXPECT_GT(solvedCount, 50);
  EXPECT_GT(unsolvedCount, 50);
}

TEST_F(SolverDifferentialTest, ThinnedSolutions) {
  // Digits taken away from complete grids: solvable, from many solutions
  // down to one.
  for (int i = 0; i < 150; ++i) {
    std::string grid = randomSolution(random);
    const int keep = 17 + random() % 50;
    std::vector<int> cells(81);
    for (int c = 0; c < 81; ++c) cells[c] = c;
    std::shuffle(cells.begin(), cells.end(), random);
    for (int c = keep; c < 81; ++c) grid[cells[c]] = '0';
    check(grid);
  }
  EXPECT_EQ(unsolvedCount, 0);
}

TEST_F(SolverDifferentialTest, DenseGridsWithAWrongDigit) {
  // As above, then one given changed to another digit that repeats nothing:
  // mostly without solution.
  for (int i = 0; i < 200; ++i) {
    std::string grid = randomSolution(random);
    const int keep = 25 + random() % 40;
    std::vector<int> cells(81);
    for (int c = 0; c < 81; ++c) cells[c] = c;
    std::shuffle(cells.begin(), cells.end(), random);
    for (int c = keep; c < 81; ++c) grid[cells[c]] = '0';
    for (int attempt = 0; attempt < 20; ++attempt) {
      const int cell = cells[random() % keep];
      const char old = grid[cell];
      grid[cell] = static_cast<char>('1' + random() % 9);
      if (grid[cell] != old && isRepeatFree(grid)) break;
      grid[cell] = old;
    }
    check(grid);
  }
  EXPECT_GT(unsolvedCount, 50);
  EXPECT_GT(solvedCount, 0);
}

}  // namespace
