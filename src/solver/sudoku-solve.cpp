// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/sudoku-solve.h"

#include <cassert>
#include <cstring>
#include <iostream>

namespace {

constexpr uint32_t kTiles = 81;

constexpr TileSet kAllTiles{~uint64_t{0}, (uint64_t{1} << (kTiles - 64)) - 1};
constexpr uint32_t kAllGroups = (1u << 27) - 1;

constexpr TileSet bitOf(uint32_t tile) {
  return tile < 64 ? TileSet{uint64_t{1} << tile, 0} : TileSet{0, uint64_t{1} << (tile - 64)};
}

// The tiles from the given one (0-81) to tile 80.
TileSet tilesFrom(uint32_t tile) {
  return tile < 64 ? TileSet{~uint64_t{0} << tile, ~uint64_t{0}} : TileSet{0, ~uint64_t{0} << (tile - 64)};
}

// How many digits a 9-bit digit mask holds.
struct DigitCounts {
  uint8_t of[512] = {};
};
constexpr DigitCounts makeDigitCounts() {
  DigitCounts counts;
  for (unsigned mask = 1; mask < 512; ++mask) counts.of[mask] = static_cast<uint8_t>(counts.of[mask >> 1] + (mask & 1));
  return counts;
}
constexpr DigitCounts kDigitCounts = makeDigitCounts();

// The lowest tile of a non-empty set.
uint32_t lowestTile(TileSet tiles) {
  if (tiles.low != 0) return static_cast<uint32_t>(__builtin_ctzll(tiles.low));
  return 64 + static_cast<uint32_t>(__builtin_ctzll(tiles.high));
}

// Calls visit for each tile of the set, lowest first.
template <typename Visit>
void forEachTile(TileSet tiles, Visit visit) {
  for (uint64_t low = tiles.low; low != 0; low &= low - 1) {
    visit(static_cast<uint32_t>(__builtin_ctzll(low)));
  }
  for (uint64_t high = tiles.high; high != 0; high &= high - 1) {
    visit(64 + static_cast<uint32_t>(__builtin_ctzll(high)));
  }
}

// The lowest digit of a non-empty digit mask.
int32_t lowestDigit(unsigned digits) { return __builtin_ctz(digits); }

// The i-th tile (0-8) of a row, a column or a box, in the groups' list
// order: boxes run row by row from their top left tile.
constexpr uint32_t rowTile(uint32_t row, uint32_t i) { return row * 9 + i; }
constexpr uint32_t columnTile(uint32_t col, uint32_t i) { return col + i * 9; }
constexpr uint32_t boxTile(uint32_t box, uint32_t i) { return box / 3 * 27 + box % 3 * 3 + i / 3 * 9 + i % 3; }
constexpr uint32_t boxOfTile(uint32_t tile) { return tile / 27 * 3 + tile % 9 / 3; }

// Groups are numbered 0-26 where one number must stand for any of them:
// rows 0-8, columns 9-17, boxes 18-26. The same order as the hidden-singles
// rule scans them.
constexpr uint32_t kColumnGroups = 9;
constexpr uint32_t kBoxGroups = 18;

struct Tables {
  TileSet tileBit[81] = {};
  Position position[81] = {};
  GroupTiles groupTiles[27] = {};
  TileSet groupBits[27] = {};
  // The bits of a tile's row, column and box among the 27 groups.
  uint32_t groupsOf[81] = {};
  // The tiles that share a row, a column or a box with a tile.
  TileSet peerBits[81] = {};
  // Where a tile's digits sit among the packed words (see Board::packed_):
  // word tile / 3, lane tile % 3.
  uint8_t word[81] = {};
  uint8_t laneShift[81] = {};
};

constexpr Tables makeTables() {
  Tables t;
  for (uint32_t g = 0; g < 9; ++g) {
    for (uint32_t i = 0; i < 9; ++i) {
      t.groupTiles[g][i] = rowTile(g, i);
      t.groupTiles[kColumnGroups + g][i] = columnTile(g, i);
      t.groupTiles[kBoxGroups + g][i] = boxTile(g, i);
    }
  }
  for (uint32_t g = 0; g < 27; ++g) {
    for (uint32_t i = 0; i < 9; ++i) t.groupBits[g] |= bitOf(t.groupTiles[g][i]);
  }
  for (uint32_t tile = 0; tile < kTiles; ++tile) {
    t.tileBit[tile] = bitOf(tile);
    t.position[tile] = Position{tile / 9, tile % 9, boxOfTile(tile)};
    t.groupsOf[tile] = 1u << (tile / 9) | 1u << (kColumnGroups + tile % 9) | 1u << (kBoxGroups + boxOfTile(tile));
    t.peerBits[tile] = (t.groupBits[tile / 9] | t.groupBits[kColumnGroups + tile % 9] |
                        t.groupBits[kBoxGroups + boxOfTile(tile)]) &
                       ~bitOf(tile);
    t.word[tile] = static_cast<uint8_t>(tile / 3);
    t.laneShift[tile] = static_cast<uint8_t>(tile % 3 * 16);
  }
  return t;
}

constexpr Tables kTables = makeTables();

// Which of the three 9-bit fields of a 27-bit value hold a bit, as bits
// 0-2. Adding 0xFF to the low eight bits of a field carries into its ninth
// bit exactly when they are not all clear, and never beyond it.
uint32_t nonEmptyNines(uint32_t fields) {
  constexpr uint32_t kHigh = 1u << 8 | 1u << 17 | 1u << 26;
  constexpr uint32_t kLow = 0x7FFFFFFu & ~kHigh;
  const uint32_t high = (((fields & kLow) + kLow) | fields) & kHigh;
  return (high >> 8 & 1u) | (high >> 16 & 2u) | (high >> 24 & 4u);
}

// The same for the three 3-bit fields of a 9-bit value.
uint32_t nonEmptyThrees(uint32_t fields) {
  constexpr uint32_t kHigh = 1u << 2 | 1u << 5 | 1u << 8;
  constexpr uint32_t kLow = 0x1FFu & ~kHigh;
  const uint32_t high = (((fields & kLow) + kLow) | fields) & kHigh;
  return (high >> 2 & 1u) | (high >> 4 & 2u) | (high >> 6 & 4u);
}

// The groups, among the 27, in which at least one of the tiles lies. A
// band of three rows is 27 consecutive tiles: its rows are three 9-bit
// fields, and the columns it touches, folded into one field, give its
// boxes.
uint32_t groupsHit(TileSet tiles) {
  const uint64_t low = tiles.low;
  const uint64_t high = tiles.high;
  const uint32_t bands[3] = {static_cast<uint32_t>(low) & 0x7FFFFFFu, static_cast<uint32_t>(low >> 27) & 0x7FFFFFFu,
                             static_cast<uint32_t>(low >> 54 | high << 10) & 0x7FFFFFFu};
  uint32_t rowsHit = 0;
  uint32_t columnsHit = 0;
  uint32_t boxesHit = 0;
  for (uint32_t b = 0; b < 3; ++b) {
    const uint32_t columns = (bands[b] | bands[b] >> 9 | bands[b] >> 18) & 0x1FFu;
    rowsHit |= nonEmptyNines(bands[b]) << (b * 3);
    columnsHit |= columns;
    boxesHit |= nonEmptyThrees(columns) << (b * 3);
  }
  return rowsHit | columnsHit << kColumnGroups | boxesHit << kBoxGroups;
}

// The tiles whose row, column and box are all among the groups. Each
// band of three rows is built as 27 bits: the rows of the band that are
// among them, crossed with the columns that are among them and lie in one
// of the band's boxes among them.
TileSet tilesInGroups(uint32_t groups) {
  constexpr uint32_t kBandRows[8] = {0,       0x1FFu,   0x3FE00u,   0x3FFFFu,
                                     0x7FC0000u, 0x7FC01FFu, 0x7FFFE00u, 0x7FFFFFFu};
  constexpr uint32_t kBoxColumns[8] = {0, 0x007u, 0x038u, 0x03Fu, 0x1C0u, 0x1C7u, 0x1F8u, 0x1FFu};
  const uint32_t columns = groups >> kColumnGroups & 0x1FFu;
  uint64_t bands[3];
  for (uint32_t b = 0; b < 3; ++b) {
    const uint32_t bandColumns = columns & kBoxColumns[groups >> (kBoxGroups + b * 3) & 7u];
    // The columns repeated for the band's three rows.
    bands[b] = kBandRows[groups >> (b * 3) & 7u] & (bandColumns * 0x40201u);
  }
  return TileSet{bands[0] | bands[1] << 27 | bands[2] << 54, bands[2] >> 10};
}

// Whether some digit lies in exactly one lane of exactly one of three
// packed words (lanes 0-2 used, lane 3 clear), that is in exactly one of
// the nine tiles they hold.
bool oneOfNine(uint64_t w0, uint64_t w1, uint64_t w2) {
  const uint64_t once = w0 | w1 | w2;
  const uint64_t twice = (w0 & w1) | (w2 & (w0 | w1));
  // Each lane next to the OR of the other two lanes: the words rotated by
  // one lane and by two within lanes 0-2.
  const uint64_t others = (once >> 16 | once << 32) | (once >> 32 | once << 16);
  return (once & ~twice & ~others & 0x1FF01FF01FFull) != 0;
}

// Nine words added up lane by lane: the digits in at least one of them,
// and in at least two.
struct LaneTally {
  uint64_t once = 0;
  uint64_t twice = 0;

