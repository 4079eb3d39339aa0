// SPDX-License-Identifier: GPL-3.0-or-later
#include <gdk/gdkkeysyms.h>

#include "GuiHelpers.h"

namespace {

class NotesTest : public gui::AppTest {
 protected:
  // A key pressed in a cell as the toolkit delivers it: keyval, from the
  // key that carries keyOf (the keyval's own key when keyOf is 0).
  void press(int cell, guint keyval, guint state, guint keyOf = 0) {
    app.cellAt(cell / 9, cell % 9).grab_focus();
    GdkKeymapKey* keys = nullptr;
    gint count = 0;
    ASSERT_TRUE(gdk_keymap_get_entries_for_keyval(nullptr, keyOf ? keyOf : keyval, &keys, &count));
    GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
    event->key.window = GDK_WINDOW(g_object_ref(window.get_window()->gobj()));
    event->key.keyval = keyval;
    event->key.state = state;
    event->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
    g_free(keys);
    gtk_main_do_event(event);
    gdk_event_free(event);
  }
  std::string notes(int cell) { return app.cellAt(cell / 9, cell % 9).get_accessible()->get_description(); }
  // The pixels of a cell's text window.
  std::string pixels(int cell) {
    gdk_window_process_all_updates();
    gui::settle();
    Glib::RefPtr<Gdk::Window> area = app.cellAt(cell / 9, cell % 9).get_text_window();
    int width = 0, height = 0;
    area->get_size(width, height);
    Glib::RefPtr<Gdk::Pixbuf> shot = Gdk::Pixbuf::create(Glib::RefPtr<Gdk::Drawable>(area), 0, 0, width, height);
    return std::string(reinterpret_cast<const char*>(shot->get_pixels()), shot->get_rowstride() * height);
  }
};

TEST_F(NotesTest, KeysToggleNotesOfOpenEmptyCellsOnly) {
  app.generateFromSeed(42, 0.5f);
  int open = 0;
  while (!cell(open / 9, open % 9).get_editable()) ++open;
  const int given = open == 0 ? 1 : 0;
  const struct {
    int cell;
    guint keyval, state, keyOf;
    const char* notes;  // of the open cell afterwards
  } presses[] = {
      {open, GDK_1, GDK_CONTROL_MASK, 0, "Notes: 1"},
      {open, GDK_4, GDK_MOD1_MASK | GDK_LOCK_MASK, 0, "Notes: 1 4"},
      {open, GDK_KP_7, GDK_CONTROL_MASK | GDK_MOD2_MASK, 0, "Notes: 1 4 7"},
      // A key whose digit needs Shift, as on a French keyboard.
      {open, GDK_ampersand, GDK_CONTROL_MASK, GDK_1, "Notes: 4 7"},
      {open, GDK_exclam, GDK_CONTROL_MASK | GDK_SHIFT_MASK, 0, "Notes: 1 4 7"},
      {given, GDK_2, GDK_CONTROL_MASK, 0, "Notes: 1 4 7"},
      {open, GDK_2, GDK_CONTROL_MASK | GDK_SUPER_MASK, 0, "Notes: 1 4 7"},
      {open, GDK_BackSpace, 0, 0, ""},
  };
  for (const auto& p : presses) {
    press(p.cell, p.keyval, p.state, p.keyOf);
    EXPECT_EQ(notes(open), p.notes) << "key " << p.keyval << " state " << p.state;
    EXPECT_EQ(cell(open / 9, open % 9).get_text(), "");
    EXPECT_EQ(app.notes[given], 0);
  }
  app.undo();
  EXPECT_EQ(notes(open), "Notes: 1 4 7") << "undo brings back what Backspace cleared";
  press(open, GDK_3, GDK_CONTROL_MASK);
  type(open / 9, open % 9, "5");
  press(open, GDK_6, GDK_CONTROL_MASK);
  EXPECT_EQ(notes(open), "") << "a filled cell shows no notes and takes none";
  type(open / 9, open % 9, "");
  EXPECT_EQ(notes(open), "Notes: 1 3 4 7");
}

TEST_F(NotesTest, MenuAndUndoCoverNotesTidyingAndCommands) {
  EXPECT_FALSE(choose("Clear Notes")) << "no notes to clear";
  EXPECT_TRUE(choose("Fill In Notes"));
  EXPECT_FALSE(choose("Fill In Notes")) << "every note filled in already";
  type(0, 0, "5");
  // Where a digit tidies is the core's to test; here, that it does at once.
  EXPECT_EQ(notes(1), "Notes: 1 2 3 4 6 7 8 9");
  app.undo();
  EXPECT_EQ(gridText(), std::string(81, '0'));
  EXPECT_EQ(notes(1), "Notes: 1 2 3 4 5 6 7 8 9") << "the digit and its tidying are one step";
  EXPECT_TRUE(choose("Clear Notes"));
  EXPECT_FALSE(choose("Clear Notes"));
  app.undo();
  EXPECT_EQ(notes(1), "Notes: 1 2 3 4 5 6 7 8 9");
  const std::string puzzle = gui::puzzleOf("0542");
  const std::function<void()> commands[] = {[&] { app.clearPuzzle(); }, [&] { app.generateFromSeed(7, 0.f); },
                                            [&] { app.setFromString(puzzle); }, [&] { app.solvePuzzle(); }};
  for (const auto& command : commands) {
    app.fillInNotes();
    const GridNotes before = app.notes;
    command();
    EXPECT_EQ(app.notes, GridNotes{});
    app.undo();
    EXPECT_EQ(app.notes, before);
    app.redo();
  }
}

TEST_F(NotesTest, NotesAreDrawnInTheCell) {
  cell(8, 8).grab_focus();
  const std::string empty = pixels(0);
  EXPECT_EQ(pixels(1), empty);
  app.changeNotes(toggledNote(app.notes, 0, 5));
  EXPECT_NE(pixels(0), empty);
}

}  // namespace
