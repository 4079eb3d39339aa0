// SPDX-License-Identifier: GPL-3.0-or-later
// Any grid without a repeated digit, handed to the solver as the Solve
// command hands it. No assertion may fire; a solution must be a valid full
// grid that keeps every given; "not solvable" must be confirmed by a plain
// exhaustive search, and must leave the grid as it was read.

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>

#include "FuzzCheck.h"
#include "grid/GridReader.h"
#include "solver/SolveGivens.h"

namespace {

// Inputs whose check needs more nodes than this are skipped: on the rare
// grid that makes a plain search run for minutes, this target's own checker
// would stall the fuzzer without telling it anything new.
constexpr long kNodeBudget = 20000;

// The i-th cell (0-8) of unit 0-26: rows, then columns, then boxes.
int unitCell(int unit, int i) {
  if (unit < 9) return unit * 9 + i;
  if (unit < 18) return unit - 9 + i * 9;
  return (unit - 18) / 3 * 27 + (unit - 18) % 3 * 3 + i / 3 * 9 + i % 3;
}

// Digits 1-9 as bits 1-9.
constexpr unsigned kAllDigits = 0x3FEu;

// A plain depth-first search over digit bit masks, sharing nothing with the
// solver under test: it fills the empty cell with the fewest candidates
// first and tries each of them in turn.
class Checker {
 public:
  enum Result { Solved, NoSolution, GaveUp };

  explicit Checker(const std::string& grid) {
    for (int cell = 0; cell < 81; ++cell) {
      cells_[cell] = grid[cell] == '0' ? 0 : grid[cell] - '0';
      if (cells_[cell] != 0) mark(cell, cells_[cell], true);
    }
  }

  Result search() {
    if (++nodes_ > kNodeBudget) return GaveUp;
    int best = -1;
    unsigned bestMask = 0;
    int bestCount = 10;
    for (int cell = 0; cell < 81; ++cell) {
      if (cells_[cell] != 0) continue;
      const unsigned mask = free(cell);
      const int count = __builtin_popcount(mask);
      if (count == 0) return NoSolution;
      if (count < bestCount) best = cell, bestMask = mask, bestCount = count;
    }
    if (best < 0) return Solved;
    // A digit that no cell of a row, column or box can take any more ends
    // this branch at once; without this, a grid that is hopeless for that
    // reason alone can take millions of nodes to refute.
    for (int unit = 0; unit < 27; ++unit) {
      unsigned offered = 0;
      for (int i = 0; i < 9; ++i) {
        const int cell = unitCell(unit, i);
        offered |= cells_[cell] != 0 ? 1u << cells_[cell] : free(cell);
      }
      if (offered != kAllDigits) return NoSolution;
    }
    for (int digit = 1; digit <= 9; ++digit) {
      if (!(bestMask & (1u << digit))) continue;
      cells_[best] = digit;
      mark(best, digit, true);
      const Result result = search();
      if (result != NoSolution) return result;
      mark(best, digit, false);
      cells_[best] = 0;
    }
    return NoSolution;
  }

 private:
  static int boxOfCell(int cell) { return cell / 27 * 3 + cell % 9 / 3; }
  unsigned free(int cell) const {
    return ~(rows_[cell / 9] | cols_[cell % 9] | boxes_[boxOfCell(cell)]) & kAllDigits;
  }
  void mark(int cell, int digit, bool on) {
    const unsigned bit = 1u << digit;
    for (unsigned* unit : {&rows_[cell / 9], &cols_[cell % 9], &boxes_[boxOfCell(cell)]}) {
      *unit = on ? *unit | bit : *unit & ~bit;
    }
  }

