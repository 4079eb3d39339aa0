// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ReasoningWay.h"

#include <algorithm>
#include <cstring>

#include "solver/DigitMask.h"
#include "solver/LogicBoard.h"

namespace {

// The board as the steps before the single leave it, and which step took
// each candidate away: a step rests on the steps that took away the
// candidates whose absence it reasons from.
class Replay {
 public:
  explicit Replay(const std::string& grid) {
    for (uint32_t cell = 0; cell < kTiles; ++cell) {
      if (grid[cell] >= '1' && grid[cell] <= '9') board_.Place(cell, grid[cell] - '1');
    }
    std::memset(takenBy_, -1, sizeof takenBy_);
  }

  const LogicBoard& board() const { return board_; }

  // Applies the rule-out step with index `index`, noting what it took.
  void RuleOut(const LogicStep& step, int index) {
    forEachTile(step.ruledOutCells, [&](uint32_t cell) {
      forEachDigit(board_.options[cell] & step.ruledOut, [&](int d) { takenBy_[cell][d] = static_cast<int16_t>(index); });
    });
    board_.RuleOut(step.ruledOutCells, step.ruledOut);
  }

  // The steps a step with index `index` rests on, on the board as it is now.
  std::vector<int> Premises(const LogicStep& step, int index) const {
    std::vector<int> steps;
    switch (step.technique) {
      case Technique::NakedSingle:
      case Technique::NakedPair:
      case Technique::NakedTriple:
      case Technique::XYWing:
        // Each of the cells holds only the candidates it holds.
        forEachTile(step.cells, [&](uint32_t cell) { Taken(cell, kAllDigits, steps); });
        break;
      case Technique::HiddenSingle:
      case Technique::HiddenPair:
      case Technique::HiddenTriple:
        // The digits can go nowhere else in the group.
        Elsewhere(step.groups, step.digits, step.cells, steps);
        break;
      case Technique::LockedCandidates:
        // The digit can go nowhere else in the group it is locked in, the
        // one that loses nothing.
        Elsewhere(step.groups & ~groupsRulingOut(step), step.digits, step.cells, steps);
        break;
      case Technique::XWing:
      case Technique::Swordfish:
        // The digit can go nowhere else in the base lines: the lines of the
        // kind that loses nothing.
        Elsewhere(fishBase(step), step.digits, step.cells, steps);
        break;
      default:
        for (int i = 0; i < index; ++i) steps.push_back(i);
        break;
    }
    std::sort(steps.begin(), steps.end());
    steps.erase(std::unique(steps.begin(), steps.end()), steps.end());
    return steps;
  }

