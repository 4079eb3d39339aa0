// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/PuzzleLines.h"
#include "files/PuzzleText.h"
#include "grid/GridReader.h"
#include "solver/SolveGivens.h"

namespace {

int refuse(const std::string& why) {
  std::cerr << "tessary-cli solve: " << why << "\n";
  return 2;
}

// Does for one puzzle what the Solve button does with the grid, writes what
// it writes to standard output, then the result line.
void solveLine(const std::string& line, bool withMoves) {
  Placement placements[kCellCount];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[kCellCount] = {};
  // The grid reader takes anything but '1'-'9' as an empty cell, '.' included.
  const int top = readGridText(line.data(), placements, used, shown, nullptr);
  if (top < 0) {
    std::cout << "conflict\n";
    return;
  }
  MoveList moves;
  if (!solveGivens(placements, top, shown, moves)) {
    std::cout << "unsolvable\n";
    return;
  }
  std::string digits(kPuzzleLength, '0');
  for (const Placement& p : placements) {
    if (p.cell >= 0) digits[p.cell] = static_cast<char>('1' + p.value);
  }
  std::cout << "solved " << digits << '\n';
  if (!withMoves) return;
  std::cout << "moves\n";
  for (const Move& m : moves) {
    std::cout << m.tile << ' ' << static_cast<int>(m.kind) << ' ' << m.value << ' ' << m.currentTry << '\n';
  }
}

}  // namespace

// solve [--moves] [FILE...]: reads puzzles, one per line and each perhaps
// after a seed code and a blank, as generate prints them, from the files or,
// without any, from standard input ("-" names it too). Exit status 0, or 1
// when a line was not a puzzle or a file could not be read; 2 for a wrong
// command line.
int runSolve(int argc, char** argv) {
  bool withMoves = false;
  std::vector<std::string> files;
  const int refused = readCommandLine(argc, argv, files, [&](int& i) {
    const std::string word = argv[i];
    if (word != "--moves") return refuse("unknown option '" + word + "'");
    withMoves = true;
    return -1;
  });
  if (refused >= 0) return refused;
  return forEachPuzzle(files, "solve", [withMoves](const std::string& puzzle) { solveLine(puzzle, withMoves); });
}
