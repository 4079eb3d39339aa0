// SPDX-License-Identifier: GPL-3.0-or-later
#include <ctime>

#include "generator/LevelPuzzle.h"
#include "generator/OneSolutionPuzzle.h"
#include "shell/App.h"

void App::showOneSolutionPuzzle(int seed, float puzzleDifficulty) {
  Placement placements[kCellCount];
  unsigned char shown[kCellCount];
  prepareOneSolutionPuzzle(seed, puzzleDifficulty, placements, shown);
  showPuzzle(placements, shown);
}

// New Puzzle With One Solution: Generate's level, the first seed from
// Generate's whose one-solution puzzle fits the level's band, and that code
// in the title. The seed taken is remembered, so the next command starts
// past it. The puzzle is made before anything is shown, so the title and the
// grid change together.
void App::newOneSolutionPuzzle() {
  const int level = sliderLevel(difficulty->get_value());
  Placement placements[kCellCount];
  unsigned char shown[kCellCount];
  lastSeed = firstFittingSeed(level, takeClockSeed(std::time(nullptr), lastSeed), placements, shown);
  setTitle(makeOneSolutionCode(level, *lastSeed));
  showPuzzle(placements, shown);
}
