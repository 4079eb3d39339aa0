// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/sudoku-solve.h"

#include <cassert>
#include <cstring>
#include <iostream>

#include "solver/DigitMask.h"

// Undoing a move must happen in every build: without assertions the call
// is still made, with them a failure is reported as the assertion on it.
#ifdef NDEBUG
#define UNDO_CHECKED(undo) static_cast<void>(undo)
#else
#define UNDO_CHECKED(undo) assert(undo)
#endif

namespace {

const char kHeader[] = "    A   B   C   D   E   F   G   H   I  \n";
const char kBoxRule[] = "  +===+===+===#===+===+===#===+===+===+\n";
const char kRowRule[] = "  +---+---+---#---+---+---#---+---+---+\n";

}  // namespace

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
  const Position& at = kGeometry.position[tile];
  if (!rows[at.row].Has(value)) return false;
  if (!columns[at.col].Has(value)) return false;
  if (!boxes[at.box].Has(value)) return false;

  ++filled;
  target.value = value;
  // The tile leaves the empty ones and offers nothing any more.
  const unsigned lost = target.options.digits;
  index_.TileFilled(tile, target.options.count, lost);
  target.options.RemoveAll();
  packed_.Store(tile, 0);
  rows[at.row].Remove(value);
  columns[at.col].Remove(value);
  boxes[at.box].Remove(value);

  // Every peer that still offers the digit loses it; the others are left
  // as they are.
  const unsigned digitBit = 1u << value;
  uint32_t touchedGroups = 0;
  forEachTile(index_.DigitPlaced(tile, value), [&](uint32_t peer) {
    DigitSet& options = tiles[peer].options;
    options.digits = static_cast<uint16_t>(options.digits & ~digitBit);
    --options.count;
    index_.OptionLost(peer, options.count);
    packed_.Drop(peer, digitBit);
    touchedGroups |= kGeometry.groupsOf[peer];
  });
  index_.RecheckAfterPlacing(tile, value, touchedGroups, lost & ~digitBit);
  return true;
}

