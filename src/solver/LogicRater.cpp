// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/LogicRater.h"

#include <algorithm>

#include "solver/DigitMask.h"
#include "solver/LogicBoard.h"
#include "solver/SolutionCounter.h"
#include "solver/StepScore.h"

LogicBoard::LogicBoard() {
  std::fill(std::begin(value), std::end(value), int8_t{-1});
  std::fill(std::begin(options), std::end(options), uint16_t{kAllDigits});
}

bool LogicBoard::Place(uint32_t cell, int digit) {
  if (value[cell] >= 0 || !((options[cell] >> digit) & 1u)) return false;
  value[cell] = static_cast<int8_t>(digit);
  options[cell] = 0;
  --empty;
  RuleOut(kGeometry.peerBits[cell], static_cast<uint16_t>(1u << digit));
  return true;
}

void LogicBoard::RuleOut(TileSet cells, uint16_t mask) {
  forEachTile(cells, [&](uint32_t tile) { options[tile] = static_cast<uint16_t>(options[tile] & ~mask); });
}

DigitPlaces digitPlaces(const LogicBoard& board) {
  DigitPlaces places = {};
  for (uint32_t g = 0; g < 27; ++g) {
    for (uint32_t i = 0; i < 9; ++i) {
      forEachDigit(board.options[kGeometry.groupTiles[g][i]],
                   [&](int d) { places.of[g][d] = static_cast<uint16_t>(places.of[g][d] | 1u << i); });
    }
  }
  return places;
}

DigitCells digitCells(const LogicBoard& board) {
  DigitCells cells;
  for (uint32_t tile = 0; tile < kTiles; ++tile) {
    forEachDigit(board.options[tile], [&](int d) { cells.of[d] |= tileBit(tile); });
  }
  return cells;
}

TileSet groupCells(uint32_t group, unsigned positions) {
  TileSet cells;
  forEachDigit(positions, [&](int i) { cells |= tileBit(kGeometry.groupTiles[group][i]); });
  return cells;
}

namespace {

enum class Progress { Step, Stalled, Contradiction };

LogicStep placing(Technique technique, uint32_t cell, int digit, uint32_t groups) {
  LogicStep step;
  step.technique = technique;
  step.cells = tileBit(cell);
  step.digits = static_cast<uint16_t>(1u << digit);
  step.groups = groups;
  step.cell = static_cast<int8_t>(cell);
  step.digit = static_cast<int8_t>(digit);
  return step;
}

// The lowest empty cell with one candidate; a contradiction at an empty
// cell with none.
Progress findNakedSingle(const LogicBoard& board, LogicStep& step) {
  for (uint32_t cell = 0; cell < kTiles; ++cell) {
    if (board.value[cell] >= 0) continue;
    const unsigned options = board.options[cell];
    if (options == 0) return Progress::Contradiction;
    if ((options & (options - 1)) == 0) {
      step = placing(Technique::NakedSingle, cell, lowestDigit(options), kGeometry.groupsOf[cell]);
      return Progress::Step;
    }
  }
  return Progress::Stalled;
}

// The first group, rows before columns before boxes, with a digit that only
// one of its cells offers; a contradiction at a group with a missing digit
// that none of them offers.
Progress findHiddenSingle(const LogicBoard& board, LogicStep& step) {
  for (uint32_t g = 0; g < 27; ++g) {
    unsigned placed = 0, once = 0, twice = 0;
    for (uint32_t tile : kGeometry.groupTiles[g]) {
      if (board.value[tile] >= 0) placed |= 1u << board.value[tile];
      twice |= once & board.options[tile];
      once |= board.options[tile];
    }
    if ((kAllDigits & ~placed & ~once) != 0) return Progress::Contradiction;
    const unsigned alone = once & ~twice;
    if (alone == 0) continue;
    const int digit = lowestDigit(alone);
    for (uint32_t tile : kGeometry.groupTiles[g]) {
      if ((board.options[tile] >> digit) & 1u) {
        step = placing(Technique::HiddenSingle, tile, digit, 1u << g);
        return Progress::Step;
      }
    }
  }
  return Progress::Stalled;
}

// Whether the puzzle has exactly one solution, asked the first time a
// technique needs to know.
class Uniqueness {
 public:
  explicit Uniqueness(const char* puzzle) : puzzle_(puzzle) {}
  bool operator()() {
    if (known_ < 0) known_ = countSolutions(puzzle_, 2) == 1 ? 1 : 0;
    return known_ == 1;
  }

