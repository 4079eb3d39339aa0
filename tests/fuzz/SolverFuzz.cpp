// SPDX-License-Identifier: GPL-3.0-or-later
// Any grid without a repeated digit, handed to the solver as the Solve
// command hands it, and to the solver's model. No assertion may fire; both
// must give the same answer, print the same and make the same moves; a
// failure must end with the report of the grid as read and leave the
// records as they were; a success must append the moves as records.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <string>

#include "../StreamCapture.h"
#include "../core/model/ModelSolver.h"
#include "FuzzCheck.h"
#include "grid/GridReader.h"
#include "solver/SolveGivens.h"

namespace {

// The model searches the same tree as the solver, many times slower. On the
// rare grid whose search takes the solver longer than this, the model would
// stall the fuzzer without telling it anything new, and is not asked.
constexpr auto kModelBudget = std::chrono::milliseconds(20);

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

// What the model does with the grid, as the Solve command would report it.
struct ModelRun {
  bool solved;
  std::string output;  // the search's output, then the failure report
  model::MoveList moves;
};

ModelRun modelRun(const std::string& grid) {
  model::Board board;
  for (uint32_t tile = 0; tile < 81; ++tile) {
    if (grid[tile] != '0') board.Set(tile, grid[tile] - '1');
  }
  StreamCapture out(std::cout);
  board.Print();
  const std::string asRead = out.text();
  ModelRun run;
  run.solved = board.Solve(run.moves);
  run.output = out.text().substr(asRead.size());
  if (!run.solved) run.output += "NOT SOLVEABLE!\n" + asRead;
  return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string grid = gridFrom(data, size);
  Placement placements[kCellCount];
  unsigned char used[kUsedTablesSize] = {};
  unsigned char shown[kCellCount] = {};
  const int top = readGridText(grid.data(), placements, used, shown, nullptr);
  FUZZ_REQUIRE(top >= 0, "a grid without repeats reads without a conflict");
  Placement read[kCellCount];
  unsigned char readShown[kCellCount];
  for (int i = 0; i < kCellCount; ++i) read[i] = placements[i], readShown[i] = shown[i];

  // What the solver prints (its dumps while backtracking, and the failure
  // report) is collected instead of flooding the fuzzer's output.
  MoveList moves;
  bool solved;
  std::string printed;
  const auto start = std::chrono::steady_clock::now();
  {
    StreamCapture out(std::cout);
    solved = solveGivens(placements, top, shown, moves);
    printed = out.text();
  }
  if (std::chrono::steady_clock::now() - start > kModelBudget) return 0;

  const ModelRun model = modelRun(grid);
  FUZZ_REQUIRE(solved == model.solved, "the solver finds a solution exactly when the model does");
  FUZZ_REQUIRE(printed == model.output, "the solver prints what the model prints");
  if (!solved) {
    for (int i = 0; i < kCellCount; ++i) {
      FUZZ_REQUIRE(placements[i].cell == read[i].cell && placements[i].value == read[i].value &&
                       shown[i] == readShown[i],
                   "a failed solve leaves the placements and the mask as read");
    }
    return 0;
  }

  FUZZ_REQUIRE(moves.size() == model.moves.size(), "the solver makes as many moves as the model");
  for (std::size_t m = 0; m < moves.size(); ++m) {
    FUZZ_REQUIRE(moves[m].tile == model.moves[m].tile && static_cast<int>(moves[m].kind) == static_cast<int>(model.moves[m].kind) &&
                     moves[m].value == model.moves[m].value && moves[m].currentTry == model.moves[m].currentTry,
                 "the solver makes the model's moves in the model's order");
  }
  for (int i = 0; i < kCellCount; ++i) {
    const Placement& p = placements[i];
    FUZZ_REQUIRE(shown[i] == 1, "every cell is shown after a solve");
    if (i < top) {
      FUZZ_REQUIRE(p.cell == read[i].cell && p.value == read[i].value && p.tries == 0, "the givens are kept");
      continue;
    }
    const Move& move = moves[static_cast<std::size_t>(i - top)];
    FUZZ_REQUIRE(static_cast<uint32_t>(p.cell) == move.tile && static_cast<uint32_t>(p.value) == move.value &&
                     static_cast<uint32_t>(p.tries) == move.currentTry,
                 "the records after the givens are the moves in order");
    FUZZ_REQUIRE(p.row == p.cell / 9 && p.col == p.cell % 9 && p.box == boxOf(p.row, p.col),
                 "a record's row, column and box match its cell");
  }
  return 0;
}
