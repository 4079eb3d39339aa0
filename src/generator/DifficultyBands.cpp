// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DifficultyBands.h"

namespace {

// Scores in tenths, both ends included.
struct Band {
  int lowest;
  int highest;
};

// The bands, from the scores of the one-solution puzzles of 1,000 seeds per
// level; each of 05 to 10 holds scores no other level takes, and each stays
// common enough among its level's digging that a seed in it turns up within
// a fraction of a second.
constexpr Band kBands[11] = {
    // 00 to 04: hidden singles in the boxes are enough.
    {0, 12},
    {0, 12},
    {0, 12},
    {0, 12},
    {0, 12},
    // 05: a hidden single along a row or column is needed.
    {15, 15},
    // 06: a naked single is needed.
    {23, 23},
    // 07: locked candidates, pairs, triples, X-wing, swordfish, XY-wing or
    // XYZ-wing.
    {26, 44},
    // 08: unique rectangles, quads, jellyfish, W-wings and short chains.
    {45, 63},
    // 09: longer chains.
    {64, 64},
    // 10: long chains, forcing chains, or beyond reasoning.
    {65, 255},
};

}  // namespace

bool fitsLevel(int level, const Rating& rating) {
  if (level < 0 || level > 10) return false;
  if (rating.technique == Technique::NoSolution || rating.technique == Technique::Conflict) return false;
  const Band& band = kBands[level];
  return rating.score >= band.lowest && rating.score <= band.highest;
}
