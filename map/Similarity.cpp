// SPDX-License-Identifier: GPL-3.0-or-later
#include "Similarity.h"

#include <algorithm>

#include "EditDistance.h"
#include "FoldedText.h"

int similarity(std::u16string_view aA, std::u16string_view aB) {
  if (aA == aB) return 100;
  const std::u32string a = foldedText(aA);
  const std::u32string b = foldedText(aB);
  return similarityFromDistance(editDistance(a, b), std::max(a.size(), b.size()));
}
