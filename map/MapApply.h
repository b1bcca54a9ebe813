// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "MapFile.h"

struct TCategoryMap;

/// Gives each row of aMap.OldCats the new text of the map line whose old text
/// equals it exactly (letter case counts); a row no line names keeps its
/// NewCats text. When OldCats holds a text twice, its first row takes the
/// line. Returns the lines whose old text is in no row, in map order. Takes
/// time in proportion to the lines and the rows together.
std::vector<TMapLine> applyMap(const std::vector<TMapLine>& aLines, TCategoryMap& aMap);
