// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CodePage.h"
#include "LoaderSaver.h"
#include "MapFile.h"

/// A tab-separated map read straight from its file a block at a time, its
/// texts taken as views into the bytes read (copied only where a field is
/// quoted or holds an escape), so that a map of a million lines costs
/// little more than reading it and is never held whole.
class TMapScan {
 public:
  /// How much of the file is read at a time.
  static constexpr std::size_t kBlock = std::size_t{1} << 20;

  /// Reads aFile through once and checks it as parseMapFile does. Nothing
  /// when it is not a regular file that opens and reads, starts with a
  /// UTF-16 byte-order mark, or holds anything parseMapFile refuses (or two
  /// old texts it cannot tell apart by their hash): readMap then reads it,
  /// or says why it will not.
  /// The file is read aBlock bytes at a time (the default but for tests).
  static std::optional<TMapScan> Check(const std::string& aFile, std::size_t aBlock = kBlock);

  /// The entries of the map.
  std::size_t Entries() const { return mEntries; }

  /// Reads the file through again, giving aEntry each entry's line (the
  /// one it begins on), old text and new text, unescaped, in UTF-8; the
  /// texts are valid during the call only. False when the file no longer
  /// reads as it did when checked.
  bool ForEach(const std::function<void(int aLine, std::string_view aOld, std::string_view aNew)>&
                   aEntry) const;

 private:
  TMapScan(std::string aFile, std::size_t aBlock) : mFile(std::move(aFile)), mBlock(aBlock) {}

  std::string mFile;
  std::size_t mBlock;
  std::size_t mEntries = 0;
};

/// What a save through the map stores, worked out once for the save and
/// for its warnings.
struct TMapTranslation {
  /// The new bytes of each category a line names.
  TCategoryBytes Stored;
  /// The lines that name no category, in map order.
  std::vector<TMapLine> Unmatched;
  /// Each line that names a category and that category, in map order.
  std::vector<int> NamedLines;
  std::vector<std::uint32_t> NamedEntries;
  /// A line of NamedLines whose new text is not stored as given.
  struct TInexact {
    std::size_t Named = 0;
    std::u16string New;
    TAnsiText Stored;
  };
  std::vector<TInexact> Inexact;
  /// A line of NamedLines whose category will be stored as the same bytes
  /// as Other: the first such entry, in catalogue order, either one that
  /// keeps its bytes or one the map gives the same new bytes.
  struct TMerge {
    std::size_t Named = 0;
    std::size_t Other = 0;
  };
  std::vector<TMerge> Merges;
};

/// Reads aScan against aEngine's catalogue. A line names the category whose
/// text equals its old text exactly; the rest is as applying the map to the
/// whole catalogue and StoredCategories would tell. Nothing when the map no
/// longer reads as it did.
std::optional<TMapTranslation> translateByScan(const TVectorEngine& aEngine, const TMapScan& aScan);

/// Gives each row of aMap, the engine's catalogue in catalogue order
/// (TCategoryMap::Identity), the new text of the line naming it, as
/// applyMap does. Returns the lines that name no category, in map order;
/// nothing when the map no longer reads as it did.
std::optional<std::vector<TMapLine>> applyScan(const TVectorEngine& aEngine, const TMapScan& aScan,
                                               TCategoryMap& aMap);
