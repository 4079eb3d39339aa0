// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModelSolver.h"

#include <cassert>
#include <iostream>

namespace model {

namespace {

constexpr uint32_t kTiles = 81;

// The lowest digit a set holds; the callers only ask non-empty sets.
int32_t lowestDigit(const DigitSet& set) {
  int32_t d = 0;
  while (!set.digits[d]) ++d;
  return d;
}

// The i-th tile (0-8) of a row, a column or a box, in the groups' list
// order: boxes run row by row from their top left tile.
uint32_t rowTile(uint32_t row, uint32_t i) { return row * 9 + i; }
uint32_t columnTile(uint32_t col, uint32_t i) { return col + i * 9; }
uint32_t boxTile(uint32_t box, uint32_t i) { return box / 3 * 27 + box % 3 * 3 + i / 3 * 9 + i % 3; }

const char kHeader[] = "    A   B   C   D   E   F   G   H   I  \n";
const char kBoxRule[] = "  +===+===+===#===+===+===#===+===+===+\n";
const char kRowRule[] = "  +---+---+---#---+---+---#---+---+---+\n";

}  // namespace

void DigitSet::Add(int d) {
  if (!digits[d]) {
    digits[d] = true;
    ++count;
  }
}

void DigitSet::Remove(int d) {
  if (digits[d]) {
    digits[d] = false;
    --count;
  }
}

void DigitSet::RemoveAll() {
  for (bool& flag : digits) flag = false;
  count = 0;
}

DigitSet DigitSet::Intersect(const DigitSet& a, const DigitSet& b) {
  DigitSet both = a;
  return both.IntersectWith(b);
}

DigitSet& DigitSet::IntersectWith(const DigitSet& b) {
  for (int d = 0; d < 9; ++d) {
    if (digits[d] && !b.digits[d]) Remove(d);
  }
  return *this;
}

void DigitSet::Merge(const DigitSet& b) {
  for (int d = 0; d < 9; ++d) {
    if (b.digits[d]) Add(d);
  }
}

Position TilePosition(uint32_t tile) {
  const uint32_t col = tile % 9;
  return Position{tile / 9, col, tile / 27 * 3 + col / 3};
}

bool Move::Undo(Board& board) const { return board.Unset(tile); }

bool Board::Set(uint32_t tile, int32_t value) {
  // Out-of-range numbers would index past the tables; no caller of the
  // program sends them, but a refusal costs nothing.
  if (tile >= kTiles) return false;
  Tile& target = tiles[tile];
  if (target.value == value) return true;
  if (value < 0 || value > 8) return false;
  if (target.value >= 0) return false;
  const Position at = TilePosition(tile);
  if (!rows[at.row].digits[value]) return false;
  if (!columns[at.col].digits[value]) return false;
  if (!boxes[at.box].digits[value]) return false;

  ++filled;
  target.value = value;
  target.options.RemoveAll();
  rows[at.row].Remove(value);
  columns[at.col].Remove(value);
  boxes[at.box].Remove(value);
  // The tile itself has no options left, so removing from it is harmless.
  for (uint32_t i = 0; i < 9; ++i) {
    tiles[rowTile(at.row, i)].options.Remove(value);
    tiles[columnTile(at.col, i)].options.Remove(value);
    tiles[boxTile(at.box, i)].options.Remove(value);
  }
  return true;
}

void Board::Recompute(uint32_t tile) {
  const Position at = TilePosition(tile);
  tiles[tile].options = rows[at.row];
  tiles[tile].options.IntersectWith(DigitSet::Intersect(columns[at.col], boxes[at.box]));
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
  Recompute(tile);

  // A peer regains the digit only where all three of its own groups now
  // offer it; recomputing from the groups gives exactly that.
  for (uint32_t i = 0; i < 9; ++i) {
    const uint32_t peer = boxTile(at.box, i);
    if (tiles[peer].value < 0) Recompute(peer);
  }
  for (uint32_t c = 0; c < 9; ++c) {
    const uint32_t peer = rowTile(at.row, c);
    if (c / 3 != at.col / 3 && tiles[peer].value < 0) Recompute(peer);
  }
  for (uint32_t r = 0; r < 9; ++r) {
    const uint32_t peer = columnTile(at.col, r);
    if (r / 3 != at.row / 3 && tiles[peer].value < 0) Recompute(peer);
  }
  return true;
}

bool Board::Solveable() const {
  for (const Tile& tile : tiles) {
    if (tile.value < 0 && tile.options.count == 0) return false;
  }
  // A group fails when one of its free digits is an option of none of its
  // tiles: the union of their options then covers fewer of its digits.
  auto covered = [this](const Group& group, uint32_t (*tileOf)(uint32_t, uint32_t), uint32_t g) {
    DigitSet offered;
    offered.RemoveAll();
    for (uint32_t i = 0; i < 9; ++i) offered.Merge(tiles[tileOf(g, i)].options);
    return group.count <= DigitSet::Intersect(offered, group).count;
  };
  for (uint32_t b = 0; b < 9; ++b) {
    if (!covered(boxes[b], boxTile, b)) return false;
  }
  for (uint32_t c = 0; c < 9; ++c) {
    if (!covered(columns[c], columnTile, c)) return false;
  }
  for (uint32_t r = 0; r < 9; ++r) {
    if (!covered(rows[r], rowTile, r)) return false;
  }
  return true;
}

bool Board::FindSingles(MoveList& moves) {
  if (filled == 81) return false;
  uint32_t tile = 0;
  int run = 0;
  bool placed = false;
  for (;;) {
    if (!Solveable()) break;
    if (tiles[tile].options.count == 1) {
      const int32_t value = lowestDigit(tiles[tile].options);
      Set(tile, value);
      moves.push_back(Move{tile, Forced, static_cast<uint32_t>(value), 1});
      run = 0;
      placed = true;
    } else {
      ++run;
    }
    tile = (tile + 1) % kTiles;
    // One full lap without a placement ends the sweep.
    if (run > 80 || filled == 81) break;
  }
  return placed;
}

bool Board::FindHiddenSingles(MoveList& moves) {
  std::vector<uint32_t> group(9);
  bool placed = false;
  // Every group is scanned, whatever the earlier ones placed: no
  // short-circuit on placed.
  for (uint32_t r = 0; r < 9; ++r) {
    for (uint32_t i = 0; i < 9; ++i) group[i] = rowTile(r, i);
    placed = FillOptions(moves, group) || placed;
  }
  if (!Solveable()) return false;
  for (uint32_t c = 0; c < 9; ++c) {
    for (uint32_t i = 0; i < 9; ++i) group[i] = columnTile(c, i);
    placed = FillOptions(moves, group) || placed;
  }
  if (!Solveable()) return false;
  for (uint32_t b = 0; b < 9; ++b) {
    for (uint32_t i = 0; i < 9; ++i) group[i] = boxTile(b, i);
    placed = FillOptions(moves, group) || placed;
  }
  return placed && Solveable();
}

bool Board::FillOptions(MoveList& moves, const std::vector<uint32_t>& group) {
  int counter[9] = {};
  uint32_t where[9] = {};
  for (const uint32_t tile : group) {
    const DigitSet& options = tiles[tile].options;
    if (options.count == 0) continue;
    // n counts the flags looked at; a count above the set flags would run
    // past the ninth digit.
    int n = 0;
    for (int found = 0; found < options.count;) {
      const int d = n++;
      assert(n <= 9);
      if (options.digits[d]) {
        ++counter[d];
        where[d] = tile;
        ++found;
      }
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
        const int32_t value = lowestDigit(tiles[tile].options);
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
  std::cout << kHeader;
  for (int r = 0; r < 9; ++r) {
    std::cout << (r % 3 == 0 ? kBoxRule : kRowRule) << r + 1;
    for (int c = 0; c < 9; ++c) {
      const int32_t value = tiles[r * 9 + c].value;
      std::cout << " | ";
      if (value < 0) {
        std::cout << ' ';
      } else {
        std::cout << value + 1;
      }
    }
    std::cout << " |\n";
  }
  std::cout << kBoxRule;
}

}  // namespace model
