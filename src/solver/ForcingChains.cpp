// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstring>
#include <vector>

#include "solver/DigitMask.h"
#include "solver/LogicBoard.h"
#include "solver/StepScore.h"

// Forcing chains: assume a candidate true (or false) and follow what it
// implies, recording for every implied fact the facts it follows from. A
// branch that ends in a contradiction refutes its assumption; a fact that
// every branch of a cell's candidates, or of a digit's places in a group,
// implies is true. Static chains follow a candidate's other one only where
// the grid had just two; dynamic ones every single the branch makes;
// nested ones the simpler techniques too.

namespace {

constexpr int kFacts = 2 * 729;  // candidate * 2 + on
enum Reach : uint8_t { kStatic = 0, kDynamic = 1, kNested = 2 };
// Base scores in tenths by how far the branches reach, fitted to the
// ratings of 840 puzzles: from one candidate, from a cell, from a unit.
constexpr int kBase[] = {78, 80, 90};
constexpr int kCellBase[] = {78, 80, 90};
constexpr int kUnitBase[] = {79, 80, 90};

int factOf(uint32_t cell, int digit, bool on) { return (static_cast<int>(cell) * 9 + digit) * 2 + (on ? 1 : 0); }
uint32_t cellOf(int fact) { return static_cast<uint32_t>(fact / 18); }
int digitOf(int fact) { return fact / 2 % 9; }

// The facts one assumption implies.
struct Branch {
  uint16_t options[kTiles];
  uint16_t level[kFacts];  // 0 while unknown, else the longest line of facts to it, itself counted
  uint8_t reach[kFacts];
  int32_t firstParent[kFacts];
  uint8_t parents[kFacts];
  std::vector<int16_t> pool;
  int16_t order[kFacts];
  int known = 0;
  std::vector<int16_t> conflict;  // the facts that cannot all hold; empty if none
  bool Knows(int fact) const { return level[fact] != 0; }
};

class Propagator {
 public:
  Propagator(const LogicBoard& board, bool nested) : board_(board), nested_(nested) {}

  void Run(int assumption, Branch& b) {
    std::memcpy(b.options, board_.options, sizeof b.options);
    std::memset(b.level, 0, sizeof b.level);
    b.pool.clear();
    b.known = 0;
    b.conflict.clear();
    Derive(b, assumption, nullptr, 0, kStatic);
    for (int head = 0; b.conflict.empty();) {
      if (head < b.known) {
        const int fact = b.order[head++];
        if (fact % 2 == 1) On(b, fact); else Off(b, fact);
      } else if (!nested_ || !Simpler(b)) {
        break;
      }
    }
  }

 private:
  void Derive(Branch& b, int fact, const int16_t* parents, int count, uint8_t reach) {
    if (b.Knows(fact) || !b.conflict.empty()) return;
    uint16_t level = 0;
    for (int i = 0; i < count; ++i) {
      reach = std::max(reach, b.reach[parents[i]]);
      level = std::max(level, b.level[parents[i]]);
    }
    b.level[fact] = static_cast<uint16_t>(level + 1);
    b.reach[fact] = reach;
    b.firstParent[fact] = static_cast<int32_t>(b.pool.size());
    b.parents[fact] = static_cast<uint8_t>(std::min(count, 255));
    b.pool.insert(b.pool.end(), parents, parents + std::min(count, 255));
    b.order[b.known++] = static_cast<int16_t>(fact);
    const uint32_t cell = cellOf(fact);
    if (fact % 2 == 0) b.options[cell] = static_cast<uint16_t>(b.options[cell] & ~(1u << digitOf(fact)));
    if (b.Knows(fact ^ 1)) b.conflict = {static_cast<int16_t>(fact), static_cast<int16_t>(fact ^ 1)};
  }

  void On(Branch& b, int fact) {
    const uint32_t cell = cellOf(fact);
    const int digit = digitOf(fact);
    const int16_t parent[] = {static_cast<int16_t>(fact)};
    forEachDigit(b.options[cell] & ~(1u << digit), [&](int d) { Derive(b, factOf(cell, d, false), parent, 1, kStatic); });
    forEachTile(kGeometry.peerBits[cell], [&](uint32_t peer) {
      if ((b.options[peer] >> digit) & 1u) Derive(b, factOf(peer, digit, false), parent, 1, kStatic);
    });
  }

