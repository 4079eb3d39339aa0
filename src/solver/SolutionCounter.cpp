// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/SolutionCounter.h"

#include "solver/BoardGeometry.h"
#include "solver/DigitMask.h"

namespace {

constexpr uint32_t kGroups = 27;

// A cell that holds a digit: no candidates left, and not to be confused
// with an empty cell that ran out of them.
constexpr uint16_t kFilled = 0x8000;

// The grid as far as the search has got: each empty cell's candidates, and
// each group's digits. A branch works on a copy of it.
struct Grid {
  uint16_t candidates[kTiles];
  uint16_t placed[kGroups] = {};
  uint32_t open = kTiles;
};

// Depth-first search over copies of the grid. Before each branching every
// forced digit is placed: a cell with one candidate takes it, a digit with
// one place in a group goes there. A cell without candidates, or a group
// without a place for a digit it misses, ends the branch. It branches on the
// cell with the fewest candidates.
class Search {
 public:
  explicit Search(uint64_t limit) : limit_(limit) {}

  // Counts the solutions from the grid on.
  uint64_t Count(Grid& grid) {
    if (Settle(grid)) Explore(grid);
    return found_;
  }

  // Puts the digit (its bit) on the cell and takes it from the candidates
  // of the cell's peers; false if that leaves the grid without a solution.
  bool Place(Grid& grid, uint32_t cell, unsigned digitBit) {
    if ((grid.candidates[cell] & digitBit) == 0) return false;
    grid.candidates[cell] = kFilled;
    --grid.open;
    const Position& at = kGeometry.position[cell];
    for (const uint32_t g : {at.row, firstGroup(GroupKind::Columns) + at.col, firstGroup(GroupKind::Boxes) + at.box}) {
      grid.placed[g] |= static_cast<uint16_t>(digitBit);
    }
    bool fine = true;
    forEachTile(kGeometry.peerBits[cell], [&](uint32_t peer) {
      uint16_t& candidates = grid.candidates[peer];
      if ((candidates & digitBit) == 0) return;
      candidates = static_cast<uint16_t>(candidates & ~digitBit);
      if (candidates == 0) fine = false;
      if (digitCount(candidates) == 1) singles_[singleCount_++] = static_cast<uint8_t>(peer);
    });
    return fine;
  }

 private:
  // Places every forced digit; false if the grid turns out unsolvable.
  bool Settle(Grid& grid) {
    for (;;) {
      if (!PlaceSingles(grid)) return false;
      bool placed = false;
      for (uint32_t g = 0; g < kGroups; ++g) {
        if (!PlaceHiddenSingles(grid, g, placed)) return false;
      }
      if (!placed && singleCount_ == 0) return true;
    }
  }

  // The cells left with one candidate take it.
  bool PlaceSingles(Grid& grid) {
    while (singleCount_ > 0) {
      const uint32_t cell = singles_[--singleCount_];
      if (grid.candidates[cell] == kFilled) continue;
      if (!Place(grid, cell, grid.candidates[cell])) {
        singleCount_ = 0;
        return false;
      }
    }
    return true;
  }

  // The digits with one place in the group go there.
  bool PlaceHiddenSingles(Grid& grid, uint32_t g, bool& placed) {
    const GroupTiles& cells = kGeometry.groupTiles[g];
    unsigned once = 0;
    unsigned twice = 0;
    for (const uint32_t cell : cells) {
      const unsigned candidates = grid.candidates[cell] & kAllDigits;
      twice |= once & candidates;
      once |= candidates;
    }
    if ((once | grid.placed[g]) != kAllDigits) return Fail();
    bool fine = true;
    forEachDigit(once & ~twice, [&](int32_t d) {
      const unsigned digitBit = 1u << d;
      for (const uint32_t cell : cells) {
        if (fine && (grid.candidates[cell] & kAllDigits & digitBit) != 0) fine = Place(grid, cell, digitBit);
      }
      placed = true;
    });
    return fine || Fail();
  }

  bool Fail() {
    singleCount_ = 0;
    return false;
  }

  // Counts the solutions of a settled grid.
  void Explore(const Grid& grid) {
    if (grid.open == 0) {
      ++found_;
      return;
    }
    uint32_t best = 0;
    int32_t fewest = 10;
    for (uint32_t cell = 0; cell < kTiles && fewest > 2; ++cell) {
      const int32_t count = digitCount(grid.candidates[cell]);
      if (grid.candidates[cell] != kFilled && count < fewest) {
        best = cell;
        fewest = count;
      }
    }
    for (unsigned rest = grid.candidates[best]; rest != 0 && found_ < limit_; rest &= rest - 1) {
      Grid next = grid;
      if (Place(next, best, rest & (0u - rest)) && Settle(next)) Explore(next);
      singleCount_ = 0;
    }
  }

  const uint64_t limit_;
  uint64_t found_ = 0;
  // The cells whose candidates fell to one, not yet placed: each at most
  // once between two branchings, when its count reaches one.
  uint8_t singles_[kTiles] = {};
  uint32_t singleCount_ = 0;
};

}  // namespace

uint64_t countSolutions(const char* puzzle, uint64_t limit) {
  if (limit == 0) return 0;
  Grid grid;
  for (uint16_t& candidates : grid.candidates) candidates = kAllDigits;
  Search search(limit);
  for (uint32_t cell = 0; cell < kTiles; ++cell) {
    const char c = puzzle[cell];
    if (c >= '1' && c <= '9' && !search.Place(grid, cell, 1u << (c - '1'))) return 0;
  }
  return search.Count(grid);
}
