// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/GridLooks.h"

#include "grid/GridReader.h"

namespace {

bool isDigit(char c) { return c >= '1' && c <= '9'; }

}  // namespace

bool isSolvedGrid(const std::string& grid) {
  return readGridText(grid.c_str(), nullptr, nullptr, nullptr, nullptr) == kCellCount;
}

void textLooks(const std::string& grid, int focus, bool solved, TextLook* looks) {
  const char focused = focus >= 0 && focus < kCellCount ? grid[focus] : '0';
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (!isDigit(grid[cell])) {
      looks[cell] = TextLook::Plain;
    } else if (solved) {
      looks[cell] = TextLook::Solved;
    } else {
      looks[cell] = grid[cell] == focused ? TextLook::SameDigit : TextLook::Plain;
    }
  }
}
