// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one keystroke's work on a full grid: the change handler re-filters
// all 81 cells, re-reads the grid and re-colours every cell. It must stay far
// below one frame (16 ms). Then the same keystroke on a grid with every other
// cell empty, without notes and with every empty cell full of notes: the
// notes may cost a keystroke little. Run on an X display (tests/with-xvfb.sh).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <gtkmm.h>

#include "shell/App.h"

namespace {

using Clock = std::chrono::steady_clock;

void settle() {
  while (Gtk::Main::events_pending()) Gtk::Main::iteration(false);
}

// Writes a full grid as the program does, without filter or marking; with
// holes, every cell whose row and column add up to an odd number stays empty.
void fill(App& app, bool withConflicts, bool holes = false) {
  app.updating = true;
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) {
      int digit = 1 + (row * 3 + row / 3 + col) % 9;
      // Every row then repeats its first digit in its last cell: 18 red cells and more.
      if (withConflicts && col == 8) digit = 1 + (row * 3 + row / 3) % 9;
      const bool hole = holes && (row + col) % 2 == 1;
      app.cellAt(row, col).set_text(hole ? std::string() : std::to_string(digit));
    }
  }
  app.updating = false;
  app.cellChanged();
  settle();
}

template <typename Work>
double timed(Work& work, int i) {
  const Clock::time_point start = Clock::now();
  work(i);
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// Prints the median, the 99th percentile and the slowest time, in microseconds.
void report(const char* name, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-52s median %8.1f us   p99 %8.1f us   max %8.1f us\n", name, times[times.size() / 2],
              times[times.size() * 99 / 100], times.back());
}

// Runs work `rounds` times.
template <typename Work>
void measure(const char* name, int rounds, Work work) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) times.push_back(timed(work, i));
  report(name, times);
}

// Runs two works in turns, so that both see the same load of the machine.
template <typename Work>
void measureInTurns(const char* nameA, Work workA, const char* nameB, Work workB, int rounds) {
  std::vector<double> timesA;
  std::vector<double> timesB;
  for (int i = 0; i < rounds; ++i) {
    timesA.push_back(timed(workA, i));
    timesB.push_back(timed(workB, i));
  }
  report(nameA, timesA);
  report(nameB, timesB);
}

}  // namespace

int main(int argc, char** argv) {
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr, "CellChangedBench: no X display; run under tests/with-xvfb.sh\n");
    return 1;
  }
  Gtk::Main toolkit(argc, argv);
  App app;
  Gtk::Window window;
  app.buildWindow(window);
  settle();
  const int rounds = 2000;

  fill(app, false);
  measure("cellChanged, full valid grid", rounds, [&](int) { app.cellChanged(); });
  // A keystroke as the toolkit delivers it: one cell's text changes, the
  // handler runs from its changed signal, and the toolkit then redraws.
  measure("keystroke + redraw, full valid grid", rounds / 4, [&](int i) {
    app.cellAt(4, 4).set_text(i % 2 ? "5" : "");
    settle();
  });

  fill(app, true);
  measure("cellChanged, full grid with conflicts", rounds, [&](int) { app.cellChanged(); });
  measure("keystroke + redraw, full grid with conflicts", rounds / 4, [&](int i) {
    app.cellAt(4, 4).set_text(i % 2 ? "5" : "");
    settle();
  });

  // The same grid in a second window, with every empty cell full of notes.
  // The first 5 typed there takes the 5 out of its row's, column's and box's
  // notes; every later keystroke finds the other empty cells as full as that
  // leaves them.
  App noted;
  Gtk::Window notedWindow;
  noted.buildWindow(notedWindow);
  fill(app, false, true);
  fill(noted, false, true);
  const std::string grid = noted.getString();
  GridNotes full{};
  for (int cell = 0; cell < kCellCount; ++cell) full[cell] = grid[cell] == '0' ? kAllNotes : 0;
  noted.changeNotes(full);
  settle();
  const auto keystroke = [](App& in) {
    return std::function<void(int)>([&in](int i) {
      in.cellAt(4, 5).set_text(i % 2 ? "" : "5");
      settle();
    });
  };
  measureInTurns("keystroke + redraw, half-empty grid", keystroke(app),
                 "keystroke + redraw, half-empty grid, full of notes", keystroke(noted), rounds / 2);
  return 0;
}
