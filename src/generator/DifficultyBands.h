// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/LogicRater.h"

// What the slider's levels ask of a one-solution puzzle: a band of ratings
// per level, so that a level needs the reasoning a player expects of it and
// is never easier than the level below. The digging of each level already
// leaves fewer givens the higher the level; the bands add how hard those
// givens are to reason from.
//
// level: 0 to 10. Returns whether a puzzle of that rating belongs to the
// level. Ratings other than a technique or Search (no solution, a conflict)
// fit no level.
bool fitsLevel(int level, Technique rating);
