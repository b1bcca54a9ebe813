// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapExport.h"

#include <unordered_map>

#include "FieldEscape.h"
#include "LoaderSaver.h"

std::vector<TCategoryContents> categoryContents(const TVectorEngine& aEngine, std::size_t aNames) {
  const int count = aEngine.GetLibraryIndexCount();
  std::vector<TCategoryContents> out(static_cast<std::size_t>(count));
  std::unordered_map<std::u16string, std::size_t> rowOf;
  for (int row = 0; row < count; ++row)
    rowOf.try_emplace(aEngine.GetLibraryIndexItem(row), static_cast<std::size_t>(row));
  const std::vector<std::u16string>& names = aEngine.Names();
  for (std::size_t item = 0; item < names.size(); ++item) {
    const auto row = rowOf.find(TVectorEngine::GetLibraryItemRemarks(
        aEngine.GetLibraryItembyID(static_cast<int>(item)), aEngine.CodePage()));
    if (row == rowOf.end()) continue;
    TCategoryContents& contents = out[row->second];
    ++contents.Items;
    if (contents.FirstNames.size() < aNames) contents.FirstNames.push_back(names[item]);
  }
  return out;
}

std::string describeContents(const TCategoryContents& aContents) {
  std::string out = std::to_string(aContents.Items) + (aContents.Items == 1 ? " item" : " items");
  const char* separator = ": ";
  for (const std::u16string& name : aContents.FirstNames) {
    out += separator + escapeField(name);
    separator = ", ";
  }
  if (aContents.Items > aContents.FirstNames.size()) out += std::string(separator) + "\u2026";
  return out;
}
