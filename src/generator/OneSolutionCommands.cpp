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

// New Puzzle With One Solution: Generate's level, the first seed from the
// clock's whose one-solution puzzle fits the level's band, and that code in
// the title. The seed found is remembered, so the next command starts past
// it; it is kept apart from Generate's, which stays on the clock however far
// a rare level had to search. The puzzle is made before anything is shown, so
// the title and the grid change together.
void App::newOneSolutionPuzzle() {
  const int level = sliderLevel(difficulty->get_value());
  Placement placements[kCellCount];
  unsigned char shown[kCellCount];
  lastOneSolutionSeed =
      firstFittingSeed(level, takeClockSeed(std::time(nullptr), lastOneSolutionSeed), placements, shown);
  setTitle(makeOneSolutionCode(level, *lastOneSolutionSeed));
  showPuzzle(placements, shown);
}
