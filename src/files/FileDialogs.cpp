// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileCommands.h"
#include "shell/App.h"

namespace {

Gtk::FileFilter* namePattern(const Glib::ustring& name, const Glib::ustring& pattern) {
  Gtk::FileFilter* filter = Gtk::manage(new Gtk::FileFilter());
  filter->set_name(name);
  filter->add_pattern(pattern);
  return filter;
}

// The message box for a file that could not be opened or saved. The name is
// escaped, so that a file called "a<b&c" is shown exactly so and cannot
// break the markup of the message.
void showFailure(FileCommand command, const std::string& path) {
  const Glib::ustring shown = Glib::Markup::escape_text(Glib::filename_display_basename(path));
  Gtk::MessageDialog message(fileFailureMarkup(command, shown), true, Gtk::MESSAGE_ERROR, Gtk::BUTTONS_OK, true);
  message.run();
}

}  // namespace

void App::openPuzzleDialog() {
  Gtk::FileChooserDialog chooser("Open Puzzle", Gtk::FILE_CHOOSER_ACTION_OPEN);
  chooser.add_button(Gtk::Stock::CANCEL, Gtk::RESPONSE_CANCEL);
  chooser.add_button(Gtk::Stock::OPEN, Gtk::RESPONSE_OK);
  chooser.set_default_response(Gtk::RESPONSE_OK);
  if (!fileName.empty()) chooser.set_filename(fileName);
  // The first filter added is the one in force when the chooser opens.
  chooser.add_filter(*namePattern("Sudoku files (*.sudoku)", "*.sudoku"));
  chooser.add_filter(*namePattern("All files", "*"));

  if (chooser.run() != Gtk::RESPONSE_OK) return;
  if (openPuzzle(chooser.get_filename()) != 0) {
    // The chooser stays on screen behind the message until both are done.
    showFailure(FileCommand::Open, chooser.get_filename());
  }
}

void App::savePuzzleDialog() {
  Gtk::FileChooserDialog chooser("Save Puzzle", Gtk::FILE_CHOOSER_ACTION_SAVE);
  chooser.add_button(Gtk::Stock::CANCEL, Gtk::RESPONSE_CANCEL);
  chooser.add_button(Gtk::Stock::SAVE, Gtk::RESPONSE_OK);
  chooser.set_default_response(Gtk::RESPONSE_OK);
  // No filters and no question before an existing file is replaced.
  if (!fileName.empty()) chooser.set_filename(fileName);

  if (chooser.run() != Gtk::RESPONSE_OK) return;
  const std::string path = withPuzzleExtension(chooser.get_filename());
  if (savePuzzle(path) != 0) showFailure(FileCommand::Save, path);
}
