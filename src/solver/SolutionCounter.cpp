// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/SolutionCounter.h"

#include "solver/BandTables.h"
#include "solver/DigitMask.h"

namespace {

using bands::kTables;

// The grid as far as the search has got: for each band and digit the cells
// that may still hold the digit, a placed digit keeping its own cell; the
// cells not yet filled; and the digits whose cells changed since the hidden
// singles last looked at them. A branch works on a copy of it (124 bytes).
// A band's nine digits lie side by side, so that the loops over them become
// vector operations.
struct Grid {
  uint32_t cells[3][9];
  uint32_t open[3];
  uint32_t unscanned;
};

// Each digit's bit in a set of digits, looked up: the loops over the nine
// digits that gather such a set then vectorise, where a shift by the digit
// would not.
constexpr uint32_t kDigitBit[9] = {1, 2, 4, 8, 16, 32, 64, 128, 256};

uint32_t lowestBit(uint32_t bits) { return static_cast<uint32_t>(__builtin_ctz(bits)); }

// Puts digit on cell and takes it from the cell's peers; false if the cell
// can no longer take it.
bool Place(Grid& grid, uint32_t digit, uint32_t cell) {
  const uint32_t band = cell / 27;
  const uint32_t bit = 1u << (cell % 27);
  if ((grid.cells[band][digit] & bit) == 0) return false;
  uint32_t lost = 0;
  for (uint32_t d = 0; d < 9; ++d) {
    lost |= (grid.cells[band][d] & bit) != 0 ? kDigitBit[d] : 0;
    grid.cells[band][d] &= ~bit;
  }
  grid.unscanned |= lost;
  for (uint32_t b = 0; b < 3; ++b) grid.cells[b][digit] &= ~kTables.peers[cell][b];
  grid.cells[band][digit] |= bit;
  grid.open[band] &= ~bit;
  return true;
}

// Cells with one candidate left take it. False on a cell without any.
bool PlaceNakedSingles(Grid& grid, bool& placed) {
  for (uint32_t band = 0; band < 3; ++band) {
    uint32_t once = 0;
    uint32_t twice = 0;
    for (const uint32_t digitCells : grid.cells[band]) {
      twice |= once & digitCells;
      once |= digitCells;
    }
    if ((grid.open[band] & ~once) != 0) return false;
    const uint32_t singles = grid.open[band] & ~twice;
    if (singles == 0) continue;
    placed = true;
    // Digit by digit rather than cell by cell: finding a cell's digit would
    // branch unpredictably.
    for (uint32_t digit = 0; digit < 9; ++digit) {
      for (uint32_t rest = grid.cells[band][digit] & singles; rest != 0; rest &= rest - 1) {
        if (!Place(grid, digit, band * 27 + lowestBit(rest))) return false;
      }
    }
    // An earlier single of this sweep may have taken a later one's only
    // candidate, leaving its cell open.
    if ((grid.open[band] & singles) != 0) return false;
  }
  return true;
}

// The set if it holds one bit, else nothing; without a branch.
uint32_t ifSingle(uint32_t bits) { return (bits & (bits - 1)) == 0 ? bits : 0; }

// Digits with one open place left in a row, a box or a column go there.
// Only open places are looked at: a unit where the digit stands already has
// none. False when a unit has no place left for a digit it misses.
bool PlaceHiddenSingles(Grid& grid, bool& placed) {
  // A digit whose cells are as they were when last looked at has none.
  const uint32_t digits = grid.unscanned;
  grid.unscanned = 0;
  for (uint32_t digit = 0; digit < 9; ++digit) {
    if (((digits >> digit) & 1) == 0) continue;
    uint32_t places[3];
    for (uint32_t band = 0; band < 3; ++band) places[band] = grid.cells[band][digit] & grid.open[band];
    if ((places[0] | places[1] | places[2]) == 0) continue;
    bool unitWithout = false;
    uint32_t covered = 0;
    uint32_t found[3];
    uint32_t once = 0;
    uint32_t twice = 0;
    for (uint32_t band = 0; band < 3; ++band) {
      const uint32_t cells = grid.cells[band][digit];
      const uint32_t y = places[band];
      found[band] = 0;
      for (const uint32_t unit : bands::kRowsAndBoxes) {
        unitWithout |= (cells & unit) == 0;
        found[band] |= ifSingle(y & unit);
      }
      covered |= cells | cells >> 9 | cells >> 18;
      const uint32_t columns = (y | y >> 9 | y >> 18) & bands::kRow;
      const uint32_t twoInBand = (y & y >> 9) | (y & y >> 18) | (y >> 9 & y >> 18);
      twice |= (once & columns) | (twoInBand & bands::kRow);
      once |= columns;
    }
    if (unitWithout || (covered & bands::kRow) != bands::kRow) return false;
    const uint32_t singleColumns = kTables.columnsInBand[once & ~twice];
    for (uint32_t band = 0; band < 3; ++band) {
      for (uint32_t rest = found[band] | (places[band] & singleColumns); rest != 0; rest &= rest - 1) {
        if (!Place(grid, digit, band * 27 + lowestBit(rest))) return false;
        placed = true;
      }
    }
  }
  return true;
}

// Which of nine triads have at least one, two, three and four of nine sets.
struct TriadCounts {
  uint32_t once = 0;
  uint32_t twice = 0;
  uint32_t thrice = 0;
  uint32_t more = 0;

