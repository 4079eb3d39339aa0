// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "shell/App.h"

namespace {

// The notes' colour: most of the way from the base colour to the text's,
// so that they stand back from the digits and still read well on any theme.
void useNoteColour(const Cairo::RefPtr<Cairo::Context>& cr, const Gdk::Color& text, const Gdk::Color& base) {
  const double part = 0.65;
  cr->set_source_rgb(base.get_red_p() + part * (text.get_red_p() - base.get_red_p()),
                     base.get_green_p() + part * (text.get_green_p() - base.get_green_p()),
                     base.get_blue_p() + part * (text.get_blue_p() - base.get_blue_p()));
}

}  // namespace

// The nine digits in the notes' font, laid out anew only when the font
// changes: every cell shares one font, and a keystroke's redraw then only
// paints them.
void App::layOutNotes(Gtk::Entry& entry, int height) {
  Pango::FontDescription font = entry.get_style()->get_font();
  // A digit's ink is about three quarters of its font's size: a little more
  // than a third of the height lets each fill most of its place.
  font.set_absolute_size(height / 3.0 * 1.2 * Pango::SCALE);
  if (!noteLayouts.empty() && font == noteFont) return;
  noteFont = font;
  noteLayouts.clear();
  for (int digit = 1; digit <= 9; ++digit) {
    noteLayouts.push_back(entry.create_pango_layout(Glib::ustring(1, static_cast<char>('0' + digit))));
    noteLayouts.back()->set_font_description(font);
  }
}

// Draws a cell's notes into its text window, after the entry has drawn
// itself there: digit d in its own place of a 3x3 layout, 1 top left and 9
// bottom right, each about a third of the window's height in the entry's
// own font, so that they grow with the digits. Each note is drawn on the base
// colour, which hides the cursor where it would cross it.
bool App::drawNotes(GdkEventExpose* event, int cell) {
  Gtk::Entry& entry = cellAt(cell / 9, cell % 9);
  const Glib::RefPtr<Gdk::Window> area = entry.get_text_window();
  if (!notesShown[cell] || !area || event->window != area->gobj()) return false;
  int width = 0;
  int height = 0;
  area->get_size(width, height);
  layOutNotes(entry, height);
  const Cairo::RefPtr<Cairo::Context> cr = area->create_cairo_context();
  cr->rectangle(event->area.x, event->area.y, event->area.width, event->area.height);
  cr->clip();

  const Glib::RefPtr<Gtk::Style> style = entry.get_style();
  const int focus = focusedCell();
  for (int digit = 1; digit <= 9; ++digit) {
    if (!(notesShown[cell] & noteOf(digit))) continue;
    const Glib::RefPtr<Pango::Layout>& layout = noteLayouts[digit - 1];
    const Pango::Rectangle ink = layout->get_pixel_ink_extents();
    // The ink's centre on the centre of the digit's place, on whole pixels.
    const double placeX = ((digit - 1) % 3 + 0.5) * width / 3.0;
    const double placeY = ((digit - 1) / 3 + 0.5) * height / 3.0;
    const int x = static_cast<int>(std::lround(placeX - ink.get_x() - ink.get_width() / 2.0));
    const int y = static_cast<int>(std::lround(placeY - ink.get_y() - ink.get_height() / 2.0));
    Gdk::Cairo::set_source_color(cr, style->get_base(Gtk::STATE_NORMAL));
    cr->rectangle(x + ink.get_x() - 1, y + ink.get_y() - 1, ink.get_width() + 2, ink.get_height() + 2);
    cr->fill();
    if (notesHighlight == '0' + digit && focus >= 0) {
      // The highlight of the focused digit is its cell's text colour.
      Gdk::Cairo::set_source_color(cr, cellAt(focus / 9, focus % 9).get_style()->get_text(Gtk::STATE_NORMAL));
    } else {
      useNoteColour(cr, style->get_text(Gtk::STATE_NORMAL), style->get_base(Gtk::STATE_NORMAL));
    }
    cr->move_to(x, y);
    layout->show_in_cairo_context(cr);
  }
  return false;
}
