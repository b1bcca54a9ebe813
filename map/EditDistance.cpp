// SPDX-License-Identifier: GPL-3.0-or-later
// Myers' bit-parallel edit distance, in blocks of 64 rows as Hyyrö gives it
// for patterns longer than a word: each column of the distance table is
// kept as its vertical differences, two bits a row, and one step of the
// other text advances every block by a handful of word operations.
#include "EditDistance.h"

#include <algorithm>

namespace {

constexpr std::uint64_t kHigh = std::uint64_t{1} << 63;

struct TColumn {
  std::uint64_t Plus = ~std::uint64_t{0};
  std::uint64_t Minus = 0;
};

// Advances one block by one code point whose matches in the block are
// aMatches; aCarry is the horizontal difference entering the block's top
// (-1, 0 or +1). Returns the difference leaving its bottom row, aBottom.
int advance(TColumn& aColumn, std::uint64_t aMatches, int aCarry, std::uint64_t aBottom) {
  const std::uint64_t pv = aColumn.Plus;
  const std::uint64_t mv = aColumn.Minus;
  const std::uint64_t carryMinus = aCarry < 0 ? 1 : 0;
  const std::uint64_t xv = aMatches | mv;
  const std::uint64_t eq = aMatches | carryMinus;
  const std::uint64_t xh = (((eq & pv) + pv) ^ pv) | eq;
  std::uint64_t ph = mv | ~(xh | pv);
  std::uint64_t mh = pv & xh;
  const int out = (ph & aBottom) ? 1 : (mh & aBottom) ? -1 : 0;
  ph = (ph << 1) | (aCarry > 0 ? 1 : 0);
  mh = (mh << 1) | carryMinus;
  aColumn.Plus = mh | ~(xv | ph);
  aColumn.Minus = ph & xv;
  return out;
}

}  // namespace

std::uint64_t TEditDistance::TBlock::Matches(char32_t aChar) const {
  if (aChar < 128) return Ascii[aChar];
  const auto found =
      std::lower_bound(Other.begin(), Other.end(), aChar,
                       [](const auto& aEntry, char32_t c) { return aEntry.first < c; });
  return found != Other.end() && found->first == aChar ? found->second : 0;
}

TEditDistance::TEditDistance(std::u32string_view aText) : mLength(aText.size()) {
  mBlocks.resize((aText.size() + 63) / 64);
  for (std::size_t i = 0; i < aText.size(); ++i) {
    TBlock& block = mBlocks[i / 64];
    const std::uint64_t bit = std::uint64_t{1} << (i % 64);
    if (aText[i] < 128) {
      block.Ascii[aText[i]] |= bit;
      continue;
    }
    const auto found =
        std::lower_bound(block.Other.begin(), block.Other.end(), aText[i],
                         [](const auto& aEntry, char32_t c) { return aEntry.first < c; });
    if (found != block.Other.end() && found->first == aText[i])
      found->second |= bit;
    else
      block.Other.insert(found, {aText[i], bit});
  }
}

std::size_t TEditDistance::To(std::u32string_view aOther) const {
  if (mLength == 0) return aOther.size();
  // The bottom row of the last block is the prepared text's last code point.
  const std::uint64_t last = std::uint64_t{1} << ((mLength - 1) % 64);
  auto distance = static_cast<std::ptrdiff_t>(mLength);
  if (mBlocks.size() == 1) {
    TColumn column;
    for (const char32_t c : aOther) distance += advance(column, mBlocks[0].Matches(c), 1, last);
    return static_cast<std::size_t>(distance);
  }
  std::vector<TColumn> columns(mBlocks.size());
  const std::size_t lastBlock = mBlocks.size() - 1;
  for (const char32_t c : aOther) {
    // The top row of the table grows by one with every code point.
    int carry = 1;
    for (std::size_t b = 0; b < lastBlock; ++b)
      carry = advance(columns[b], mBlocks[b].Matches(c), carry, kHigh);
    distance += advance(columns[lastBlock], mBlocks[lastBlock].Matches(c), carry, last);
  }
  return static_cast<std::size_t>(distance);
}

std::size_t editDistance(std::u32string_view aA, std::u32string_view aB) {
  if (aA.size() > aB.size()) std::swap(aA, aB);
  return TEditDistance(aA).To(aB);
}
