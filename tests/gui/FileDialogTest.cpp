#include <sys/stat.h>

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

// What a dialog showed while it was open.
struct DialogLook {
  Glib::ustring title;
  std::vector<std::pair<std::string, int>> buttons;  // stock id or label, response
  int defaultResponse = 0;
};

// What a message box showed while it was open.
struct MessageLook {
  DialogLook dialog;
  Glib::ustring markup;
  Glib::ustring visibleText;  // the sentence as the user reads it
  bool markupOn = false;
  bool modal = false;
  Gtk::MessageType type = Gtk::MESSAGE_INFO;
  bool chooserStillShown = false;
};

template <typename T>
void collect(Gtk::Container& container, std::vector<T*>& found) {
  for (Gtk::Widget* child : container.get_children()) {
    if (T* widget = dynamic_cast<T*>(child)) found.push_back(widget);
    if (auto* inner = dynamic_cast<Gtk::Container*>(child)) collect(*inner, found);
  }
}

DialogLook lookOf(Gtk::Dialog& dialog) {
  DialogLook look;
  look.title = dialog.get_title();
  // Left to right, as the user sees them.
  std::vector<Gtk::Button*> buttons;
  collect(*dialog.get_action_area(), buttons);
  std::sort(buttons.begin(), buttons.end(), [](Gtk::Button* a, Gtk::Button* b) {
    return a->get_allocation().get_x() < b->get_allocation().get_x();
  });
  for (Gtk::Button* button : buttons) {
    const int response = dialog.get_response_for_widget(*button);
    look.buttons.emplace_back(button->get_label(), response);
    if (button->has_default()) look.defaultResponse = response;
  }
  return look;
}

bool visibleChooser() {
  bool shown = false;
  GList* tops = gtk_window_list_toplevels();
  for (GList* l = tops; l; l = l->next) {
    if (GTK_IS_FILE_CHOOSER_DIALOG(l->data) && gtk_widget_get_visible(GTK_WIDGET(l->data))) shown = true;
  }
  g_list_free(tops);
  return shown;
}

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
  ~FileDialogTest() override {
    for (sigc::connection& c : pollers_) c.disconnect();
  }

  // Polls every 10 ms until ready() holds, then runs then(); fails the
  // test after five seconds.
  void when(std::function<bool()> ready, std::function<void()> then, const std::string& what) {
    auto tries = std::make_shared<int>(0);
    pollers_.push_back(Glib::signal_timeout().connect(
        [=] {
          if (ready()) {
            then();
            return false;
          }
          if (++*tries < 500) return true;
          ADD_FAILURE() << "never happened: " << what;
          return false;
        },
        10));
  }

  // Answers the next modal dialog of type T once it is up.
  template <typename T>
  void answerNext(std::function<void(T&)> answer) {
    when([] { return dynamic_cast<T*>(gui::modalDialog()) != nullptr; },
         [answer] { answer(*dynamic_cast<T*>(gui::modalDialog())); }, "a dialog was expected");
  }

  // Picks path in the open chooser and accepts it, once the chooser has taken
  // the name in (it ignores Open while it has no file name).
  void pickAndOpen(const std::string& path) {
    answerNext<Gtk::FileChooserDialog>([this, path](Gtk::FileChooserDialog& chooser) {
      chooser.set_filename(path);
      when([&chooser, path] { return chooser.get_filename() == path; },
           [&chooser] { chooser.response(Gtk::RESPONSE_OK); }, "the chooser takes in " + path);
    });
  }

  // Types an absolute path into the save chooser and accepts it.
  void typeAndSave(const std::string& path) {
    answerNext<Gtk::FileChooserDialog>([path](Gtk::FileChooserDialog& chooser) {
      chooser.set_current_name(path);
      chooser.response(Gtk::RESPONSE_OK);
    });
  }

  // Waits until the chooser shows the file it was preset with, then cancels.
  void expectPresetAndCancel(const std::string& path) {
    answerNext<Gtk::FileChooserDialog>([this, path](Gtk::FileChooserDialog& chooser) {
      when([&chooser, path] { return chooser.get_filename() == path; },
           [&chooser] { chooser.response(Gtk::RESPONSE_CANCEL); }, "the chooser is preset with " + path);
    });
  }

  // Records the next message box and presses its OK button.
  std::shared_ptr<MessageLook> expectMessage() {
    auto look = std::make_shared<MessageLook>();
    answerNext<Gtk::MessageDialog>([look](Gtk::MessageDialog& message) {
      look->dialog = lookOf(message);
      look->markup = message.property_text().get_value();
      look->markupOn = message.property_use_markup().get_value();
      look->modal = message.get_modal();
      look->type = message.property_message_type().get_value();
      look->chooserStillShown = visibleChooser();
      std::vector<Gtk::Label*> labels;
      collect(*message.get_vbox(), labels);
      for (Gtk::Label* label : labels) {
        if (label->get_label() == look->markup) look->visibleText = label->get_text();
      }
      message.response(Gtk::RESPONSE_OK);
    });
    return look;
  }

  void load(const std::string& puzzle) { ASSERT_EQ(app.setFromString(puzzle), 0); }

  TempDir dir;

 private:
  std::vector<sigc::connection> pollers_;
};

