// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Hint.h"
#include "shell/App.h"
#include "shell/ErrorMarkup.h"
#include "shell/Translation.h"

namespace {

std::string noHintMarkup() {
  return errorMarkup(_("No hint"),
                     _("The digits entered so far cannot all be right: the grid has no solution with them."));
}

}  // namespace

// Fills an open, empty cell with the digit Solve would show there, or with
// a solution's digit when Solve's search would take long (see findHint).
void App::hint(int cell) {
  Gtk::Entry& entry = cellAt(cell / 9, cell % 9);
  if (!entry.get_editable() || !entry.get_text().empty()) return;
  const Hint found = findHint(getString(), cell);
  if (found.outcome == Hint::Digit) {
    // Written as the player would type it: filtered, marked and recorded as their own digit.
    entry.set_text(Glib::ustring(1, found.digit));
  } else if (found.outcome == Hint::Repeat) {
    // The repeats are the answer; a grid just opened has not marked them yet.
    cellChanged();
  } else {
    showError(noHintMarkup());
  }
}
