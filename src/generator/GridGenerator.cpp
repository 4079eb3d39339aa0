// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/GridGenerator.h"

#include <cstdlib>

#include "generator/SeedCode.h"

namespace {

unsigned char& rowFlag(unsigned char* used, const Placement& p) { return used[p.row * 9 + p.value]; }
unsigned char& colFlag(unsigned char* used, const Placement& p) {
  return used[kColumnFlags + p.col * 9 + p.value];
}
unsigned char& boxFlag(unsigned char* used, const Placement& p) {
  return used[kBoxFlags + p.box * 9 + p.value];
}

}  // namespace

int fillGrid(Placement* placements, int start, unsigned char* used, unsigned char* filled) {
  if (start < 0 || start >= kCellCount) return -1;
  int i = start;     // the cursor: the placement being worked on
  int origin = 0;    // the cell from which the next free cell is searched
  bool starting = true;
  for (;;) {
    Placement& p = placements[i];
    if (starting) {
      int cell = origin;
      while (cell < kCellCount && filled[cell] == 1) ++cell;
      if (cell == kCellCount) return 0;  // a handed-in grid that was already full
      p.cell = cell;
      p.row = cell / 9;
      p.col = cell % 9;
      p.box = boxOf(p.row, p.col);
      p.tries = 0;
      p.value = std::rand() % 9;
    }

    // Digits from the random start onwards, wrapping from 8 to 0.
    bool placed = false;
    while (p.tries <= 8) {
      if (p.value == 9) p.value = 0;
      if (rowFlag(used, p) == 0 && colFlag(used, p) == 0 && boxFlag(used, p) == 0) {
        rowFlag(used, p) = colFlag(used, p) = boxFlag(used, p) = 1;
        filled[p.cell] = 1;
        placed = true;
        break;
      }
      ++p.value;
      ++p.tries;
    }

    if (placed) {
      if (i == kCellCount - 1) return 0;
      origin = p.cell;
      ++i;
      starting = true;
      continue;
    }

    // Every digit failed here: take back earlier placements until one still
    // has digits left to try, and go on with its next digit.
    do {
      if (i == start) return -1;
      Placement& back = placements[--i];
      rowFlag(used, back) = colFlag(used, back) = boxFlag(used, back) = 0;
      filled[back.cell] = 0;
      ++back.value;
      ++back.tries;
      origin = back.cell;
    } while (placements[i].tries >= 9);
    starting = false;
  }
}

int digHoles(unsigned char* shown, int target) {
  if (target < 2) return 0;
  int pairs = target / 2;
  // The draws below repeat until they find a pair still shown; asking for
  // more pairs than are left would never end.
  int left = 0;
  for (int cell = 0; cell <= kCellCount / 2; ++cell) {
    if (shown[cell] != 0 && shown[kCellCount - 1 - cell] != 0) ++left;
  }
  const bool enough = pairs <= left;
  if (!enough) pairs = left;

  for (int removed = 0; removed < pairs;) {
    const int pos = std::rand() % kCellCount;
    const int partner = kCellCount - 1 - pos;
    if (shown[pos] == 0 || shown[partner] == 0) continue;
    shown[pos] = 0;
    shown[partner] = 0;
    ++removed;
  }
  return enough ? 0 : -1;
}

void fillSeededGrid(int seed, Placement* placements, unsigned char* shown) {
  std::srand(static_cast<unsigned>(seed));
  for (int i = 0; i < kCellCount; ++i) placements[i] = Placement{};
  unsigned char used[kUsedTablesSize] = {};
  for (int i = 0; i < kCellCount; ++i) shown[i] = 0;
  fillGrid(placements, 0, used, shown);
}

void preparePuzzle(int seed, float difficulty, Placement* placements, unsigned char* shown) {
  fillSeededGrid(seed, placements, shown);
  digHoles(shown, holeTarget(difficulty));
}

std::string givensString(const Placement* placements, const unsigned char* shown) {
  std::string text(kCellCount, '0');
  for (int i = 0; i < kCellCount; ++i) {
    const Placement& p = placements[i];
    if (p.cell < 0 || p.cell >= kCellCount || p.value < 0 || p.value > 8) continue;
    if (shown[p.cell] != 0) text[p.cell] = static_cast<char>('1' + p.value);
  }
  return text;
}
