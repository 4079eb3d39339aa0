// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "solver/BoardGeometry.h"
#include "solver/DigitMask.h"
#include "solver/GroupSets.h"
#include "solver/TileSet.h"

// What the board knows about its candidates beside the tiles themselves:
// for each digit, the empty tiles that offer it, the groups still missing
// it and those of them where no empty tile offers it; the tiles with one
// option and the number with none. With it the search asks whether the
// board is consistent at no cost, and the singles sweep looks only at the
// tiles with one option. The board reports every change of its tiles here,
// in the order Set and Unset make them; all of it is inline, since they
// call it for every tile they change.
class CandidateIndex {
 public:
  // An empty board: every tile offers every digit, every group misses it.
  CandidateIndex() {
    for (int d = 0; d < 9; ++d) {
      offering_[d] = kAllTiles;
      missing_[d] = kAllGroups;
    }
  }

  // No empty tile without options, and no digit missing from a group
  // without a tile there to offer it.
  bool Consistent() const { return emptyWithoutOptions_ == 0 && uncoveredDigits_ == 0; }
  // The empty tiles with exactly one option.
  TileSet Singles() const { return singles_; }

  // An empty tile with count options, the digits of the mask, was filled.
  void TileFilled(uint32_t tile, int32_t count, unsigned digits) {
    const TileSet self = tileBit(tile);
    filledTiles_ |= self;
    if (count == 0) {
      --emptyWithoutOptions_;
    } else if (count == 1) {
      singles_ &= ~self;
    }
    forEachDigit(digits, [&](int32_t d) { offering_[d] &= ~self; });
  }
  // A filled tile was emptied and now has count options, the digits of the
  // mask.
  void TileEmptied(uint32_t tile, int32_t count, unsigned digits) {
    const TileSet self = tileBit(tile);
    filledTiles_ &= ~self;
    forEachDigit(digits, [&](int32_t d) { offering_[d] |= self; });
    if (count == 0) {
      ++emptyWithoutOptions_;
    } else if (count == 1) {
      singles_ |= self;
    }
  }

  // The digit now stands on the tile, so its groups no longer miss it.
  // Returns the tile's peers that offered it, which from now on do not.
  TileSet DigitPlaced(uint32_t tile, int32_t digit) {
    missing_[digit] &= ~kGeometry.groupsOf[tile];
    const TileSet losing = offering_[digit] & kGeometry.peerBits[tile];
    offering_[digit] &= ~losing;
    return losing;
  }
  // The digit left the tile, so its groups miss it again. Returns the
  // tile's empty peers that offer it again: those whose three groups all
  // miss it now.
  TileSet DigitTakenBack(uint32_t tile, int32_t digit) {
    missing_[digit] |= kGeometry.groupsOf[tile];
    const TileSet regaining =
        tilesInGroups(missing_[digit]) & kGeometry.peerBits[tile] & ~filledTiles_ & ~offering_[digit];
    offering_[digit] |= regaining;
    return regaining;
  }

  // An empty tile's option count fell by one to count, or rose to it.
  void OptionLost(uint32_t tile, int32_t count) {
    if (count == 1) {
      singles_ |= tileBit(tile);
    } else if (count == 0) {
      singles_ &= ~tileBit(tile);
      ++emptyWithoutOptions_;
    }
  }
  void OptionRegained(uint32_t tile, int32_t count) {
    if (count == 2) {
      singles_ &= ~tileBit(tile);
    } else if (count == 1) {
      --emptyWithoutOptions_;
      singles_ |= tileBit(tile);
    }
  }

  // After a digit was placed on the tile: which groups lost their last
  // place for a digit. Only groups that lost a place can have: for the
  // digit, the groups of the peers that gave it up (touchedGroups); for the
  // tile's other former options, the tile's own groups.
  void RecheckAfterPlacing(uint32_t tile, int32_t digit, uint32_t touchedGroups, unsigned otherDigits) {
    const uint32_t ownGroups = kGeometry.groupsOf[tile];
    // The tile's own groups no longer miss the digit.
    const uint32_t uncovered = (uncovered_[digit] & ~ownGroups) | GroupsWithoutPlace(digit, touchedGroups);
    if (uncovered != uncovered_[digit]) StoreUncovered(digit, uncovered);
    forEachDigit(otherDigits, [&](int32_t d) {
      const uint32_t bare = GroupsWithoutPlace(d, ownGroups);
      if (bare != 0) StoreUncovered(d, uncovered_[d] | bare);
    });
  }
  // After a digit was taken off the tile, which now offers ownDigits: places
  // only came back, so only groups that had none for a digit need a look.
  void RecheckAfterTakingBack(uint32_t tile, int32_t digit, unsigned ownDigits) {
    // The tile's own groups miss the digit again; if the tile offers it,
    // they have a place for it.
    if (uncovered_[digit] != 0 || (ownDigits & 1u << digit) == 0) {
      StoreUncovered(digit, missing_[digit] & ~groupsHit(offering_[digit]));
    }
    const uint32_t ownGroups = kGeometry.groupsOf[tile];
    forEachDigit(ownDigits & ~(1u << digit), [&](int32_t d) {
      if ((uncovered_[d] & ownGroups) != 0) StoreUncovered(d, uncovered_[d] & ~ownGroups);
    });
  }

 private:
  // The groups among candidates that miss the digit and have no tile
  // offering it.
  uint32_t GroupsWithoutPlace(int32_t digit, uint32_t candidates) const {
    uint32_t bare = 0;
    for (uint32_t groups = candidates & missing_[digit]; groups != 0; groups &= groups - 1) {
      const uint32_t g = static_cast<uint32_t>(__builtin_ctz(groups));
      if ((offering_[digit] & kGeometry.groupBits[g]).Empty()) bare |= 1u << g;
    }
    return bare;
  }
  // Records the groups that miss the digit and have no tile offering it.
  void StoreUncovered(int32_t digit, uint32_t groups) {
    uncovered_[digit] = groups;
    if (groups != 0) {
      uncoveredDigits_ |= 1u << digit;
    } else {
      uncoveredDigits_ &= ~(1u << digit);
    }
  }

  // For each digit, the empty tiles that offer it.
  TileSet offering_[9];
  // The filled tiles.
  TileSet filledTiles_;
  // The empty tiles with exactly one option.
  TileSet singles_;
  // For each digit, the groups still missing it.
  uint32_t missing_[9];
  // For each digit, the groups missing it where no empty tile offers it.
  uint32_t uncovered_[9] = {};
  // Bit d set while uncovered_[d] is not empty.
  uint32_t uncoveredDigits_ = 0;
  // Empty tiles whose options ran out.
  int32_t emptyWithoutOptions_ = 0;
};
