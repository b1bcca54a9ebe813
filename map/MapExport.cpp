// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapExport.h"

#include "FieldEscape.h"
#include "LoaderSaver.h"

std::vector<TCategoryContents> categoryContents(const TVectorEngine& aEngine, std::size_t aNames) {
  const int count = aEngine.GetLibraryIndexCount();
  std::vector<TCategoryContents> out(static_cast<std::size_t>(count));
  for (int cat = 0; cat < count; ++cat) {
    TCategoryContents& contents = out[static_cast<std::size_t>(cat)];
    const int items = aEngine.GetLibraryIndexItemCount(cat);
    contents.Items = static_cast<std::size_t>(items);
    for (int id = 1; id <= items && contents.FirstNames.size() < aNames; ++id)
      contents.FirstNames.push_back(aEngine.GetLibraryItemByID(cat, id));
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
