// SPDX-License-Identifier: GPL-3.0-or-later
#include <gdk/gdkkeysyms.h>

#include "GuiHelpers.h"
// Last: Xlib's macros (None, Status, Bool) would break the toolkit's headers.
#include <X11/Xlib.h>

namespace {

// One solution; the same puzzle with a 4 repeated in the top row.
const std::string kPuzzle = "400000805030000000000700000020000060000080400000010000000603070500200000104000000";
const std::string kRepeated = "44" + kPuzzle.substr(2);
const guint kControlShift = GDK_CONTROL_MASK | GDK_SHIFT_MASK;
const char* const kNoPuzzle =
    "<b><big>No puzzle</big></b>\n\nThe clipboard holds no puzzle: it needs 81 cells, the digits 1 to 9 for givens "
    "and 0 or . for empty cells.";

// Runs the main loop until done holds, for at most fifteen seconds.
void runUntil(const std::function<bool()>& done) {
  for (const gint64 end = g_get_monotonic_time() + 15 * G_USEC_PER_SEC; !done() && g_get_monotonic_time() < end;) {
    gui::settle();
    g_usleep(1000);
  }
}

// Offers these bytes as the clipboard's text, UTF-8 or not.
void offerBytes(const std::string& bytes) {
  Gtk::Clipboard::get()->set(
      std::vector<Gtk::TargetEntry>{Gtk::TargetEntry("UTF8_STRING")},
      [bytes](Gtk::SelectionData& data, guint) {
        data.set(data.get_target(), 8, reinterpret_cast<const guint8*>(bytes.data()), bytes.size());
      },
      [] {});
}

// Another program takes the clipboard and never answers: its own
// connection to the display is never read, and left open.
void takeClipboardSilently() {
  Display* display = XOpenDisplay(nullptr);
  const Window owner = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display, XInternAtom(display, "CLIPBOARD", False), owner, CurrentTime);
  XSync(display, False);
}

class PuzzleClipboardTest : public gui::AppTest {
 protected:
  // The next message box's markup, shown after run.
  std::string messageAfter(const std::function<void()>& run) {
    auto message = gui::expectMessage();
    run();
    runUntil([&] { return message->seen; });
    return message->markup;
  }
  // The grid's locked digits as a puzzle string: '0' for every open cell.
  std::string locks() {
    std::string all = gridText();
    for (int c = 0; c < 81; ++c) all[c] = cell(c / 9, c % 9).get_editable() ? '0' : all[c];
    return all;
  }
  void drop(const char* target, guint info, const std::function<void(GtkSelectionData*)>& fill) {
    GtkSelectionData data = {};
    data.display = gdk_display_get_default();
    data.target = gdk_atom_intern(target, false);
    fill(&data);
    GdkDragContext* context = gdk_drag_context_new();
    g_signal_emit_by_name(window.gobj(), "drag-data-received", context, 10, 10, &data, info, GDK_CURRENT_TIME);
    g_object_unref(context);
    g_free(data.data);
    gui::settle();
  }
};

TEST_F(PuzzleClipboardTest, PasteShowsLockedGivensUnderTheBareTitleAndCopyGivesThemBack) {
  for (bool byKey : {true, false}) {
    app.generatePuzzle();
    const std::string before = look() + window.get_title();
    Gtk::Clipboard::get()->set_text(kPuzzle);
    byKey ? press(GDK_v, kControlShift) : (void)choose("Paste Puzzle");
    runUntil([&] { return gridText() == kPuzzle; });
    EXPECT_EQ(locks(), kPuzzle);
    EXPECT_EQ(window.get_title(), "Tessary");
    type(0, 1, "1");
    byKey ? press(GDK_c, kControlShift) : (void)choose("Copy Puzzle");
    EXPECT_EQ(Gtk::Clipboard::get()->wait_for_text(), "41" + kPuzzle.substr(2));
    press(GDK_z, GDK_CONTROL_MASK);
    press(GDK_z, GDK_CONTROL_MASK);
    EXPECT_EQ(look() + window.get_title(), before) << "the paste was one step";
  }
  Gtk::Clipboard::get()->set_text(kRepeated);
  press(GDK_v, kControlShift);
  runUntil([&] { return gridText() == kRepeated; });
  EXPECT_EQ(locks(), std::string(81, '0'));
  for (int c = 0; c < 81; ++c) EXPECT_EQ(gui::isRed(cell(c / 9, c % 9)), c <= 1) << c;
}

