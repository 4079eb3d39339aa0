#pragma once

#include "../StreamCapture.h"
#include "../TempFiles.h"

#include <functional>
#include <sstream>
#include <string>

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
  // The grid as a puzzle string: row-major, a cell's first byte, '0' for an empty cell.
  std::string gridText();
  // Every cell's text, editability, frame and colour, to compare before and after.
  std::string look();

  App app;  // made before the window, so it outlives every widget
  Gtk::Window window;
};

// Lets the toolkit handle everything that is pending (redraws, resizes).
void settle();

// True when the cell carries a base colour override for its normal state.
bool isMarked(Gtk::Entry& cell);
// True when that override is pure red.
bool isRed(Gtk::Entry& cell);

// The modal dialog now shown, if any.
Gtk::Dialog* modalDialog();
// Runs answer on the next modal dialog to appear, from inside its run().
void answerNextDialog(std::function<void(Gtk::Dialog&)> answer);
// The primary text of a message dialog, markup included.
Glib::ustring messageText(Gtk::Dialog& dialog);

// The first widget of type T inside a container, searched depth first.
template <typename T>
T* findChild(Gtk::Container& container) {
  for (Gtk::Widget* child : container.get_children()) {
    if (T* found = dynamic_cast<T*>(child)) return found;
    if (auto* inner = dynamic_cast<Gtk::Container*>(child)) {
      if (T* found = findChild<T>(*inner)) return found;
    }
  }
  return nullptr;
}

// Shared with the core tests.
using ::StreamCapture;
using ::readFile;
using ::TempDir;
using ::writeFile;

}  // namespace gui
