// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/App.h"
#include "shell/Translation.h"

namespace {

bool isDigit(char c) { return c >= '1' && c <= '9'; }

// What the tooltip and a screen reader say of a cell's notes; nothing for none.
Glib::ustring notesText(CellNotes shown) {
  // Translators: %1 is the digits a player noted in a cell, such as "1 4 7".
  return shown ? Glib::ustring::compose(_("Notes: %1"), noteDigits(shown)) : Glib::ustring();
}

}  // namespace

void App::changeNotes(const GridNotes& next) {
  if (next == notes) return;
  const GridSnapshot& shown = history.current();
  showNotes(next, shown.grid);
  GridSnapshot now = shown;
  now.notes = notes;
  history.record(now);
}

GridNotes App::notesAfter(const std::string& grid) {
  const std::string& before = history.current().grid;
  GridNotes tidied = notes;
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (isDigit(grid[cell]) && grid[cell] != before[cell]) tidied = tidiedNotes(tidied, grid, cell);
  }
  return tidied;
}

void App::showNotes(const GridNotes& next, const std::string& grid) {
  notes = next;
  for (int cell = 0; cell < kCellCount; ++cell) {
    const CellNotes shown = shownNotes(notes, grid, cell);
    if (shown == notesShown[cell]) continue;
    notesShown[cell] = shown;
    Gtk::Entry& entry = cellAt(cell / 9, cell % 9);
    entry.get_accessible()->set_description(notesText(shown));
    entry.queue_draw();
    // The tooltip asks for the notes when it shows: turned on with the first
    // notes and never off again, a keystroke does not restyle the cell.
    if (shown && !entry.get_has_tooltip()) {
      entry.signal_query_tooltip().connect(sigc::bind(sigc::mem_fun(*this, &App::notesTooltip), cell));
      entry.set_has_tooltip(true);
    }
  }
}

bool App::notesTooltip(int, int, bool, const Glib::RefPtr<Gtk::Tooltip>& tooltip, int cell) {
  if (!notesShown[cell]) return false;
  tooltip->set_text(notesText(notesShown[cell]));
  return true;
}

void App::highlightNotes(char digit) {
  if (!isDigit(digit)) digit = '0';
  if (digit == notesHighlight) return;
  const CellNotes changed = static_cast<CellNotes>((isDigit(digit) ? noteOf(digit - '0') : 0) |
                                                   (isDigit(notesHighlight) ? noteOf(notesHighlight - '0') : 0));
  notesHighlight = digit;
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (notesShown[cell] & changed) cellAt(cell / 9, cell % 9).queue_draw();
  }
}

void App::fillInNotes() { changeNotes(candidateNotes(notes, history.current().grid)); }

void App::clearNotes() { changeNotes(GridNotes{}); }

// The menu greys out what would change nothing.
bool App::canFillInNotes() { return candidateNotes(notes, history.current().grid) != notes; }

bool App::canClearNotes() { return notes != GridNotes{}; }
