#include <climits>

#include "shell/App.h"

namespace {

// Pango sizes count 1024 units to the point.
constexpr int kUnitsPerPoint = 1024;

}  // namespace

void App::resizeFont(Gtk::Allocation&) {
  // The top-left cell stands for all 81: they share one width and one font.
  const int width = cells[0]->get_width();
  if (fontRatio == 0.0f) return;

  // The size that keeps the measured ratio of font to cell width, in
  // single precision and truncated, as the ratio itself was measured.
  const float product = fontRatio * static_cast<float>(width);
  // A ratio measured on a cell that had no width yet would ask for a size
  // no font can have; the digits then keep the size they have.
  if (!(product > 0.0f && product < static_cast<float>(INT_MAX))) return;
  const int target = static_cast<int>(product);

  // Restyling 81 cells makes the toolkit renegotiate every size, so only a
  // change of whole points is worth it.
  const int current = cells[0]->get_style()->get_font().get_size();
  if (target / kUnitsPerPoint == current / kUnitsPerPoint) return;

  // Only the size changes: the family and the rest keep coming from the theme.
  for (Gtk::Entry* cell : cells) {
    Pango::FontDescription font = cell->get_modifier_style()->get_font();
    font.set_size(target);
    cell->modify_font(font);
  }
}
