// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtkmm.h>

#include "grid/Placement.h"
#include "play/DigitCheck.h"
#include "play/History.h"
#include "play/Notes.h"

// The one application object: it holds everything that outlives a single
// signal handler, and every command and handler of the window is one of its
// members. A local of main, it outlives every widget whose signals refer to it.
class App {
 public:
  App();

  // The window (window layout and wiring)
  void buildWindow(Gtk::Window& window);

  // Title, About, Quit and font scaling
  void setTitle(const Glib::ustring& text);
  void showAbout();
  void quit();
  // A modal error message box with one OK button, for markup made by errorMarkup.
  static void showError(const Glib::ustring& markup);
  void resizeFont(Gtk::Allocation& allocation);

  // The grid view
  void showPuzzle(const Placement* placements, const unsigned char* shown);
  void clearPuzzle();
  void cellChanged();
  // Any of the three may be null when the caller only wants the colouring.
  int readGrid(Placement* placements, unsigned char* used, unsigned char* shown);
  // The program's own writing of the whole grid, with updating raised:
  // digits is a puzzle string ('0' for an empty cell), whose digits become
  // locked givens when lock is set. Every cell loses its conflict colour,
  // and every note goes.
  void writeGrid(const std::string& digits, bool lock);
  // A given is read-only and frameless, an open cell editable and framed;
  // either way the cell loses its conflict colour.
  static void setLocked(Gtk::Entry& cell, bool locked);

  // Solve, Generate and Load Seed
  void solvePuzzle();
  void generateFromSeed(int seed, float difficulty);
  void generatePuzzle();
  void loadSeed();

  // Puzzle strings and files, Open and Save
  int setFromString(const std::string& text);
  std::string getString();
  int openPuzzle(const std::string& path);
  int savePuzzle(const std::string& path);
  void openPuzzleDialog();
  void savePuzzleDialog();
  // The file named on the command line; a failure is also shown on screen.
  void openPuzzleAtStart(const std::string& path);
  // Opens a file as Open does, the "Opening failed!" box included.
  void openPuzzleFile(const std::string& path);

  // Puzzles from elsewhere: the clipboard, files and text dropped on the
  // window; typed digits locked as givens, and their solutions counted
  void pastePuzzle();
  // Shows a pasted or dropped text as a puzzle; false, the grid unchanged, for no puzzle.
  bool showPastedPuzzle(const std::string& text);
  void copyPuzzle();
  void acceptDrops();
  void dropReceived(const Glib::RefPtr<Gdk::DragContext>& context, int x, int y, const Gtk::SelectionData& data,
                    guint info, guint time);
  bool canLockDigits();
  void lockDigits();
  void showSolutionCount();

  // Playing comfort: undo and redo, hints, moving by keys, the digits' looks
  void recordChange(bool byPlayer);
  GridSnapshot snapshot();
  void restore(const GridSnapshot& state);
  void undo();
  void redo();
  void hint(int cell);
  void explain();
  bool keyPressed(GdkEventKey* event);
  void focusChanged(Gtk::Widget* widget);
  void selectForTyping(int cell);
  bool cellPressed(GdkEventButton* event, int cell);
  void cellMenu(Gtk::Menu* menu, int cell);
  void showLooks();
  int focusedCell();

  // Puzzles with exactly one solution, and checking the player's digits
  void showOneSolutionPuzzle(int seed, float difficulty);
  void newOneSolutionPuzzle();
  bool canCheckDigits();
  void checkDigits();
  // Notes: the player's pencil marks in the empty cells (notes keys, drawing, menu)
  bool noteKeyPressed(GdkEventKey* event, int cell);
  bool canFillInNotes();
  bool canClearNotes();
  void fillInNotes();
  void clearNotes();
  // The player's change of the notes alone: one step of undo.
  void changeNotes(const GridNotes& next);
  // The notes once the player's change has made the grid read grid: each
  // digit that went in leaves its row, column and box.
  GridNotes notesAfter(const std::string& grid);
  // Shows next as the notes of grid. Only the cells whose shown notes
  // change are redrawn and get a new accessible description.
  void showNotes(const GridNotes& next, const std::string& grid);
  // A cell's tooltip, asked for when it is about to show: its notes, if any.
  bool notesTooltip(int x, int y, bool byKeyboard, const Glib::RefPtr<Gtk::Tooltip>& tooltip, int cell);
  // Notes of the focused digit ('0' for none) are drawn in its highlight.
  void highlightNotes(char digit);
  bool drawNotes(GdkEventExpose* event, int cell);
  void layOutNotes(Gtk::Entry& entry, int height);
  // The player's notes, row-major, kept also under a digit.
  GridNotes notes{};
  // What each cell draws now: its notes while it is empty, none under a digit.
  GridNotes notesShown{};
  // The digit whose notes are drawn in the highlight, '0' for none.
  char notesHighlight = '0';
  // The digits 1-9 laid out in noteFont, the notes' font for the cells' size.
  Pango::FontDescription noteFont;
  std::vector<Glib::RefPtr<Pango::Layout>> noteLayouts;

  // The grid's entries, column-major: see entryIndex.
  Gtk::Entry* cells[81];
  // The slider's value, 0 (Easy) to 1 (Hard); created here, never released.
  Gtk::Adjustment* difficulty;
  Gtk::Window* window;
  // True while the program itself writes into the cells, so that the
  // change handler neither filters nor marks those writes.
  bool updating;
  // Font size in Pango units per pixel of cell width; 0 until measured.
  float fontRatio;
  Gdk::Color conflictColor;
  // The last puzzle file opened or saved, offered by the Open and Save dialogs.
  std::string fileName;
  // The seed of this run's last Generate, so that the next one takes another.
  std::optional<int> lastSeed;
  // The seed of this run's last puzzle with one solution, likewise.
  std::optional<int> lastOneSolutionSeed;
  // The message about a file named on the command line that could not be
  // opened: not modal, so it lives beyond the call that shows it.
  std::unique_ptr<Gtk::MessageDialog> startupMessage;
  // The text last given to setTitle, shown behind the program's name.
  Glib::ustring titleText;
  // Every state of the grid since start, for undo and redo.
  History history;
  // The digits the last Check Digits found wrong, red until the grid changes.
  WrongDigits wrongDigits;

  // Where the entry of the cell at (row, col) sits in cells: only these two
  // know that the entries are kept column-major.
  static int entryIndex(int row, int col) { return col * 9 + row; }
  Gtk::Entry& cellAt(int row, int col) { return *cells[entryIndex(row, col)]; }
};
