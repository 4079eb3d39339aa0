// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one keystroke's work on a full grid: the change handler re-filters
// all 81 cells, re-reads the grid and re-colours every cell. It must stay far
// below one frame (16 ms). Run on an X display (tests/with-xvfb.sh).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <gtkmm.h>

#include "shell/App.h"

namespace {

using Clock = std::chrono::steady_clock;

void settle() {
  while (Gtk::Main::events_pending()) Gtk::Main::iteration(false);
}

// Writes a full grid as the program does, without filter or marking.
void fill(App& app, bool withConflicts) {
  app.updating = true;
  for (int row = 0; row < 9; ++row) {
    for (int col = 0; col < 9; ++col) {
      int digit = 1 + (row * 3 + row / 3 + col) % 9;
      // Every row then repeats its first digit in its last cell: 18 red cells and more.
      if (withConflicts && col == 8) digit = 1 + (row * 3 + row / 3) % 9;
      app.cellAt(row, col).set_text(std::to_string(digit));
    }
  }
  app.updating = false;
  app.cellChanged();
  settle();
}

// Runs work `rounds` times and prints the median and the slowest time, in microseconds.
template <typename Work>
void measure(const char* name, int rounds, Work work) {
  std::vector<double> times;
  times.reserve(rounds);
  for (int i = 0; i < rounds; ++i) {
    const Clock::time_point start = Clock::now();
    work(i);
    times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  std::printf("%-52s median %8.1f us   p99 %8.1f us   max %8.1f us\n", name, times[times.size() / 2],
              times[times.size() * 99 / 100], times.back());
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
  return 0;
}