bool Board::Unset(uint32_t tile) {
  if (tile >= kTiles || tiles[tile].value < 0) return false;
  const int32_t value = tiles[tile].value;
  --filled;
  tiles[tile].value = -1;
  const Position& at = kGeometry.position[tile];
  rows[at.row].Add(value);
  columns[at.col].Add(value);
  boxes[at.box].Add(value);

  // The tile takes every digit its three groups miss. Their counts match
  // their flags, so the count is that of the flags left.
  DigitSet& own = tiles[tile].options;
  own.digits = static_cast<uint16_t>(rows[at.row].digits & columns[at.col].digits & boxes[at.box].digits);
  own.count = digitCount(own.digits);
  index_.TileEmptied(tile, own.count, own.digits);
  packed_.Store(tile, own.digits);

  // Only the tile's three groups changed, and only by this digit: an empty
  // peer gets it back exactly when all three of its own groups miss it now,
  // and keeps its other options as they are.
  const unsigned digitBit = 1u << value;
  forEachTile(index_.DigitTakenBack(tile, value), [&](uint32_t peer) {
    DigitSet& options = tiles[peer].options;
    options.digits = static_cast<uint16_t>(options.digits | digitBit);
    ++options.count;
    index_.OptionRegained(peer, options.count);
    packed_.Restore(peer, digitBit);
  });
  index_.RecheckAfterTakingBack(tile, value, own.digits);
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
    const TileSet ahead = index_.Singles() & tilesFrom(from);
    const TileSet next = ahead.Empty() ? index_.Singles() : ahead;
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
  auto scan = [&](GroupKind kind) {
    const GroupTiles* const groups = &kGeometry.groupTiles[firstGroup(kind)];
    uint32_t pending = packed_.GroupsWithHiddenSingle(kind);
    while (pending != 0) {
      const uint32_t i = static_cast<uint32_t>(__builtin_ctz(pending));
      placed = FillOptions(moves, groups[i]) || placed;
      pending = packed_.GroupsWithHiddenSingle(kind) & ~0u << (i + 1);
    }
  };
  scan(GroupKind::Rows);
  if (!Solveable()) return false;
  scan(GroupKind::Columns);
  if (!Solveable()) return false;
  scan(GroupKind::Boxes);
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
    unsigned rest = options.digits & kAllDigits;
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

bool Board::Solve(MoveList& moves) { return SolveWithin(moves, UINT64_MAX) == Outcome::Solved; }

Board::Outcome Board::SolveWithin(MoveList& moves, uint64_t guesses) {
  Board& board = *this;
  // Every entry appended stands for a digit on the board, so the list never
  // outgrows the empty tiles and the search never reallocates it.
  moves.reserve(moves.size() + (kTiles - filled));
  if (filled == 81) return Outcome::Solved;

  Step step = Step::Check;
  for (;;) {
    switch (step) {
      case Step::Check:
        step = Solveable() ? Step::Deduce : Step::Backtrack;
        break;
      case Step::Deduce:
        assert(board.Solveable());
        step = Deduce(moves);
        break;
      case Step::Guess:
        if (guesses-- == 0) return Outcome::GaveUp;
        step = PlaceGuess(moves);
        break;
      case Step::Backtrack: {
        // Undoes the latest move. A deduced move is dropped with it; a
        // guess stays, to be retried with its next digit.
        if (moves.empty()) return Outcome::NoSolution;
        Move* const cur = &moves.back();
        UNDO_CHECKED(cur->Undo(board));
        if (cur->kind == Forced) {
          moves.pop_back();
        } else {
          // A guess standing tenth is shown as the board stood before it.
          if (moves.size() == 10) Print();
          step = Step::Retry;
        }
        break;
      }
      case Step::Retry: {
        // The latest guess, its tile empty, goes on upwards from the digit
        // it tried, up to digit 8; digits its groups no longer offer are
        // refused by Set. Exhausted, it is dropped.
        Move* const cur = &moves.back();
        if (guesses-- == 0) return Outcome::GaveUp;
        if (++cur->currentTry > 9) {
          moves.pop_back();
          step = Step::Backtrack;
        } else {
          cur->value = (cur->value + 1) % 9;
          if (Set(cur->tile, static_cast<int32_t>(cur->value))) {
            if (Solveable()) {
              step = Step::Deduce;
            } else {
              UNDO_CHECKED(cur->Undo(board));
            }
          }
        }
        break;
      }
      case Step::Solved:
        return Outcome::Solved;
    }
  }
}

Board::Step Board::Deduce(MoveList& moves) {
  for (;;) {
    FindSingles(moves);
    if (!Solveable()) return Step::Backtrack;
    if (filled == 81) return Step::Solved;
    const bool placed = FindHiddenSingles(moves);
    if (!Solveable()) return Step::Backtrack;
    if (filled == 81) return Step::Solved;
    if (!placed) return Step::Guess;
  }
}

Board::Step Board::PlaceGuess(MoveList& moves) {
  const uint32_t tile = TileToGuess();
  const int32_t value = lowestDigit(tiles[tile].options.digits);
  Set(tile, value);
  moves.push_back(Move{tile, Guess, static_cast<uint32_t>(value), static_cast<uint32_t>(value) + 1});
  return filled == 81 ? Step::Solved : Step::Check;
}

uint32_t Board::TileToGuess() const {
  // One pass, remembering the last tile seen with each option count and
  // stopping at the first with two. Filled tiles sit at count 0 and are
  // never chosen; the board is not full, so some tile has two or more.
  int32_t byCount[10];
  for (int32_t& entry : byCount) entry = -1;
  for (uint32_t tile = 0; tile < kTiles; ++tile) {
    byCount[tiles[tile].options.count] = static_cast<int32_t>(tile);
    if (tiles[tile].options.count == 2) break;
  }
  int32_t chosen = -1;
  for (int c = 2; c <= 9 && chosen < 0; ++c) chosen = byCount[c];
  return static_cast<uint32_t>(chosen);
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
