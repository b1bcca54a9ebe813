// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LoaderSaver.h"
#include "TranslationMemory.h"

namespace {

std::vector<TMapLine> lines(std::vector<std::pair<std::u16string, std::u16string>> aPairs) {
  std::vector<TMapLine> result;
  for (auto& [oldText, newText] : aPairs)
    result.push_back({static_cast<int>(result.size()) + 1, oldText, newText});
  return result;
}

std::vector<std::u16string> suggested(const TTranslationMemory& aMemory,
                                      const std::vector<TMemoryMatch>& aMatches) {
  std::vector<std::u16string> texts;
  for (const TMemoryMatch& match : aMatches) texts.push_back(aMemory.Entry(match.Entry).New);
  return texts;
}

TEST(TranslationMemoryTest, EntriesKeepTheirSourceAndSayingNothingIsLeftOut) {
  TTranslationMemory memory;
  EXPECT_EQ(memory.AddSource("forest.po"), 0u);
  EXPECT_EQ(memory.AddSource("garden.tsv"), 1u);
  EXPECT_EQ(memory.SourceCount(), 2u);
  EXPECT_EQ(memory.SourceName(1), "garden.tsv");
  EXPECT_EQ(memory.Add(1, lines({{u"Trees", u"Bäume"},
                                 {u"Oak", u""},
                                 {u"Rock", u"Rock"},
                                 {u"Tree", u"Baum"},
                                 {u"rock", u"Rock"}})),
            3u);
  ASSERT_EQ(memory.Size(), 3u);
  EXPECT_EQ(memory.Entry(2).Old, u"rock");
  EXPECT_EQ(memory.Entry(2).Source, 1u);
  EXPECT_THROW(memory.Add(2, {}), std::out_of_range);
}

TEST(TranslationMemoryTest, SuggestionsGiveEachNewTextOnceAtItsBest) {
  TTranslationMemory memory;
  const std::size_t forest = memory.AddSource("forest.po");
  const std::size_t garden = memory.AddSource("garden.po");
  memory.Add(forest, lines({{u"Trees", u"Bäume"}, {u"Oak tall", u"Eiche hoch"}}));
  memory.Add(garden, lines({{u"trees", u"Bäume"},
                            {u"Trees", u"Die Bäume"},
                            {u"Trees (summer)", u"Bäume (Sommer)"}}));
  const std::vector<TMemoryMatch> matches = memory.Suggest(u"Trees (winter)", 3, 30);
  EXPECT_EQ(suggested(memory, matches),
            (std::vector<std::u16string>{u"Bäume (Sommer)", u"Bäume", u"Die Bäume"}));
  ASSERT_EQ(matches.size(), 3u);
  EXPECT_EQ(matches[0].Similarity, 71);
  // "Trees" and "trees" are as similar; the earlier is given.
  EXPECT_EQ(matches[1].Entry, 0u);
  EXPECT_EQ(matches[1].Similarity, 35);
  EXPECT_EQ(matches[2].Entry, 3u);
  EXPECT_EQ(memory.Suggest(u"Trees (winter)", 3, 50).size(), 1u);
}

TEST(TranslationMemoryTest, SuggestionsLookPastOldTextsWithANewTextAlreadyGiven) {
  TTranslationMemory memory;
  const std::size_t source = memory.AddSource("a.po");
  memory.Add(source, lines({{u"Tree 1", u"Baum"},
                            {u"Tree 2", u"Baum"},
                            {u"Tree 3", u"Baum"},
                            {u"Tree 4", u"Baum"},
                            {u"Tree 5", u"Baum"},
                            {u"Tree 6", u"Baum"},
                            {u"Trees 12", u"Bäume 12"}}));
  EXPECT_EQ(suggested(memory, memory.Suggest(u"Tree 1", 2)),
            (std::vector<std::u16string>{u"Baum", u"Bäume 12"}));
}

TEST(TranslationMemoryTest, ExactIsTheEarliestEntryOfTheSameText) {
  TTranslationMemory memory;
  const std::size_t source = memory.AddSource("a.po");
  memory.Add(source, lines({{u"Oak", u"Eiche"}, {u"Trees", u"Bäume"}, {u"Trees", u"Gehölz"}}));
  ASSERT_NE(memory.Exact(u"Trees"), nullptr);
  EXPECT_EQ(memory.Exact(u"Trees")->New, u"Bäume");
  EXPECT_EQ(memory.Exact(u"trees"), nullptr);
  EXPECT_EQ(memory.Exact(u"Trees "), nullptr);
}

TEST(TranslationMemoryTest, PretranslationFillsOnlyRowsStillToDo) {
  TTranslationMemory memory;
  const std::size_t source = memory.AddSource("a.po");
  memory.Add(source, lines({{u"Trees", u"Bäume"}, {u"Oak", u"Eiche"}, {u"Tree", u"Baum"}}));
  const TCategoryMap map{{u"Trees", u"Oak", u"Rock", u"Tree"},
                         {u"Trees", u"Quercus", u"Rock", u"Tree"}};
  const std::vector<TPretranslation> filled = pretranslations(memory, map);
  ASSERT_EQ(filled.size(), 2u);
  EXPECT_EQ(filled[0].Row, 0u);
  EXPECT_EQ(filled[0].New, u"Bäume");
  EXPECT_EQ(filled[1].Row, 3u);
  EXPECT_EQ(filled[1].New, u"Baum");
}

}  // namespace
