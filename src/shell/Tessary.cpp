// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtkmm/main.h>

#include "shell/App.h"
#include "shell/Translation.h"

int main(int argc, char* argv[]) {
  // The toolkit strips its own options, so argv[1] is then the puzzle file.
  Gtk::Main toolkit(argc, argv, true);
  bindTranslations(TESSARY_LOCALEDIR);
  App app;
  Gtk::Window window(Gtk::WINDOW_TOPLEVEL);
  app.buildWindow(window);
  if (argc >= 2) {
    // A file that cannot be loaded leaves its message on standard error and an empty grid.
    app.openPuzzle(std::string(argv[1]));
  }
  Gtk::Main::run(window);
  return 0;
}
