// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "shell/App.h"
#include "shell/FontSize.h"

void App::resizeFont(Gtk::Allocation&) {
  // The top-left cell stands for all 81: they share one width and one font.
  const int width = cells[0]->get_width();
  const int current = cells[0]->get_style()->get_font().get_size();
  // The grid's nine rows share the height the window gives the grid, less
  // the gaps between the boxes.
  Gtk::Widget& grid = *cells[0]->get_parent();
  const int needed = grid.size_request().height;
  const int gaps = needed - 9 * cells[0]->size_request().height;
  int largest = largestFittingFontSize(fontPerCellHeight, grid.get_height() - gaps);
  // Cell heights are whole pixels: where the rows still need more than the
  // grid has, the digits go down a point, until they fit.
  if (needed > grid.get_height()) largest = std::min(largest, current - kUnitsPerPoint);
  const std::optional<int> size = rescaledFontSize(fontRatio, width, current, largest);
  if (!size) return;

  // Only the size changes: the family and the rest keep coming from the theme.
  for (Gtk::Entry* cell : cells) {
    Pango::FontDescription font = cell->get_modifier_style()->get_font();
    font.set_size(*size);
    cell->modify_font(font);
  }
}
