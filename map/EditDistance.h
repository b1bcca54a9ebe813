// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

/// The Levenshtein distance (insertions, deletions and substitutions) from
/// one text to any number of others, the one text prepared once. Takes time
/// in proportion to the other text's length times the prepared one's in
/// 64s, and memory in proportion to the prepared one's length.
class TEditDistance {
 public:
  explicit TEditDistance(std::u32string_view aText);
  std::size_t To(std::u32string_view aOther) const;

 private:
  // Which of 64 consecutive code points of the prepared text equal a given
  // code point, one bit each.
  struct TBlock {
    std::array<std::uint64_t, 128> Ascii{};
    /// Sorted by code point.
    std::vector<std::pair<char32_t, std::uint64_t>> Other;
    std::uint64_t Matches(char32_t aChar) const;
  };
  std::size_t mLength = 0;
  std::vector<TBlock> mBlocks;
};

/// The Levenshtein distance between two texts; the shorter one is prepared.
std::size_t editDistance(std::u32string_view aA, std::u32string_view aB);
