// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/LevelPuzzle.h"

#include <cstdint>
#include <string>

#include "generator/DifficultyBands.h"
#include "generator/GridGenerator.h"
#include "generator/OneSolutionPuzzle.h"
#include "generator/SeedCode.h"

int firstFittingSeed(int level, int from, Placement* placements, unsigned char* shown) {
  const float difficulty = levelDifficulty(level);
  // Seeds run on as the clock's 32 bits do, so the step past the largest
  // seed is defined.
  for (uint32_t seed = static_cast<uint32_t>(from);; ++seed) {
    const int code = static_cast<int32_t>(seed);
    prepareOneSolutionPuzzle(code, difficulty, placements, shown);
    if (fitsLevel(level, rateGrid(givensString(placements, shown).c_str()))) return code;
  }
}
