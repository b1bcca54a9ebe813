// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "CodePage.h"
#include "MapFile.h"

struct TCategoryMap;
class TVectorEngine;

/// Gives each row of aMap.OldCats the new text of the map line whose old text
/// equals it exactly (letter case counts); a row no line names keeps its
/// NewCats text. When OldCats holds a text twice, its first row takes the
/// line. Returns the lines whose old text is in no row, in map order. Takes
/// time in proportion to the lines and the rows together.
std::vector<TMapLine> applyMap(const std::vector<TMapLine>& aLines, TCategoryMap& aMap);

/// The code page other than aCurrent in which most of aUnmatched, lines that
/// named no category of aEngine read in aCurrent, do name one: the page the
/// map was most likely made in. Nothing when there is no such page.
std::optional<TCodePage> codePageOfLines(const TVectorEngine& aEngine,
                                         const std::vector<TMapLine>& aUnmatched,
                                         TCodePage aCurrent);
