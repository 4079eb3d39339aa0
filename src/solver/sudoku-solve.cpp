#include "solver/sudoku-solve.h"

#include <cassert>
#include <cstring>
#include <iostream>

namespace {

constexpr uint32_t kTiles = 81;

using TileBits = unsigned __int128;

constexpr TileBits kAllTiles = (TileBits(1) << kTiles) - 1;
constexpr uint32_t kAllGroups = (1u << 27) - 1;

constexpr TileBits bitOf(uint32_t tile) { return TileBits(1) << tile; }

// The lowest tile of a non-empty set.
uint32_t lowestTile(TileBits tiles) {
  const uint64_t low = static_cast<uint64_t>(tiles);
  if (low != 0) return static_cast<uint32_t>(__builtin_ctzll(low));
  return 64 + static_cast<uint32_t>(__builtin_ctzll(static_cast<uint64_t>(tiles >> 64)));
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
  GroupTiles groupTiles[27] = {};
  TileBits groupBits[27] = {};
  // The bits of a tile's row, column and box among the 27 groups.
  uint32_t groupsOf[81] = {};
  // The 20 tiles that share a row, a column or a box with a tile.
  uint8_t peers[81][20] = {};
  TileBits peerBits[81] = {};
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
    t.groupsOf[tile] = 1u << (tile / 9) | 1u << (kColumnGroups + tile % 9) | 1u << (kBoxGroups + boxOfTile(tile));
    t.peerBits[tile] = (t.groupBits[tile / 9] | t.groupBits[kColumnGroups + tile % 9] |
                        t.groupBits[kBoxGroups + boxOfTile(tile)]) &
                       ~bitOf(tile);
    uint32_t n = 0;
    for (uint32_t other = 0; other < kTiles; ++other) {
      if (t.peerBits[tile] & bitOf(other)) t.peers[tile][n++] = static_cast<uint8_t>(other);
    }
  }
  return t;
}

constexpr Tables kTables = makeTables();

// The groups, among the 27, in which at least one of the tiles lies.
uint32_t groupsHit(TileBits tiles) {
  uint32_t rowsHit = 0;
  uint32_t columnsHit = 0;
  uint32_t boxesHit = 0;
  for (uint32_t band = 0; band < 3; ++band) {
    // The columns hit within this band of three rows.
    uint32_t bandColumns = 0;
    for (uint32_t row = band * 3; row < band * 3 + 3; ++row) {
      const uint32_t line = static_cast<uint32_t>(tiles >> (row * 9)) & 0x1FFu;
      rowsHit |= static_cast<uint32_t>(line != 0) << row;
      bandColumns |= line;
    }
    columnsHit |= bandColumns;
    boxesHit |= static_cast<uint32_t>((bandColumns & 0x007u) != 0) << (band * 3) |
                static_cast<uint32_t>((bandColumns & 0x038u) != 0) << (band * 3 + 1) |
                static_cast<uint32_t>((bandColumns & 0x1C0u) != 0) << (band * 3 + 2);
  }
  return rowsHit | columnsHit << kColumnGroups | boxesHit << kBoxGroups;
}

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
}

