// Files and seed codes that no one means to give the program, and that it
// must take calmly: folders, unreadable and huge files, named pipes, names
// that need escaping, and codes that are very long or not made of digits.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "GuiHelpers.h"
#include "generator/GridGenerator.h"
#include "generator/SeedCode.h"

namespace {

using gui::StreamCapture;
using gui::TempDir;

const std::string kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
const std::string kTooShortAtZero = "setFromString: puzzle string is too short, at 0characters.  Aborting.\n";

class BadInputTest : public gui::AppTest {
 protected:
  void SetUp() override {
    gui::AppTest::SetUp();
    ASSERT_EQ(app.setFromString(kPuzzle), 0);
    app.fileName = "earlier.sudoku";
  }

  // Runs Load Seed with text in its entry and OK; returns what the entry
  // then held, which is what the title must show.
  std::string loadSeedTyping(const std::string& text) {
    auto held = std::make_shared<std::string>();
    gui::answerNextDialog([text, held](Gtk::Dialog& dialog) {
      Gtk::Entry* entry = gui::findChild<Gtk::Entry>(*dialog.get_vbox());
      ASSERT_NE(entry, nullptr);
      entry->set_text(text);
      *held = entry->get_text().raw();
      dialog.response(Gtk::RESPONSE_OK);
    });
    app.loadSeed();
    return *held;
  }

  // Runs Open, picks path in the chooser once it has taken it in, and
  // returns the markup of the message box that follows (empty if none).
  std::string openThroughChooser(const std::string& path) {
    auto markup = std::make_shared<std::string>();
    auto chosen = std::make_shared<bool>(false);
    auto tries = std::make_shared<int>(0);
    Glib::signal_timeout().connect(
        [=] {
          Gtk::Dialog* dialog = gui::modalDialog();
          if (auto* message = dynamic_cast<Gtk::MessageDialog*>(dialog)) {
            *markup = message->property_text().get_value().raw();
            message->response(Gtk::RESPONSE_OK);
            return false;
          }
          if (auto* chooser = dynamic_cast<Gtk::FileChooserDialog*>(dialog)) {
            if (!*chosen) {
              chooser->set_filename(path);
              *chosen = true;
            } else if (chooser->get_filename() == path) {
              chooser->response(Gtk::RESPONSE_OK);
            }
          }
          if (++*tries < 500) return true;
          ADD_FAILURE() << "the Open chooser never took in " << path;
          if (dialog) dialog->response(Gtk::RESPONSE_CANCEL);
          return false;
        },
        10);
    app.openPuzzleDialog();
    return *markup;
  }

