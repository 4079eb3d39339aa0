// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/App.h"
#include "shell/Translation.h"

namespace {

// Cells widen with their table but keep their natural height.
const Gtk::AttachOptions kWide = Gtk::EXPAND | Gtk::FILL;
const Gtk::AttachOptions kNatural = Gtk::SHRINK;

void attach(Gtk::Table& table, Gtk::Widget& widget, int left, int right, int top, int bottom) {
  table.attach(widget, left, right, top, bottom, kWide, kNatural, 0, 0);
}

Gtk::Button* commandButton(const Glib::ustring& label, const Gtk::StockID& icon) {
  Gtk::Button* button = Gtk::manage(new Gtk::Button());
  button->set_label(label);
  button->set_use_underline(true);
  button->set_image(*Gtk::manage(new Gtk::Image(icon, Gtk::ICON_SIZE_BUTTON)));
  return button;
}

Gtk::Label* italicLabel(const char* text) {
  Gtk::Label* label = Gtk::manage(new Gtk::Label());
  label->set_label(Glib::ustring("<i>") + text + "</i>");
  label->set_use_markup(true);
  return label;
}

// The slider with "Easy" under its left end and "Hard" under its right.
Gtk::VBox* difficultyBox(Gtk::Adjustment& difficulty) {
  Gtk::VBox* box = Gtk::manage(new Gtk::VBox(false, 0));
  Gtk::HScale* slider = Gtk::manage(new Gtk::HScale());
  slider->set_draw_value(false);
  slider->set_adjustment(difficulty);
  box->pack_start(*slider, Gtk::PACK_EXPAND_WIDGET, 0);
  Gtk::HBox* labels = Gtk::manage(new Gtk::HBox(false, 0));
  box->pack_start(*labels, Gtk::PACK_EXPAND_WIDGET, 0);
  // Translators: under the difficulty slider's left end, for the easiest puzzles.
  labels->pack_start(*italicLabel(_("Easy")), false, false, 0);
  // Translators: under its right end, for the hardest.
  labels->pack_end(*italicLabel(_("Hard")), false, false, 0);
  return box;
}

}  // namespace

