// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// A text as similarity() compares it: its code points (a lone surrogate
/// counts as one) with letter case folded, every run of blanks made one
/// space and blanks at either end dropped.
std::u32string foldedText(std::u16string_view aText);

/// similarity() of two unequal texts whose folded forms are aDistance edits
/// apart, the longer of them aLonger code points long.
inline int similarityFromDistance(std::size_t aDistance, std::size_t aLonger) {
  if (aLonger == 0) return 99;
  const std::size_t percent = 100 * (aLonger - aDistance) / aLonger;
  return percent > 99 ? 99 : static_cast<int>(percent);
}

/// The largest edit distance at which texts whose longer folded form is
/// aLonger code points long are still aMinimum (0 to 100) percent similar:
/// floor(100 (n - d) / n) >= m holds exactly when d <= (100 - m) n / 100.
inline std::size_t largestDistanceFor(std::size_t aLonger, int aMinimum) {
  return static_cast<std::size_t>(100 - aMinimum) * aLonger / 100;
}
