// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "solver/LogicRater.h"

// One step of a way, with the candidates it found: what a sentence about it
// needs beside the step itself (a wing's digits, say).
struct WayStep {
  LogicStep step;
  uint16_t options[81];  // each empty cell's candidates before the step; 0 for a filled one
};

// The reasoning from a grid as it stands to its next digit.
struct ReasoningWay {
  enum class End {
    Digit,    // steps ends with the single that places the digit
    Stalled,  // the techniques reach no digit; steps is empty
    Wrong,    // a digit repeats, or the grid has no solution
    Full,     // every cell holds a digit
  };
  End end = End::Stalled;
  // The steps that rule candidates out, in the order the rater takes them,
  // then the single.
  std::vector<WayStep> steps;
};

// What a step's record leaves to be read from it: the groups among its
// own in which it rules candidates out, and a fish's base lines (the rows
// or the columns that lose nothing).
uint32_t groupsRulingOut(const LogicStep& step);
uint32_t fishBase(const LogicStep& step);

// The way to the next digit on grid (81 chars, row-major, '1'-'9' a digit,
// anything else an empty cell), its digits all counted as givens: of the
// steps the rater takes before its first single, only those the single
// rests on, directly or through other steps; of the singles open after
// them, the one that rests on the fewest. A step of a technique whose
// premises are not known here rests on every step before it.
ReasoningWay wayToNextDigit(const std::string& grid);
