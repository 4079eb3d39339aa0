// SPDX-License-Identifier: GPL-3.0-or-later
#include <ctime>

#include "generator/GridGenerator.h"
#include "generator/SeedCode.h"
#include "shell/App.h"
#include "shell/Translation.h"

void App::generateFromSeed(int seed, float puzzleDifficulty) {
  Placement placements[kCellCount];
  unsigned char shown[kCellCount];
  preparePuzzle(seed, puzzleDifficulty, placements, shown);
  showPuzzle(placements, shown);
}

// Generate: a new puzzle at the slider's level, seeded from the clock, never
// with the seed it used last. The title shows the code of exactly the seed
// and level used, so typing it into Load Seed rebuilds this puzzle.
void App::generatePuzzle() {
  const int seed = takeClockSeed(std::time(nullptr), lastSeed);
  const int level = sliderLevel(difficulty->get_value());
  setTitle(makeSeedCode(level, seed));
  generateFromSeed(seed, levelDifficulty(level));
}

// Load Seed: asks for a seed code of either kind and builds its puzzle. The
// slider stays where the player left it and the file name is kept.
void App::loadSeed() {
  Gtk::Dialog dialog(_("Enter puzzle number"), true, false);
  dialog.add_button(Gtk::Stock::CANCEL, Gtk::RESPONSE_CANCEL);
  dialog.add_button(Gtk::Stock::OK, Gtk::RESPONSE_OK);

  Gtk::VBox* box = dialog.get_vbox();
  box->set_spacing(12);
  Gtk::Label* label = Gtk::manage(new Gtk::Label(Glib::ustring("<b><big>") + _("Enter puzzle number:") + "</big></b>"));
  label->set_use_markup(true);
  box->pack_start(*label, false, false, 0);
  Gtk::Entry* entry = Gtk::manage(new Gtk::Entry());
  box->pack_start(*entry, false, false, 0);

  dialog.show_all();
  box->set_border_width(12);
  if (dialog.run() != Gtk::RESPONSE_OK) return;

  const Glib::ustring text = entry->get_text();
  const SeedCode code = readSeedCode(text.raw());
  setTitle(text);
  if (code.oneSolution) {
    showOneSolutionPuzzle(code.seed, code.difficulty);
  } else {
    generateFromSeed(code.seed, code.difficulty);
  }
}
