// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "SampleLibrary.h"

/// Items and libraries the tests build, each with bytes of its own so that
/// an item written in the wrong place or changed shows.

/// An item with a body of aBodySize bytes made from aSeed, which also seeds
/// the header bytes nobody interprets.
TSampleItem sampleItem(std::string aName, std::string aCategory, std::size_t aBodySize = 16,
                       std::uint8_t aSeed = 0);

/// aItems items named "Item N" with N counting down, so that a save reverses
/// them, in aCategories categories "Category K" taken in turn; item i has a
/// body of aBodySize bytes and seed i.
TSampleLibrary numberedLibrary(int aItems, int aCategories, std::size_t aBodySize);
