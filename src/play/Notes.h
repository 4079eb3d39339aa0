// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

// The player's notes: for each cell (row-major), a set of the digits 1-9
// they jotted down as still possible there, bit d-1 for digit d.
using CellNotes = std::uint16_t;
using GridNotes = std::array<CellNotes, 81>;

constexpr CellNotes noteOf(int digit) { return static_cast<CellNotes>(1u << (digit - 1)); }
constexpr CellNotes kAllNotes = 0x1ff;

// grid: 81 chars, row-major, '1'-'9' a digit and anything else an empty cell.

// The notes with digit (1-9) added to or taken from the cell's.
GridNotes toggledNote(GridNotes notes, int cell, int digit);

// The notes with the cell's emptied.
GridNotes withoutNotes(GridNotes notes, int cell);

// The notes once the digit grid holds at cell has gone in: no other cell of
// its row, column or box keeps that digit as a note. The cell's own notes
// stay, for when its digit is taken out again.
GridNotes tidiedNotes(GridNotes notes, const std::string& grid, int cell);

// The notes with every empty cell's set to exactly the digits that no digit
// of its row, column and box holds; a filled cell's are kept.
GridNotes candidateNotes(GridNotes notes, const std::string& grid);

// A cell's notes as its digits in increasing order, one blank between two.
std::string noteDigits(CellNotes notes);

// The notes a cell shows: an empty cell's own, none for a filled one.
CellNotes shownNotes(const GridNotes& notes, const std::string& grid, int cell);
