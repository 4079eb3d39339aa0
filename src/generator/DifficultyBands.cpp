// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DifficultyBands.h"

namespace {

struct Band {
  Technique easiest;
  Technique hardest;
};

// The bands, from the ratings of the one-solution puzzles of 10,000 seeds per
// level. Most puzzles down to level 07 need singles alone, and a band of
// harder ones is taken from the few the digging makes there; a band must stay
// common enough that the command finds a seed in it within a fraction of a
// second.
constexpr Band kBands[11] = {
    // 00 to 04: naked and hidden singles alone; only the givens thin out.
    {Technique::NakedSingle, Technique::HiddenSingle},
    {Technique::NakedSingle, Technique::HiddenSingle},
    {Technique::NakedSingle, Technique::HiddenSingle},
    {Technique::NakedSingle, Technique::HiddenSingle},
    {Technique::NakedSingle, Technique::HiddenSingle},
    // 05: a hidden single is needed at least once, nothing harder.
    {Technique::HiddenSingle, Technique::HiddenSingle},
    // 06 and 07: locked candidates, or a naked or hidden pair or triple, and
    // nothing harder.
    {Technique::LockedCandidates, Technique::HiddenTriple},
    {Technique::LockedCandidates, Technique::HiddenTriple},
    // 08: more than singles, up to the hardest technique, and never stuck.
    {Technique::LockedCandidates, Technique::XYWing},
    // 09: an X-wing, a swordfish or an XY-wing is needed.
    {Technique::XWing, Technique::XYWing},
    // 10: the techniques stall; the player must try a digit and follow it
    // through, or reason beyond them.
    {Technique::Search, Technique::Search},
};

}  // namespace

bool fitsLevel(int level, Technique rating) {
  if (level < 0 || level > 10) return false;
  const Band& band = kBands[level];
  return rating >= band.easiest && rating <= band.hardest;
}