  void Add(uint64_t word) {
    twice |= once & word;
    once |= word;
  }
  // Bits 0-2: whether some digit lies in lane 0, 1 or 2 of exactly one word.
  uint32_t LanesWithOne() const {
    const uint64_t one = once & ~twice;
    return static_cast<uint32_t>((one & 0x1FFu) != 0) | static_cast<uint32_t>((one & 0x1FF0000u) != 0) << 1 |
           static_cast<uint32_t>((one & 0x1FF00000000ull) != 0) << 2;
  }
};

const char kHeader[] = "    A   B   C   D   E   F   G   H   I  \n";
const char kBoxRule[] = "  +===+===+===#===+===+===#===+===+===+\n";
const char kRowRule[] = "  +---+---+---#---+---+---#---+---+---+\n";

}  // namespace

Position TilePosition(uint32_t tile) {
  const uint32_t col = tile % 9;
  return Position{tile / 9, col, tile / 27 * 3 + col / 3};
}

bool Move::Undo(Board& board) const { return board.Unset(tile); }

Board::Board() {
  for (int d = 0; d < 9; ++d) {
    offering_[d] = kAllTiles;
    missing_[d] = kAllGroups;
  }
  for (uint64_t& word : packed_) word = 0x1FFu | 0x1FFull << 16 | 0x1FFull << 32;
}

