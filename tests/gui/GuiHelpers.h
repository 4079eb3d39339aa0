// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../StreamCapture.h"
#include "../TempFiles.h"

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <gtkmm.h>

#include "shell/App.h"

namespace gui {

// A built main window, as the program has it when its main loop starts.
class AppTest : public ::testing::Test {
 protected:
  void SetUp() override { app.buildWindow(window); }

  Gtk::Entry& cell(int row, int col) { return app.cellAt(row, col); }
  // Types text into a cell as the player would: the change handler runs.
  void type(int row, int col, const Glib::ustring& text) { cell(row, col).set_text(text); }
  // A key pressed while the window has the focus, as the toolkit delivers it.
  void press(guint keyval, guint state = 0);
  // Opens a cell's menu as a right click does and runs its item labelled so;
  // false, with nothing run, when the item is greyed out or missing.
  bool choose(const Glib::ustring& label, int cell = 0);
  // The grid as a puzzle string: row-major, a cell's first byte, '0' for an empty cell.
  std::string gridText();
  // Every cell's look (see lookOf), row-major, to compare before and after.
  std::string look();
  // Runs Load Seed, typing text into its entry and pressing OK; returns what
  // the entry then held, which is what the title shows.
  std::string loadSeedTyping(const std::string& text);

  App app;  // made before the window, so it outlives every widget
  Gtk::Window window;
};

// The givens the core builds for a seed code of either kind, as a puzzle string.
std::string puzzleOf(const std::string& code);

// Lets the toolkit handle everything that is pending (redraws, resizes).
void settle();

// True when the cell carries a base colour override for its normal state.
bool isMarked(Gtk::Entry& cell);
// True when that override is pure red.
bool isRed(Gtk::Entry& cell);
// A cell's look in one word: its text, then 'e' if editable, 'f' if framed,
// 'r' if it carries a colour override ('-' for each that it lacks).
std::string lookOf(Gtk::Entry& cell);
// The cell's text colour override: '-' for none, else 'b' where blue leads,
// 'g' where green leads and 'r' where red does.
char textColour(Gtk::Entry& cell);

// Every widget of type T inside a container, depth first.
template <typename T>
std::vector<T*> findAll(Gtk::Container& container) {
  std::vector<T*> found;
  for (Gtk::Widget* child : container.get_children()) {
    if (T* widget = dynamic_cast<T*>(child)) found.push_back(widget);
    if (auto* inner = dynamic_cast<Gtk::Container*>(child)) {
      for (T* widget : findAll<T>(*inner)) found.push_back(widget);
    }
  }
  return found;
}
// The first of them, or null.
template <typename T>
T* findChild(Gtk::Container& container) {
  const std::vector<T*> all = findAll<T>(container);
  return all.empty() ? nullptr : all.front();
}
// The button whose label (or stock id) reads so, or null.
Gtk::Button* buttonLabelled(Gtk::Container& container, const Glib::ustring& label);

// The program's toplevel windows, dialogs included.
std::vector<GtkWindow*> toplevels();
// The modal dialog now shown, if any.
Gtk::Dialog* modalDialog();

// Polls every 10 ms until ready() holds, then runs then(); fails the test
// when it has not happened after fifteen seconds: a loaded machine can take
// that long to list a folder in a file chooser.
void when(std::function<bool()> ready, std::function<void()> then, const std::string& what);
// Runs answer on the next modal dialog of type T, from inside its run().
template <typename T>
void answerNext(std::function<void(T&)> answer) {
  when([] { return dynamic_cast<T*>(modalDialog()) != nullptr; },
       [answer] { answer(*dynamic_cast<T*>(modalDialog())); }, "a dialog was expected");
}
inline void answerNextDialog(std::function<void(Gtk::Dialog&)> answer) { answerNext<Gtk::Dialog>(answer); }

// The next file chooser: path picked and accepted once the chooser has taken
// it in (Open ignores OK while it has no file name).
void pickAndAccept(const std::string& path);
// The next file chooser: an absolute path typed as its name, and accepted.
void typeAndAccept(const std::string& path);
// The next file chooser: answered with response once it shows the preset file.
void answerWhenPreset(const std::string& preset, int response);

// What a dialog showed while it was open.
struct DialogLook {
  Glib::ustring title;
  std::vector<std::pair<std::string, int>> buttons;  // stock id or label, response; left to right
  int defaultResponse = 0;
  bool modal = false;
  bool hasParent = true;
};
DialogLook lookOf(Gtk::Dialog& dialog);

// What a message box showed while it was open.
struct MessageLook {
  DialogLook dialog;
  Glib::ustring markup;
  Glib::ustring visibleText;  // the sentence as the user reads it
  bool markupOn = false;
  Gtk::MessageType type = Gtk::MESSAGE_INFO;
  bool chooserStillShown = false;
  bool seen = false;
};
// Records the next message box, then presses its OK button.
std::shared_ptr<MessageLook> expectMessage();
// Checks that a message box was shown as every failure is: modal, an error,
// markup on, one OK button.
void expectFailureBox(const MessageLook& message);

// Shared with the core tests.
using ::StreamCapture;
using ::readFile;
using ::TempDir;
using ::writeFile;

}  // namespace gui
