// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/App.h"
#include "shell/Translation.h"

namespace {

// An item of the menu, greyed out when it would change nothing.
Gtk::MenuItem* notesItem(const Glib::ustring& label, bool changes, const sigc::slot<void>& command) {
  Gtk::MenuItem* item = Gtk::manage(new Gtk::MenuItem(label));
  item->set_sensitive(changes);
  item->signal_activate().connect(command);
  item->show();
  return item;
}

}  // namespace

// Fill In Notes and Clear Notes, prepended to a cell's menu between separators.
void App::notesMenu(Gtk::Menu* menu) {
  const bool fillChanges = candidateNotes(notes, history.current().grid) != notes;
  Gtk::SeparatorMenuItem* below = Gtk::manage(new Gtk::SeparatorMenuItem());
  below->show();
  menu->prepend(*below);
  menu->prepend(*notesItem(_("Clear Notes"), notes != GridNotes{}, sigc::mem_fun(*this, &App::clearNotes)));
  menu->prepend(*notesItem(_("Fill In Notes"), fillChanges, sigc::mem_fun(*this, &App::fillInNotes)));
}