void Board::Untally(uint32_t tile, int32_t count) {
  if (count == 0) {
    --emptyWithoutOptions_;
  } else if (count == 1) {
    singles_ &= ~kTables.tileBit[tile];
  }
}

void Board::Tally(uint32_t tile, int32_t count) {
  if (count == 0) {
    ++emptyWithoutOptions_;
  } else if (count == 1) {
    singles_ |= kTables.tileBit[tile];
  }
}

void Board::CountFell(uint32_t tile, int32_t count) {
  if (count == 1) {
    singles_ |= kTables.tileBit[tile];
  } else if (count == 0) {
    singles_ &= ~kTables.tileBit[tile];
    ++emptyWithoutOptions_;
  }
}

void Board::CountRose(uint32_t tile, int32_t count) {
  if (count == 2) {
    singles_ &= ~kTables.tileBit[tile];
  } else if (count == 1) {
    --emptyWithoutOptions_;
    singles_ |= kTables.tileBit[tile];
  }
}

void Board::Pack(uint32_t tile) {
  const uint32_t shift = kTables.laneShift[tile];
  uint64_t& word = packed_[kTables.word[tile]];
  word = (word & ~(uint64_t{0xFFFF} << shift)) | uint64_t{tiles[tile].options.digits} << shift;
}

