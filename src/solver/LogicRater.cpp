// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/LogicRater.h"

#include <algorithm>

#include "solver/DigitMask.h"
#include "solver/LogicBoard.h"
#include "solver/SolutionCounter.h"

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

// The easiest step the board offers.
Progress findStep(const LogicBoard& board, LogicStep& step) {
  Progress found = findNakedSingle(board, step);
  if (found != Progress::Stalled) return found;
  found = findHiddenSingle(board, step);
  if (found != Progress::Stalled) return found;
  const DigitPlaces places = digitPlaces(board);
  const bool any = findLockedCandidates(places, step) || findNakedSubset(board, 2, step) ||
                   findHiddenSubset(board, places, 2, step) || findNakedSubset(board, 3, step) ||
                   findHiddenSubset(board, places, 3, step) || findFish(places, 2, step) || findFish(places, 3, step) ||
                   findXYWing(board, step);
  return any ? Progress::Step : Progress::Stalled;
}

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
  while (board.empty > 0) {
    LogicStep step;
    const Progress found = findStep(board, step);
    if (found == Progress::Contradiction) return Rating{Technique::NoSolution, rating.steps};
    if (found == Progress::Stalled) {
      // The techniques are sound, so only a search can tell a grid they
      // cannot finish from one that has no solution at all.
      rating.technique = countSolutions(puzzle, 1) == 0 ? Technique::NoSolution : Technique::Search;
      return rating;
    }
    if (step.cell >= 0) {
      board.Place(static_cast<uint32_t>(step.cell), step.digit);
    } else {
      board.RuleOut(step.ruledOutCells, step.ruledOut);
    }
    rating.technique = std::max(rating.technique, step.technique);
    ++rating.steps;
    if (steps) steps->push_back(step);
  }
  return rating;
}
