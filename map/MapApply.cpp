// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapApply.h"

#include <string_view>
#include <unordered_map>

#include "LibraryFormat.h"
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

std::optional<TCodePage> codePageOfLines(const TVectorEngine& aEngine,
                                         const std::vector<TMapLine>& aUnmatched,
                                         TCodePage aCurrent) {
  std::optional<TCodePage> best;
  std::size_t bestNamed = aUnmatched.size() / 2;
  for (const TCodePage page : supportedCodePages()) {
    if (page == aCurrent) continue;
    std::size_t named = 0;
    for (const TMapLine& line : aUnmatched) {
      // A text names a category in this page when it is that category's
      // bytes read in it.
      const TAnsiText bytes = encodeAnsi(line.Old, page);
      if (bytes.Exact() && bytes.Bytes.size() <= kRemarksCapacity &&
          aEngine.FindCategoryBytes(bytes.Bytes))
        ++named;
    }
    if (named > bestNamed) {
      best = page;
      bestNamed = named;
    }
  }
  return best;
}
