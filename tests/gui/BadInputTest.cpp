// Files and seed codes that no one means to give the program, and that it
// must take calmly in its window: refused files with names that need
// escaping, and codes that are very long or not made of digits. The files
// themselves are tried in the core tests.

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
