// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/CellColours.h"
#include "play/GridLooks.h"
#include "shell/App.h"
#include "shell/Translation.h"

namespace {

// Text colours only, so that a conflict's red background and a given's
// missing frame stay as they are: a clear blue for the digit under the
// focus, a green for a grid the player has solved, a dark red, readable on
// the conflict's red too, for a digit Check Digits found wrong.
const Gdk::Color* textColour(TextLook look) {
  static const Gdk::Color sameDigit("#1a5fb4");
  static const Gdk::Color solved("#1b7a34");
  static const Gdk::Color wrong("#a51d2d");
  switch (look) {
    case TextLook::Wrong:
      return &wrong;
    case TextLook::SameDigit:
      return &sameDigit;
    case TextLook::Solved:
      return &solved;
    case TextLook::Plain:
      break;
  }
  return nullptr;
}

}  // namespace

// The one place that colours the digits, after the conflict marking.
void App::showLooks() {
  const bool solved = history.current().solved;
  const std::string grid = getString();
  const int focus = focusedCell();
  TextLook looks[kCellCount];
  textLooks(grid, focus, solved, looks);
  // A wrong digit stays red under the focus's blue.
  const std::bitset<81>& wrong = wrongDigits.in(grid);
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (wrong[cell]) looks[cell] = TextLook::Wrong;
    setColour(cellAt(cell / 9, cell % 9), CellColour::Text, textColour(looks[cell]));
  }
  highlightNotes(focus >= 0 ? grid[focus] : '0');
  if (!window) return;
  // What the green says, for a screen reader to announce.
  const Glib::ustring description = solved ? _("Solved: every row, column and box holds the digits 1 to 9.") : "";
  Glib::RefPtr<Atk::Object> accessible = window->get_accessible();
  if (accessible->get_description() != description) accessible->set_description(description);
}