uint32_t Board::GroupsWithOnePlace(uint32_t kind) const {
  const uint64_t* const w = packed_;
  // Group i of the kind, as bit i, from the three words that hold it.
  auto lone = [w](uint32_t i, uint32_t a, uint32_t b, uint32_t c) {
    return static_cast<uint32_t>(oneOfNine(w[a], w[b], w[c])) << i;
  };
  if (kind == 0) {
    // A row is three consecutive words.
    return lone(0, 0, 1, 2) | lone(1, 3, 4, 5) | lone(2, 6, 7, 8) | lone(3, 9, 10, 11) | lone(4, 12, 13, 14) |
           lone(5, 15, 16, 17) | lone(6, 18, 19, 20) | lone(7, 21, 22, 23) | lone(8, 24, 25, 26);
  }
  if (kind == 2) {
    // A box is the same word of three rows in a row.
    return lone(0, 0, 3, 6) | lone(1, 1, 4, 7) | lone(2, 2, 5, 8) | lone(3, 9, 12, 15) | lone(4, 10, 13, 16) |
           lone(5, 11, 14, 17) | lone(6, 18, 21, 24) | lone(7, 19, 22, 25) | lone(8, 20, 23, 26);
  }
  // A column is one lane of the same word in each row: the words at the
  // same place in every row hold three columns side by side.
  LaneTally thirds[3];
  for (uint32_t row = 0; row < 9; ++row) {
    thirds[0].Add(w[row * 3]);
    thirds[1].Add(w[row * 3 + 1]);
    thirds[2].Add(w[row * 3 + 2]);
  }
  return thirds[0].LanesWithOne() | thirds[1].LanesWithOne() << 3 | thirds[2].LanesWithOne() << 6;
}

void Board::SetUncovered(int d, uint32_t uncovered) {
  uncovered_[d] = uncovered;
  if (uncovered != 0) {
    uncoveredDigits_ |= 1u << d;
  } else {
    uncoveredDigits_ &= ~(1u << d);
  }
}

void Board::CheckCoverage(int d) { SetUncovered(d, missing_[d] & ~groupsHit(offering_[d])); }