 private:
  // The steps that took any of the digits from an empty cell.
  void Taken(uint32_t cell, unsigned digits, std::vector<int>& steps) const {
    if (board_.value[cell] >= 0) return;
    forEachDigit(digits & ~board_.options[cell], [&](int d) {
      if (takenBy_[cell][d] >= 0) steps.push_back(takenBy_[cell][d]);
    });
  }
  void Elsewhere(uint32_t groups, unsigned digits, TileSet cells, std::vector<int>& steps) const {
    for (uint32_t g = 0; g < 27; ++g) {
      if ((groups >> g) & 1u) forEachTile(kGeometry.groupBits[g] & ~cells, [&](uint32_t c) { Taken(c, digits, steps); });
    }
  }
  LogicBoard board_;
  int16_t takenBy_[kTiles][9];
};

LogicStep single(Technique technique, uint32_t cell, int digit, uint32_t groups) {
  LogicStep step;
  step.technique = technique;
  step.cells = tileBit(cell);
  step.digits = static_cast<uint16_t>(1u << digit);
  step.groups = groups;
  step.cell = static_cast<int8_t>(cell);
  step.digit = static_cast<int8_t>(digit);
  return step;
}

// Every single the board offers: naked ones cell by cell, then hidden ones
// group by group.
std::vector<LogicStep> singles(const LogicBoard& board) {
  std::vector<LogicStep> found;
  for (uint32_t cell = 0; cell < kTiles; ++cell) {
    if (board.value[cell] < 0 && digitCount(board.options[cell]) == 1)
      found.push_back(single(Technique::NakedSingle, cell, lowestDigit(board.options[cell]), kGeometry.groupsOf[cell]));
  }
  const DigitPlaces places = digitPlaces(board);
  for (uint32_t g = 0; g < 27; ++g) {
    for (int d = 0; d < 9; ++d) {
      if (digitCount(places.of[g][d]) == 1)
        found.push_back(single(Technique::HiddenSingle, kGeometry.groupTiles[g][lowestDigit(places.of[g][d])], d, 1u << g));
    }
  }
  return found;
}

// The steps that `direct` rests on, and those they rest on in turn, as a
// mark for each step.
std::vector<bool> restsOn(const std::vector<int>& direct, const std::vector<std::vector<int>>& premises) {
  std::vector<bool> needed(premises.size(), false);
  std::vector<int> open = direct;
  while (!open.empty()) {
    const int i = open.back();
    open.pop_back();
    if (needed[i]) continue;
    needed[i] = true;
    open.insert(open.end(), premises[i].begin(), premises[i].end());
  }
  return needed;
}

WayStep wayStep(const LogicStep& step, const LogicBoard& board) {
  WayStep taken;
  taken.step = step;
  std::copy(std::begin(board.options), std::end(board.options), taken.options);
  return taken;
}

}  // namespace

uint32_t groupsRulingOut(const LogicStep& step) {
  uint32_t ruling = 0;
  for (uint32_t g = 0; g < 27; ++g) {
    if ((step.groups >> g) & 1u && !(kGeometry.groupBits[g] & step.ruledOutCells).Empty()) ruling |= 1u << g;
  }
  return ruling;
}

uint32_t fishBase(const LogicStep& step) {
  const uint32_t rows = step.groups & 0x1FFu;
  return (groupsRulingOut(step) & rows) == 0 ? rows : step.groups & ~rows;
}

ReasoningWay wayToNextDigit(const std::string& grid) {
  ReasoningWay way;
  std::vector<LogicStep> steps;
  const Rating rating = rateGrid(grid.c_str(), &steps);
  if (rating.technique == Technique::Conflict || rating.technique == Technique::NoSolution) {
    way.end = ReasoningWay::End::Wrong;
    return way;
  }
  const auto first = std::find_if(steps.begin(), steps.end(), [](const LogicStep& s) { return s.cell >= 0; });
  if (first == steps.end()) {
    // Only a full grid rates below Search without a step.
    way.end = steps.empty() && rating.technique < Technique::Search ? ReasoningWay::End::Full
                                                                      : ReasoningWay::End::Stalled;
    return way;
  }
  const int count = static_cast<int>(first - steps.begin());
  Replay replay(grid);
  std::vector<std::vector<int>> premises;
  std::vector<WayStep> taken;
  for (int i = 0; i < count; ++i) {
    premises.push_back(replay.Premises(steps[i], i));
    taken.push_back(wayStep(steps[i], replay.board()));
    replay.RuleOut(steps[i], i);
  }
  // The rater's own single first, so that it wins a tie.
  std::vector<LogicStep> ends = singles(replay.board());
  ends.insert(ends.begin(), *first);
  std::vector<bool> best;
  const LogicStep* chosen = nullptr;
  for (const LogicStep& end : ends) {
    const std::vector<bool> needed = restsOn(replay.Premises(end, count), premises);
    if (!chosen || std::count(needed.begin(), needed.end(), true) < std::count(best.begin(), best.end(), true)) {
      best = needed;
      chosen = &end;
    }
  }
  for (int i = 0; i < count; ++i) {
    if (best[i]) way.steps.push_back(taken[i]);
  }
  way.steps.push_back(wayStep(*chosen, replay.board()));
  way.end = ReasoningWay::End::Digit;
  return way;
}
