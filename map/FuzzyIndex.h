// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
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
  // The implementation's own members go here.
};