 private:
  const char* puzzle_;
  int known_ = -1;
};

// The easiest step the board offers.
Progress findStep(const LogicBoard& board, Uniqueness& unique, LogicStep& step) {
  Progress found = findNakedSingle(board, step);
  if (found != Progress::Stalled) return found;
  found = findHiddenSingle(board, step);
  if (found != Progress::Stalled) return found;
  const DigitPlaces places = digitPlaces(board);
  const bool any = findLockedCandidates(places, step) || findNakedSubset(board, 2, step) ||
                   findHiddenSubset(board, places, 2, step) || findNakedSubset(board, 3, step) ||
                   findHiddenSubset(board, places, 3, step) || findFish(places, 2, step) || findFish(places, 3, step) ||
                   findXYWing(board, step) || findXYZWing(board, step) ||
                   (unique() && findUniqueRectangle(board, step)) || findNakedSubset(board, 4, step) ||
                   findFish(places, 4, step) || findHiddenSubset(board, places, 4, step) || findWWing(board, step) ||
                   findChain(board, step) || findForcingChain(board, false, step) ||
                   findForcingChain(board, true, step);
  return any ? Progress::Step : Progress::Stalled;
}

// A step's score: a chain's comes with it.
int scoreOf(const LogicStep& step) {
  if (step.technique == Technique::WWing) return 63;
  if (step.score > 0) return step.score;
  return fixedScore(step);
}

// The score of a grid that singles finish, as a player who looks for hidden
// singles in the boxes first, then along the lines, and for naked singles
// last would take them: the hardest kind of single that order needs.
int singlesScore(LogicBoard board) {
  int score = 0;
  while (board.empty > 0) {
    int cell = -1, digit = -1, kind = 23;
    for (uint32_t pass = 0; pass < 2 && cell < 0; ++pass) {
      const uint32_t from = pass == 0 ? 18 : 0, to = pass == 0 ? 27 : 18;
      for (uint32_t g = from; g < to && cell < 0; ++g) {
        unsigned once = 0, twice = 0;
        for (uint32_t tile : kGeometry.groupTiles[g]) {
          twice |= once & board.options[tile];
          once |= board.options[tile];
        }
        if ((once & ~twice) == 0) continue;
        digit = lowestDigit(once & ~twice);
        for (uint32_t tile : kGeometry.groupTiles[g]) {
          if ((board.options[tile] >> digit) & 1u) cell = static_cast<int>(tile);
        }
        kind = pass == 0 ? 12 : 15;
      }
    }
    for (uint32_t tile = 0; tile < kTiles && cell < 0; ++tile) {
      if (digitCount(board.options[tile]) == 1) {
        cell = static_cast<int>(tile);
        digit = lowestDigit(board.options[tile]);
      }
    }
    if (cell < 0) break;
    board.Place(static_cast<uint32_t>(cell), digit);
    score = std::max(score, kind);
  }
  return score;
}

// Beyond every technique: a puzzle that needs a search scores at least this.
constexpr int kSearchScore = 100;

}  // namespace

const char* techniqueWord(Technique technique) {
  static const char* const kWords[] = {"naked-single",
                                       "hidden-single",
                                       "locked-candidates",
                                       "naked-pair",
                                       "hidden-pair",
                                       "naked-triple",
                                       "hidden-triple",
                                       "x-wing",
                                       "swordfish",
                                       "xy-wing",
                                       "xyz-wing",
                                       "unique-rectangle",
                                       "naked-quad",
                                       "jellyfish",
                                       "hidden-quad",
                                       "w-wing",
                                       "x-chain",
                                       "xy-chain",
                                       "alternating-chain",
                                       "forcing-chain",
                                       "cell-forcing-chain",
                                       "unit-forcing-chain",
                                       "dynamic-forcing-chain",
                                       "nested-forcing-chain",
                                       "search",
                                       "no-solution",
                                       "conflict"};
  return kWords[static_cast<int>(technique)];
}

Rating rateGrid(const char* puzzle, std::vector<LogicStep>* steps) {
  LogicBoard board;
  for (uint32_t cell = 0; cell < kTiles; ++cell) {
    const char c = puzzle[cell];
    if (c >= '1' && c <= '9' && !board.Place(cell, c - '1')) return Rating{Technique::Conflict, 0};
  }
  Rating rating{Technique::NakedSingle, 0};
  Uniqueness unique(puzzle);
  const LogicBoard givens = board;
  while (board.empty > 0) {
    LogicStep step;
    const Progress found = findStep(board, unique, step);
    if (found == Progress::Contradiction) return Rating{Technique::NoSolution, rating.steps};
    if (found == Progress::Stalled) {
      // The techniques are sound, so only a search can tell a grid they
      // cannot finish from one that has no solution at all.
      rating.technique = countSolutions(puzzle, 1) == 0 ? Technique::NoSolution : Technique::Search;
      if (rating.technique == Technique::Search) rating.score = std::max(rating.score, kSearchScore);
      return rating;
    }
    if (step.cell >= 0) {
      board.Place(static_cast<uint32_t>(step.cell), step.digit);
    } else {
      board.RuleOut(step.ruledOutCells, step.ruledOut);
    }
    step.score = static_cast<uint8_t>(scoreOf(step));
    rating.technique = std::max(rating.technique, step.technique);
    rating.score = std::max(rating.score, static_cast<int>(step.score));
    ++rating.steps;
    if (steps) steps->push_back(std::move(step));
  }
  if (rating.technique <= Technique::HiddenSingle) rating.score = singlesScore(givens);
  return rating;
}
