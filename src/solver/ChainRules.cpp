// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstring>

#include "solver/DigitMask.h"
#include "solver/LogicBoard.h"
#include "solver/StepScore.h"

// Alternating inference chains: candidate to candidate, links that alternate
// between strong (of two candidates one is true: the two of a cell with two,
// or a digit's two places in a group) and weak (they cannot both be true:
// two of one cell, or one digit in two cells that see each other). From a
// candidate assumed false, each strong link makes the next true and each weak
// link the next false; a chain that ends on a true candidate proves that one
// of its two ends is true, so every candidate weakly linked to both is false.

namespace {

// The kinds of chain, the easiest first: their base scores in tenths, and
// how much each step of lengthScore adds. Fitted to the ratings of 840
// puzzles: a long chain on one digit is much harder to see than a short one.
enum class Kind { X, XY, Mixed };
constexpr int kBase[] = {58, 62, 63};
constexpr int kPerLength[] = {3, 1, 1};

int scoreFor(Kind kind, int candidates) {
  const int k = static_cast<int>(kind);
  return kBase[k] + kPerLength[k] * lengthScore(candidates);
}
constexpr Technique kTechnique[] = {Technique::XChain, Technique::XYChain, Technique::AlternatingChain};
constexpr int kMaxNodes = 24;

struct Candidates {
  const LogicBoard& board;
  DigitCells cells;
  DigitPlaces places;
  explicit Candidates(const LogicBoard& b) : board(b), cells(digitCells(b)), places(digitPlaces(b)) {}
  bool has(uint32_t cell, int digit) const { return (board.options[cell] >> digit) & 1u; }
};

// A breadth-first search from one candidate assumed false. Nodes are
// candidate * 2 + on.
class ChainSearch {
 public:
  ChainSearch(const Candidates& c, Kind kind) : c_(c), kind_(kind) {}

  // The shortest chain from start that rules something out and scores below
  // best, into step; best lowered to its score.
  bool From(int start, int& best, LogicStep& step) {
    std::memset(parent_, -1, sizeof parent_);
    int queue[2 * 729];
    int head = 0, tail = 0;
    queue[tail++] = start * 2;
    parent_[start * 2] = start * 2;
    depth_[start * 2] = 1;
    while (head < tail) {
      const int node = queue[head++];
      if (scoreFor(kind_, depth_[node] + 1) >= best || depth_[node] >= kMaxNodes) break;
      const int cand = node / 2;
      const uint32_t cell = static_cast<uint32_t>(cand / 9);
      const int digit = cand % 9;
      bool found = false;
      const auto reach = [&](uint32_t toCell, int toDigit, bool on) {
        const int next = (static_cast<int>(toCell) * 9 + toDigit) * 2 + (on ? 1 : 0);
        if (found || parent_[next] >= 0) return;
        parent_[next] = node;
        depth_[next] = depth_[node] + 1;
        queue[tail++] = next;
        if (on && Conclude(start, next, best, step)) found = true;
      };
      if (node % 2 == 0) {
        // Strong links out of a false candidate.
        const unsigned options = c_.board.options[cell];
        if (kind_ != Kind::X && digitCount(options) == 2) reach(cell, lowestDigit(options & ~(1u << digit)), true);
        if (kind_ != Kind::XY) {
          for (uint32_t groups = kGeometry.groupsOf[cell]; groups != 0; groups &= groups - 1) {
            const uint32_t g = static_cast<uint32_t>(__builtin_ctz(groups));
            if (digitCount(c_.places.of[g][digit]) != 2) continue;
            reach(lowestTile(groupCells(g, c_.places.of[g][digit]) & ~tileBit(cell)), digit, true);
          }
        }
      } else {
        // Weak links out of a true one.
        if (kind_ != Kind::X) {
          forEachDigit(c_.board.options[cell] & ~(1u << digit), [&](int d) { reach(cell, d, false); });
        }
        if (kind_ != Kind::XY || digitCount(c_.board.options[cell]) == 2) {
          forEachTile(kGeometry.peerBits[cell] & c_.cells.of[digit], [&](uint32_t peer) {
            if (kind_ != Kind::XY || digitCount(c_.board.options[peer]) == 2) reach(peer, digit, false);
          });
        }
      }
      if (found) return true;
    }
    return false;
  }

 private:
  // Whether the chain from start to the true candidate at node rules
  // anything out; if so, it fills step.
  bool Conclude(int start, int node, int& best, LogicStep& step) {
    const uint32_t a = static_cast<uint32_t>(start / 9), b = static_cast<uint32_t>(node / 2 / 9);
    const int da = start % 9, db = node / 2 % 9;
    if (kind_ == Kind::XY && da != db) return false;
    TileSet losing;
    unsigned digits = 0;
    if (da == db) {
      losing = kGeometry.peerBits[a] & kGeometry.peerBits[b] & c_.cells.of[da];
      digits = 1u << da;
    } else if (a == b) {
      losing = tileBit(a);
      digits = c_.board.options[a] & ~(1u << da | 1u << db);
    } else if (!(kGeometry.peerBits[a] & tileBit(b)).Empty() && (c_.has(a, db) || c_.has(b, da))) {
      losing = tileBit(c_.has(a, db) ? a : b);
      digits = 1u << (c_.has(a, db) ? db : da);
    }
    if (losing.Empty() || digits == 0) return false;
    step = LogicStep{};
    step.technique = kTechnique[static_cast<int>(kind_)];
    for (int at = node;; at = parent_[at]) {
      const int cand = at / 2;
      step.chain.insert(step.chain.begin(), ChainNode{static_cast<int8_t>(cand / 9), static_cast<int8_t>(cand % 9),
                                                      at % 2 == 1});
      step.cells |= tileBit(static_cast<uint32_t>(cand / 9));
      step.digits = static_cast<uint16_t>(step.digits | 1u << (cand % 9));
      if (parent_[at] == at) break;
    }
    step.ruledOutCells = losing;
    step.ruledOut = static_cast<uint16_t>(digits);
    step.score = static_cast<uint8_t>(scoreFor(kind_, static_cast<int>(step.chain.size())));
    best = step.score;
    return true;
  }

  const Candidates& c_;
  Kind kind_;
  int16_t parent_[2 * 729];
  uint8_t depth_[2 * 729];
};

}  // namespace

bool findChain(const LogicBoard& board, LogicStep& step) {
  const Candidates candidates(board);
  int best = 256;
  for (Kind kind : {Kind::X, Kind::XY, Kind::Mixed}) {
    ChainSearch search(candidates, kind);
    for (uint32_t cell = 0; cell < kTiles; ++cell) {
      forEachDigit(board.options[cell], [&](int d) { search.From(static_cast<int>(cell) * 9 + d, best, step); });
    }
  }
  return best < 256;
}
