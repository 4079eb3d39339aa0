// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstring>
#include <iostream>
#include <string>

#include <gtkmm/main.h>

#include "Version.h"
#include "shell/App.h"
#include "shell/Translation.h"

namespace {

const char kUsage[] =
    "Usage: tessary [PUZZLE-FILE]\n"
    "       tessary --help | --version\n"
    "\n"
    "Plays Sudoku in a window. A puzzle file named on the command line, 81\n"
    "digits with 0 for an empty cell, is opened at start.\n";

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before the toolkit starts, so that they need no display.
  if (argc >= 2 && std::strcmp(argv[1], "--help") == 0) {
    std::cout << kUsage;
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "tessary " << kTessaryVersion << "\n";
    return 0;
  }
  // The toolkit strips its own options, so argv[1] is then the puzzle file.
  Gtk::Main toolkit(argc, argv, true);
  bindTranslations(TESSARY_LOCALEDIR);
  App app;
  Gtk::Window window(Gtk::WINDOW_TOPLEVEL);
  app.buildWindow(window);
  if (argc >= 2) app.openPuzzleAtStart(std::string(argv[1]));
  Gtk::Main::run(window);
  return 0;
}
