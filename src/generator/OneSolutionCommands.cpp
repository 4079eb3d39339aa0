// SPDX-License-Identifier: GPL-3.0-or-later
#include <ctime>

#include "generator/OneSolutionPuzzle.h"
#include "shell/App.h"

void App::showOneSolutionPuzzle(int seed, float puzzleDifficulty) {
  Placement placements[kCellCount];
  unsigned char shown[kCellCount];
  prepareOneSolutionPuzzle(seed, puzzleDifficulty, placements, shown);
  showPuzzle(placements, shown);
}

// New Puzzle With One Solution: Generate's level and seed, the puzzle of
// their one-solution code, and that code in the title. The puzzle is made
// before anything is shown, so the title and the grid change together.
void App::newOneSolutionPuzzle() {
  const int level = sliderLevel(difficulty->get_value());
  const int seed = takeClockSeed(std::time(nullptr), lastSeed);
  Placement placements[kCellCount];
  unsigned char shown[kCellCount];
  prepareOneSolutionPuzzle(seed, levelDifficulty(level), placements, shown);
  setTitle(makeOneSolutionCode(level, seed));
  showPuzzle(placements, shown);
}
