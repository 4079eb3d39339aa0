// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/CellColours.h"
#include "play/GridLooks.h"
#include "shell/App.h"
#include "shell/Translation.h"

namespace {

// Text colours only, so that a conflict's red background and a given's
// missing frame stay as they are: a clear blue for the digit under the
// focus, a green for a grid the player has solved.
Gdk::Color textColour(TextLook look) { return Gdk::Color(look == TextLook::SameDigit ? "#1a5fb4" : "#1b7a34"); }

void paintText(Gtk::Entry& cell, TextLook look) {
  const Gdk::Color colour = textColour(look);
  setColour(cell, CellColour::Text, look == TextLook::Plain ? nullptr : &colour);
}

}  // namespace

// The one place that colours the digits, after the conflict marking.
void App::showLooks() {
  const bool solved = history.current().solved;
  TextLook looks[kCellCount];
  textLooks(getString(), focusedCell(), solved, looks);
  for (int cell = 0; cell < kCellCount; ++cell) paintText(cellAt(cell / 9, cell % 9), looks[cell]);
  if (!window) return;
  // What the green says, for a screen reader to announce.
  const Glib::ustring description = solved ? _("Solved: every row, column and box holds the digits 1 to 9.") : "";
  Glib::RefPtr<Atk::Object> accessible = window->get_accessible();
  if (accessible->get_description() != description) accessible->set_description(description);
}
