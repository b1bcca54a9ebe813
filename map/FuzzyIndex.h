// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct TFuzzyMatch {
  /// The text's number: the count of texts added before it.
  std::size_t Id = 0;
  /// similarity() of the text to the one asked about.
  int Similarity = 0;
};

/// Texts to be searched for the ones most similar to a given text. A text is
/// compared in full only when enough of its character trigrams are shared
/// with the text asked about for it to reach the minimum similarity, so that
/// a search of 100 000 texts takes milliseconds.
class TFuzzyIndex {
 public:
  /// Adds aText under the next number.
  void Add(std::u16string_view aText);
  std::size_t Size() const;

  /// Up to aCount texts at least aMinimum percent similar to aText, best
  /// first, equals in order of their numbers; when aAccept is set, only the
  /// numbers it accepts. Never misses a text that reaches aMinimum.
  std::vector<TFuzzyMatch> Best(std::u16string_view aText, std::size_t aCount, int aMinimum,
                                const std::function<bool(std::size_t)>& aAccept = {}) const;

 private:
  std::u16string_view Text(std::size_t aId) const;
  std::u32string_view Folded(std::size_t aId) const;

  // Every text as added and as compared, one after another.
  std::u16string mTexts;
  std::vector<std::size_t> mTextStarts{0};
  std::u32string mFolded;
  std::vector<std::size_t> mFoldedStarts{0};
  // The numbers of the texts holding each trigram, once for every time
  // they hold it, in order.
  std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> mPostings;
  // The numbers of the texts of each folded length, in order.
  std::map<std::size_t, std::vector<std::uint32_t>> mByLength;
};
