// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/App.h"
#include "shell/Translation.h"
#include "solver/SolutionCounter.h"

// Count Solutions: every digit in the grid counts as a given. The counter
// stops at the second solution, so any grid is answered at once, and a
// repeated digit leaves none.
void App::showSolutionCount() {
  const uint64_t count = countSolutions(getString().c_str(), 2);
  const char* text = count == 0   ? _("This puzzle has no solution.")
                     : count == 1 ? _("This puzzle has exactly one solution.")
                                  : _("This puzzle has more than one solution.");
  Gtk::MessageDialog message(*window, text, false, Gtk::MESSAGE_INFO, Gtk::BUTTONS_OK, true);
  message.run();
}