  // A cell left with one candidate, or a digit with one place in a group,
  // makes it true: statically only where the grid offered two.
  void Off(Branch& b, int fact) {
    const uint32_t cell = cellOf(fact);
    const int digit = digitOf(fact);
    int16_t why[9];
    int count = 0;
    const unsigned left = b.options[cell];
    forEachDigit(board_.options[cell] & ~left, [&](int d) { why[count++] = static_cast<int16_t>(factOf(cell, d, false)); });
    if (left == 0) return Fail(b, why, count);
    if ((left & (left - 1)) == 0) {
      Derive(b, factOf(cell, lowestDigit(left), true), why, count, count > 1 ? kDynamic : kStatic);
    }
    for (uint32_t groups = kGeometry.groupsOf[cell]; groups != 0 && b.conflict.empty(); groups &= groups - 1) {
      const uint32_t g = static_cast<uint32_t>(__builtin_ctz(groups));
      count = 0;
      int place = -1, places = 0;
      for (uint32_t tile : kGeometry.groupTiles[g]) {
        if (!((board_.options[tile] >> digit) & 1u)) continue;
        if ((b.options[tile] >> digit) & 1u) {
          place = static_cast<int>(tile);
          ++places;
        } else {
          why[count++] = static_cast<int16_t>(factOf(tile, digit, false));
        }
      }
      // A group where the grid already holds the digit has no places for it.
      if (places == 0 && count > 0) return Fail(b, why, count);
      if (places == 1 && count > 0) {
        Derive(b, factOf(static_cast<uint32_t>(place), digit, true), why, count, count > 1 ? kDynamic : kStatic);
      }
    }
  }

  void Fail(Branch& b, const int16_t* why, int count) { b.conflict.assign(why, why + count); }

  // The first simpler technique that rules something out in the branch's
  // grid; what it rules out follows from every fact that took a candidate
  // out of the cells it looks at.
  bool Simpler(Branch& b) {
    LogicBoard grid = board_;
    for (uint32_t cell = 0; cell < kTiles; ++cell) {
      grid.options[cell] = b.options[cell];
      const unsigned o = b.options[cell];
      if (grid.value[cell] < 0 && (o & (o - 1)) == 0) {
        grid.value[cell] = static_cast<int8_t>(lowestDigit(o));
        grid.options[cell] = 0;
        --grid.empty;
      }
    }
    LogicStep step;
    const DigitPlaces places = digitPlaces(grid);
    const bool found = findLockedCandidates(places, step) || findNakedSubset(grid, 2, step) ||
                       findHiddenSubset(grid, places, 2, step) || findFish(places, 2, step) ||
                       findNakedSubset(grid, 3, step) || findHiddenSubset(grid, places, 3, step) ||
                       findFish(places, 3, step) || findXYWing(grid, step);
    if (!found) return false;
    std::vector<int16_t> why;
    forEachTile(step.cells, [&](uint32_t cell) {
      forEachDigit(board_.options[cell] & ~b.options[cell],
                   [&](int d) { why.push_back(static_cast<int16_t>(factOf(cell, d, false))); });
    });
    const int before = b.known;
    forEachTile(step.ruledOutCells, [&](uint32_t cell) {
      forEachDigit(b.options[cell] & step.ruledOut, [&](int d) {
        Derive(b, factOf(cell, d, false), why.data(), static_cast<int>(why.size()), kNested);
      });
    });
    return b.known > before || !b.conflict.empty();
  }

