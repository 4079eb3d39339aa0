// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "solver/TileSet.h"

// Between sets of tiles and sets of groups (27-bit masks, numbered as in
// BoardGeometry.h), a band of three rows at a time rather than tile by tile.

// The groups in which at least one of the tiles lies.
uint32_t groupsHit(TileSet tiles);

// The tiles whose row, column and box are all among the groups.
TileSet tilesInGroups(uint32_t groups);
