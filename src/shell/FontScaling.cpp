// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/App.h"
#include "shell/FontSize.h"

void App::resizeFont(Gtk::Allocation&) {
  // The top-left cell stands for all 81: they share one width and one font.
  const int width = cells[0]->get_width();
  const int current = cells[0]->get_style()->get_font().get_size();
  const std::optional<int> size = rescaledFontSize(fontRatio, width, current);
  if (!size) return;

  // Only the size changes: the family and the rest keep coming from the theme.
  for (Gtk::Entry* cell : cells) {
    Pango::FontDescription font = cell->get_modifier_style()->get_font();
    font.set_size(*size);
    cell->modify_font(font);
  }
}
