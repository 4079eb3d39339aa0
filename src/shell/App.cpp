// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/App.h"

// The adjustment is made with the App and lives to the end of the process:
// the slider refers to it until the window is gone.
App::App()
    : cells(),
      difficulty(new Gtk::Adjustment(0.5, 0.0, 1.0, 0.01, 0.1, 0.0)),
      window(nullptr),
      updating(false),
      fontRatio(0.0f) {}
