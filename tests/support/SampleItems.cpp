// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleItems.h"

TSampleItem sampleItem(std::string aName, std::string aCategory, std::size_t aBodySize,
                       std::uint8_t aSeed) {
  TSampleItem item;
  item.Name = std::move(aName);
  item.Category = std::move(aCategory);
  item.Body.resize(aBodySize);
  for (std::size_t b = 0; b < aBodySize; ++b)
    item.Body[b] = static_cast<std::uint8_t>(b * 13 + aSeed);
  item.Seed = aSeed;
  return item;
}

TSampleLibrary numberedLibrary(int aItems, int aCategories, std::size_t aBodySize) {
  TSampleLibrary library;
  for (int i = 0; i < aItems; ++i)
    library.Items.push_back(sampleItem("Item " + std::to_string(aItems - i),
                                       "Category " + std::to_string(i % aCategories), aBodySize,
                                       static_cast<std::uint8_t>(i)));
  return library;
}
