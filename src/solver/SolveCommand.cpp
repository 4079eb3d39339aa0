// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/App.h"
#include "shell/ErrorMarkup.h"
#include "shell/Translation.h"
#include "solver/SolveGivens.h"

namespace {

std::string solveFailedMarkup() {
  return errorMarkup(_("Solving failed!"),
                     _("The problem could not be solved.  This is probably because it is insolvable.  If you are "
                       "absolutely certain that the initial grid is valid, please send it to the Tessary developers."));
}

}  // namespace

void App::solvePuzzle() {
  Placement placements[kCellCount];
  unsigned char shown[kCellCount] = {};
  unsigned char used[kUsedTablesSize] = {};

  // A repeated digit is painted red by the reader; nothing more, but undo
  // must come back to the grid with its marks as they now are.
  const int top = readGrid(placements, used, shown);
  if (top < 0) {
    recordChange(false);
    return;
  }

  MoveList moves;
  if (solveGivens(placements, top, shown, moves)) {
    // Every cell is marked shown, so the whole solution appears locked.
    showPuzzle(placements, shown);
    return;
  }
  // The grid stays as the player left it.
  showError(solveFailedMarkup());
}
