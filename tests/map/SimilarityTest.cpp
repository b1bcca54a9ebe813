// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>
#include <string>

#include "EditDistance.h"
#include "Similarity.h"

namespace {

struct TSimilarityCase {
  const char* Name;
  std::u16string A;
  std::u16string B;
  int Expected;
};

void PrintTo(const TSimilarityCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class SimilarityTest : public testing::TestWithParam<TSimilarityCase> {};

TEST_P(SimilarityTest, IsTheFoldedDistanceInPercentEitherWayRound) {
  const TSimilarityCase& c = GetParam();
  EXPECT_EQ(similarity(c.A, c.B), c.Expected);
  EXPECT_EQ(similarity(c.B, c.A), c.Expected);
}

std::u16string repeated(std::u16string_view aText, int aTimes) {
  std::u16string text;
  for (int i = 0; i < aTimes; ++i) text += aText;
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SimilarityTest,
    testing::Values(
        TSimilarityCase{"EqualTexts", u"Trees (winter)", u"Trees (winter)", 100},
        TSimilarityCase{"BothEmpty", u"", u"", 100},
        TSimilarityCase{"LetterCaseFolded", u"Trees", u"tREES", 99},
        TSimilarityCase{"BlankRunsAndEndsFolded", u"Trees  (winter)", u" Trees\t(winter)\n", 99},
        TSimilarityCase{"OtherBlanksFolded", u"Trees\u00a0\u3000(winter)", u"Trees (winter)", 99},
        TSimilarityCase{"BlanksAgainstEmpty", u"  ", u"", 99},
        TSimilarityCase{"OneSubstitution", u"Trees 2", u"Trees 3", 85},
        TSimilarityCase{"OneInsertion", u"Tree", u"Trees", 80},
        TSimilarityCase{"WordAdded", u"Trees", u"Trees (winter)", 35},
        TSimilarityCase{"KittenSitting", u"kitten", u"sitting", 57},
        TSimilarityCase{"NothingShared", u"Oak", u"Elm", 0},
        TSimilarityCase{"EmptyAgainstText", u"", u"Trees", 0},
        TSimilarityCase{"OneChangeInALongTextIsNot100", repeated(u"a", 1000),
                        repeated(u"a", 999) + u"b", 99},
        TSimilarityCase{"LongTextsAcrossWords", repeated(u"ab", 50), repeated(u"ba", 50), 98},
        TSimilarityCase{"LongTextHalved", repeated(u"a", 150), repeated(u"a", 75), 50},
        TSimilarityCase{"GreekFoldedWithFinalSigma", u"ΔΆΣΟΣ ΕΛΆΤΩΝ", u"δάσος ελάτων", 99},
        TSimilarityCase{"GreekAccentCounts", u"ΔΆΣΟΣ", u"δασος", 80},
        TSimilarityCase{"CyrillicFolded", u"ДЕРЕВЬЯ", u"деревья", 99},
        TSimilarityCase{"PolishFolded", u"ŁĄKA ŻÓŁTA", u"łąka żółta", 99},
        TSimilarityCase{"SurrogatePairIsOneCodePoint", u"\U0001F332 Tree", u"\U0001F333 Tree", 83},
        TSimilarityCase{"SurrogatePairFolded", u"\U00010400", u"\U00010428", 99},
        TSimilarityCase{"LoneSurrogateIsOneCodePoint", std::u16string{u'a', char16_t(0xd800), u'b'},
                        u"ab", 66}),
    [](const auto& info) { return info.param.Name; });

// The textbook table, row by row.
std::size_t tableDistance(std::u32string_view aA, std::u32string_view aB) {
  std::vector<std::size_t> row(aB.size() + 1);
  std::iota(row.begin(), row.end(), 0);
  for (std::size_t i = 1; i <= aA.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= aB.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (aA[i - 1] != aB[j - 1])});
      diagonal = above;
    }
  }
  return row.back();
}

TEST(EditDistanceTest, AgreesWithTheTableAtEveryLength) {
  // Few letters, so that texts share much; lengths across several words of
  // 64 rows; one letter outside ASCII and one beyond the 16-bit range.
  const std::u32string letters = U"abcé\U0001F332";
  std::mt19937 random(20261209u);
  for (int round = 0; round < 300; ++round) {
    std::u32string a, b;
    for (auto n = random() % 200; n > 0; --n) a.push_back(letters[random() % letters.size()]);
    for (auto n = random() % 200; n > 0; --n) b.push_back(letters[random() % letters.size()]);
    ASSERT_EQ(editDistance(a, b), tableDistance(a, b)) << "round " << round;
  }
}

}  // namespace
