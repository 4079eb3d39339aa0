// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtkmm.h>

// The two colours of a cell that the program overrides for its normal
// state: the background (a conflict's red) and the text (the digits' looks).
enum class CellColour { Base, Text };

// True when the cell carries an override of that colour.
bool hasColour(Gtk::Entry& cell, CellColour part);

// Sets the override to colour, or removes it when colour is null. Every
// change of an override restyles the cell and makes the toolkit lay out and
// redraw the grid, so a cell that already looks so is left alone.
void setColour(Gtk::Entry& cell, CellColour part, const Gdk::Color* colour);
