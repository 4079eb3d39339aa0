// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/GridReader.h"
#include "shell/App.h"

// A grid with a digit, none of them repeated: a repeat would be locked in
// where the player could never mend it.
bool App::canLockDigits() { return readGridText(getString().data(), nullptr, nullptr, nullptr, nullptr) > 0; }

// Lock Digits As Givens: every digit becomes a given, as Generate's are, for
// a puzzle typed in from a newspaper or opened from a file. A grid whose
// digits are all givens already is left as it is, so no undo step.
void App::lockDigits() {
  if (!canLockDigits()) return;
  writeGrid(getString(), true);
  recordChange(false);
}
