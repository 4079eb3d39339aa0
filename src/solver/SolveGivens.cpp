// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/SolveGivens.h"

#include <cassert>
#include <iostream>

#include "grid/GridReader.h"

bool solveGivens(Placement* placements, int top, unsigned char* shown, MoveList& moves) {
  Board board;
  // With no repeated digit every given is accepted; the results need no look.
  for (int i = 0; i < top; ++i) board.Set(static_cast<uint32_t>(placements[i].cell), placements[i].value);

  if (!board.Solve(moves)) {
    std::cout << "NOT SOLVEABLE!\n" << std::flush;
    // The board is back to the digits read, so the dump shows the puzzle.
    board.Print();
    std::cout.flush();
    return false;
  }

  for (const Move& move : moves) {
    // Never written past the 81 records, even if the count were off: the
    // assertion below reports that instead.
    if (top >= 0 && top < kCellCount) {
      const Position at = TilePosition(move.tile);
      placements[top] = Placement{static_cast<int32_t>(move.value), static_cast<int32_t>(move.currentTry),
                                  static_cast<int32_t>(move.tile), static_cast<int32_t>(at.row),
                                  static_cast<int32_t>(at.col), static_cast<int32_t>(at.box)};
      shown[move.tile] = 1;
    }
    ++top;
  }
  // The read cells and the moves together cover every cell exactly once.
  assert(top == 81);
  return true;
}

std::string solvedGrid(const std::string& puzzle) {
  Placement placements[kCellCount];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[kCellCount] = {};
  const int top = readGridText(puzzle.c_str(), placements, used, shown, nullptr);
  MoveList moves;
  if (top < 0 || !solveGivens(placements, top, shown, moves)) return "";
  std::string grid(kCellCount, '0');
  for (const Placement& p : placements) grid[p.cell] = static_cast<char>('1' + p.value);
  return grid;
}
