// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/App.h"
#include "shell/Translation.h"

namespace {

Gtk::MenuItem* commandItem(const Glib::ustring& label, bool sensitive) {
  Gtk::MenuItem* item = Gtk::manage(new Gtk::MenuItem(label));
  item->set_sensitive(sensitive);
  item->show();
  return item;
}

Gtk::SeparatorMenuItem* separator() {
  Gtk::SeparatorMenuItem* item = Gtk::manage(new Gtk::SeparatorMenuItem());
  item->show();
  return item;
}

// Paste Puzzle, Copy Puzzle, Lock Digits As Givens and Count Solutions, on
// top of the menu as it is so far.
void prependPuzzleGroup(App& app, Gtk::Menu* menu) {
  Gtk::MenuItem* paste = commandItem(_("Paste Puzzle"), true);
  paste->signal_activate().connect(sigc::mem_fun(app, &App::pastePuzzle));
  Gtk::MenuItem* copy = commandItem(_("Copy Puzzle"), true);
  copy->signal_activate().connect(sigc::mem_fun(app, &App::copyPuzzle));
  Gtk::MenuItem* lock = commandItem(_("Lock Digits As Givens"), app.canLockDigits());
  lock->signal_activate().connect(sigc::mem_fun(app, &App::lockDigits));
  Gtk::MenuItem* count = commandItem(_("Count Solutions"), true);
  count->signal_activate().connect(sigc::mem_fun(app, &App::showSolutionCount));
  menu->prepend(*separator());
  for (Gtk::MenuItem* item : {count, lock, copy, paste}) menu->prepend(*item);
}

}  // namespace

// A cell's own right-click menu, with Undo, Redo and Hint, then the
// one-solution puzzle and Check Digits, then the whole puzzle's commands,
// above the entry's items. Hint serves only an open, empty cell.
void App::cellMenu(Gtk::Menu* menu, int cell) {
  prependPuzzleGroup(*this, menu);
  Gtk::MenuItem* newItem = commandItem(_("New Puzzle With One Solution"), true);
  newItem->signal_activate().connect(sigc::mem_fun(*this, &App::newOneSolutionPuzzle));
  Gtk::MenuItem* checkItem = commandItem(_("Check Digits"), canCheckDigits());
  checkItem->signal_activate().connect(sigc::mem_fun(*this, &App::checkDigits));
  menu->prepend(*separator());
  menu->prepend(*checkItem);
  menu->prepend(*newItem);

  Gtk::Entry& entry = cellAt(cell / 9, cell % 9);
  notesMenu(menu);  // prepended first, so that it ends up below Hint
  Gtk::MenuItem* undoItem = commandItem(_("Undo"), history.canUndo());
  undoItem->signal_activate().connect(sigc::mem_fun(*this, &App::undo));
  Gtk::MenuItem* redoItem = commandItem(_("Redo"), history.canRedo());
  redoItem->signal_activate().connect(sigc::mem_fun(*this, &App::redo));
  Gtk::MenuItem* hintItem = commandItem(_("Hint"), entry.get_editable() && entry.get_text().empty());
  hintItem->signal_activate().connect(sigc::bind(sigc::mem_fun(*this, &App::hint), cell));
  // Explain tells the next step of the whole grid, whichever cell was clicked.
  Gtk::MenuItem* explainItem = commandItem(_("Explain"), true);
  explainItem->signal_activate().connect(sigc::mem_fun(*this, &App::explain));

  menu->prepend(*separator());
  menu->prepend(*explainItem);
  menu->prepend(*hintItem);
  menu->prepend(*separator());
  menu->prepend(*redoItem);
  menu->prepend(*undoItem);
}
