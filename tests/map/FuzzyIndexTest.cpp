// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "FuzzyIndex.h"
#include "Similarity.h"

namespace {

// Labels from a few words, numbers, letter case and blanks, as libraries
// of one suite have them; now and then a long one.
std::vector<std::u16string> pseudoRandomLabels(std::size_t aCount, unsigned aSeed) {
  const std::u16string words[] = {u"Trees", u"Tree",   u"tree", u"Oak", u"(winter)", u"tall",
                                  u"Łąka",  u"ДЕРЕВО", u"  ",   u"12",  u"2",        u"\U0001F332"};
  std::mt19937 random(aSeed);
  std::vector<std::u16string> labels;
  for (std::size_t i = 0; i < aCount; ++i) {
    std::u16string label;
    const unsigned parts = random() % 17 == 0 ? 30 : random() % 4;
    for (unsigned p = 0; p < parts; ++p) {
      if (p > 0) label += u' ';
      label += words[random() % std::size(words)];
    }
    labels.push_back(label);
  }
  return labels;
}

// The best of aSimilarities, one for each text, found by looking at all.
std::vector<TFuzzyMatch> bruteForce(const std::vector<int>& aSimilarities, std::size_t aCount,
                                    int aMinimum, bool aOddOnly) {
  std::vector<TFuzzyMatch> all;
  for (std::size_t id = 0; id < aSimilarities.size(); ++id) {
    if (aSimilarities[id] >= aMinimum && (!aOddOnly || id % 2 == 1))
      all.push_back({id, aSimilarities[id]});
  }
  std::stable_sort(all.begin(), all.end(),
                   [](const auto& aA, const auto& aB) { return aA.Similarity > aB.Similarity; });
  if (all.size() > aCount) all.resize(aCount);
  return all;
}

TEST(FuzzyIndexTest, FindsWhatAScanOfEveryTextFinds) {
  const std::vector<std::u16string> texts = pseudoRandomLabels(1500, 20261209u);
  TFuzzyIndex index;
  for (const auto& text : texts) index.Add(text);
  ASSERT_EQ(index.Size(), texts.size());
  std::vector<std::u16string> questions = pseudoRandomLabels(40, 7u);
  questions.push_back(texts[10]);
  for (const auto& question : questions) {
    std::vector<int> similarities;
    for (const auto& text : texts) similarities.push_back(similarity(text, question));
    for (const int minimum : {0, 30, 50, 75, 99, 100}) {
      for (const std::size_t count : {std::size_t{1}, std::size_t{3}, std::size_t{50}}) {
        for (const bool oddOnly : {false, true}) {
          const auto accept = [](std::size_t aId) { return aId % 2 == 1; };
          const std::vector<TFuzzyMatch> found = oddOnly
                                                     ? index.Best(question, count, minimum, accept)
                                                     : index.Best(question, count, minimum);
          const std::vector<TFuzzyMatch> expected =
              bruteForce(similarities, count, minimum, oddOnly);
          ASSERT_EQ(found.size(), expected.size()) << "minimum " << minimum << ", count " << count;
          for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].Id, expected[i].Id) << "place " << i << ", minimum " << minimum;
            EXPECT_EQ(found[i].Similarity, expected[i].Similarity);
          }
        }
      }
    }
  }
}

}  // namespace
