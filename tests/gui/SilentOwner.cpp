// SPDX-License-Identifier: GPL-3.0-or-later
// Apart from the tests: Xlib's macros (None, Status, Bool) clash with gtkmm's and GoogleTest's names.
#include "SilentOwner.h"

#include <X11/Xlib.h>

SilentOwner::SilentOwner() : display_(XOpenDisplay(nullptr)) {
  const Window owner = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display_, XInternAtom(display_, "CLIPBOARD", False), owner, CurrentTime);
  XSync(display_, False);
}

SilentOwner::~SilentOwner() { XCloseDisplay(display_); }