bool Board::Set(uint32_t tile, int32_t value) {
  // Out-of-range numbers would index past the tables; no caller of the
  // program sends them, but a refusal costs nothing.
  if (tile >= kTiles) return false;
  Tile& target = tiles[tile];
  if (target.value == value) return true;
  if (value < 0 || value > 8) return false;
  if (target.value >= 0) return false;
  const Position& at = kTables.position[tile];
  if (!rows[at.row].Has(value)) return false;
  if (!columns[at.col].Has(value)) return false;
  if (!boxes[at.box].Has(value)) return false;

  ++filled;
  target.value = value;
  // The tile leaves the empty ones and offers nothing any more.
  const TileSet self = kTables.tileBit[tile];
  filledTiles_ |= self;
  Untally(tile, target.options.count);
  const unsigned lost = target.options.digits;
  target.options.RemoveAll();
  Pack(tile);
  for (unsigned rest = lost; rest != 0; rest &= rest - 1) offering_[lowestDigit(rest)] &= ~self;

  rows[at.row].Remove(value);
  columns[at.col].Remove(value);
  boxes[at.box].Remove(value);
  const uint32_t ownGroups = kTables.groupsOf[tile];
  missing_[value] &= ~ownGroups;

  // Every peer that still offers the digit loses it; the others are left
  // as they are.
  const unsigned digitBit = 1u << value;
  const TileSet losing = offering_[value] & kTables.peerBits[tile];
  offering_[value] &= ~losing;
  uint32_t touched = 0;
  forEachTile(losing, [&](uint32_t peer) {
    DigitSet& options = tiles[peer].options;
    options.digits = static_cast<uint16_t>(options.digits & ~digitBit);
    --options.count;
    CountFell(peer, options.count);
    packed_[kTables.word[peer]] &= ~(uint64_t{digitBit} << kTables.laneShift[peer]);
    touched |= kTables.groupsOf[peer];
  });

  // Only a group that lost a place can have lost its last one. For the
  // digit those are the groups of the peers that lost it (the tile's own
  // groups no longer miss it); for the tile's other options, the tile's
  // own groups.
  uint32_t bare = 0;
  for (uint32_t groups = touched & missing_[value]; groups != 0; groups &= groups - 1) {
    const uint32_t g = static_cast<uint32_t>(__builtin_ctz(groups));
    if ((offering_[value] & kTables.groupBits[g]).Empty()) bare |= 1u << g;
  }
  const uint32_t uncovered = (uncovered_[value] & ~ownGroups) | bare;
  if (uncovered != uncovered_[value]) SetUncovered(value, uncovered);
  for (unsigned rest = lost & ~digitBit; rest != 0; rest &= rest - 1) {
    const int d = lowestDigit(rest);
    bare = 0;
    for (uint32_t groups = ownGroups & missing_[d]; groups != 0; groups &= groups - 1) {
      const uint32_t g = static_cast<uint32_t>(__builtin_ctz(groups));
      if ((offering_[d] & kTables.groupBits[g]).Empty()) bare |= 1u << g;
    }
    if (bare != 0) SetUncovered(d, uncovered_[d] | bare);
  }
  return true;
}

bool Board::Unset(uint32_t tile) {
  if (tile >= kTiles || tiles[tile].value < 0) return false;
  const int32_t value = tiles[tile].value;
  --filled;
  tiles[tile].value = -1;
  const Position& at = kTables.position[tile];
  rows[at.row].Add(value);
  columns[at.col].Add(value);
  boxes[at.box].Add(value);
  const uint32_t ownGroups = kTables.groupsOf[tile];
  missing_[value] |= ownGroups;

  // The tile takes every digit its three groups miss. Their counts match
  // their flags, so the count is that of the flags left.
  DigitSet& own = tiles[tile].options;
  own.digits = static_cast<uint16_t>(rows[at.row].digits & columns[at.col].digits & boxes[at.box].digits);
  own.count = kDigitCounts.of[own.digits & 0x1FFu];
  const TileSet self = kTables.tileBit[tile];
  filledTiles_ &= ~self;
  for (unsigned rest = own.digits; rest != 0; rest &= rest - 1) offering_[lowestDigit(rest)] |= self;
  Tally(tile, own.count);
  Pack(tile);

  // Only the tile's three groups changed, and only by this digit: an empty
  // peer gets it back exactly when all three of its own groups miss it now,
  // and keeps its other options as they are.
  const unsigned digitBit = 1u << value;
  const TileSet regaining =
      tilesInGroups(missing_[value]) & kTables.peerBits[tile] & ~filledTiles_ & ~offering_[value];
  offering_[value] |= regaining;
  forEachTile(regaining, [&](uint32_t peer) {
    DigitSet& options = tiles[peer].options;
    options.digits = static_cast<uint16_t>(options.digits | digitBit);
    ++options.count;
    CountRose(peer, options.count);
    packed_[kTables.word[peer]] |= uint64_t{digitBit} << kTables.laneShift[peer];
  });

  // Places only came back, so a group that had a place for a digit still
  // has one. The tile's own groups now miss the digit, and the tile offers
  // it; only groups that had no place for it before need a new look.
  if (uncovered_[value] != 0 || (own.digits & digitBit) == 0) CheckCoverage(value);
  for (unsigned rest = own.digits & ~digitBit; rest != 0; rest &= rest - 1) {
    const int d = lowestDigit(rest);
    if ((uncovered_[d] & ownGroups) != 0) SetUncovered(d, uncovered_[d] & ~ownGroups);
  }
  return true;
}

