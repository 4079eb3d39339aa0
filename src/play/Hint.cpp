// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Hint.h"

#include <iostream>

#include "grid/GridReader.h"
#include "solver/SolveGivens.h"

namespace {

// Keeps standard output silent while it lives: the search reports a
// failure and its backtracking there, which suits Solve but not a hint.
class MutedOutput {
 public:
  MutedOutput() : saved_(std::cout.rdbuf(nullptr)) {}
  ~MutedOutput() { std::cout.rdbuf(saved_); }

 private:
  std::streambuf* saved_;
};

}  // namespace

Hint findHint(const std::string& grid, int cell) {
  Placement placements[kCellCount];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[kCellCount] = {};
  const int top = readGridText(grid.c_str(), placements, used, shown, nullptr);
  if (top < 0) return Hint{Hint::Repeat, 0};

  MoveList moves;
  bool solved;
  {
    MutedOutput muted;
    solved = solveGivens(placements, top, shown, moves);
  }
  if (!solved) return Hint{Hint::NoSolution, 0};
  for (const Placement& p : placements) {
    if (p.cell == cell) return Hint{Hint::Digit, static_cast<char>('1' + p.value)};
  }
  return Hint{Hint::NoSolution, 0};  // not reached: a solution covers every cell
}
