// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/GridReader.h"
#include "shell/App.h"
#include "solver/SolutionCounter.h"

// A grid with a digit, none of them repeated: a repeat would be locked in
// where the player could never mend it.
bool App::canLockDigits() { return readGridText(getString().data(), nullptr, nullptr, nullptr, nullptr) > 0; }

// Lock Digits As Givens: every digit becomes a given, as Generate's are, for
// a puzzle typed in from a newspaper or opened from a file. A grid whose
// digits are all givens already is left as it is, so no undo step. Digits
// that no solution completes would leave a puzzle nobody can finish: they
// stay as they are, and Count Solutions' message says why.
void App::lockDigits() {
  if (!canLockDigits()) return;
  if (countSolutions(getString().c_str(), 1) == 0) {
    showSolutionCount();
    return;
  }
  writeGrid(getString(), true);
  recordChange(false);
}