  int cells_[81];
  unsigned rows_[9] = {}, cols_[9] = {}, boxes_[9] = {};
  long nodes_ = 0;
};

// The input as a grid: byte i gives cell i, an ASCII digit as itself and any
// other byte as its value mod 10 ('0' empty); a digit that would repeat one
// kept earlier in its row, column or box is left out, so every input makes a
// grid the Solve command would hand on.
std::string gridFrom(const std::uint8_t* data, std::size_t size) {
  std::string grid(81, '0');
  bool used[27][10] = {};
  for (std::size_t cell = 0; cell < 81 && cell < size; ++cell) {
    const std::uint8_t byte = data[cell];
    const int digit = byte >= '0' && byte <= '9' ? byte - '0' : byte % 10;
    if (digit == 0) continue;
    const int units[3] = {static_cast<int>(cell / 9), 9 + static_cast<int>(cell % 9),
                          18 + static_cast<int>(cell / 27 * 3 + cell % 9 / 3)};
    if (used[units[0]][digit] || used[units[1]][digit] || used[units[2]][digit]) continue;
    for (int unit : units) used[unit][digit] = true;
    grid[cell] = static_cast<char>('0' + digit);
  }
  return grid;
}

// The board dump of a grid, as the solver prints it.
std::string dumpOf(const std::string& grid) {
  std::string text = "    A   B   C   D   E   F   G   H   I  \n";
  for (int r = 0; r < 9; ++r) {
    text += r % 3 == 0 ? "  +===+===+===#===+===+===#===+===+===+\n" : "  +---+---+---#---+---+---#---+---+---+\n";
    text += std::to_string(r + 1);
    for (int c = 0; c < 9; ++c) text += std::string(" | ") + (grid[r * 9 + c] == '0' ? ' ' : grid[r * 9 + c]);
    text += " |\n";
  }
  return text + "  +===+===+===#===+===+===#===+===+===+\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string grid = gridFrom(data, size);
  Checker checker(grid);
  const Checker::Result expected = checker.search();
  if (expected == Checker::GaveUp) return 0;

  Placement placements[kCellCount];
  for (Placement& p : placements) p = Placement{0, 0, -1, 0, 0, 0};
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[kCellCount] = {};
  const int top = readGridText(grid.data(), placements, used, shown, nullptr);
  FUZZ_REQUIRE(top >= 0, "a grid without repeats reads without a conflict");
  Placement read[kCellCount];
  unsigned char readShown[kCellCount];
  for (int i = 0; i < kCellCount; ++i) read[i] = placements[i], readShown[i] = shown[i];

  // What the solver prints (its dumps while backtracking, and the failure
  // report) is collected instead of flooding the fuzzer's output.
  std::ostringstream printed;
  std::streambuf* const standardOutput = std::cout.rdbuf(printed.rdbuf());
  MoveList moves;
  const bool solved = solveGivens(placements, top, shown, moves);
  std::cout.rdbuf(standardOutput);

  FUZZ_REQUIRE(solved == (expected == Checker::Solved), "the solver finds a solution exactly when one exists");
  if (!solved) {
    const std::string report = "NOT SOLVEABLE!\n" + dumpOf(grid);
    const std::string out = printed.str();
    FUZZ_REQUIRE(out.size() >= report.size() && out.compare(out.size() - report.size(), report.size(), report) == 0,
                 "a failure ends with NOT SOLVEABLE! and the dump of the grid as read");
    for (int i = 0; i < kCellCount; ++i) {
      FUZZ_REQUIRE(placements[i].cell == read[i].cell && placements[i].value == read[i].value &&
                       shown[i] == readShown[i],
                   "a failed solve leaves the placements and the mask as read");
    }
    return 0;
  }

  FUZZ_REQUIRE(static_cast<int>(moves.size()) == kCellCount - top, "one move per empty cell");
  std::string solution(81, '0');
  for (int i = 0; i < kCellCount; ++i) {
    const Placement& p = placements[i];
    FUZZ_REQUIRE(p.cell >= 0 && p.cell < kCellCount && p.value >= 0 && p.value <= 8, "every record names a cell");
    FUZZ_REQUIRE(p.row == p.cell / 9 && p.col == p.cell % 9 && p.box == boxOf(p.row, p.col),
                 "a record's row, column and box match its cell");
    FUZZ_REQUIRE(solution[p.cell] == '0', "no cell is filled twice");
    solution[p.cell] = static_cast<char>('1' + p.value);
    FUZZ_REQUIRE(shown[p.cell] == 1, "every cell is shown after a solve");
    if (i < top) {
      FUZZ_REQUIRE(p.cell == read[i].cell && p.value == read[i].value && p.tries == 0, "the givens are kept");
    } else {
      const Move& move = moves[static_cast<std::size_t>(i - top)];
      FUZZ_REQUIRE(static_cast<uint32_t>(p.cell) == move.tile && static_cast<uint32_t>(p.value) == move.value &&
                       static_cast<uint32_t>(p.tries) == move.currentTry,
                   "the records after the givens are the moves in order");
      FUZZ_REQUIRE(move.kind == Forced ? move.currentTry == 1 : move.currentTry == move.value + 1,
                   "a deduced move tries once, a guess counts its digits");
    }
  }
  for (int unit = 0; unit < 27; ++unit) {
    bool seen[9] = {};
    for (int i = 0; i < 9; ++i) {
      const int digit = solution[unitCell(unit, i)] - '1';
      FUZZ_REQUIRE(!seen[digit], "no digit repeats in the solution");
      seen[digit] = true;
    }
  }
  return 0;
}
