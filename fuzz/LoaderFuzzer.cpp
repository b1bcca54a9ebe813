// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds every input to the loader, asks the catalogue what the windows ask,
// saves with every category kept and loads the output again. Two properties
// must hold for any input at all:
//   - the reloaded library has the same items (as byte strings, in any
//     order) and the same catalogue entries as the first load;
//   - saving the reloaded library writes the same bytes as the first save.
// The first load maps the input from a file, as a library is loaded from
// the disk; it must give what a load from memory gives. The input read as
// two strings of code units also checks that their sort keys order them as
// NatCompare does.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "FileLayer.h"
#include "LoaderSaver.h"
#include "MemoryFile.h"
#include "NaturalKey.h"
#include "strnatcomp.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

[[noreturn]] void violated(const char* aProperty) {
  std::fprintf(stderr, "property violated: %s\n", aProperty);
  std::abort();
}

void require(bool aHolds, const char* aProperty) {
  if (!aHolds) violated(aProperty);
}

// Touches every answer the windows and the command line read, so that a
// read out of bounds anywhere in them is caught here.
void askEverything(const TVectorEngine& aEngine) {
  const int count = aEngine.GetLibraryIndexCount();
  std::size_t listed = 0;
  for (int c = 0; c < count; ++c) {
    volatile std::size_t sink = aEngine.GetLibraryIndexItem(c).size();
    const int names = aEngine.GetLibraryIndexItemCount(c);
    require(names > 0, "every catalogue entry names an item");
    for (int id = 1; id <= names; ++id) sink = sink + aEngine.GetLibraryItemByID(c, id).size();
    listed += static_cast<std::size_t>(names);
  }
  require(listed == aEngine.ItemCount(), "the catalogue lists every item once");
  require(aEngine.Names().size() == aEngine.ItemCount(), "every item has a name");
  for (std::size_t i = 0; i < aEngine.ItemCount(); ++i) {
    const TItemStream item = aEngine.GetLibraryItembyID(static_cast<int>(i));
    require(item.Size >= kItemHeaderSize, "an item holds its header");
    require(TVectorEngine::GetLibraryItemAuthor(item) == aEngine.Name(i),
            "a name is its item's Author");
    volatile std::size_t sink = TVectorEngine::GetLibraryItemRemarks(item).size();
    (void)sink;
  }
  const std::vector<std::uint32_t> order = aEngine.SortedItemOrder();
  require(order.size() == aEngine.ItemCount(), "the save order holds every item");
  std::vector<bool> seen(order.size());
  for (const std::uint32_t id : order) {
    require(id < seen.size() && !seen[id], "the save order takes each item once");
    seen[id] = true;
  }
}

// The items as they come back from a save: a Remarks length byte above the
// field's capacity is stored clamped.
std::vector<TBytes> savedItems(const TVectorEngine& aEngine) {
  std::vector<TBytes> items;
  for (std::size_t i = 0; i < aEngine.ItemCount(); ++i) {
    const TItemStream item = aEngine.GetLibraryItembyID(static_cast<int>(i));
    TBytes bytes(item.Data, item.Data + item.Size);
    bytes[kRemarksOffset] =
        std::min<std::uint8_t>(bytes[kRemarksOffset], static_cast<std::uint8_t>(kRemarksCapacity));
    items.push_back(std::move(bytes));
  }
  std::sort(items.begin(), items.end());
  return items;
}

// Each category with the names of its items; the order of entries follows the
// order of items in the file, which the save changes.
std::map<std::u16string, std::vector<std::u16string>> catalogue(const TVectorEngine& aEngine) {
  std::map<std::u16string, std::vector<std::u16string>> entries;
  for (int c = 0; c < aEngine.GetLibraryIndexCount(); ++c) {
    std::vector<std::u16string> names;
    for (int id = 1; id <= aEngine.GetLibraryIndexItemCount(c); ++id)
      names.push_back(aEngine.GetLibraryItemByID(c, id));
    std::sort(names.begin(), names.end());
    require(entries.emplace(aEngine.GetLibraryIndexItem(c), std::move(names)).second,
            "no two catalogue entries share a text");
  }
  return entries;
}

TBytes saveKeepingCategories(TVectorEngine& aEngine) {
  TMemorySink sink;
  aEngine.SaveLibraryToStream(sink, TCategoryMap::Identity(aEngine));
  return sink.Bytes;
}

// The first half of the input and the second, each as little-endian code
// units.
void checkSortKeys(const std::uint8_t* aData, std::size_t aSize) {
  std::u16string halves[2];
  for (std::size_t i = 0; i + 1 < aSize; i += 2)
    halves[i < aSize / 2 ? 0 : 1].push_back(static_cast<char16_t>(aData[i] | aData[i + 1] << 8));
  const int byKeys = naturalKey(halves[0]).compare(naturalKey(halves[1]));
  require(((byKeys > 0) - (byKeys < 0)) == NatCompare(halves[0], halves[1]),
          "sort keys order names as NatCompare does");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize) {
  checkSortKeys(aData, aSize);
  // Loaded through its name as any library file is: mapped.
  const TMemoryFile input(std::string_view(reinterpret_cast<const char*>(aData), aSize));
  TVectorEngine first;
  const TLoadResult loaded = first.LoadLibraryFromFile(input.Name());
  TVectorEngine inMemory;
  const TLoadResult fromMemory = inMemory.LoadLibraryFromStream(TBytes(aData, aData + aSize));
  require(loaded.Kind == fromMemory.Kind && loaded.ItemsRead == fromMemory.ItemsRead &&
              loaded.TrailingBytes == fromMemory.TrailingBytes,
          "a mapped load reads what a load from memory reads");
  require(loaded.ItemsRead == static_cast<std::int64_t>(first.ItemCount()),
          "the result counts the items kept");
  require(loaded.ItemsRead <= loaded.ItemsDeclared, "no more items than declared");
  askEverything(first);
  if (loaded.Kind == TLoadResult::TKind::NotALibrary) {
    require(first.ItemCount() == 0, "a rejected file yields no items");
    return 0;
  }

  const TBytes saved = saveKeepingCategories(first);
  require(saveKeepingCategories(inMemory) == saved, "a mapped load saves as a load from memory");
  TVectorEngine second;
  const TLoadResult reloaded = second.LoadLibraryFromStream(saved);
  require(reloaded.Kind == TLoadResult::TKind::Loaded, "a saved library loads whole");
  askEverything(second);
  require(savedItems(second) == savedItems(first), "the save keeps every item's bytes");
  require(catalogue(second) == catalogue(first), "the save keeps the catalogue");
  require(saveKeepingCategories(second) == saved, "a second save writes the same bytes");
  return 0;
}
