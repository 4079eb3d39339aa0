// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Explanation.h"
#include "shell/App.h"

// Tells the next step of the reasoning on the grid as it stands, the
// player's digits counted as givens, with the focus on the cell it fills.
void App::explain() {
  const Explanation next = explainGrid(getString());
  if (next.cell >= 0) cellAt(next.cell / 9, next.cell % 9).grab_focus();
  Gtk::MessageDialog message(*window, next.text, false, Gtk::MESSAGE_INFO, Gtk::BUTTONS_OK, true);
  message.run();
}
