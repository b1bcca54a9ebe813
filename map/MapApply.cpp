// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapApply.h"

#include <string_view>
#include <unordered_map>

#include "LoaderSaver.h"

std::vector<TMapLine> applyMap(const std::vector<TMapLine>& aLines, TCategoryMap& aMap) {
  // Only NewCats changes below, so views into OldCats stay valid.
  std::unordered_map<std::u16string_view, std::size_t> rowOf;
  rowOf.reserve(aMap.OldCats.size());
  for (std::size_t row = 0; row < aMap.OldCats.size(); ++row)
    rowOf.try_emplace(aMap.OldCats[row], row);

  std::vector<TMapLine> unmatched;
  for (const TMapLine& line : aLines) {
    if (const auto it = rowOf.find(line.Old); it != rowOf.end())
      aMap.NewCats[it->second] = line.New;
    else
      unmatched.push_back(line);
  }
  return unmatched;
}
