// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <unistd.h>

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

// Where the catalogues are: those the build made, found relative to the
// program itself, when it runs from the build tree; else the installed ones.
std::string localeFolder() {
  char exe[4096];
  const ssize_t length = readlink("/proc/self/exe", exe, sizeof exe);
  if (length > 0 && static_cast<std::size_t>(length) < sizeof exe) {
    const std::string path(exe, static_cast<std::size_t>(length));
    const std::string built = path.substr(0, path.rfind('/') + 1) + TESSARY_BUILT_LOCALEDIR;
    struct stat folder;
    if (stat(built.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode)) return built;
  }
  return TESSARY_LOCALEDIR;
}

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
  bindTranslations(localeFolder().c_str());
  App app;
  Gtk::Window window(Gtk::WINDOW_TOPLEVEL);
  app.buildWindow(window);
  if (argc >= 2) app.openPuzzleAtStart(std::string(argv[1]));
  Gtk::Main::run(window);
  return 0;
}