  TempDir dir;
};

// Markup that the toolkit can show: it parses, and its text is UTF-8.
bool showableMarkup(const std::string& markup) {
  return g_utf8_validate(markup.c_str(), -1, nullptr) &&
         pango_parse_markup(markup.c_str(), -1, 0, nullptr, nullptr, nullptr, nullptr);
}

// A folder opens (as a file that reads nothing) and is refused as an empty
// text; it cannot be written to.
TEST_F(BadInputTest, AFolderIsRefusedAndTheGridKept) {
  const std::string before = look();
  const std::string folder = dir.path("puzzles");
  ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
  {
    StreamCapture err(std::cerr);
    EXPECT_EQ(app.openPuzzle(folder), -1);
    EXPECT_EQ(err.text(), kTooShortAtZero);
  }
  EXPECT_EQ(look(), before);
  EXPECT_FALSE(app.updating);
  // It was opened, so it is what the dialogs offer next.
  EXPECT_EQ(app.fileName, folder);

  app.fileName = "earlier.sudoku";
  StreamCapture err(std::cerr);
  EXPECT_EQ(app.savePuzzle(folder), -1);
  EXPECT_EQ(err.text(), "savePuzzle: open failed!\n");
  EXPECT_EQ(app.fileName, "earlier.sudoku");
}

// Permissions stop everyone but root; as root they stop nothing, and these
// cases cannot be made.
TEST_F(BadInputTest, UnreadableAndUnwritableFilesAreRefused) {
  if (geteuid() == 0) GTEST_SKIP() << "running as root, which reads and writes whatever the permissions say";
  const std::string before = look();
  const std::string locked = dir.path("locked.sudoku");
  gui::writeFile(locked, std::string(81, '1'));
  ASSERT_EQ(chmod(locked.c_str(), 0), 0);
  {
    StreamCapture err(std::cerr);
    EXPECT_EQ(app.openPuzzle(locked), -1);
    EXPECT_EQ(err.text(), "openPuzzle: open failed!\n");
  }
  EXPECT_EQ(look(), before);
  EXPECT_EQ(app.fileName, "earlier.sudoku");
  {
    StreamCapture err(std::cerr);
    EXPECT_EQ(app.savePuzzle(locked), -1);
    EXPECT_EQ(err.text(), "savePuzzle: open failed!\n");
  }
  const std::string closedFolder = dir.path("closed");
  ASSERT_EQ(mkdir(closedFolder.c_str(), 0), 0);
  {
    StreamCapture err(std::cerr);
    EXPECT_EQ(app.openPuzzle(closedFolder + "/inside.sudoku"), -1);
    EXPECT_EQ(app.savePuzzle(closedFolder + "/inside.sudoku"), -1);
    EXPECT_EQ(err.text(), "openPuzzle: open failed!\nsavePuzzle: open failed!\n");
  }
  EXPECT_EQ(look(), before);
  EXPECT_EQ(app.fileName, "earlier.sudoku");
}

// Only the first 81 bytes are read, however long the file is: a puzzle
// followed by gigabytes (a sparse file, so the disk stays free) opens at
// once, and a huge file of anything else is refused by its first byte.
TEST_F(BadInputTest, HugeFilesAreReadOnlyAsFarAsThePuzzle) {
  const std::string huge = dir.path("huge.sudoku");
  gui::writeFile(huge, "1" + kPuzzle.substr(1));
  ASSERT_EQ(truncate(huge.c_str(), 8LL << 30), 0);
  ASSERT_EQ(app.setFromString(std::string(81, '0')), 0);
  EXPECT_EQ(app.openPuzzle(huge), 0);
  EXPECT_EQ(gridText(), "1" + kPuzzle.substr(1));

  const std::string before = look();
  const std::string noise = dir.path("noise.sudoku");
  gui::writeFile(noise, std::string(4 << 20, 'x'));
  StreamCapture err(std::cerr);
  EXPECT_EQ(app.openPuzzle(noise), -1);
  EXPECT_EQ(err.text(), "setFromString: invalid character 'x' encountered in puzzle string.  Aborting.\n");
  EXPECT_EQ(look(), before);
}

// A named pipe that no program writes to reads as an empty file, and one
// that no program reads from cannot be saved to: neither may leave the
// window waiting for ever with the player's grid in it.
TEST_F(BadInputTest, NamedPipesNeitherHangNorLoad) {
  const std::string before = look();
  const std::string pipe = dir.path("pipe.sudoku");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  {
    StreamCapture err(std::cerr);
    EXPECT_EQ(app.openPuzzle(pipe), -1);
    EXPECT_EQ(err.text(), kTooShortAtZero);
  }
  EXPECT_EQ(look(), before);

  app.fileName = "earlier.sudoku";
  {
    StreamCapture err(std::cerr);
    EXPECT_EQ(app.savePuzzle(pipe), -1);
    EXPECT_EQ(err.text(), "savePuzzle: open failed!\n");
  }
  EXPECT_EQ(app.fileName, "earlier.sudoku");

  // A pipe that holds a whole puzzle loads it.
  const int writer = open(pipe.c_str(), O_RDWR);
  ASSERT_GE(writer, 0);
  ASSERT_EQ(write(writer, kPuzzle.data(), kPuzzle.size()), static_cast<ssize_t>(kPuzzle.size()));
  ASSERT_EQ(app.setFromString(std::string(81, '0')), 0);
  EXPECT_EQ(app.openPuzzle(pipe), 0);
  EXPECT_EQ(gridText(), kPuzzle);
  close(writer);
}

// Paths are bytes: blanks, quotes, markup characters, a line break, a
// leading '-' and bytes that are not UTF-8 all save and open as they are.
TEST_F(BadInputTest, NamesThatNeedEscapingSaveAndOpenAsTheyAre) {
  const std::vector<std::string> names = {
      "with blank.sudoku", "quote's \"double\".sudoku", "a<b>&amp;c.sudoku", "line\nbreak.sudoku",
      "-starts-with-dash.sudoku", "\xff\xfe latin1 \xe9.sudoku", "\xe4\xb8\x89 \xd9\xa3.sudoku", "*?[].sudoku"};
  for (const std::string& name : names) {
    const std::string path = dir.path(name);
    ASSERT_EQ(app.setFromString(kPuzzle), 0);
    EXPECT_EQ(app.savePuzzle(path), 0) << name;
    EXPECT_EQ(gui::readFile(path), kPuzzle) << name;
    EXPECT_EQ(app.fileName, path);
    ASSERT_EQ(app.setFromString(std::string(81, '0')), 0);
    EXPECT_EQ(app.openPuzzle(path), 0) << name;
    EXPECT_EQ(gridText(), kPuzzle) << name;
  }
}

// A refused file whose name is not UTF-8, or holds a line break and markup
// characters, is still named in a message the toolkit can show.
TEST_F(BadInputTest, RefusedFilesWithOddNamesGetAShowableMessage) {
  const struct {
    std::string name;
    std::string shownPart;  // what the sentence must contain of the name
  } cases[] = {
      {"bad \xff\xfe name.sudoku", " name.sudoku"},
      {"a<b>\n&c.sudoku", "a<b>\n&c.sudoku"},
  };
  for (const auto& c : cases) {
    const std::string path = dir.path(c.name);
    gui::writeFile(path, "123");
    const std::string before = look();
    std::string markup;
    {
      StreamCapture err(std::cerr);
      markup = openThroughChooser(path);
    }
    EXPECT_TRUE(showableMarkup(markup)) << markup;
    EXPECT_EQ(markup.rfind("<b><big>Opening failed!</big></b>\n\nThe file '", 0), 0u) << markup;
    // Escaped for markup, the name reads back as it is once parsed.
    char* text = nullptr;
    ASSERT_TRUE(pango_parse_markup(markup.c_str(), -1, 0, nullptr, &text, nullptr, nullptr));
    EXPECT_NE(std::string(text).find(c.shownPart), std::string::npos) << text;
    g_free(text);
    EXPECT_EQ(look(), before);
    EXPECT_EQ(app.fileName, path);
  }
}

// Load Seed takes any text: the title shows it as it was typed, and the
// puzzle is the one the code reader makes of it, symmetric and complete.
TEST_F(BadInputTest, OddSeedCodesGiveTheirDefinedPuzzle) {
  const std::vector<std::string> codes = {
      "05" + std::string(20000, '9'),                          // very long: the seed saturates
      "-" + std::string(5000, '9'),                            // very long and negative
      "05\x01\x02\x1b[31m42\x7f",                              // control characters
      "\t0\n5-17",                                             // blanks of every kind
      "\xd9\xa0\xd9\xa5\xd9\xa1\xd9\xa2\xd9\xa3",              // Arabic-Indic digits
      "\xef\xbc\x90\xef\xbc\x95\xef\xbc\x91\xef\xbc\x92",      // fullwidth digits
      "\xe0\xa5\xa6\xe0\xa5\xab\xe0\xa5\xa7",                  // Devanagari digits
      "07\xd9\xa3\xd9\xa3",                                    // Latin level, Arabic-Indic seed
  };
  for (const std::string& code : codes) {
    const std::string typed = loadSeedTyping(code);
    EXPECT_EQ(window.get_title(), "Tessary (" + typed + ")");
    const SeedCode read = readSeedCode(typed);
    Placement placements[81];
    unsigned char shown[81];
    preparePuzzle(read.seed, read.difficulty, placements, shown);
    const std::string expected = givensString(placements, shown);
    EXPECT_EQ(gridText(), expected) << "code of " << code.size() << " bytes";
    for (int c = 0; c < 81; ++c) {
      EXPECT_EQ(expected[c] == '0', expected[80 - c] == '0');
      EXPECT_EQ(cell(c / 9, c % 9).get_editable(), expected[c] == '0');
    }
    EXPECT_EQ(app.fileName, "earlier.sudoku");
  }
  // Digits of other scripts are no number: level 0 and seed 0, so these
  // codes name the easiest puzzle of seed 0 (and a level-7 one).
  EXPECT_EQ(readSeedCode("\xd9\xa0\xd9\xa5\xd9\xa1\xd9\xa2\xd9\xa3").seed, 0);
  EXPECT_EQ(readSeedCode("\xd9\xa0\xd9\xa5\xd9\xa1\xd9\xa2\xd9\xa3").difficulty, 0.0f);
  EXPECT_EQ(readSeedCode("07\xd9\xa3\xd9\xa3").difficulty, 0.7f);
  EXPECT_EQ(readSeedCode("05" + std::string(20000, '9')).seed, -1);
}

}  // namespace
