// SPDX-License-Identifier: GPL-3.0-or-later
// What a search allocates: nothing beyond the move list it reserves at its
// start. This program replaces the global operator new to count the calls,
// so it is built on its own, apart from the other core tests.
#include <atomic>
#include <cstdlib>
#include <iostream>
#include <new>
#include <streambuf>
#include <string>

#include <gtest/gtest.h>

#include "solver/sudoku-solve.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* allocate(std::size_t size) {
  if (counting) ++allocations;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace {

// Standard output swallowed without a buffer that grows: the search's board
// dumps must not count as its own allocations.
class Discard : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// How many times Solve allocated for the grid, and whether it solved it.
long allocationsDuring(const std::string& grid, bool* solved) {
  Board board;
  int empty = 0;
  for (uint32_t tile = 0; tile < 81; ++tile) {
    if (grid[tile] >= '1' && grid[tile] <= '9') {
      board.Set(tile, grid[tile] - '1');
    } else {
      ++empty;
    }
  }
  MoveList moves;
  Discard discard;
  std::streambuf* const saved = std::cout.rdbuf(&discard);
  allocations = 0;
  counting = true;
  *solved = board.Solve(moves);
  counting = false;
  std::cout.rdbuf(saved);
  EXPECT_GE(moves.capacity(), static_cast<std::size_t>(empty)) << grid;
  return allocations;
}

TEST(SolverAllocationTest, ASearchAllocatesOnlyItsMoveList) {
  const struct {
    std::string grid;
    bool solvable;
    long allocations = 1;
  } cases[] = {
      // Long searches that backtrack past the tenth move and print.
      {"800000000003600000070090200050007000000045700000100030001000068008500010090000400", true},
      {"000000039000001005003050800008090006070002000100400000009080050020000600400700000", true},
      {std::string(81, '0'), true},
      // Refuted only by searching.
      {"800000000506020090072000000089007060000089300000062400204030000030000004060070200", false},
      // Solved by deduction alone.
      {"530070000600195000098000060800060003400803001700020006060000280000419005000080079", true},
      // Nothing to search: not even the list.
      {"534678912672195348198342567859761423426853791713924856961537284287419635345286179", true, 0},
  };
  for (const auto& c : cases) {
    bool solved = !c.solvable;
    EXPECT_EQ(allocationsDuring(c.grid, &solved), c.allocations) << c.grid;
    EXPECT_EQ(solved, c.solvable) << c.grid;
  }
}

TEST(SolverAllocationTest, CountingSeesAnAllocation) {
  // Without this the counts above could be zero for want of counting.
  allocations = 0;
  counting = true;
  std::string* text = new std::string(100, 'x');
  counting = false;
  delete text;
  EXPECT_GE(allocations, 1);
}

}  // namespace
