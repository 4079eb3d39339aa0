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
// level, by its score: 00 to 04 need hidden singles in boxes (1.2), 05 a
// hidden single along a line (1.5), 06 a naked single (2.3), 07 up to the
// XYZ-wing (2.6 to 4.4), 08 up to short chains (4.5 to 6.3), 09 longer chains
// (6.4), 10 more (6.5 and up, search among them). No solution and a
// conflict fit no level.
bool fitsLevel(int level, const Rating& rating);
