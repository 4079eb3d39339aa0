// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solver/LogicRater.h"

// Scores on Sukaku Explainer's scale, in tenths.

// The score of a step of a technique of fixed difficulty (singles to the
// W-wing); chains and forcing chains score with chainScore.
int fixedScore(const LogicStep& step);

// What a chain adds for its length: a tenth once it has more than six
// links' worth of candidates, and another each time the count grows by a
// half or a third again (4, 6, 8, 12, 16, 24, ...), so long chains grow
// slowly.
int lengthScore(int candidates);

// A chain's or a forcing chain's score: base (tenths) plus lengthScore.
inline int chainScore(int base, int candidates) { return base + lengthScore(candidates); }
