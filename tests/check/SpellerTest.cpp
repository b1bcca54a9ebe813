// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "Speller.h"
#include "TempDir.h"
#include "TestDictionary.h"

namespace {

class SpellerTest : public testing::TestWithParam<const char*> {};

TEST_P(SpellerTest, KnowsWordsAndSuggestsInUtf16WhateverTheDictionarysEncoding) {
  TTempDir folder;
  WriteTestDictionary(folder.Path(), "pl_PL", GetParam());
  const std::unique_ptr<TSpeller> speller = TSpeller::Open(FindDictionaries({folder.Path()}).at(0));
  ASSERT_TRUE(speller);
  EXPECT_TRUE(speller->IsCorrect(u"\u0142\u00f3d\u017a"));   // łódź
  EXPECT_FALSE(speller->IsCorrect(u"\u0142od\u017a"));       // łodź
  EXPECT_TRUE(speller->IsCorrect(u"krzewy"));
  // A letter the dictionary's encoding cannot write makes no known word.
  EXPECT_FALSE(speller->IsCorrect(u"\u0394\u03ad\u03bd\u03c4\u03c1\u03b1"));
  const std::vector<std::u16string> suggestions = speller->Suggest(u"Dzrewa");
  EXPECT_NE(std::find(suggestions.begin(), suggestions.end(), u"Drzewa"), suggestions.end());
  const std::vector<std::u16string> polish = speller->Suggest(u"\u0142od\u017a");
  EXPECT_NE(std::find(polish.begin(), polish.end(), u"\u0142\u00f3d\u017a"), polish.end());
}

INSTANTIATE_TEST_SUITE_P(Encodings, SpellerTest, testing::Values("UTF-8", "ISO8859-2"),
                         [](const testing::TestParamInfo<const char*>& aInfo) {
                           return aInfo.param[0] == 'U' ? std::string("Utf8") : std::string("Latin2");
                         });

TEST(SpellerOpenTest, AnEncodingIconvDoesNotKnowOpensNoSpeller) {
  TTempDir folder;
  WriteTestDictionary(folder.Path(), "xx_XX", "NO-SUCH-ENCODING");
  EXPECT_FALSE(TSpeller::Open(FindDictionaries({folder.Path()}).at(0)));
}

TEST(FindDictionariesTest, PairsOfFilesByNameTheFirstFolderWinning) {
  TTempDir first;
  TTempDir second;
  WriteTestDictionary(first.Path(), "pl_PL");
  WriteTestDictionary(second.Path(), "pl_PL");
  WriteTestDictionary(second.Path(), "de_DE");
  std::ofstream(second.File("fr_FR.dic")) << "1\nchat\n";  // no affix file
  const std::vector<TDictionary> found = FindDictionaries({first.Path(), "/no/such/folder", second.Path()});
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].Name, "de_DE");
  EXPECT_EQ(found[1].Name, "pl_PL");
  EXPECT_EQ(found[1].WordsPath, first.File("pl_PL.dic"));
}

TEST(DictionaryFoldersTest, DicpathNamesTheFoldersWhenSet) {
  ASSERT_EQ(setenv("DICPATH", "/a::/b/c", 1), 0);
  EXPECT_EQ(DictionaryFolders(), (std::vector<std::string>{"/a", "/b/c"}));
  ASSERT_EQ(unsetenv("DICPATH"), 0);
  EXPECT_FALSE(DictionaryFolders().empty());
}

struct TLanguageCase {
  const char* Name;
  const char* Language;
  const char* Dictionary;  // "" for none
};

void PrintTo(const TLanguageCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class DictionaryForTest : public testing::TestWithParam<TLanguageCase> {};

TEST_P(DictionaryForTest, NamesTheDictionaryOfALanguage) {
  const std::vector<TDictionary> installed{{"de_AT", "", ""}, {"de_DE", "", ""}, {"pl_PL", "", ""}};
  const std::optional<TDictionary> found = DictionaryFor(installed, GetParam().Language);
  EXPECT_EQ(found ? found->Name : std::string(), GetParam().Dictionary);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, DictionaryForTest,
    testing::Values(TLanguageCase{"ExactName", "de_DE", "de_DE"},
                    TLanguageCase{"LanguageOnly", "pl", "pl_PL"},
                    TLanguageCase{"OtherTerritoryTakesTheFirstOfTheLanguage", "de_CH", "de_AT"},
                    TLanguageCase{"LocaleWithCodesetAndModifier", "de_DE.UTF-8@euro", "de_DE"},
                    TLanguageCase{"TagWithHyphen", "pl-PL", "pl_PL"},
                    TLanguageCase{"NoneOfTheLanguage", "ru_RU", ""},
                    TLanguageCase{"CLocale", "C", ""}),
    [](const testing::TestParamInfo<TLanguageCase>& aInfo) { return std::string(aInfo.param.Name); });

}  // namespace
