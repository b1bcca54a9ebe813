// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the input as little-endian UTF-16 code units, lone surrogates and
// all, and splits it at line feeds into a handful of texts. For every pair:
//   - the similarity lies in 0..100, is the same either way round, and is
//     100 exactly when the texts are equal;
// for every text:
//   - the text with its letters in other case and its blanks replaced by
//     other blanks is at least 99 similar to it;
// and the fuzzy index over the texts finds, for the first of them, what a
// scan of every text finds, at several minimums and counts.
#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzyIndex.h"
#include "Similarity.h"

namespace {

constexpr std::size_t kTexts = 6;

[[noreturn]] void violated(const char* aProperty) {
  std::fprintf(stderr, "property violated: %s\n", aProperty);
  std::abort();
}

void require(bool aHolds, const char* aProperty) {
  if (!aHolds) violated(aProperty);
}

std::vector<std::u16string> splitTexts(const std::uint8_t* aData, std::size_t aSize) {
  std::vector<std::u16string> texts(1);
  for (std::size_t i = 0; i + 1 < aSize; i += 2) {
    const auto unit = static_cast<char16_t>(aData[i] | aData[i + 1] << 8);
    if (unit != u'\n') {
      texts.back().push_back(unit);
    } else if (texts.size() == kTexts) {
      break;
    } else {
      texts.emplace_back();
    }
  }
  return texts;
}

void append(std::u16string& aText, UChar32 aChar) {
  if (aChar > 0xffff) {
    aText.push_back(static_cast<char16_t>(U16_LEAD(aChar)));
    aText.push_back(static_cast<char16_t>(U16_TRAIL(aChar)));
  } else {
    aText.push_back(static_cast<char16_t>(aChar));
  }
}

// aText with letters alternately upper and lower case where that folds to
// the same, every run of blanks replaced by other blanks, and blanks added
// at both ends.
std::u16string recased(std::u16string_view aText) {
  std::u16string text = u" ";
  bool upper = true;
  bool blankBefore = false;
  const auto length = static_cast<int32_t>(aText.size());
  for (int32_t at = 0; at < length;) {
    UChar32 c;
    U16_NEXT(aText.data(), at, length, c);
    if (u_isUWhiteSpace(c)) {
      if (!blankBefore) text += u"\u3000\t";
      blankBefore = true;
      continue;
    }
    blankBefore = false;
    const UChar32 other = upper ? u_toupper(c) : u_tolower(c);
    upper = !upper;
    append(text, u_foldCase(other, U_FOLD_CASE_DEFAULT) == u_foldCase(c, U_FOLD_CASE_DEFAULT)
                     ? other
                     : c);
  }
  text += u"\n";
  return text;
}

void checkIndex(const std::vector<std::u16string>& aTexts, int aMinimum) {
  TFuzzyIndex index;
  for (const auto& text : aTexts) index.Add(text);
  const std::u16string& question = aTexts.front();
  std::vector<TFuzzyMatch> all;
  for (std::size_t id = 0; id < aTexts.size(); ++id)
    all.push_back({id, similarity(question, aTexts[id])});
  std::stable_sort(all.begin(), all.end(),
                   [](const auto& aA, const auto& aB) { return aA.Similarity > aB.Similarity; });
  for (const std::size_t count : {std::size_t{1}, std::size_t{3}, aTexts.size()}) {
    std::vector<TFuzzyMatch> expected;
    for (const TFuzzyMatch& match : all)
      if (match.Similarity >= aMinimum && expected.size() < count) expected.push_back(match);
    const std::vector<TFuzzyMatch> found = index.Best(question, count, aMinimum);
    require(found.size() == expected.size(), "the index finds as many texts as a scan");
    for (std::size_t i = 0; i < found.size(); ++i) {
      require(found[i].Id == expected[i].Id, "the index finds the texts a scan finds");
      require(found[i].Similarity == expected[i].Similarity,
              "the index gives the similarity a scan gives");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* aData, std::size_t aSize) {
  std::vector<std::u16string> texts = splitTexts(aData, aSize);
  for (const auto& a : texts) {
    for (const auto& b : texts) {
      const int s = similarity(a, b);
      require(s >= 0 && s <= 100, "the similarity lies in 0..100");
      require(s == similarity(b, a), "the similarity is symmetric");
      require((s == 100) == (a == b), "the similarity is 100 exactly for equal texts");
    }
    const std::u16string other = recased(a);
    const int s = similarity(a, other);
    require(s >= 99, "texts equal once folded are at least 99 similar");
    require((s == 100) == (a == other), "the similarity is 100 exactly for equal texts");
  }
  // A text equal to the first once folded is always among those indexed.
  if (texts.size() > 1) texts.push_back(recased(texts[1]));
  for (const int minimum : {0, 30, 50, 80, 99, 100}) checkIndex(texts, minimum);
  // A minimum taken from the input, for the bounds between those.
  checkIndex(texts, aSize > 0 ? aData[0] % 101 : 0);
  return 0;
}
