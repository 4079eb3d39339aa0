// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/GridGenerator.h"
#include "shell/App.h"

namespace {

// The room a frame takes round the text: a frameless given gets it as extra
// space, so that it asks for the size of a framed cell and every row keeps
// one height whatever its cells hold.
void keepFrameRoom(Gtk::Entry& cell, bool frameless) {
  if (!frameless) {
    gtk_entry_set_inner_border(cell.gobj(), nullptr);
    return;
  }
  GtkBorder* themed = nullptr;
  gtk_widget_style_get(GTK_WIDGET(cell.gobj()), "inner-border", &themed, nullptr);
  // The toolkit's own space round the text when the theme names none.
  GtkBorder room = themed ? *themed : GtkBorder{2, 2, 2, 2};
  if (themed) gtk_border_free(themed);
  const Glib::RefPtr<Gtk::Style> style = cell.get_style();
  room.left += style->get_xthickness();
  room.right += style->get_xthickness();
  room.top += style->get_ythickness();
  room.bottom += style->get_ythickness();
  gtk_entry_set_inner_border(cell.gobj(), &room);
}

}  // namespace

void App::setLocked(Gtk::Entry& cell, bool locked) {
  static_cast<Gtk::Editable&>(cell).set_editable(!locked);
  cell.set_has_frame(!locked);
  keepFrameRoom(cell, locked);
  cell.unset_base(Gtk::STATE_NORMAL);
}

void App::writeGrid(const std::string& digits, bool lock) {
  updating = true;
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) {
      const char digit = digits[row * 9 + col];
      Gtk::Entry& cell = cellAt(row, col);
      cell.set_text(digit == '0' ? Glib::ustring() : Glib::ustring(1, digit));
      setLocked(cell, lock && digit != '0');
    }
  }
  updating = false;
  notes = GridNotes{};
}

// The givens are shown as the generator names them: a later placement of a
// cell wins, and a record naming no cell or no digit shows nothing.
void App::showPuzzle(const Placement* placements, const unsigned char* shown) {
  writeGrid(givensString(placements, shown), true);
  recordChange(false);
}

void App::clearPuzzle() {
  writeGrid(std::string(kCellCount, '0'), false);
  setTitle(Glib::ustring());
  recordChange(false);
}