bool Board::FindSingles(MoveList& moves) {
  if (filled == 81) return false;
  // The sweep tests the board before every tile it examines. The board
  // changes only where a digit is placed, so one test at the start and one
  // after each placement give the same answers, and the sweep may jump
  // straight to the next tile with one option: from its position to tile
  // 80, then round from tile 0. A lap without one ends it.
  if (!Solveable()) return false;
  bool placed = false;
  uint32_t from = 0;
  for (;;) {
    const TileSet ahead = singles_ & tilesFrom(from);
    const TileSet next = ahead.Empty() ? singles_ : ahead;
    if (next.Empty()) break;
    const uint32_t tile = lowestTile(next);
    const int32_t value = lowestDigit(tiles[tile].options.digits);
    Set(tile, value);
    moves.push_back(Move{tile, Forced, static_cast<uint32_t>(value), 1});
    placed = true;
    if (filled == 81 || !Solveable()) break;
    from = tile + 1;
  }
  return placed;
}

bool Board::FindHiddenSingles(MoveList& moves) {
  bool placed = false;
  // Every group is scanned, whatever the earlier ones placed: no
  // short-circuit on placed. A group where no digit has exactly one place
  // gives FillOptions nothing to place, so it is passed over; after a
  // placement the groups still to come are looked at again.
  auto scan = [&](uint32_t kind) {
    uint32_t pending = GroupsWithOnePlace(kind);
    while (pending != 0) {
      const uint32_t i = static_cast<uint32_t>(__builtin_ctz(pending));
      placed = FillOptions(moves, kTables.groupTiles[kind * 9 + i]) || placed;
      pending = GroupsWithOnePlace(kind) & ~0u << (i + 1);
    }
  };
  scan(0);
  if (!Solveable()) return false;
  scan(1);
  if (!Solveable()) return false;
  scan(2);
  return placed && Solveable();
}

bool Board::FillOptions(MoveList& moves, const GroupTiles& group) {
  int counter[9] = {};
  uint32_t where[9] = {};
  for (const uint32_t tile : group) {
    const DigitSet& options = tiles[tile].options;
    if (options.count == 0) continue;
    // The tile's flags are read upwards from digit 0 until count of them
    // are found; n is how many digits that has taken. It runs past the
    // ninth when count claims more flags than are set.
    unsigned rest = options.digits & 0x1FFu;
    for (int found = 0; found < options.count; ++found) {
      const int n = rest != 0 ? __builtin_ctz(rest) + 1 : 10;
      assert(n <= 9);
      // Without assertions the reading stops at the ninth digit.
      if (n > 9) break;
      ++counter[n - 1];
      where[n - 1] = tile;
      rest &= rest - 1;
    }
  }
  bool placed = false;
  for (int32_t d = 0; d < 9; ++d) {
    // A lower digit may already have taken the remembered tile: Set refuses
    // then, and the digit gets no move.
    if (counter[d] == 1 && Set(where[d], d)) {
      moves.push_back(Move{where[d], Forced, static_cast<uint32_t>(d), 1});
      placed = true;
    }
  }
  return placed;
}

