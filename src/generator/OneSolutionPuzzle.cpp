// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/OneSolutionPuzzle.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "generator/GridGenerator.h"
#include "solver/SolutionCounter.h"

namespace {

// 40 pairs of partners and the centre.
constexpr int kUnits = kCellCount / 2 + 1;

}  // namespace

void prepareOneSolutionPuzzle(int seed, float difficulty, Placement* placements, unsigned char* shown) {
  fillSeededGrid(seed, placements, shown);
  const std::string full = givensString(placements, shown);
  std::string puzzle = full;
  const int pairs = holeTarget(difficulty) / 2;
  bool visited[kUnits] = {};
  for (int hidden = 0, seen = 0; hidden < pairs && seen < kUnits;) {
    const int pos = std::rand() % kCellCount;
    const int partner = kCellCount - 1 - pos;
    const int unit = std::min(pos, partner);
    if (visited[unit]) continue;
    visited[unit] = true;
    ++seen;
    puzzle[pos] = puzzle[partner] = '0';
    if (countSolutions(puzzle.c_str(), 2) == 1) {
      shown[pos] = shown[partner] = 0;
      ++hidden;
    } else {
      puzzle[pos] = full[pos];
      puzzle[partner] = full[partner];
    }
  }
}

void prepareCodePuzzle(const SeedCode& code, Placement* placements, unsigned char* shown) {
  if (code.oneSolution) {
    prepareOneSolutionPuzzle(code.seed, code.difficulty, placements, shown);
  } else {
    preparePuzzle(code.seed, code.difficulty, placements, shown);
  }
}
