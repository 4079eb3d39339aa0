// SPDX-License-Identifier: GPL-3.0-or-later
#include <gdk/gdkkeysyms.h>

#include <string>
#include <vector>

#include "GuiHelpers.h"
#include "SilentOwner.h"

namespace {

// One solution; the same puzzle with a 4 repeated in the top row.
const std::string kPuzzle = "400000805030000000000700000020000060000080400000010000000603070500200000104000000";
const std::string kRepeated = "440000805030000000000700000020000060000080400000010000000603070500200000104000000";
const guint kControlShift = GDK_CONTROL_MASK | GDK_SHIFT_MASK;

const char* const kNoPuzzle =
    "<b><big>No puzzle</big></b>\n\nThe clipboard holds no puzzle: it needs 81 cells, the digits 1 to 9 for givens "
    "and 0 or . for empty cells.";

std::string dotted(std::string text) {
  for (char& c : text) c = c == '0' ? '.' : c;
  return text;
}

// Runs the main loop until done holds, for at most fifteen seconds.
void runUntil(const std::function<bool()>& done) {
  const gint64 end = g_get_monotonic_time() + 15 * G_USEC_PER_SEC;
  while (!done() && g_get_monotonic_time() < end) {
    gui::settle();
    g_usleep(1000);
  }
}

// Offers these bytes as the clipboard's text, whether UTF-8 or not.
void offerBytes(const std::string& bytes) {
  const std::vector<Gtk::TargetEntry> targets{Gtk::TargetEntry("UTF8_STRING"), Gtk::TargetEntry("STRING")};
  Gtk::Clipboard::get()->set(
      targets,
      [bytes](Gtk::SelectionData& data, guint) {
        data.set(data.get_target(), 8, reinterpret_cast<const guint8*>(bytes.data()), bytes.size());
      },
      [] {});
}

class PuzzleClipboardTest : public gui::AppTest {
 protected:
  // The item of cell 0's menu with this label, or null.
  Gtk::MenuItem* menuItem(Gtk::Menu& menu, const Glib::ustring& label) {
    g_signal_emit_by_name(cell(0, 0).gobj(), "populate-popup", menu.gobj());
    for (Gtk::Widget* widget : menu.get_children()) {
      auto* item = dynamic_cast<Gtk::MenuItem*>(widget);
      auto* text = item ? dynamic_cast<Gtk::Label*>(item->get_child()) : nullptr;
      if (text && text->get_text() == label) return item;
    }
    ADD_FAILURE() << "no menu item " << label;
    return nullptr;
  }
  void choose(const Glib::ustring& label) {
    Gtk::Menu menu;
    if (Gtk::MenuItem* item = menuItem(menu, label)) item->activate();
  }
  bool offered(const Glib::ustring& label) {
    Gtk::Menu menu;
    Gtk::MenuItem* item = menuItem(menu, label);
    return item && item->is_sensitive();
  }
  // The next message box's markup, shown while run runs.
  std::string messageDuring(const std::function<void()>& run) {
    auto message = gui::expectMessage();
    run();
    runUntil([&] { return message->seen; });
    return message->markup;
  }
  std::string lockedCells() {
    std::string locked;
    for (int c = 0; c < 81; ++c) locked += cell(c / 9, c % 9).get_editable() ? '.' : 'L';
    return locked;
  }
  std::string givensOf(const std::string& puzzle) {
    std::string locked;
    for (char c : puzzle) locked += c == '0' ? '.' : 'L';
    return locked;
  }
  void dropSelection(GtkSelectionData& data, guint info) {
    GdkDragContext* context = gdk_drag_context_new();
    g_signal_emit_by_name(window.gobj(), "drag-data-received", context, 10, 10, &data, info, GDK_CURRENT_TIME);
    g_object_unref(context);
    gui::settle();
  }
  void dropFile(const std::string& path) {
    GtkSelectionData data = {};
    data.display = gdk_display_get_default();
  data.display = gdk_display_get_default();
    data.target = gdk_atom_intern_static_string("text/uri-list");
    const std::string uri = Glib::filename_to_uri(path);
    gchar* uris[] = {const_cast<gchar*>("http://example.org/puzzle.sudoku"), const_cast<gchar*>(uri.c_str()),
                     nullptr};
    gtk_selection_data_set_uris(&data, uris);
    dropSelection(data, 0);
    g_free(data.data);
  }
};

TEST_F(PuzzleClipboardTest, PasteShowsLockedGivensUnderTheBareTitleInOneStep) {
  const std::string drawn = "+---+---+---+\n|" + dotted(kPuzzle.substr(0, 3)) + "|" + dotted(kPuzzle.substr(3, 3)) +
                            "|" + dotted(kPuzzle.substr(6, 3)) + "|\r\n" + kPuzzle.substr(9) + "\n";
  for (bool byKey : {true, false}) {
    app.generatePuzzle();
    const std::string before = look() + window.get_title();
    Gtk::Clipboard::get()->set_text(byKey ? drawn : dotted(kPuzzle));
    byKey ? press(GDK_v, kControlShift) : choose("Paste Puzzle");
    runUntil([&] { return gridText() == kPuzzle; });
    EXPECT_EQ(gridText(), kPuzzle);
    EXPECT_EQ(lockedCells(), givensOf(kPuzzle));
    EXPECT_EQ(window.get_title(), "Tessary");
    press(GDK_z, GDK_CONTROL_MASK);
    EXPECT_EQ(look() + window.get_title(), before);
  }
}

TEST_F(PuzzleClipboardTest, PastedRepeatsAreRedAndOpen) {
  Gtk::Clipboard::get()->set_text(kRepeated);
  press(GDK_v, kControlShift);
  runUntil([&] { return gridText() == kRepeated; });
  EXPECT_EQ(lockedCells(), std::string(81, '.'));
  for (int c = 0; c < 81; ++c) EXPECT_EQ(gui::isRed(cell(c / 9, c % 9)), c <= 1) << c;
}

TEST_F(PuzzleClipboardTest, PasteOfNoPuzzleSaysSoAndChangesNothing) {
  type(4, 4, "7");
  const std::string before = look() + window.get_title();
  const std::vector<std::pair<const char*, std::function<void()>>> clipboards = {
      {"empty", [] { Gtk::Clipboard::get()->set_text(""); }},
      {"no owner", [] { Gtk::Clipboard::get()->clear(); }},
      {"80 cells", [] { Gtk::Clipboard::get()->set_text(kPuzzle.substr(1)); }},
      {"10 MB", [] { Gtk::Clipboard::get()->set_text(std::string(10 << 20, '1')); }},
      {"binary", [] { offerBytes(std::string("\0\x01\xfe\xff", 4) + kPuzzle); }},
      {"not UTF-8", [] { offerBytes(kPuzzle.substr(1) + "\xc3"); }},
  };
  for (const auto& [what, offer] : clipboards) {
    offer();
    EXPECT_EQ(messageDuring([&] { press(GDK_v, kControlShift); }), kNoPuzzle) << what;
    EXPECT_EQ(look() + window.get_title(), before) << what;
  }
}

TEST_F(PuzzleClipboardTest, PasteGivesUpOnAnOwnerThatNeverAnswers) {
  type(4, 4, "7");
  const std::string before = look();
  SilentOwner owner;
  auto message = gui::expectMessage();
  press(GDK_v, kControlShift);
  runUntil([&] { return message->seen; });
  EXPECT_EQ(message->markup, kNoPuzzle);
  gui::expectFailureBox(*message);
  EXPECT_EQ(look(), before);
}

TEST_F(PuzzleClipboardTest, CopyPutsWhatSaveWouldWrite) {
  app.setFromString(kPuzzle);
  type(0, 1, "2");
  for (bool byKey : {true, false}) {
    Gtk::Clipboard::get()->set_text("");
    byKey ? press(GDK_c, kControlShift) : choose("Copy Puzzle");
    EXPECT_EQ(Gtk::Clipboard::get()->wait_for_text(), "420000805" + kPuzzle.substr(9));
  }
}

TEST_F(PuzzleClipboardTest, LockDigitsLocksEveryDigitInOneStep) {
  EXPECT_FALSE(offered("Lock Digits As Givens")) << "an empty grid";
  app.setFromString(kRepeated);
  EXPECT_FALSE(offered("Lock Digits As Givens")) << "a repeat";
  app.setFromString(kPuzzle);
  app.setTitle("05-1");
  ASSERT_TRUE(offered("Lock Digits As Givens"));
  choose("Lock Digits As Givens");
  EXPECT_EQ(lockedCells(), givensOf(kPuzzle));
  EXPECT_EQ(window.get_title(), "Tessary (05-1)");
  type(0, 1, "1");
  choose("Lock Digits As Givens");
  press(GDK_z, GDK_CONTROL_MASK);
  EXPECT_EQ(lockedCells(), givensOf(kPuzzle)) << "the typed 1 was locked in one step";
  EXPECT_EQ(gridText()[1], '1');
  press(GDK_y, GDK_CONTROL_MASK);
  choose("Lock Digits As Givens");
  press(GDK_z, GDK_CONTROL_MASK);
  EXPECT_EQ(gridText()[1], '1') << "locking a locked grid is no step";
  EXPECT_TRUE(cell(0, 1).get_editable());
}

TEST_F(PuzzleClipboardTest, CountSolutionsTellsNoneOneOrMore) {
  // No repeat, and no solution either.
  const std::string noSolution = "000000000060002010050000740000500260000620050000000000000000000010000000020001000";
  const std::pair<std::string, std::string> grids[] = {
      {kPuzzle, "This puzzle has exactly one solution."},
      {std::string(81, '0'), "This puzzle has more than one solution."},
      {"0" + kPuzzle.substr(1), "This puzzle has more than one solution."},
      {noSolution, "This puzzle has no solution."},
      {kRepeated, "This puzzle has no solution."},
  };
  for (const auto& [grid, text] : grids) {
    app.setFromString(grid);
    const std::string before = look();
    auto message = gui::expectMessage();
    choose("Count Solutions");
    EXPECT_EQ(message->markup, text) << grid;
    EXPECT_EQ(message->type, Gtk::MESSAGE_INFO);
    EXPECT_TRUE(message->dialog.hasParent);
    EXPECT_EQ(look(), before) << "counting changes nothing";
  }
}

TEST_F(PuzzleClipboardTest, ADroppedFileOpensAsOpenDoes) {
  gui::TempDir dir;
  const std::string good = dir.path("good.sudoku");
  const std::string bad = dir.path("bad <1>.sudoku");
  gui::writeFile(good, kPuzzle);
  gui::writeFile(bad, "12");
  dropFile(good);
  EXPECT_EQ(gridText(), kPuzzle);
  EXPECT_EQ(lockedCells(), std::string(81, '.'));
  EXPECT_EQ(app.fileName, good);

  auto message = gui::expectMessage();
  dropFile(bad);
  runUntil([&] { return message->seen; });
  gui::expectFailureBox(*message);
  EXPECT_EQ(message->visibleText, "Opening failed!\n\nThe file 'bad <1>.sudoku' could not be opened.");
  EXPECT_EQ(app.fileName, bad);
}

TEST_F(PuzzleClipboardTest, DroppedTextThatIsAPuzzlePastes) {
  GtkSelectionData data = {};
  data.display = gdk_display_get_default();
  data.target = gdk_atom_intern_static_string("UTF8_STRING");
  gtk_selection_data_set_text(&data, "no puzzle", -1);
  dropSelection(data, 1);
  EXPECT_EQ(gridText(), std::string(81, '0'));
  gtk_selection_data_set_text(&data, dotted(kPuzzle).c_str(), -1);
  dropSelection(data, 1);
  EXPECT_EQ(gridText(), kPuzzle);
  EXPECT_EQ(lockedCells(), givensOf(kPuzzle));
  g_free(data.data);
}

}  // namespace