TEST_F(FileDialogTest, OpenChooserOffersSudokuFilesFirst) {
  DialogLook look;
  Gtk::FileChooserAction action = Gtk::FILE_CHOOSER_ACTION_SAVE;
  std::vector<Glib::ustring> filters;
  Glib::ustring inForce;
  bool sudokuOnly = false, allFiles = false;
  std::string presetSeen = "not looked at";
  answerNext<Gtk::FileChooserDialog>([&](Gtk::FileChooserDialog& chooser) {
    look = lookOf(chooser);
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
  app.openPuzzleDialog();

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

TEST_F(FileDialogTest, OpensTheChosenFile) {
  gui::writeFile(dir.path("chosen.sudoku"), kPuzzle);
  pickAndOpen(dir.path("chosen.sudoku"));
  StreamCapture err(std::cerr);
  app.openPuzzleDialog();
  EXPECT_EQ(app.getString(), kPuzzle);
  EXPECT_EQ(app.fileName, dir.path("chosen.sudoku"));
  EXPECT_EQ(err.text(), "");
}

TEST_F(FileDialogTest, OpenIsPresetWithTheCurrentFile) {
  gui::writeFile(dir.path("first.sudoku"), kPuzzle);
  ASSERT_EQ(app.openPuzzle(dir.path("first.sudoku")), 0);
  gui::writeFile(dir.path("first.sudoku"), kOther);
  // Accepting the preset as it stands reopens that file.
  answerNext<Gtk::FileChooserDialog>([this](Gtk::FileChooserDialog& chooser) {
    const std::string preset = dir.path("first.sudoku");
    when([&chooser, preset] { return chooser.get_filename() == preset; },
         [&chooser] { chooser.response(Gtk::RESPONSE_OK); }, "the chooser is preset");
  });
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
    pickAndOpen(path);
    auto message = expectMessage();
    {
      StreamCapture err(std::cerr);
      app.openPuzzleDialog();
      EXPECT_EQ(err.text(), c.error);
    }
    EXPECT_EQ(message->markup,
              "<b><big>Opening failed!</big></b>\n\nThe file '" + c.name + "' could not be opened.");
    EXPECT_EQ(message->visibleText, "Opening failed!\n\nThe file '" + c.name + "' could not be opened.");
    EXPECT_TRUE(message->markupOn);
    EXPECT_TRUE(message->modal);
    EXPECT_EQ(message->type, Gtk::MESSAGE_ERROR);
    EXPECT_EQ(message->dialog.buttons, (std::vector<std::pair<std::string, int>>{{"gtk-ok", -5}}));
    EXPECT_TRUE(message->chooserStillShown) << "the chooser stays up behind the message";
    EXPECT_EQ(app.getString(), kPuzzle) << "a refused file leaves the grid as it was";
    EXPECT_EQ(app.fileName, path);

    expectPresetAndCancel(path);
    app.openPuzzleDialog();
    expectPresetAndCancel(path);
    app.savePuzzleDialog();
  }
}

TEST_F(FileDialogTest, SaveChooserAsksNothingAndFiltersNothing) {
  DialogLook look;
  Gtk::FileChooserAction action = Gtk::FILE_CHOOSER_ACTION_OPEN;
  std::size_t filterCount = 99;
  bool confirmsOverwrite = true;
  std::string presetSeen = "not looked at";
  answerNext<Gtk::FileChooserDialog>([&](Gtk::FileChooserDialog& chooser) {
    look = lookOf(chooser);
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

TEST_F(FileDialogTest, SaveAddsTheExtensionOnlyToPathsWithoutADot) {
  ASSERT_EQ(mkdir(dir.path("with.dot").c_str(), 0755), 0);
  const struct {
    std::string typed;
    std::string written;
  } cases[] = {
      {"puzzle", "puzzle.sudoku"},
      {"puzzle.txt", "puzzle.txt"},
      {"with.dot/puzzle", "with.dot/puzzle"},
      {".hidden", ".hidden"},
  };
  load(kPuzzle);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    typeAndSave(dir.path(c.typed));
    app.savePuzzleDialog();
    EXPECT_EQ(gui::readFile(dir.path(c.written)), kPuzzle);
    EXPECT_EQ(app.fileName, dir.path(c.written)) << "the next dialog offers the file as written";
  }
  struct stat unused;
  EXPECT_NE(stat(dir.path("puzzle").c_str(), &unused), 0) << "no file without the extension";
  EXPECT_NE(stat(dir.path("puzzle.txt.sudoku").c_str(), &unused), 0);
  EXPECT_NE(stat(dir.path("with.dot/puzzle.sudoku").c_str(), &unused), 0);
}

TEST_F(FileDialogTest, SaveReplacesAnExistingFileWithoutAsking) {
  const std::string path = dir.path("kept.sudoku");
  gui::writeFile(path, std::string(200, '7'));
  ASSERT_EQ(app.openPuzzle(path), 0);
  load(kOther);
  // Accepting the preset writes over the file that was opened.
  answerNext<Gtk::FileChooserDialog>([path, this](Gtk::FileChooserDialog& chooser) {
    when([&chooser, path] { return chooser.get_filename() == path; },
         [&chooser] { chooser.response(Gtk::RESPONSE_OK); }, "the chooser is preset");
  });
  app.savePuzzleDialog();
  EXPECT_EQ(gui::readFile(path), kOther) << "replaced and cut to 81 bytes";
  EXPECT_EQ(app.fileName, path);
}

TEST_F(FileDialogTest, UnwritablePathShowsSavingFailed) {
  // The chooser takes "puzzle", but the name it is saved under is a folder,
  // which cannot be opened for writing, not even by root.
  ASSERT_EQ(mkdir(dir.path("puzzle.sudoku").c_str(), 0755), 0);
  load(kPuzzle);
  app.fileName = dir.path("earlier.sudoku");
  typeAndSave(dir.path("puzzle"));
  auto message = expectMessage();
  {
    StreamCapture err(std::cerr);
    app.savePuzzleDialog();
    EXPECT_EQ(err.text(), "savePuzzle: open failed!\n");
  }
  EXPECT_EQ(message->markup, "<b><big>Saving failed!</big></b>\n\nThe file 'puzzle.sudoku' could not be saved.")
      << "the name is shown with the extension added";
  EXPECT_EQ(message->visibleText, "Saving failed!\n\nThe file 'puzzle.sudoku' could not be saved.");
  EXPECT_TRUE(message->markupOn);
  EXPECT_TRUE(message->modal);
  EXPECT_EQ(message->type, Gtk::MESSAGE_ERROR);
  EXPECT_EQ(message->dialog.buttons, (std::vector<std::pair<std::string, int>>{{"gtk-ok", -5}}));
  EXPECT_EQ(app.fileName, dir.path("earlier.sudoku")) << "a failed save keeps the earlier preset";
}

TEST_F(FileDialogTest, MarkupCharactersInANameShowAsTheyAre) {
  // Opening: a refused file whose name holds markup characters.
  const std::string odd = "a<b> & c.sudoku";
  gui::writeFile(dir.path(odd), "12");
  pickAndOpen(dir.path(odd));
  auto opened = expectMessage();
  {
    StreamCapture err(std::cerr);
    app.openPuzzleDialog();
  }
  EXPECT_EQ(opened->markup,
            "<b><big>Opening failed!</big></b>\n\nThe file 'a&lt;b&gt; &amp; c.sudoku' could not be opened.");
  EXPECT_EQ(opened->visibleText, "Opening failed!\n\nThe file 'a<b> & c.sudoku' could not be opened.");

  // Saving: a name that cannot be written, with the extension added.
  ASSERT_EQ(mkdir(dir.path("x<&y.sudoku").c_str(), 0755), 0);
  typeAndSave(dir.path("x<&y"));
  auto saved = expectMessage();
  {
    StreamCapture err(std::cerr);
    app.savePuzzleDialog();
  }
  EXPECT_EQ(saved->visibleText, "Saving failed!\n\nThe file 'x<&y.sudoku' could not be saved.");
}

TEST_F(FileDialogTest, CancelOrCloseDoesNothing) {
  load(kPuzzle);
  gui::writeFile(dir.path("current.sudoku"), kOther);
  app.fileName = dir.path("current.sudoku");
  for (int response : {Gtk::RESPONSE_CANCEL, Gtk::RESPONSE_DELETE_EVENT}) {
    for (bool save : {false, true}) {
      SCOPED_TRACE((save ? "save, response " : "open, response ") + std::to_string(response));
      answerNext<Gtk::FileChooserDialog>([this, response](Gtk::FileChooserDialog& chooser) {
        // Even with a file picked, only Open or Save goes on.
        when([&chooser, this] { return chooser.get_filename() == app.fileName; },
             [&chooser, response] { chooser.response(response); }, "the chooser is preset");
      });
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
