// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "solver/BoardGeometry.h"
#include "solver/CandidateIndex.h"
#include "solver/PackedOptions.h"

// The solver's candidate board and its search. Tiles are 0-80, row-major
// (tile = row*9 + col); digits are 0-8 and shown as '1'-'9'. Nothing here
// knows the window: the Solve command and tessary-cli hand it plain numbers.

// A counted set of the nine digits, held as a bit mask: bit d of digits is
// set when digit d is present. count always equals the number of set bits;
// a new set holds all nine.
struct DigitSet {
  int32_t count = 9;
  uint16_t digits = 0x1FF;

  bool Has(int d) const { return (digits >> d) & 1u; }
  void Add(int d) {
    if (!Has(d)) {
      digits = static_cast<uint16_t>(digits | 1u << d);
      ++count;
    }
  }
  void Remove(int d) {
    if (Has(d)) {
      digits = static_cast<uint16_t>(digits & ~(1u << d));
      --count;
    }
  }
  void RemoveAll() {
    digits = 0;
    count = 0;
  }
  // The digits present in both a and b.
  static DigitSet Intersect(const DigitSet& a, const DigitSet& b) {
    DigitSet both = a;
    return both.IntersectWith(b);
  }
  // Clears every digit that b lacks, lowering count once per digit cleared.
  DigitSet& IntersectWith(const DigitSet& b) {
    const unsigned cleared = digits & ~b.digits & 0x1FFu;
    digits = static_cast<uint16_t>(digits & b.digits);
    count -= __builtin_popcount(cleared);
    return *this;
  }
  // Sets every digit of b, raising count once per digit set.
  void Merge(const DigitSet& b) {
    const unsigned added = b.digits & ~digits & 0x1FFu;
    digits = static_cast<uint16_t>(digits | added);
    count += __builtin_popcount(added);
  }
};

// The digits still free in one row, column or box; count is its number of
// empty tiles.
using Group = DigitSet;

struct Tile {
  int32_t value = -1;  // -1 while empty, else the digit 0-8
  DigitSet options;    // what the tile may still take; empty once filled
};

// Row, column and box of a tile 0-80.
Position TilePosition(uint32_t tile);

class Board;

enum MoveKind : int32_t { Forced = 1, Guess = 2 };

// One step of the solver: a deduced digit, or a guess that the driver may
// revisit. For a guess, currentTry is always value + 1; for a deduced move
// it is 1.
struct Move {
  uint32_t tile;
  MoveKind kind;
  uint32_t value;
  uint32_t currentTry;

  // Takes the move's digit off the board again; false if the tile is empty,
  // which means the list and the board no longer agree.
  bool Undo(Board& board) const;
};

// The moves in the order they were made; the rules and the driver append at
// the end, backtracking removes from the end.
using MoveList = std::vector<Move>;

// The candidate board. Invariants after construction and after every Set
// and Unset:
//  - a filled tile has no options;
//  - an empty tile's options are exactly the digits free in all three of
//    its groups;
//  - a group's digits are those none of its tiles holds, so no digit stands
//    twice in a row, column or box;
//  - filled counts the tiles whose value is not -1.
// Beside the tiles and groups the board keeps an index of its candidates
// (CandidateIndex.h), so that the search asks Solveable at no cost and the
// singles sweep looks only at tiles with one option, and a packed copy of
// the options (PackedOptions.h) for the hidden-singles rule. Set and Unset
// keep both up to date; the public fields are for reading.
// A plain value: it owns no heap storage and is never copied by the search.
class Board {
 public:
  // Places value (0-8) on tile (0-80) and removes it from the options of
  // the 20 peers. True when the tile now holds value (also when it already
  // did); false, with nothing changed, when the tile holds another digit,
  // when one of its groups already has value, or when tile or value is out
  // of range.
  bool Set(uint32_t tile, int32_t value);
  // Empties a filled tile and gives its peers back every digit their own
  // groups allow again. False, with nothing changed, for an empty tile.
  // Set of a digit on an empty tile followed by Unset restores the board
  // exactly.
  bool Unset(uint32_t tile);
  // False when the board is certainly contradictory: an empty tile has no
  // option, or a digit missing from some group is an option of none of the
  // group's tiles. A full board passes.
  bool Solveable() const { return index_.Consistent(); }

  // Naked singles: sweeps the tiles circularly from tile 0, placing each
  // tile's only option, until one lap places nothing, the board is full or
  // it turns contradictory. True if anything was placed.
  bool FindSingles(MoveList& moves);
  // Hidden singles in every row, then every column, then every box. True if
  // anything was placed and the board is still Solveable; false at once
  // when it is contradictory after the rows or after the columns.
  bool FindHiddenSingles(MoveList& moves);
  // Hidden singles in one group of tiles: each digit that only one of them
  // offers goes there, in ascending digit order. All counting happens
  // before the first placement. True if anything was placed.
  bool FillOptions(MoveList& moves, const GroupTiles& group);

  // Fills the board: deduces, guesses the lowest option of a tile with the
  // fewest options, and backtracks chronologically. moves comes in empty.
  // True: all 81 tiles are filled and moves holds one entry per tile that
  // was empty, in the order they were made. False: no solution; the board is
  // as it was on entry and moves is not to be read. Whenever backtracking
  // returns to the tenth entry of moves, the board is printed.
  bool Solve(MoveList& moves);
  // Solve with a budget, for a caller that may not wait: the same search,
  // the same moves and the same dumps, but given up once it has placed
  // guesses guessed digits (first tries and retries alike) without a
  // solution. GaveUp leaves the board where the search stood.
  enum class Outcome { Solved, NoSolution, GaveUp };
  Outcome SolveWithin(MoveList& moves, uint64_t guesses);
  // Writes the board to standard output, without flushing.
  void Print() const;

  Tile tiles[81];
  Group rows[9];
  Group columns[9];
  Group boxes[9];
  int32_t filled = 0;

 private:
  enum class Step { Check, Deduce, Guess, Backtrack, Retry, Solved };
  // Runs the deduction rules until they stall, the board is full or it is
  // no longer Solveable; says which step comes next.
  Step Deduce(MoveList& moves);
  // Places the lowest option of the tile to guess on; says which step
  // comes next.
  Step PlaceGuess(MoveList& moves);
  // The lowest tile with two options, else the highest tile with the
  // fewest.
  uint32_t TileToGuess() const;

  CandidateIndex index_;
  PackedOptions packed_;
};
