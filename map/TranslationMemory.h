// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "FuzzyIndex.h"
#include "MapFile.h"

struct TCategoryMap;

/// The least similarity at which an entry is suggested.
inline constexpr int kMinimumSimilarity = 30;

/// A pair of texts translated before: an old text and what it became.
struct TMemoryEntry {
  std::u16string Old;
  std::u16string New;
  /// The number of the source it came from (TTranslationMemory::AddSource).
  std::size_t Source = 0;
};

struct TMemoryMatch {
  /// The entry's number in the memory.
  std::size_t Entry = 0;
  int Similarity = 0;
};

/// What translators translated before, from the files they add, searched
/// for the entries whose old text is most similar to a category's.
class TTranslationMemory {
 public:
  /// Names a source of entries (a file's name, as the front end shows it)
  /// and returns its number.
  std::size_t AddSource(std::string aName);
  const std::string& SourceName(std::size_t aSource) const;
  std::size_t SourceCount() const;

  /// Adds the lines of a map as entries of aSource, in map order. A line
  /// whose new text is empty or equal to its old text says nothing that can
  /// be reused and is left out. Returns the entries added.
  std::size_t Add(std::size_t aSource, const std::vector<TMapLine>& aLines);
  std::size_t Size() const;
  const TMemoryEntry& Entry(std::size_t aEntry) const;

  /// Up to aCount entries whose old text is at least aMinimum percent
  /// similar to aText, best first; of entries with the same new text only
  /// the best (the earliest among equals) is given.
  std::vector<TMemoryMatch> Suggest(std::u16string_view aText, std::size_t aCount = 3,
                                    int aMinimum = kMinimumSimilarity) const;

  /// The earliest entry whose old text equals aText (letter case counts), or
  /// null.
  const TMemoryEntry* Exact(std::u16string_view aText) const;

 private:
  struct TTextHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view aText) const {
      return std::hash<std::u16string_view>{}(aText);
    }
  };

  std::vector<std::string> mSources;
  std::vector<TMemoryEntry> mEntries;
  // Each distinct old text once, numbered in order of first appearance,
  // with the entries that have it, in order.
  TFuzzyIndex mOldTexts;
  std::vector<std::vector<std::size_t>> mEntriesOfOld;
  std::unordered_map<std::u16string, std::size_t, TTextHash, std::equal_to<>> mOldNumbers;
};

struct TPretranslation {
  std::size_t Row = 0;
  std::u16string New;
};

/// For every row of aMap still to do (its new text equals its old one), the
/// new text of the memory's earliest entry whose old text equals the row's,
/// in row order. Changes nothing.
std::vector<TPretranslation> pretranslations(const TTranslationMemory& aMemory,
                                             const TCategoryMap& aMap);
