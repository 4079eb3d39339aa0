// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Hint.h"

#include <iostream>

#include "grid/GridReader.h"
#include "solver/SolutionCounter.h"
#include "solver/sudoku-solve.h"

namespace {

// How many guessed digits the Solve command's search may place before the
// hint stops waiting for it: about a tenth of a second on a current desktop.
// A count rather than a clock, so that a grid always gets the same hint.
constexpr uint64_t kSolveGuesses = 500000;

// Keeps standard output silent while it lives: the search reports its
// backtracking there, which suits Solve but not a hint.
class MutedOutput {
 public:
  MutedOutput() : saved_(std::cout.rdbuf(nullptr)) {}
  ~MutedOutput() { std::cout.rdbuf(saved_); }

 private:
  std::streambuf* saved_;
};

Hint digitHint(char digit) { return Hint{Hint::Digit, digit}; }

}  // namespace

Hint findHint(const std::string& grid, int cell) {
  Placement placements[kCellCount];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[kCellCount] = {};
  const int top = readGridText(grid.c_str(), placements, used, shown, nullptr);
  if (top < 0) return Hint{Hint::Repeat, 0};

  // The counter answers at once whether there is a solution, and which when
  // there is only one.
  char solution[kCellCount];
  const uint64_t solutions = countSolutions(grid.c_str(), 2, solution);
  if (solutions == 0) return Hint{Hint::NoSolution, 0};
  if (solutions == 1) return digitHint(solution[cell]);

  // Several: the one Solve would show, if its search finds it in time.
  Board board;
  for (int i = 0; i < top; ++i) board.Set(static_cast<uint32_t>(placements[i].cell), placements[i].value);
  MoveList moves;
  MutedOutput muted;
  if (board.SolveWithin(moves, kSolveGuesses) == Board::Outcome::Solved) {
    return digitHint(static_cast<char>('1' + board.tiles[cell].value));
  }
  return digitHint(solution[cell]);
}
