// SPDX-License-Identifier: GPL-3.0-or-later
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "GuiHelpers.h"
#include "generator/GridGenerator.h"
#include "generator/SeedCode.h"

namespace {

class GenerateCommandTest : public gui::AppTest {
 protected:
  // Checks that every digit is a locked, frameless given and every other
  // cell open.
  void expectGivensLocked() {
    for (int c = 0; c < 81; ++c) {
      Gtk::Entry& e = cell(c / 9, c % 9);
      const bool given = !e.get_text().empty();
      EXPECT_EQ(e.get_editable(), !given) << "cell " << c;
      EXPECT_EQ(e.get_has_frame(), !given) << "cell " << c;
    }
  }

  // The code between "Tessary (" and ")".
  std::string codeInTitle() {
    const std::string title = window.get_title();
    const std::string head = "Tessary (";
    EXPECT_EQ(title.compare(0, head.size(), head), 0) << title;
    EXPECT_EQ(title.back(), ')') << title;
    if (title.size() < head.size() + 1) return std::string();
    return title.substr(head.size(), title.size() - head.size() - 1);
  }
};

TEST_F(GenerateCommandTest, GenerateTitlesTheWindowWithItsCodeAndLocksTheGivens) {
  const struct {
    double slider;
    const char* prefix;
  } cases[] = {{0.5, "05"}, {1.0, "10"}, {0.0, "00"}, {0.99, "09"}, {0.3, "03"}};
  std::optional<int> previous;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slider);
    app.difficulty->set_value(c.slider);
    const int before = seedFromTime(std::time(nullptr));
    app.generatePuzzle();
    const int after = seedFromTime(std::time(nullptr));
    const std::string code = codeInTitle();
    EXPECT_EQ(code.substr(0, 2), c.prefix);
    // The seed is the clock's, in seconds, or one more than the previous
    // Generate's when the clock has not moved past it: these clicks come
    // within a second, and each must still give a new puzzle.
    const int seed = readSeedCode(code).seed;
    const int earliest = previous ? std::max(before, *previous + 1) : before;
    const int latest = previous ? std::max(after, *previous + 1) : after;
    EXPECT_TRUE(seed == earliest || seed == latest) << code;
    previous = seed;
    EXPECT_EQ(code.substr(2), std::to_string(seed));

    expectGivensLocked();
    EXPECT_EQ(gridText(), gui::puzzleOf(code));
    EXPECT_FALSE(app.updating);
  }
}

TEST_F(GenerateCommandTest, LoadSeedAsksWithItsOwnDialog) {
  bool asked = false;
  gui::answerNextDialog([&](Gtk::Dialog& dialog) {
    asked = true;
    EXPECT_EQ(dialog.get_title(), "Enter puzzle number");
    EXPECT_TRUE(dialog.get_modal());
    EXPECT_FALSE(dialog.get_has_separator());
    EXPECT_EQ(dialog.get_transient_for(), nullptr);

    // Cancel to the left of OK, and neither is the default.
    const gui::DialogLook look = gui::lookOf(dialog);
    EXPECT_EQ(look.buttons, (std::vector<std::pair<std::string, int>>{{"gtk-cancel", Gtk::RESPONSE_CANCEL},
                                                                       {"gtk-ok", Gtk::RESPONSE_OK}}));
    EXPECT_EQ(look.defaultResponse, 0);

    Gtk::VBox* box = dialog.get_vbox();
    EXPECT_EQ(box->get_spacing(), 12);
    EXPECT_EQ(box->get_border_width(), 12u);
    // The label above the entry, both straight in the box.
    auto* label = gui::findChild<Gtk::Label>(*box);
    auto* entry = gui::findChild<Gtk::Entry>(*box);
    ASSERT_NE(label, nullptr);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(label->get_parent(), box);
    EXPECT_EQ(entry->get_parent(), box);
    EXPECT_LT(label->get_allocation().get_y(), entry->get_allocation().get_y());
    EXPECT_EQ(label->get_label(), "<b><big>Enter puzzle number:</big></b>");
    EXPECT_TRUE(label->get_use_markup());
    EXPECT_EQ(label->get_text(), "Enter puzzle number:");
    EXPECT_EQ(entry->get_text(), "");
    EXPECT_TRUE(label->get_visible());
    EXPECT_TRUE(entry->get_visible());
    for (Gtk::Widget* part : {static_cast<Gtk::Widget*>(label), static_cast<Gtk::Widget*>(entry)}) {
      gboolean expand = TRUE, fill = TRUE;
      guint padding = 1;
      GtkPackType pack = GTK_PACK_END;
      gtk_box_query_child_packing(GTK_BOX(box->gobj()), part->gobj(), &expand, &fill, &padding, &pack);
      EXPECT_FALSE(expand);
      EXPECT_FALSE(fill);
      EXPECT_EQ(padding, 0u);
      EXPECT_EQ(pack, GTK_PACK_START);
    }
    dialog.response(Gtk::RESPONSE_CANCEL);
  });
  app.loadSeed();
  EXPECT_TRUE(asked);
  EXPECT_EQ(gui::modalDialog(), nullptr);  // gone when the handler returns
}

