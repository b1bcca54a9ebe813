// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "TranslationChecks.h"

namespace {

using TTexts = std::vector<std::u16string>;

struct TConsistencyCase {
  const char* Name;
  TTexts Old;
  TTexts New;
  /// Per row: the consistency failure it shows ("" none, "other" or
  /// "shared"), and the row it names.
  std::vector<std::pair<std::string, int>> Expected;
};

void PrintTo(const TConsistencyCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

std::pair<std::string, int> consistencyOf(const std::vector<TCheckFailure>& aFailures) {
  for (const TCheckFailure& failure : aFailures) {
    if (failure.Kind == TCheckKind::TranslatedOtherwise) return {"other", failure.OtherRow};
    if (failure.Kind == TCheckKind::SharedTranslation) return {"shared", failure.OtherRow};
  }
  return {"", -1};
}

class ConsistencyTest : public testing::TestWithParam<TConsistencyCase> {};

TEST_P(ConsistencyTest, RowsDisagreeingWithEachOtherAreNamed) {
  const TConsistencyCase& c = GetParam();
  const TVectorRowTexts texts(c.Old, c.New);
  const TTranslationChecks checks(texts);
  for (int row = 0; row < texts.RowCount(); ++row)
    EXPECT_EQ(consistencyOf(checks.Failures(row)), c.Expected[row]) << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(
    Maps, ConsistencyTest,
    testing::Values(
        TConsistencyCase{"SameSourceTranslatedTwoWays",
                         {u"Trees", u"trees", u"Shrubs"},
                         {u"B\u00e4ume", u"Geh\u00f6lze", u"Str\u00e4ucher"},
                         {{"other", 1}, {"other", 0}, {"", -1}}},
        TConsistencyCase{"SameSourceTranslatedAlikeInCaseAndMarks",
                         {u"Trees", u"trees:"},
                         {u"B\u00e4ume", u"b\u00e4ume:"},
                         {{"", -1}, {"", -1}}},
        TConsistencyCase{"OneTranslationForTwoSources",
                         {u"Trees", u"Shrubs"},
                         {u"B\u00e4ume", u"B\u00e4ume"},
                         {{"shared", 1}, {"shared", 0}}},
        TConsistencyCase{"ChangedRowTakesTheTextOfOneLeftAlone",
                         {u"Trees", u"Shrubs"},
                         {u"Trees", u"Trees"},
                         {{"shared", 1}, {"shared", 0}}},
        // The row left as it was is still to do; the two stay two categories.
        TConsistencyCase{"ChangedRowTakesNearlyTheTextOfOneLeftAlone",
                         {u"Trees", u"Shrubs"},
                         {u"Trees", u"trees"},
                         {{"", -1}, {"", -1}}},
        TConsistencyCase{"ARowStillToDoIsNoOtherTranslation",
                         {u"Trees", u"trees"},
                         {u"B\u00e4ume", u"trees"},
                         {{"", -1}, {"", -1}}},
        TConsistencyCase{"RowsLeftAloneNeverDisagree",
                         {u"Trees", u"trees", u"Shrubs"},
                         {u"Trees", u"trees", u"Shrubs"},
                         {{"", -1}, {"", -1}, {"", -1}}},
        TConsistencyCase{"EmptyTextsAreInNoGroup",
                         {u"Trees", u"Shrubs", u""},
                         {u"", u"", u"Wald"},
                         {{"", -1}, {"", -1}, {"", -1}}},
        TConsistencyCase{"FirstOfSeveralIsNamed",
                         {u"Trees", u"trees", u"TREES"},
                         {u"B\u00e4ume", u"Geh\u00f6lze", u"Wald"},
                         {{"other", 1}, {"other", 0}, {"other", 0}}}),
    [](const testing::TestParamInfo<TConsistencyCase>& aInfo) { return std::string(aInfo.param.Name); });

// After every change the checks kept up to date agree with checks made
// afresh, and every row whose checks changed was among those returned.
TEST(TranslationChecksTest, ChangesKeptUpToDateAgreeWithAFreshCheck) {
  const TTexts old{u"Trees", u"trees", u"Trees:", u"Shrubs", u"shrubs ", u"Wald", u"", u"Map 2"};
  const TTexts choices{u"B\u00e4ume", u"b\u00e4ume", u"Geh\u00f6lze", u"Trees", u"Shrubs",
                       u"", u"Str\u00e4ucher ", u"Karte 2", u"Wald"};
  TVectorRowTexts texts(old, old);
  TTranslationChecks kept(texts);
  std::mt19937 random(20261209);
  std::vector<std::vector<TCheckFailure>> before(old.size());
  for (int row = 0; row < texts.RowCount(); ++row) before[row] = kept.Failures(row);
  for (int step = 0; step < 400; ++step) {
    const int row = static_cast<int>(random() % old.size());
    const std::size_t pick = random() % (choices.size() + 1);
    // Now and then a row goes back to its old text.
    texts.NewTextToChange(row) = pick == choices.size() ? old[row] : choices[pick];
    const std::vector<int> touched = kept.NewTextChanged(row);
    const TTranslationChecks fresh(texts);
    for (int r = 0; r < texts.RowCount(); ++r) {
      // The verdict kept from before must have been dropped where it changed.
      const bool fails = kept.Fails(r);
      const std::vector<TCheckFailure> now = kept.Failures(r);
      ASSERT_EQ(now, fresh.Failures(r)) << "step " << step << ", row " << r;
      ASSERT_EQ(fails, !now.empty()) << "step " << step << ", row " << r;
      if (now != before[r]) {
        ASSERT_NE(std::find(touched.begin(), touched.end(), r), touched.end())
            << "step " << step << ": row " << r << " changed untold";
      }
      before[r] = now;
    }
  }
}

}  // namespace
