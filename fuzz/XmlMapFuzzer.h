// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>
#include <unordered_set>

#include "LoaderSaver.h"
#include "MapFile.h"

/// What the TMX and the XLIFF fuzz targets share: an input that reads as a
/// map must write and read back as the same map.
[[noreturn]] inline void violated(const char* aProperty) {
  std::fprintf(stderr, "property violated: %s\n", aProperty);
  std::abort();
}

inline void require(bool aHolds, const char* aProperty) {
  if (!aHolds) violated(aProperty);
}

/// The lines of a parse as the rows of a map, every row changed: the first
/// line of each old text, as a writer keeps them.
inline TCategoryMap rowsOf(const TMapParse& aParse) {
  TCategoryMap map;
  std::unordered_set<std::u16string> seen;
  for (const TMapLine& line : aParse.Lines) {
    require(line.Line > 0, "every line read knows its line number");
    require(!line.New.empty(), "an empty target is never applied");
    if (!seen.insert(line.Old).second) continue;
    map.OldCats.push_back(line.Old);
    map.NewCats.push_back(line.New);
  }
  return map;
}

inline void requireSameRows(const TCategoryMap& aMap, const TMapParse& aAgain) {
  require(!aAgain.Error, "what was written reads back");
  require(aAgain.Skipped.empty() && aAgain.FuzzySkipped == 0, "nothing written is skipped");
  require(aAgain.Lines.size() == aMap.OldCats.size(), "every row reads back");
  for (std::size_t i = 0; i < aMap.OldCats.size(); ++i)
    require(aAgain.Lines[i].Old == aMap.OldCats[i] && aAgain.Lines[i].New == aMap.NewCats[i],
            "every row reads back as its texts");
}