bool Board::Solve(MoveList& moves) {
  Board& board = *this;
  // Every entry appended stands for a digit on the board, so the list never
  // outgrows the empty tiles and the search never reallocates it.
  moves.reserve(moves.size() + (kTiles - filled));
  if (filled == 81) return true;

  enum class Step { Check, Deduce, Guess, Backtrack };
  Step step = Step::Check;
  for (;;) {
    switch (step) {
      case Step::Check:
        step = Solveable() ? Step::Deduce : Step::Backtrack;
        break;

      case Step::Deduce:
        assert(board.Solveable());
        for (;;) {
          FindSingles(moves);
          if (!Solveable()) {
            step = Step::Backtrack;
            break;
          }
          if (filled == 81) return true;
          const bool placed = FindHiddenSingles(moves);
          if (!Solveable()) {
            step = Step::Backtrack;
            break;
          }
          if (filled == 81) return true;
          if (!placed) {
            step = Step::Guess;
            break;
          }
        }
        break;

      case Step::Guess: {
        // The lowest tile with two options, else the highest tile with the
        // fewest. Filled tiles sit at count 0 and are never chosen.
        int32_t byCount[10];
        for (int32_t& entry : byCount) entry = -1;
        for (uint32_t tile = 0; tile < kTiles; ++tile) {
          byCount[tiles[tile].options.count] = static_cast<int32_t>(tile);
          if (tiles[tile].options.count == 2) break;
        }
        int32_t chosen = -1;
        for (int c = 2; c <= 9 && chosen < 0; ++c) chosen = byCount[c];
        const uint32_t tile = static_cast<uint32_t>(chosen);
        const int32_t value = lowestDigit(tiles[tile].options.digits);
        Set(tile, value);
        moves.push_back(Move{tile, Guess, static_cast<uint32_t>(value), static_cast<uint32_t>(value) + 1});
        if (filled == 81) return true;
        step = Step::Check;
        break;
      }

      case Step::Backtrack: {
        // position: the entries before it still stand on the board.
        std::size_t position = moves.size();
        while (step == Step::Backtrack) {
          if (position == 0) return false;
          const MoveList::iterator cur = moves.begin() + (position - 1);
          // The undo must happen in every build, so it is not left to
          // assert alone.
#ifdef NDEBUG
          cur->Undo(board);
#else
          assert(cur->Undo(board));
#endif
          if (cur->kind == Forced) {
            --position;
            continue;
          }
          // The entries after the guess are undone already.
          moves.erase(cur + 1, moves.end());
          if (position - 1 == 9) Print();
          // A guess goes on upwards from the digit it tried, up to digit 8;
          // digits its groups no longer offer are refused by Set.
          while (++cur->currentTry <= 9) {
            cur->value = (cur->value + 1) % 9;
            if (!Set(cur->tile, static_cast<int32_t>(cur->value))) continue;
            if (Solveable()) {
              step = Step::Deduce;
              break;
            }
#ifdef NDEBUG
            cur->Undo(board);
#else
            assert(cur->Undo(board));
#endif
          }
          if (step == Step::Backtrack) {
            // Exhausted: the guess's tile is empty again.
            moves.pop_back();
            position = moves.size();
          }
        }
        break;
      }
    }
  }
}

void Board::Print() const {
  // The whole dump is put together first and written at once: 20 lines of
  // 40 characters. Row lines are the row number, nine " | " with the digit
  // or a blank, and " |".
  constexpr std::size_t kLine = 40;
  char text[20 * kLine];
  char* at = text;
  std::memcpy(at, kHeader, kLine);
  at += kLine;
  for (int r = 0; r < 9; ++r) {
    std::memcpy(at, r % 3 == 0 ? kBoxRule : kRowRule, kLine);
    at += kLine;
    *at++ = static_cast<char>('1' + r);
    for (int c = 0; c < 9; ++c) {
      const int32_t value = tiles[r * 9 + c].value;
      *at++ = ' ';
      *at++ = '|';
      *at++ = ' ';
      *at++ = value < 0 ? ' ' : static_cast<char>('1' + value);
    }
    std::memcpy(at, " |\n", 3);
    at += 3;
  }
  std::memcpy(at, kBoxRule, kLine);
  at += kLine;
  std::cout.write(text, at - text);
}
