// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/DigitMask.h"
#include "solver/LogicBoard.h"

// Four empty cells at the corners of a rectangle over two rows, two columns
// and two boxes, three of them holding only the candidates a and b: if the
// fourth held a or b as well, a and b could swap round the corners and the
// puzzle would have two solutions. So on a puzzle with one solution the
// fourth corner holds neither.
bool findUniqueRectangle(const LogicBoard& board, LogicStep& step) {
  for (uint32_t top = 0; top < 9; ++top) {
    for (uint32_t bottom = top + 1; bottom < 9; ++bottom) {
      for (uint32_t left = 0; left < 9; ++left) {
        for (uint32_t right = left + 1; right < 9; ++right) {
          // Two boxes: the rows share a band or the columns share a stack, not both.
          if ((top / 3 == bottom / 3) == (left / 3 == right / 3)) continue;
          const uint32_t corners[4] = {top * 9 + left, top * 9 + right, bottom * 9 + left, bottom * 9 + right};
          unsigned pair = 0;
          int extra = -1, pairs = 0;
          for (int k = 0; k < 4; ++k) {
            const unsigned options = board.options[corners[k]];
            if (digitCount(options) == 2) {
              if (pairs > 0 && options != pair) break;
              pair = options;
              ++pairs;
            } else {
              extra = k;
            }
          }
          if (pairs != 3 || extra < 0 || (board.options[corners[extra]] & pair) != pair) continue;
          step.technique = Technique::UniqueRectangle;
          step.cells = TileSet{};
          for (uint32_t corner : corners) step.cells |= tileBit(corner);
          step.digits = static_cast<uint16_t>(pair);
          step.groups = 1u << top | 1u << bottom | 1u << (9 + left) | 1u << (9 + right);
          step.ruledOutCells = tileBit(corners[extra]);
          step.ruledOut = static_cast<uint16_t>(pair);
          return true;
        }
      }
    }
  }
  return false;
}