TEST_F(PuzzleClipboardTest, PasteOfNoPuzzleSaysSoAndChangesNothing) {
  type(4, 4, "7");
  const std::string before = look() + window.get_title();
  const std::pair<const char*, std::function<void()>> clipboards[] = {
      {"empty", [] { Gtk::Clipboard::get()->set_text(""); }},
      {"10 MB", [] { Gtk::Clipboard::get()->set_text(std::string(10 << 20, '1')); }},
      {"binary", [] { offerBytes(std::string("\0\x01\xfe", 3) + kPuzzle); }},
      {"not UTF-8", [] { offerBytes(kPuzzle.substr(1) + "\xc3"); }},
      {"no owner", [] { Gtk::Clipboard::get()->clear(); }},
      {"an owner that never answers", takeClipboardSilently},
  };
  for (const auto& [what, offer] : clipboards) {
    offer();
    EXPECT_EQ(messageAfter([&] { press(GDK_v, kControlShift); }), kNoPuzzle) << what;
    EXPECT_EQ(look() + window.get_title(), before) << what;
  }
}

TEST_F(PuzzleClipboardTest, LockAndCountJudgeTheGridAsItStands) {
  EXPECT_FALSE(choose("Lock Digits As Givens")) << "an empty grid";
  const std::pair<std::string, std::string> grids[] = {
      {kRepeated, "This puzzle has no solution."},
      {"000000000060002010050000740000500260000620050000000000000000000010000000020001000",
       "This puzzle has no solution."},
      {"0" + kPuzzle.substr(1), "This puzzle has more than one solution."},
      {kPuzzle, "This puzzle has exactly one solution."},
  };
  for (const auto& [grid, text] : grids) {
    app.setFromString(grid);
    EXPECT_EQ(messageAfter([&] { choose("Count Solutions"); }), text) << grid;
  }
  app.setFromString(kRepeated);
  EXPECT_FALSE(choose("Lock Digits As Givens")) << "a repeat";
  // 1 to 8 across the top row and a 9 below its last cell: no solution.
  app.setFromString("123456780000000009" + std::string(63, '0'));
  const bool couldUndo = app.history.canUndo();
  EXPECT_EQ(messageAfter([&] { choose("Lock Digits As Givens"); }), "This puzzle has no solution.");
  EXPECT_EQ(locks(), std::string(81, '0'));
  EXPECT_EQ(app.history.canUndo(), couldUndo) << "a refused lock is no step";
  app.setFromString(kPuzzle);
  app.setTitle("05-1");
  EXPECT_TRUE(choose("Lock Digits As Givens"));
  EXPECT_EQ(locks(), kPuzzle);
  EXPECT_EQ(window.get_title(), "Tessary (05-1)");
  choose("Lock Digits As Givens");
  press(GDK_z, GDK_CONTROL_MASK);
  EXPECT_EQ(locks(), std::string(81, '0')) << "locking a locked grid is no step";
}

TEST_F(PuzzleClipboardTest, ADroppedFileOpensAsOpenDoesAndDroppedTextPastes) {
  gui::TempDir dir;
  gui::writeFile(dir.path("good.sudoku"), kPuzzle);
  const auto dropFile = [&](const std::string& name) {
    const std::string uri = Glib::filename_to_uri(dir.path(name));
    drop("text/uri-list", 0, [&](GtkSelectionData* data) {
      gchar* uris[] = {const_cast<gchar*>("http://example.org/a.sudoku"), const_cast<gchar*>(uri.c_str()), nullptr};
      gtk_selection_data_set_uris(data, uris);
    });
  };
  dropFile("good.sudoku");
  EXPECT_EQ(gridText(), kPuzzle);
  EXPECT_EQ(locks(), std::string(81, '0'));
  EXPECT_EQ(app.fileName, dir.path("good.sudoku"));
  // A file that cannot be opened goes the same way, to Open's failure box:
  // FileDialogTest's to see.
  drop("UTF8_STRING", 1, [](GtkSelectionData* data) { gtk_selection_data_set_text(data, kRepeated.c_str(), -1); });
  EXPECT_EQ(gridText(), kRepeated);
}

}  // namespace