  const LogicBoard& board_;
  bool nested_;
};

// The distinct facts a set of facts follows from, themselves among them.
int ancestors(const Branch& b, const int16_t* facts, int count, std::vector<uint8_t>& seen) {
  seen.assign(kFacts, 0);
  std::vector<int16_t> stack(facts, facts + count);
  int total = 0;
  while (!stack.empty()) {
    const int fact = stack.back();
    stack.pop_back();
    if (seen[fact]) continue;
    seen[fact] = 1;
    ++total;
    for (int i = 0; i < b.parents[fact]; ++i) stack.push_back(b.pool[b.firstParent[fact] + i]);
  }
  return total;
}

uint8_t reachOf(const Branch& b, const std::vector<int16_t>& facts) {
  uint8_t reach = kStatic;
  for (int16_t f : facts) reach = std::max(reach, b.reach[f]);
  return reach;
}

// One line of a branch's implications, from its assumption to fact,
// following each fact's first parent.
void appendLine(const Branch& b, int fact, std::vector<ChainNode>& chain) {
  std::vector<ChainNode> line;
  for (int at = fact;; at = b.pool[b.firstParent[at]]) {
    line.push_back(ChainNode{static_cast<int8_t>(cellOf(at)), static_cast<int8_t>(digitOf(at)), at % 2 == 1});
    if (b.parents[at] == 0) break;
  }
  chain.insert(chain.end(), line.rbegin(), line.rend());
}

struct Conclusion {
  int score = 256;
  LogicStep step;
};

class ForcingSearch {
 public:
  ForcingSearch(const LogicBoard& board, bool nested) : board_(board), nested_(nested), propagate_(board, nested) {
    for (uint32_t cell = 0; cell < kTiles; ++cell) {
      forEachDigit(board.options[cell], [&](int d) {
        index_[cell * 9 + d] = static_cast<int16_t>(candidates_++);
      });
    }
    // Kept from search to search: a branch is large, and the rater asks
    // for thousands of them per puzzle.
    static thread_local std::vector<Branch> kept;
    if (kept.size() < static_cast<size_t>(candidates_) * 2) kept.resize(static_cast<size_t>(candidates_) * 2);
    branches_ = kept.data();
    for (uint32_t cell = 0; cell < kTiles; ++cell) {
      forEachDigit(board.options[cell], [&](int d) {
        for (bool on : {false, true}) propagate_.Run(factOf(cell, d, on), BranchOf(factOf(cell, d, on)));
      });
    }
  }

  bool Find(LogicStep& step) {
    for (uint32_t cell = 0; cell < kTiles; ++cell) {
      forEachDigit(board_.options[cell], [&](int d) {
        Contradiction(cell, d, true);
        Contradiction(cell, d, false);
        const int on = factOf(cell, d, true), off = factOf(cell, d, false);
        Common({on, off}, Technique::ForcingChain, -1, 0, 0);
      });
      if (digitCount(board_.options[cell]) > 2) {
        std::vector<int> from;
        forEachDigit(board_.options[cell], [&](int d) { from.push_back(factOf(cell, d, true)); });
        Common(from, Technique::CellForcingChain, static_cast<int>(cell), 0, 0);
      }
    }
    const DigitPlaces places = digitPlaces(board_);
    for (uint32_t g = 0; g < 27; ++g) {
      for (int d = 0; d < 9; ++d) {
        if (digitCount(places.of[g][d]) < 3) continue;
        std::vector<int> from;
        forEachTile(groupCells(g, places.of[g][d]), [&](uint32_t cell) { from.push_back(factOf(cell, d, true)); });
        Common(from, Technique::UnitForcingChain, -1, 1u << g, 1u << d);
      }
    }
    if (best_.score >= 256) return false;
    step = best_.step;
    return true;
  }

 private:
  Branch& BranchOf(int fact) { return branches_[static_cast<size_t>(index_[fact / 2]) * 2 + fact % 2]; }

  static Technique techniqueFor(Technique kind, uint8_t reach) {
    if (reach == kNested) return Technique::NestedForcingChain;
    if (reach == kDynamic) return Technique::DynamicForcingChain;
    return kind;
  }

