// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "GuiHelpers.h"

namespace {

using gui::StreamCapture;
using gui::TempDir;

const std::string kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
const std::string kOther =
    "000000010400000000020000000000050407008000300001090000300400200050100000000806000";

// True when the filter lets a file of this name through.
bool passes(Gtk::FileFilter& filter, const std::string& name) {
  GtkFileFilterInfo info = {};
  info.contains = GtkFileFilterFlags(GTK_FILE_FILTER_FILENAME | GTK_FILE_FILTER_DISPLAY_NAME);
  info.filename = name.c_str();
  info.display_name = name.c_str();
  return gtk_file_filter_filter(filter.gobj(), &info);
}

const std::vector<std::pair<std::string, int>> kOpenButtons = {{"gtk-cancel", -6}, {"gtk-open", -5}};
const std::vector<std::pair<std::string, int>> kSaveButtons = {{"gtk-cancel", -6}, {"gtk-save", -5}};

class FileDialogTest : public gui::AppTest {
 protected:
  void load(const std::string& puzzle) { ASSERT_EQ(app.setFromString(puzzle), 0); }

  TempDir dir;
};

TEST_F(FileDialogTest, OpenChooserOffersSudokuFilesFirst) {
  gui::DialogLook look;
  Gtk::FileChooserAction action = Gtk::FILE_CHOOSER_ACTION_SAVE;
  std::vector<Glib::ustring> filters;
  Glib::ustring inForce;
  bool sudokuOnly = false, allFiles = false;
  std::string presetSeen = "not looked at";
  gui::answerNext<Gtk::FileChooserDialog>([&](Gtk::FileChooserDialog& chooser) {
    look = gui::lookOf(chooser);
    action = static_cast<Gtk::FileChooser&>(chooser).get_action();
    presetSeen = chooser.get_filename();
    for (Gtk::FileFilter* filter : chooser.list_filters()) filters.push_back(filter->get_name());
    if (Gtk::FileFilter* current = chooser.get_filter()) {
      inForce = current->get_name();
      sudokuOnly = passes(*current, "a.sudoku") && !passes(*current, "a.txt") &&
                   !passes(*current, "sudoku") && !passes(*current, "a.sudoku.bak");
    }
    std::vector<Gtk::FileFilter*> all = chooser.list_filters();
    if (all.size() == 2) allFiles = passes(*all[1], "a.txt") && passes(*all[1], "noextension");
    chooser.response(Gtk::RESPONSE_CANCEL);
  });
  // The chooser starts in the current folder: an empty one, so that no
  // file there can be highlighted.
  const std::string before = Glib::get_current_dir();
  ASSERT_EQ(chdir(dir.dir().c_str()), 0);
  app.openPuzzleDialog();
  ASSERT_EQ(chdir(before.c_str()), 0);

  EXPECT_EQ(look.title, "Open Puzzle");
  EXPECT_EQ(action, Gtk::FILE_CHOOSER_ACTION_OPEN);
  EXPECT_EQ(look.buttons, kOpenButtons);
  EXPECT_EQ(look.defaultResponse, -5);
  EXPECT_EQ(presetSeen, "") << "no file has been opened or saved yet";
  EXPECT_EQ(filters, (std::vector<Glib::ustring>{"Sudoku files (*.sudoku)", "All files"}));
  EXPECT_EQ(inForce, "Sudoku files (*.sudoku)");
  EXPECT_TRUE(sudokuOnly) << "the first filter shows *.sudoku and nothing else";
  EXPECT_TRUE(allFiles) << "the second filter shows every file";
}

// Presses keys as the player does, one every 20 ms, through the X server to
// the window under the pointer: Ctrl+L first where the location must be
// opened, then each character of text, then Enter. Stops when the chooser is
// no longer the dialog in front.
void pressKeys(Gtk::FileChooserDialog& chooser, const std::string& text, bool openLocation = true) {
  auto keys = std::make_shared<std::vector<std::pair<guint, GdkModifierType>>>();
  if (openLocation) keys->emplace_back(GDK_l, GDK_CONTROL_MASK);
  for (char c : text) {
    const bool upper = c >= 'A' && c <= 'Z';
    keys->emplace_back(gdk_unicode_to_keyval(c), upper ? GDK_SHIFT_MASK : GdkModifierType(0));
  }
  keys->emplace_back(GDK_Return, GdkModifierType(0));
  auto next = std::make_shared<std::size_t>(0);
  Glib::signal_timeout().connect(
      [=, &chooser] {
        if (gui::modalDialog() != &chooser) return false;
        // Keys sent before the chooser is on screen would be lost.
        if (!gdk_window_is_viewable(GTK_WIDGET(chooser.gobj())->window)) return true;
        gtk_test_widget_send_key(GTK_WIDGET(chooser.gobj()), (*keys)[*next].first, (*keys)[*next].second);
        return ++*next < keys->size();
      },
      20);
}

TEST_F(FileDialogTest, OpensAPathTypedAtTheFirstOpen) {
  const std::string path = dir.path("typed.sudoku");
  gui::writeFile(path, kPuzzle);
  // Nothing opened yet in this run: Ctrl+L, the path, Enter.
  gui::answerNext<Gtk::FileChooserDialog>([path](Gtk::FileChooserDialog& chooser) { pressKeys(chooser, path); });
  StreamCapture err(std::cerr);
  app.openPuzzleDialog();
  EXPECT_EQ(err.text(), "");
  EXPECT_EQ(app.getString(), kPuzzle);
  EXPECT_EQ(app.fileName, path);
}

TEST_F(FileDialogTest, OpensAFileDoubleClickedInTheList) {
  const std::string path = dir.path("listed.sudoku");
  gui::writeFile(path, kPuzzle);
  // A double click on a row of the file list activates that row, once the
  // chooser has listed the folder and the row is the one under the pointer.
  gui::answerNext<Gtk::FileChooserDialog>([path](Gtk::FileChooserDialog& chooser) {
    gui::when(
        [&chooser, path] {
          chooser.set_filename(path);
          for (Gtk::TreeView* list : gui::findAll<Gtk::TreeView>(chooser)) {
            Gtk::TreeViewColumn* name = list->get_column(0);
            const std::vector<Gtk::TreePath> rows = list->get_selection()->get_selected_rows();
            if (!name || name->get_title() != "Name" || rows.size() != 1) continue;
            list->row_activated(rows[0], *name);
            return true;
          }
          return false;
        },
        [] {}, "the file list shows " + path);
  });
  const std::string before = Glib::get_current_dir();
  ASSERT_EQ(chdir(dir.dir().c_str()), 0);
  app.openPuzzleDialog();
  ASSERT_EQ(chdir(before.c_str()), 0);
  EXPECT_EQ(app.getString(), kPuzzle);
  EXPECT_EQ(app.fileName, path);
}

TEST_F(FileDialogTest, SudokuFilesAreShownWhateverTheLastFile) {
  // The chooser takes in its preset once it has read the folder, a few
  // milliseconds after it shows: what it shows is looked at well after that.
  for (const std::string name : {"kept.sudoku", "trip.le.dot"}) {
    SCOPED_TRACE(name);
    app.fileName = dir.path(name);
    gui::writeFile(app.fileName, kPuzzle);
    Glib::ustring inForce;
    std::string folder, preset;
    gui::answerNext<Gtk::FileChooserDialog>([&](Gtk::FileChooserDialog& chooser) {
      auto ticks = std::make_shared<int>(0);
      gui::when([ticks] { return ++*ticks == 30; },
                [&] {
                  inForce = chooser.get_filter() ? chooser.get_filter()->get_name() : "none";
                  folder = chooser.get_current_folder();
                  preset = chooser.get_filename();
                  chooser.response(Gtk::RESPONSE_CANCEL);
                },
                "a while");
    });
    app.openPuzzleDialog();
    EXPECT_EQ(inForce, "Sudoku files (*.sudoku)");
    EXPECT_EQ(folder, dir.dir()) << "the chooser opens where the last file is";
    if (name == "kept.sudoku") {
      EXPECT_EQ(preset, app.fileName);
    }
  }
}

TEST_F(FileDialogTest, OpenIsPresetWithTheCurrentFile) {
  gui::writeFile(dir.path("first.sudoku"), kPuzzle);
  ASSERT_EQ(app.openPuzzle(dir.path("first.sudoku")), 0);
  gui::writeFile(dir.path("first.sudoku"), kOther);
  // Accepting the preset as it stands reopens that file.
  gui::answerWhenPreset(dir.path("first.sudoku"), Gtk::RESPONSE_OK);
  app.openPuzzleDialog();
  EXPECT_EQ(app.getString(), kOther);
}

TEST_F(FileDialogTest, RefusedFileIsNamedAndBecomesThePreset) {
  const struct {
    std::string name;
    std::string bytes;
    std::string error;
  } cases[] = {
      {"short.sudoku", kPuzzle.substr(0, 80),
       "setFromString: puzzle string is too short, at 80characters.  Aborting.\n"},
      {"bad byte.sudoku", kPuzzle.substr(0, 20) + "x" + kPuzzle.substr(21),
       "setFromString: invalid character 'x' encountered in puzzle string.  Aborting.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    load(kPuzzle);
    app.fileName = dir.path("earlier.sudoku");
    const std::string path = dir.path(c.name);
    gui::writeFile(path, c.bytes);
    gui::pickAndAccept(path);
    auto message = gui::expectMessage();
    {
      StreamCapture err(std::cerr);
      app.openPuzzleDialog();
      EXPECT_EQ(err.text(), c.error);
    }
    EXPECT_EQ(message->markup,
              "<b><big>Opening failed!</big></b>\n\nThe file '" + c.name + "' could not be opened.");
    EXPECT_EQ(message->visibleText, "Opening failed!\n\nThe file '" + c.name + "' could not be opened.");
    gui::expectFailureBox(*message);
    EXPECT_TRUE(message->chooserStillShown) << "the chooser stays up behind the message";
    EXPECT_EQ(app.getString(), kPuzzle) << "a refused file leaves the grid as it was";
    EXPECT_EQ(app.fileName, path);

    gui::answerWhenPreset(path, Gtk::RESPONSE_CANCEL);
    app.openPuzzleDialog();
    gui::answerWhenPreset(path, Gtk::RESPONSE_CANCEL);
    app.savePuzzleDialog();
  }
}

TEST_F(FileDialogTest, SaveChooserAsksNothingAndFiltersNothing) {
  gui::DialogLook look;
  Gtk::FileChooserAction action = Gtk::FILE_CHOOSER_ACTION_OPEN;
  std::size_t filterCount = 99;
  bool confirmsOverwrite = true;
  std::string presetSeen = "not looked at";
  gui::answerNext<Gtk::FileChooserDialog>([&](Gtk::FileChooserDialog& chooser) {
    look = gui::lookOf(chooser);
    action = static_cast<Gtk::FileChooser&>(chooser).get_action();
    presetSeen = chooser.get_filename();
    filterCount = std::vector<Gtk::FileFilter*>(chooser.list_filters()).size();
    confirmsOverwrite = chooser.get_do_overwrite_confirmation();
    chooser.response(Gtk::RESPONSE_CANCEL);
  });
  app.savePuzzleDialog();

  EXPECT_EQ(look.title, "Save Puzzle");
  EXPECT_EQ(action, Gtk::FILE_CHOOSER_ACTION_SAVE);
  EXPECT_EQ(look.buttons, kSaveButtons);
  EXPECT_EQ(look.defaultResponse, -5);
  EXPECT_EQ(presetSeen, "");
  EXPECT_EQ(filterCount, 0u);
  EXPECT_FALSE(confirmsOverwrite);
}

TEST_F(FileDialogTest, SaveWritesUnderTheNameWithTheExtension) {
  // Which names get ".sudoku" is FileCommandsTest's; here, that Save writes
  // under the name with it and offers that file next.
  load(kPuzzle);
  gui::typeAndAccept(dir.path("puzzle"));
  app.savePuzzleDialog();
  EXPECT_EQ(gui::readFile(dir.path("puzzle.sudoku")), kPuzzle);
  EXPECT_EQ(app.fileName, dir.path("puzzle.sudoku"));
  struct stat unused;
  EXPECT_NE(stat(dir.path("puzzle").c_str(), &unused), 0) << "no file without the extension";
}

TEST_F(FileDialogTest, SavesABareNameTypedAtTheFirstSave) {
  load(kPuzzle);
  gui::answerNext<Gtk::FileChooserDialog>(
      [](Gtk::FileChooserDialog& chooser) { pressKeys(chooser, "mygame", false); });
  const std::string before = Glib::get_current_dir();
  ASSERT_EQ(chdir(dir.dir().c_str()), 0);
  app.savePuzzleDialog();
  ASSERT_EQ(chdir(before.c_str()), 0);
  EXPECT_EQ(gui::readFile(dir.path("mygame.sudoku")), kPuzzle);
  EXPECT_EQ(app.fileName, dir.path("mygame.sudoku"));
}

TEST_F(FileDialogTest, UnwritablePathShowsSavingFailed) {
  // The chooser takes "puzzle", but the name it is saved under is a folder,
  // which cannot be opened for writing, not even by root.
  ASSERT_EQ(mkdir(dir.path("puzzle.sudoku").c_str(), 0755), 0);
  load(kPuzzle);
  app.fileName = dir.path("earlier.sudoku");
  gui::typeAndAccept(dir.path("puzzle"));
  auto message = gui::expectMessage();
  {
    StreamCapture err(std::cerr);
    app.savePuzzleDialog();
    EXPECT_EQ(err.text(), "savePuzzle: open failed!\n");
  }
  EXPECT_EQ(message->markup, "<b><big>Saving failed!</big></b>\n\nThe file 'puzzle.sudoku' could not be saved.")
      << "the name is shown with the extension added";
  EXPECT_EQ(message->visibleText, "Saving failed!\n\nThe file 'puzzle.sudoku' could not be saved.");
  gui::expectFailureBox(*message);
  EXPECT_EQ(app.fileName, dir.path("earlier.sudoku")) << "a failed save keeps the earlier preset";
}

TEST_F(FileDialogTest, CancelOrCloseDoesNothing) {
  load(kPuzzle);
  gui::writeFile(dir.path("current.sudoku"), kOther);
  app.fileName = dir.path("current.sudoku");
  for (int response : {Gtk::RESPONSE_CANCEL, Gtk::RESPONSE_DELETE_EVENT}) {
    for (bool save : {false, true}) {
      SCOPED_TRACE((save ? "save, response " : "open, response ") + std::to_string(response));
      // Even with a file picked, only Open or Save goes on.
      gui::answerWhenPreset(app.fileName, response);
      StreamCapture err(std::cerr);
      if (save) {
        app.savePuzzleDialog();
      } else {
        app.openPuzzleDialog();
      }
      EXPECT_EQ(app.getString(), kPuzzle);
      EXPECT_EQ(gui::readFile(dir.path("current.sudoku")), kOther);
      EXPECT_EQ(app.fileName, dir.path("current.sudoku"));
      EXPECT_EQ(err.text(), "");
    }
  }
}

}  // namespace