void Board::CountChanged(uint32_t tile, int32_t before, int32_t after) {
  if (after == 1) {
    singles_ |= bitOf(tile);
  } else if (before == 1) {
    singles_ &= ~bitOf(tile);
  }
  if (after == 0) {
    ++emptyWithoutOptions_;
  } else if (before == 0) {
    --emptyWithoutOptions_;
  }
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
  const Position at = TilePosition(tile);
  if (!rows[at.row].Has(value)) return false;
  if (!columns[at.col].Has(value)) return false;
  if (!boxes[at.box].Has(value)) return false;

  ++filled;
  target.value = value;
  // The tile no longer counts among the empty ones, and offers nothing.
  const TileBits self = bitOf(tile);
  if (target.options.count == 0) --emptyWithoutOptions_;
  if (target.options.count == 1) singles_ &= ~self;
  unsigned lost = target.options.digits;
  target.options.RemoveAll();
  for (unsigned rest = lost; rest != 0; rest &= rest - 1) offering_[lowestDigit(rest)] &= ~self;

  rows[at.row].Remove(value);
  columns[at.col].Remove(value);
  boxes[at.box].Remove(value);
  const uint32_t ownGroups = kTables.groupsOf[tile];
  missing_[value] &= ~ownGroups;

  // Every peer that still offers the digit loses it; the others are left
  // as they are.
  const unsigned digitBit = 1u << value;
  TileBits losing = offering_[value] & kTables.peerBits[tile];
  offering_[value] &= ~losing;
  while (losing != 0) {
    const uint32_t peer = lowestTile(losing);
    losing &= losing - 1;
    DigitSet& options = tiles[peer].options;
    options.digits = static_cast<uint16_t>(options.digits & ~digitBit);
    --options.count;
    CountChanged(peer, options.count + 1, options.count);
  }

  // The digit left tiles all over the peers' groups. The tile's other
  // options left only the tile, so only its own groups can have lost the
  // last place for one of them.
  CheckCoverage(value);
  for (unsigned rest = lost & ~digitBit; rest != 0; rest &= rest - 1) {
    const int d = lowestDigit(rest);
    uint32_t bare = 0;
    for (uint32_t groups = ownGroups & missing_[d]; groups != 0; groups &= groups - 1) {
      const uint32_t g = static_cast<uint32_t>(__builtin_ctz(groups));
      if ((offering_[d] & kTables.groupBits[g]) == 0) bare |= 1u << g;
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
  const Position at = TilePosition(tile);
  rows[at.row].Add(value);
  columns[at.col].Add(value);
  boxes[at.box].Add(value);
  const uint32_t ownGroups = kTables.groupsOf[tile];
  missing_[value] |= ownGroups;

  // The tile takes every digit its three groups still miss.
  DigitSet& own = tiles[tile].options;
  own = rows[at.row];
  own.IntersectWith(DigitSet::Intersect(columns[at.col], boxes[at.box]));
  const TileBits self = bitOf(tile);
  for (unsigned rest = own.digits; rest != 0; rest &= rest - 1) offering_[lowestDigit(rest)] |= self;
  if (own.count == 0) {
    ++emptyWithoutOptions_;
  } else if (own.count == 1) {
    singles_ |= self;
  }

  // Only the tile's three groups changed, and only by this digit: an empty
  // peer gets it back exactly when all three of its own groups miss it now,
  // and keeps its other options as they are.
  const unsigned digitBit = 1u << value;
  const uint32_t missing = missing_[value];
  for (const uint8_t peer : kTables.peers[tile]) {
    const uint32_t peerGroups = kTables.groupsOf[peer];
    DigitSet& options = tiles[peer].options;
    if ((missing & peerGroups) != peerGroups || tiles[peer].value >= 0 || (options.digits & digitBit) != 0) continue;
    options.digits = static_cast<uint16_t>(options.digits | digitBit);
    ++options.count;
    offering_[value] |= bitOf(peer);
    CountChanged(peer, options.count - 1, options.count);
  }

  // Places only came back: the tile's own groups are now covered for each
  // of its options, and the digit is looked at everywhere.
  CheckCoverage(value);
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
    const TileBits ahead = singles_ & (~TileBits(0) << from);
    const TileBits next = ahead != 0 ? ahead : singles_;
    if (next == 0) break;
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
  // short-circuit on placed.
  for (uint32_t g = 0; g < kColumnGroups; ++g) placed = FillOptions(moves, kTables.groupTiles[g]) || placed;
  if (!Solveable()) return false;
  for (uint32_t g = kColumnGroups; g < kBoxGroups; ++g) placed = FillOptions(moves, kTables.groupTiles[g]) || placed;
  if (!Solveable()) return false;
  for (uint32_t g = kBoxGroups; g < 27; ++g) placed = FillOptions(moves, kTables.groupTiles[g]) || placed;
  return placed && Solveable();
}

bool Board::FillOptions(MoveList& moves, const GroupTiles& group) {
  // Digits offered by at least one tile, and by at least two.
  unsigned once = 0;
  unsigned twice = 0;
  for (const uint32_t tile : group) {
    const DigitSet& options = tiles[tile].options;
    if (options.count == 0) continue;
    // Counting a tile's digits looks at its flags from digit 0 until it has
    // found count of them: n digits, more than nine when count claims more
    // flags than are set.
    [[maybe_unused]] const int n =
        options.count > __builtin_popcount(options.digits) ? 10 : 32 - __builtin_clz(options.digits);
    assert(n <= 9);
    twice |= once & options.digits;
    once |= options.digits;
  }
  const unsigned single = once & ~twice;
  if (single == 0) return false;

  // Where each of those digits goes, found before anything is placed.
  uint32_t where[9] = {};
  for (const uint32_t tile : group) {
    for (unsigned rest = tiles[tile].options.digits & single; rest != 0; rest &= rest - 1) {
      where[lowestDigit(rest)] = tile;
    }
  }
  bool placed = false;
  for (unsigned rest = single; rest != 0; rest &= rest - 1) {
    const int32_t d = lowestDigit(rest);
    // A lower digit may already have taken the remembered tile: Set refuses
    // then, and the digit gets no move.
    if (Set(where[d], d)) {
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