  // An assumption whose branch contradicts itself: the candidate is false
  // (assumed true) or true (assumed false).
  void Contradiction(uint32_t cell, int digit, bool on) {
    const int fact = factOf(cell, digit, on);
    Branch& b = BranchOf(fact);
    if (b.conflict.empty()) return;
    const uint8_t reach = reachOf(b, b.conflict);
    const int base = kBase[reach];
    int deepest = 0;
    for (int16_t f : b.conflict) deepest = std::max<int>(deepest, b.level[f]);
    if (chainScore(base, deepest) >= best_.score) return;
    const int complexity = ancestors(b, b.conflict.data(), static_cast<int>(b.conflict.size()), seen_);
    const int score = chainScore(base, complexity);
    if (score >= best_.score) return;
    LogicStep step;
    step.technique = techniqueFor(Technique::ForcingChain, reach);
    step.cells = tileBit(cell);
    step.digits = static_cast<uint16_t>(1u << digit);
    step.ruledOutCells = tileBit(cell);
    step.ruledOut = static_cast<uint16_t>(on ? 1u << digit : board_.options[cell] & ~(1u << digit));
    step.branches = {0};
    appendLine(b, b.conflict[0], step.chain);
    if (b.conflict.size() == 2) step.chain.push_back(ChainNode{static_cast<int8_t>(cellOf(b.conflict[1])),
                                                               static_cast<int8_t>(digitOf(b.conflict[1])),
                                                               b.conflict[1] % 2 == 1});
    Keep(score, step);
  }

  // A fact that every branch from the assumptions implies.
  void Common(const std::vector<int>& from, Technique kind, int pivot, uint32_t groups, unsigned digits) {
    for (int f : from) {
      if (!BranchOf(f).conflict.empty()) return;  // a contradiction says more, and sooner
    }
    const Branch& first = BranchOf(from[0]);
    for (int i = 0; i < first.known; ++i) {
      const int fact = first.order[i];
      if (fact / 2 == from[0] / 2) continue;
      if (fact % 2 == 1 && digitCount(board_.options[cellOf(fact)]) == 1) continue;
      bool everywhere = true;
      int levels = 0;
      uint8_t reach = kStatic;
      for (int f : from) {
        const Branch& b = BranchOf(f);
        everywhere = everywhere && b.Knows(fact);
        if (!everywhere) break;
        levels += b.level[fact];
        reach = std::max(reach, b.reach[fact]);
      }
      if (!everywhere) continue;
      const int base = kind == Technique::ForcingChain   ? kBase[reach]
                       : kind == Technique::CellForcingChain ? kCellBase[reach]
                                                             : kUnitBase[reach];
      if (chainScore(base, levels) >= best_.score) continue;
      int complexity = 0;
      const int16_t target = static_cast<int16_t>(fact);
      for (int f : from) complexity += ancestors(BranchOf(f), &target, 1, seen_);
      const int score = chainScore(base, complexity);
      if (score >= best_.score) continue;
      LogicStep step;
      step.technique = techniqueFor(kind, reach);
      const uint32_t cell = cellOf(fact);
      const int digit = digitOf(fact);
      step.pivot = static_cast<int8_t>(pivot);
      step.groups = groups;
      step.digits = static_cast<uint16_t>(digits | 1u << digit);
      step.ruledOutCells = tileBit(cell);
      step.ruledOut = static_cast<uint16_t>(fact % 2 == 0 ? 1u << digit : board_.options[cell] & ~(1u << digit));
      for (int f : from) {
        step.cells |= tileBit(cellOf(f));
        step.branches.push_back(static_cast<uint8_t>(std::min<size_t>(step.chain.size(), 255)));
        appendLine(BranchOf(f), fact, step.chain);
      }
      Keep(score, step);
    }
  }

  void Keep(int score, LogicStep& step) {
    step.score = static_cast<uint8_t>(std::min(score, 255));
    best_.score = score;
    best_.step = std::move(step);
  }

  const LogicBoard& board_;
  bool nested_;
  Propagator propagate_;
  int16_t index_[729] = {};
  int candidates_ = 0;
  Branch* branches_;
  std::vector<uint8_t> seen_;
  Conclusion best_;
};

}  // namespace

bool findForcingChain(const LogicBoard& board, bool nested, LogicStep& step) {
  ForcingSearch search(board, nested);
  return search.Find(step);
}