  explicit TriadCounts(const uint32_t (&sets)[9]) {
    for (const uint32_t triads : sets) {
      more |= thrice & triads;
      thrice |= twice & triads;
      twice |= once & triads;
      once |= triads;
    }
  }
};

// Narrows the triads each digit may still take in one band or stack (see
// BandTables.h). A triad holds three digits: those three when only three can
// fill it, which then leave the rest of its line and box; only those three
// when three must be there. And a digit keeps only the triads on one of its
// permutations, which covers a digit locked to one line in a box or to one
// box in a line. False when that leaves a triad without three digits, or
// with more than three that must be there, or a digit without a
// permutation.
bool NarrowTriads(uint32_t (&open)[9]) {
  const TriadCounts fillers(open);
  if (fillers.thrice != bands::kRow) return false;
  uint32_t forced[9];
  for (uint32_t digit = 0; digit < 9; ++digit) {
    uint32_t& triads = open[digit];
    triads = kTables.onPermutation[triads & ~static_cast<uint32_t>(kTables.lineAndBoxMates[triads & ~fillers.more])];
    if (triads == 0) return false;
    forced[digit] = kTables.onEveryPermutation[triads];
  }
  const TriadCounts musts(forced);
  if (musts.more != 0) return false;
  for (uint32_t digit = 0; digit < 9; ++digit) {
    open[digit] = kTables.onPermutation[open[digit] & ~(musts.thrice & ~forced[digit])];
    if (open[digit] == 0) return false;
  }
  return true;
}

// Takes each digit from the triads NarrowTriads rules out, in every band
// and then every stack. False on a contradiction.
bool RemoveLockedCandidates(Grid& grid, bool& removed) {
  uint32_t open[9];
  const auto keep = [&grid](uint32_t digit, uint32_t band, uint32_t kept) {
    uint32_t& cells = grid.cells[band][digit];
    grid.unscanned |= (cells & ~kept) != 0 ? kDigitBit[digit] : 0;
    cells &= kept;
  };
  const uint32_t before = grid.unscanned;
  grid.unscanned = 0;
  for (uint32_t band = 0; band < 3; ++band) {
    uint32_t* const cells = grid.cells[band];
    for (uint32_t digit = 0; digit < 9; ++digit) {
      const uint32_t x = cells[digit];
      open[digit] = kTables.boxesOfRow[x & bands::kRow] | kTables.boxesOfRow[(x >> 9) & bands::kRow] << 3 |
                    kTables.boxesOfRow[x >> 18] << 6;
    }
    if (!NarrowTriads(open)) return false;
    for (uint32_t digit = 0; digit < 9; ++digit) keep(digit, band, bands::triadCells(open[digit]));
  }
  uint32_t columns[3][9];
  for (uint32_t band = 0; band < 3; ++band) {
    for (uint32_t digit = 0; digit < 9; ++digit) {
      const uint32_t x = grid.cells[band][digit];
      columns[band][digit] = x | x >> 9 | x >> 18;
    }
  }
  uint32_t keptColumns[3][9] = {};
  for (uint32_t stack = 0; stack < 9; stack += 3) {
    for (uint32_t digit = 0; digit < 9; ++digit) {
      open[digit] = (columns[0][digit] >> stack & 7) | (columns[1][digit] >> stack & 7) << 3 |
                    (columns[2][digit] >> stack & 7) << 6;
    }
    if (!NarrowTriads(open)) return false;
    for (uint32_t band = 0; band < 3; ++band) {
      for (uint32_t digit = 0; digit < 9; ++digit) keptColumns[band][digit] |= (open[digit] >> (3 * band) & 7) << stack;
    }
  }
  for (uint32_t band = 0; band < 3; ++band) {
    for (uint32_t digit = 0; digit < 9; ++digit) keep(digit, band, kTables.columnsInBand[keptColumns[band][digit]]);
  }
  removed = grid.unscanned != 0;
  grid.unscanned |= before;
  return true;
}

// Places the singles until none is left, and with triads also narrows the
// triads, until that changes nothing either; false if the grid turns out to
// have no solution.
bool Settle(Grid& grid, bool triads) {
  for (;;) {
    bool changed = false;
    if (!PlaceNakedSingles(grid, changed)) return false;
    if (changed) continue;
    if (!PlaceHiddenSingles(grid, changed)) return false;
    if (changed) continue;
    // A full grid has nothing left to narrow.
    if (!triads || (grid.open[0] | grid.open[1] | grid.open[2]) == 0) return true;
    if (!RemoveLockedCandidates(grid, changed)) return false;
    if (!changed) return true;
  }
}

// An open cell with the fewest candidates, counted up to four: the lowest
// such cell of the band with the most open cells among those that have one.
// A guess there reaches the most undecided cells, and hard grids then need
// about half the guesses the first such cell would.
uint32_t CellToBranchOn(const Grid& grid) {
  uint32_t exactly[3][3];
  for (uint32_t band = 0; band < 3; ++band) {
    uint32_t atLeast[5] = {};
    for (const uint32_t digitCells : grid.cells[band]) {
      for (uint32_t k = 4; k > 0; --k) atLeast[k] |= atLeast[k - 1] & digitCells;
      atLeast[0] |= digitCells;
    }
    for (uint32_t k = 0; k < 3; ++k) exactly[band][k] = grid.open[band] & atLeast[k + 1] & ~atLeast[k + 2];
  }
  int openCells[3];
  for (uint32_t band = 0; band < 3; ++band) openCells[band] = __builtin_popcount(grid.open[band]);
  for (uint32_t k = 0; k < 3; ++k) {
    int best = -1;
    for (int band = 0; band < 3; ++band) {
      if (exactly[band][k] != 0 && (best < 0 || openCells[band] > openCells[best])) best = band;
    }
    if (best >= 0) return static_cast<uint32_t>(best) * 27 + lowestBit(exactly[best][k]);
  }
  for (uint32_t band = 0;; ++band) {
    if (grid.open[band] != 0) return band * 27 + lowestBit(grid.open[band]);
  }
}

// Guesses after which the search also narrows the triads at every step.
// Most grids are done before: the triads cost more than the few guesses
// they would save there. A search that goes on has met a part of the grid
// that singles refute slowly, where they save a great many.
constexpr uint64_t kGuessesOnSinglesAlone = 32;

// Depth-first search over settled copies of the grid, branching on the
// digits of a cell with the fewest candidates.
class Search {
 public:
  Search(uint64_t limit, char* solution) : limit_(limit), solution_(solution) {}