void App::buildWindow(Gtk::Window& mainWindow) {
  Gtk::Table* grid = Gtk::manage(new Gtk::Table(9, 9, false));
  // An empty description changes nothing now, but gives every cell a font
  // in its modifier style that the font scaling reads back and resizes.
  Pango::FontDescription unchangedFont;
  for (int col = 0; col < 9; ++col) {
    for (int row = 0; row < 9; ++row) {
      Gtk::Entry* cell = Gtk::manage(new Gtk::Entry());
      cell->signal_changed().connect(sigc::mem_fun(*this, &App::cellChanged));
      // Undo, Redo and Hint in the cell's own menu; a click, or the focus
      // arriving, selects an open cell's digit.
      cell->signal_populate_popup().connect(sigc::bind(sigc::mem_fun(*this, &App::cellMenu), row * 9 + col));
      cell->signal_button_press_event().connect(sigc::bind(sigc::mem_fun(*this, &App::cellPressed), row * 9 + col),
                                                false);
      cell->signal_grab_focus().connect(sigc::bind(sigc::mem_fun(*this, &App::selectForTyping), row * 9 + col), true);
      // The cell's notes, drawn over what the entry itself draws.
      cell->signal_expose_event().connect(sigc::bind(sigc::mem_fun(*this, &App::drawNotes), row * 9 + col), true);
      cell->set_width_chars(2);
      cell->set_alignment(0.5);
      cell->set_max_length(1);
      cell->modify_font(unchangedFont);
      // Tells a screen reader's user where the cell is.
      // Translators: %1 is the cell's row, %2 its column, each from 1 to 9.
      cell->get_accessible()->set_name(Glib::ustring::compose(_("Row %1, column %2"), row + 1, col + 1));
      cells[entryIndex(row, col)] = cell;
      attach(*grid, *cell, col, col + 1, row, row + 1);
    }
  }
  // Wider gaps after the third and sixth column and row draw the boxes apart.
  grid->set_col_spacing(2, 8);
  grid->set_col_spacing(5, 8);
  grid->set_row_spacing(2, 8);
  grid->set_row_spacing(5, 8);

  Gtk::Button* generate = commandButton(_("_Generate"), Gtk::Stock::EXECUTE);
  generate->signal_clicked().connect(sigc::mem_fun(*this, &App::generatePuzzle));
  Gtk::Button* seed = commandButton(_("_Load Seed"), Gtk::Stock::OPEN);
  seed->signal_clicked().connect(sigc::mem_fun(*this, &App::loadSeed));
  Gtk::Button* solve = commandButton(_("_Solve"), Gtk::Stock::APPLY);
  solve->signal_clicked().connect(sigc::mem_fun(*this, &App::solvePuzzle));
  Gtk::Button* clear = commandButton(_("_Clear"), Gtk::Stock::CLEAR);
  clear->signal_clicked().connect(sigc::mem_fun(*this, &App::clearPuzzle));

  Gtk::Button* open = Gtk::manage(new Gtk::Button(Gtk::Stock::OPEN));
  open->signal_clicked().connect(sigc::mem_fun(*this, &App::openPuzzleDialog));
  Gtk::Button* save = Gtk::manage(new Gtk::Button(Gtk::Stock::SAVE));
  save->signal_clicked().connect(sigc::mem_fun(*this, &App::savePuzzleDialog));
  Gtk::VBox* slider = difficultyBox(*difficulty);
  Gtk::Button* about = Gtk::manage(new Gtk::Button(Gtk::Stock::ABOUT));
  about->signal_clicked().connect(sigc::mem_fun(*this, &App::showAbout));
  Gtk::Button* quitButton = Gtk::manage(new Gtk::Button(Gtk::Stock::QUIT));
  quitButton->signal_clicked().connect(sigc::mem_fun(*this, &App::quit));

  Gtk::Table* commands = Gtk::manage(new Gtk::Table(6, 2, false));
  commands->set_row_spacings(12);
  commands->set_col_spacings(6);
  attach(*commands, *generate, 0, 2, 0, 1);
  attach(*commands, *slider, 0, 2, 1, 2);
  attach(*commands, *solve, 0, 2, 2, 3);
  attach(*commands, *clear, 1, 2, 3, 4);
  attach(*commands, *seed, 0, 1, 3, 4);
  attach(*commands, *open, 1, 2, 4, 5);
  attach(*commands, *save, 0, 1, 4, 5);
  attach(*commands, *about, 0, 1, 5, 6);
  attach(*commands, *quitButton, 1, 2, 5, 6);

  Gtk::HBox* outer = Gtk::manage(new Gtk::HBox(false, 0));
  outer->pack_start(*grid, true, true, 0);
  outer->pack_start(*commands, false, false, 0);
  outer->set_border_width(12);
  outer->set_spacing(12);
  outer->signal_size_allocate().connect(sigc::mem_fun(*this, &App::resizeFont));

  mainWindow.add(*outer);
  mainWindow.set_resizable(true);
  mainWindow.show_all();
  window = &mainWindow;
  // The keys of undo, redo, hint and moving come before the focused cell's own.
  mainWindow.signal_key_press_event().connect(sigc::mem_fun(*this, &App::keyPressed), false);
  mainWindow.signal_set_focus().connect(sigc::mem_fun(*this, &App::focusChanged));
  acceptDrops();

  conflictColor.parse("red");

  // Showing the window has given every cell its first size and its style,
  // so the digits can from now on keep this ratio of font to cell width.
  const Pango::FontDescription font = cells[0]->get_style()->get_font();
  fontRatio = static_cast<float>(font.get_size()) / static_cast<float>(cells[0]->get_width());

  // The window never needs more than its natural size, however large the
  // digits have grown: it can always be brought back to it in one step, and
  // the digits shrink to match.
  Gdk::Geometry natural = {};
  natural.min_width = mainWindow.size_request().width;
  natural.min_height = mainWindow.size_request().height;
  mainWindow.set_geometry_hints(mainWindow, natural, Gdk::HINT_MIN_SIZE);
}