TEST_F(GenerateCommandTest, CancelOrClosingChangesNothing) {
  app.difficulty->set_value(0.3);
  app.generatePuzzle();
  // A digit the player typed, a conflict colour, a file name: all stay.
  int open = 0;
  while (!cell(open / 9, open % 9).get_text().empty()) ++open;
  type(open / 9, open % 9, "5");
  app.fileName = "/tmp/kept.sudoku";
  const std::string before = look();
  const Glib::ustring title = window.get_title();

  for (int response : {int(Gtk::RESPONSE_CANCEL), int(Gtk::RESPONSE_DELETE_EVENT)}) {
    gui::answerNextDialog([response](Gtk::Dialog& dialog) {
      // Typed, then thrown away.
      gui::findChild<Gtk::Entry>(*dialog.get_vbox())->set_text("10999");
      dialog.response(response);
    });
    app.loadSeed();
    EXPECT_EQ(look(), before) << "response " << response;
    EXPECT_EQ(window.get_title(), title);
    EXPECT_EQ(app.fileName, "/tmp/kept.sudoku");
    EXPECT_DOUBLE_EQ(app.difficulty->get_value(), 0.3);
  }
}

TEST_F(GenerateCommandTest, LoadSeedLeavesTheSliderAndTheFileName) {
  app.difficulty->set_value(0.25);
  app.fileName = "/tmp/last.sudoku";
  loadSeedTyping("10-5");
  EXPECT_EQ(gridText(), gui::puzzleOf("10-5"));
  expectGivensLocked();
  EXPECT_DOUBLE_EQ(app.difficulty->get_value(), 0.25);
  EXPECT_EQ(app.fileName, "/tmp/last.sudoku");
  // The next Generate uses the slider's own level again.
  app.generatePuzzle();
  EXPECT_EQ(codeInTitle().substr(0, 2), "02");
  EXPECT_EQ(app.fileName, "/tmp/last.sudoku");
}

TEST_F(GenerateCommandTest, AnEmptyCodeStillNamesAPuzzle) {
  // Nothing typed reads as the easy end with seed 0; the title shows what
  // was typed, which for nothing is the bare name.
  loadSeedTyping("");
  EXPECT_EQ(gridText(), gui::puzzleOf("000"));
  expectGivensLocked();
  EXPECT_EQ(window.get_title(), "Tessary");
}

// Load Seed takes any text: the title shows it as it was typed, and the
// puzzle is the one the code reader makes of it.
TEST_F(GenerateCommandTest, LoadSeedShowsAnyTypedCodesPuzzleAndTitle) {
  app.fileName = "earlier.sudoku";
  const std::vector<std::string> codes = {
      "07-1",                                                  // as Generate writes them
      " 5123",                                                 // a blank first: kept in the title
      "99123",                                                 // beyond the hard end: the hard end
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
    const std::string expected = gui::puzzleOf(typed);
    EXPECT_EQ(gridText(), expected) << "code of " << code.size() << " bytes";
    expectGivensLocked();
    EXPECT_EQ(app.fileName, "earlier.sudoku");
  }
}

}  // namespace
