// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/CellColours.h"

namespace {

const GtkRcStyle* modifierStyle(Gtk::Entry& cell) { return gtk_widget_get_modifier_style(GTK_WIDGET(cell.gobj())); }

}  // namespace

bool hasColour(Gtk::Entry& cell, CellColour part) {
  const GtkRcFlags flag = part == CellColour::Base ? GTK_RC_BASE : GTK_RC_TEXT;
  return (modifierStyle(cell)->color_flags[GTK_STATE_NORMAL] & flag) != 0;
}

void setColour(Gtk::Entry& cell, CellColour part, const Gdk::Color* colour) {
  const bool set = hasColour(cell, part);
  if (!colour) {
    if (!set) return;
    if (part == CellColour::Base) {
      cell.unset_base(Gtk::STATE_NORMAL);
    } else {
      cell.unset_text(Gtk::STATE_NORMAL);
    }
    return;
  }
  const GtkRcStyle* style = modifierStyle(cell);
  const GdkColor& now = part == CellColour::Base ? style->base[GTK_STATE_NORMAL] : style->text[GTK_STATE_NORMAL];
  if (set && now.red == colour->get_red() && now.green == colour->get_green() && now.blue == colour->get_blue()) {
    return;
  }
  if (part == CellColour::Base) {
    cell.modify_base(Gtk::STATE_NORMAL, *colour);
  } else {
    cell.modify_text(Gtk::STATE_NORMAL, *colour);
  }
}
