// SPDX-License-Identifier: GPL-3.0-or-later
#include <vector>

#include "shell/App.h"
#include "shell/Translation.h"

namespace {

// One item of the menu: greyed out when it has nothing to do.
struct Command {
  Glib::ustring label;
  bool sensitive;
  sigc::slot<void> run;
};

Gtk::MenuItem* commandItem(const Command& command) {
  Gtk::MenuItem* item = Gtk::manage(new Gtk::MenuItem(command.label));
  item->set_sensitive(command.sensitive);
  item->signal_activate().connect(command.run);
  item->show();
  return item;
}

Gtk::SeparatorMenuItem* separator() {
  Gtk::SeparatorMenuItem* item = Gtk::manage(new Gtk::SeparatorMenuItem());
  item->show();
  return item;
}

}  // namespace

// A cell's own right-click menu: the program's commands in groups between
// separators, above the entry's own items. Hint serves only an open, empty
// cell; the other commands act on the whole grid, whichever cell was clicked.
void App::cellMenu(Gtk::Menu* menu, int cell) {
  Gtk::Entry& entry = cellAt(cell / 9, cell % 9);
  const std::vector<std::vector<Command>> groups = {
      {{_("Undo"), history.canUndo(), sigc::mem_fun(*this, &App::undo)},
       {_("Redo"), history.canRedo(), sigc::mem_fun(*this, &App::redo)}},
      {{_("Hint"), entry.get_editable() && entry.get_text().empty(), sigc::bind(sigc::mem_fun(*this, &App::hint), cell)},
       {_("Explain"), true, sigc::mem_fun(*this, &App::explain)}},
      {{_("Fill In Notes"), canFillInNotes(), sigc::mem_fun(*this, &App::fillInNotes)},
       {_("Clear Notes"), canClearNotes(), sigc::mem_fun(*this, &App::clearNotes)}},
      {{_("New Puzzle With One Solution"), true, sigc::mem_fun(*this, &App::newOneSolutionPuzzle)},
       {_("Check Digits"), canCheckDigits(), sigc::mem_fun(*this, &App::checkDigits)}},
      {{_("Paste Puzzle"), true, sigc::mem_fun(*this, &App::pastePuzzle)},
       {_("Copy Puzzle"), true, sigc::mem_fun(*this, &App::copyPuzzle)},
       {_("Lock Digits As Givens"), canLockDigits(), sigc::mem_fun(*this, &App::lockDigits)},
       {_("Count Solutions"), true, sigc::mem_fun(*this, &App::showSolutionCount)}},
  };
  int position = 0;
  for (const std::vector<Command>& group : groups) {
    for (const Command& command : group) menu->insert(*commandItem(command), position++);
    menu->insert(*separator(), position++);
  }
}
