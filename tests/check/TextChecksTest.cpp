// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Speller.h"
#include "TempDir.h"
#include "TestDictionary.h"
#include "TextChecks.h"

namespace {

using K = TCheckKind;

struct TTextCase {
  const char* Name;
  std::u16string Old;
  std::u16string New;
  /// The kinds that fail, in order.
  std::vector<TCheckKind> Kinds;
  /// The words the failures list: missing digit runs, misspelled words.
  std::vector<std::u16string> Words = {};
  bool Spelled = false;
};

void PrintTo(const TTextCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class TextChecksTest : public testing::TestWithParam<TTextCase> {
 protected:
  static void SetUpTestSuite() {
    sFolder = new TTempDir;
    WriteTestDictionary(sFolder->Path(), "pl_PL");
    sSpeller = TSpeller::Open(FindDictionaries({sFolder->Path()}).at(0)).release();
  }
  static void TearDownTestSuite() {
    delete sSpeller;
    delete sFolder;
  }
  static inline TTempDir* sFolder = nullptr;
  static inline TSpeller* sSpeller = nullptr;
};

TEST_P(TextChecksTest, FailsExactlyTheChecksItShould) {
  const TTextCase& c = GetParam();
  std::vector<TCheckKind> kinds;
  std::vector<std::u16string> words;
  for (const TCheckFailure& failure : CheckTranslation(c.Old, c.New, c.Spelled ? sSpeller : nullptr)) {
    kinds.push_back(failure.Kind);
    words.insert(words.end(), failure.Words.begin(), failure.Words.end());
  }
  EXPECT_EQ(kinds, c.Kinds);
  EXPECT_EQ(words, c.Words);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextChecksTest,
    testing::Values(
        TTextCase{"LeadingBlankAdded", u"Trees", u" B\u00e4ume", {K::LeadingBlanks}},
        TTextCase{"LeadingBlankKept", u" Trees", u" B\u00e4ume", {}},
        TTextCase{"TrailingBlankAdded", u"Trees", u"Drzewa ", {K::TrailingBlanks}},
        TTextCase{"TrailingTabForBlank", u"Trees ", u"Drzewa\t", {K::TrailingBlanks}},
        TTextCase{"NoBreakSpaceForBlank", u"Trees ", u"Drzewa\u00a0", {K::TrailingBlanks}},
        TTextCase{"TextOfBlanksOnlyCountsAtItsStart", u"  ", u" ", {K::LeadingBlanks}},
        TTextCase{"DoubledBlankAdded", u"green trees", u"zielony  las", {K::DoubledBlanks}},
        TTextCase{"DoubledBlankKept", u"green  trees", u"zielony  las", {}},
        TTextCase{"EndColonDropped", u"Trees:", u"B\u00e4ume", {K::EndPunctuation}},
        TTextCase{"EndColonKept", u"Trees:", u"B\u00e4ume:", {}},
        TTextCase{"EndMarkBehindBlanksCounts", u"Trees: ", u"B\u00e4ume ", {K::EndPunctuation}},
        TTextCase{"QuestionForExclamation", u"Trees?", u"B\u00e4ume!", {K::EndPunctuation}},
        TTextCase{"ThreeDotsAreAnEllipsis", u"Map...", u"Mapa\u2026", {}},
        TTextCase{"GreekSemicolonIsAQuestionMark", u"Trees?", u"\u0394\u03ad\u03bd\u03c4\u03c1\u03b1;", {}},
        TTextCase{"LatinSemicolonIsNone", u"Trees?", u"Drzewa;", {K::EndPunctuation}},
        TTextCase{"FirstLetterMadeSmall", u"Trees", u"drzewa", {K::FirstLetterCase}},
        TTextCase{"FirstLetterCapitalKept", u"Trees", u"Drzewa", {}},
        TTextCase{"FirstLetterMadeCapital", u"trees", u"Drzewa", {K::FirstLetterCase}},
        TTextCase{"FirstLetterAfterDigits", u"2 trees", u"2 Drzewa", {K::FirstLetterCase}},
        TTextCase{"CyrillicCapitalKept", u"Trees", u"\u0414\u0435\u0440\u0435\u0432\u044c\u044f", {}},
        TTextCase{"CaselessScriptIsNotCompared", u"Trees", u"\u6728", {}},
        TTextCase{"DigitsDropped", u"Trees 2", u"Drzewa", {K::Digits}, {u"2"}},
        TTextCase{"DigitsReordered", u"Trees 2/10", u"Drzewa 10/2", {}},
        TTextCase{"RepeatedRunNeedsBoth", u"2 x 2", u"2 x", {K::Digits}, {u"2"}},
        TTextCase{"DigitsOfAnotherScriptCount", u"Level 3", u"\u0627\u0644\u0645\u0633\u062a\u0648\u0649 \u0663", {}},
        TTextCase{"ChangedNumber", u"Trees 12", u"Drzewa 13", {K::Digits}, {u"12"}},
        TTextCase{"Misspelled", u"Trees", u"Dzrewa", {K::Misspelled}, {u"Dzrewa"}, true},
        TTextCase{"SpelledRight", u"Trees", u"Drzewa", {}, {}, true},
        TTextCase{"SuffixOfTheDictionary", u"shrubs", u"krzewy", {}, {}, true},
        TTextCase{"WordKeptFromTheOldText", u"Trees Zembrel", u"Drzewa zembrel", {}, {}, true},
        TTextCase{"WordsWithDigitsAreNotSpelled", u"Trees A4", u"Drzewa B5x", {K::Digits}, {u"4"}, true},
        TTextCase{"HyphenJoinsAWord", u"Trees", u"Drzewa-lsa", {K::Misspelled}, {u"Drzewa-lsa"}, true},
        TTextCase{"EveryMisspeltWordListed", u"Green trees", u"Zielny lass", {K::Misspelled}, {u"Zielny", u"lass"}, true},
        TTextCase{"UnchangedTextFailsNothing", u"trees  ", u"trees  ", {}, {}, true},
        TTextCase{"EmptyTextIsLeftToTheSave", u"Trees:", u"", {}, {}, true}),
    [](const testing::TestParamInfo<TTextCase>& aInfo) { return std::string(aInfo.param.Name); });

struct TOwnCase {
  const char* Name;
  std::u16string Text;
  std::vector<TCheckKind> Kinds;
};

void PrintTo(const TOwnCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class OwnTextTest : public testing::TestWithParam<TOwnCase> {};

TEST_P(OwnTextTest, ALibrarysOwnTextIsCheckedAlone) {
  std::vector<TCheckKind> kinds;
  for (const TCheckFailure& failure : CheckOwnText(GetParam().Text, nullptr))
    kinds.push_back(failure.Kind);
  EXPECT_EQ(kinds, GetParam().Kinds);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, OwnTextTest,
    testing::Values(TOwnCase{"Clean", u"Trees:", {}},
                    TOwnCase{"BlanksAtBothEnds", u" Trees ", {K::LeadingBlanks, K::TrailingBlanks}},
                    TOwnCase{"DoubledInside", u"Green  trees", {K::DoubledBlanks}}),
    [](const testing::TestParamInfo<TOwnCase>& aInfo) { return std::string(aInfo.param.Name); });

struct TKeyCase {
  const char* Name;
  std::u16string A;
  std::u16string B;
  bool Same;
};

void PrintTo(const TKeyCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class ConsistencyKeyTest : public testing::TestWithParam<TKeyCase> {};

TEST_P(ConsistencyKeyTest, SetsAsideCaseBlanksAndEndPunctuationOnly) {
  EXPECT_EQ(ConsistencyKey(GetParam().A) == ConsistencyKey(GetParam().B), GetParam().Same);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ConsistencyKeyTest,
    testing::Values(TKeyCase{"LetterCase", u"Trees", u"tREES", true},
                    TKeyCase{"GreekFinalSigma", u"\u039b\u039f\u0393\u039f\u03a3", u"\u03bb\u03bf\u03b3\u03bf\u03c2", true},
                    TKeyCase{"BlanksAtEndsAndInside", u"  Green   trees ", u"green trees", true},
                    TKeyCase{"EndMarks", u"Trees: ", u"Trees!?", true},
                    TKeyCase{"InnerPunctuationCounts", u"Trees, green", u"Trees green", false},
                    TKeyCase{"BlankBetweenWordsCounts", u"Greentrees", u"Green trees", false},
                    TKeyCase{"DiacriticsCount", u"Baume", u"B\u00e4ume", false}),
    [](const testing::TestParamInfo<TKeyCase>& aInfo) { return std::string(aInfo.param.Name); });

}  // namespace