  void Explore(const Grid& grid) {
    if ((grid.open[0] | grid.open[1] | grid.open[2]) == 0) {
      if (found_++ == 0 && solution_ != nullptr) Record(grid);
      return;
    }
    const uint32_t cell = CellToBranchOn(grid);
    const uint32_t bit = 1u << (cell % 27);
    for (uint32_t digit = 0; digit < 9 && found_ < limit_; ++digit) {
      if ((grid.cells[cell / 27][digit] & bit) == 0) continue;
      Grid next = grid;
      if (Place(next, digit, cell) && Settle(next, ++guesses_ > kGuessesOnSinglesAlone)) Explore(next);
    }
  }

  uint64_t found() const { return found_; }

 private:
  void Record(const Grid& grid) {
    for (uint32_t cell = 0; cell < 81; ++cell) {
      uint32_t digit = 0;
      while ((grid.cells[cell / 27][digit] & 1u << (cell % 27)) == 0) ++digit;
      solution_[cell] = static_cast<char>('1' + digit);
    }
  }

  const uint64_t limit_;
  char* const solution_;
  uint64_t found_ = 0;
  uint64_t guesses_ = 0;
};

}  // namespace

uint64_t countSolutions(const char* puzzle, uint64_t limit, char* solution) {
  if (limit == 0) return 0;
  Grid grid;
  for (auto& bandCells : grid.cells) {
    for (uint32_t& digitCells : bandCells) digitCells = bands::kBand;
  }
  for (uint32_t& band : grid.open) band = bands::kBand;
  grid.unscanned = kAllDigits;
  for (uint32_t cell = 0; cell < 81; ++cell) {
    const char c = puzzle[cell];
    if (c >= '1' && c <= '9' && !Place(grid, static_cast<uint32_t>(c - '1'), cell)) return 0;
  }
  // The givens' triads first: the sparse grids without a solution that a
  // player can type are refuted there before a single is placed, and the
  // rest settles on narrower sets.
  bool narrowed = false;
  if (!RemoveLockedCandidates(grid, narrowed) || !Settle(grid, true)) return 0;
  Search search(limit, solution);
  search.Explore(grid);
  return search.found();
}

uint64_t countSolutions(const char* puzzle, uint64_t limit) { return countSolutions(puzzle, limit, nullptr); }
