// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileCommands.h"
#include "shell/App.h"
#include "shell/Translation.h"

namespace {

Gtk::FileFilter* namePattern(const Glib::ustring& name, const Glib::ustring& pattern) {
  Gtk::FileFilter* filter = Gtk::manage(new Gtk::FileFilter());
  filter->set_name(name);
  filter->add_pattern(pattern);
  return filter;
}

// True when the filter lets the file at this path through, as the chooser
// would judge it by its name.
bool passes(Gtk::FileFilter& filter, const std::string& path) {
  const std::string shown = Glib::filename_display_basename(path);
  GtkFileFilterInfo info = {};
  info.contains = GtkFileFilterFlags(GTK_FILE_FILTER_FILENAME | GTK_FILE_FILTER_DISPLAY_NAME);
  info.filename = path.c_str();
  info.display_name = shown.c_str();
  return gtk_file_filter_filter(filter.gobj(), &info);
}

// The message for a file that could not be opened or saved. The name is
// escaped, so that a file called "a<b&c" is shown exactly so and cannot
// break the markup of the message.
Glib::ustring failureMarkup(FileCommand command, const std::string& path) {
  return fileFailureMarkup(command, Glib::Markup::escape_text(Glib::filename_display_basename(path)));
}

void showFailure(FileCommand command, const std::string& path) { App::showError(failureMarkup(command, path)); }

// Left to itself a chooser starts in "Recently Used", which has no folder: a
// path or a bare name typed there is lost, and the chooser answers with no
// file at all or asks for a folder.
void startInCurrentFolder(Gtk::FileChooserDialog& chooser) { chooser.set_current_folder(Glib::get_current_dir()); }

}  // namespace

void App::openPuzzleDialog() {
  Gtk::FileChooserDialog chooser(_("Open Puzzle"), Gtk::FILE_CHOOSER_ACTION_OPEN);
  chooser.add_button(Gtk::Stock::CANCEL, Gtk::RESPONSE_CANCEL);
  chooser.add_button(Gtk::Stock::OPEN, Gtk::RESPONSE_OK);
  chooser.set_default_response(Gtk::RESPONSE_OK);
  // The first filter added is the one in force when the chooser opens.
  Gtk::FileFilter* sudokuFiles = namePattern(_("Sudoku files (*.sudoku)"), "*.sudoku");
  chooser.add_filter(*sudokuFiles);
  chooser.add_filter(*namePattern(_("All files"), "*"));
  if (!fileName.empty() && passes(*sudokuFiles, fileName)) {
    chooser.set_filename(fileName);
  } else if (!fileName.empty()) {
    // Shown a file its filter hides, the chooser would drop the filter and
    // list every file; it opens in the file's folder instead.
    chooser.set_current_folder(Glib::path_get_dirname(fileName));
  } else {
    startInCurrentFolder(chooser);
  }

  if (chooser.run() != Gtk::RESPONSE_OK) return;
  const std::string path = chooser.get_filename();
  // A chooser that answers Open without a file has nothing to be opened.
  if (path.empty()) return;
  // The chooser stays on screen behind any message until both are done.
  openPuzzleFile(path);
}

void App::openPuzzleFile(const std::string& path) {
  if (openPuzzle(path) != 0) showFailure(FileCommand::Open, path);
}

void App::savePuzzleDialog() {
  Gtk::FileChooserDialog chooser(_("Save Puzzle"), Gtk::FILE_CHOOSER_ACTION_SAVE);
  chooser.add_button(Gtk::Stock::CANCEL, Gtk::RESPONSE_CANCEL);
  chooser.add_button(Gtk::Stock::SAVE, Gtk::RESPONSE_OK);
  chooser.set_default_response(Gtk::RESPONSE_OK);
  // No filters and no question before an existing file is replaced.
  if (!fileName.empty()) {
    chooser.set_filename(fileName);
  } else {
    startInCurrentFolder(chooser);
  }

  if (chooser.run() != Gtk::RESPONSE_OK) return;
  const std::string path = withPuzzleExtension(chooser.get_filename());
  if (savePuzzle(path) != 0) showFailure(FileCommand::Save, path);
}

void App::openPuzzleAtStart(const std::string& path) {
  if (openPuzzle(path) == 0) return;
  // The file may come from a file manager, with no terminal to read the
  // diagnostic in: the player is told on screen too, by a message that
  // leaves the window usable behind it.
  startupMessage = std::make_unique<Gtk::MessageDialog>(failureMarkup(FileCommand::Open, path), true,
                                                        Gtk::MESSAGE_ERROR, Gtk::BUTTONS_OK, false);
  startupMessage->set_transient_for(*window);
  startupMessage->signal_response().connect([this](int) { startupMessage->hide(); });
  startupMessage->show();
}
