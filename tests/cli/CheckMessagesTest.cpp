// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "CheckMessages.h"

namespace {

// The wordings zbl check's program test does not meet.
struct TWordingCase {
  const char* Name;
  std::u16string Old;
  std::u16string New;
  std::string Lines;
};

void PrintTo(const TWordingCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class CheckWordingTest : public testing::TestWithParam<TWordingCase> {};

TEST_P(CheckWordingTest, SaysWhatFails) {
  const TVectorRowTexts rows({GetParam().Old}, {GetParam().New});
  std::string lines;
  for (const TCheckFailure& failure : TTranslationChecks(rows).Failures(0))
    lines += describeCheckLine(rows, 0, failure, false) + "\n";
  EXPECT_EQ(lines, GetParam().Lines);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CheckWordingTest,
    testing::Values(
        TWordingCase{"BlanksAtTheStartDropped", u"  Trees", u"Drzewa",
                     "  Trees -> \"Drzewa\": no blank at the start, the old text has 2\n"},
        TWordingCase{"OtherBlanksAreNamed", u"Trees ", u"Drzewa\u00a0",
                     "Trees  -> \"Drzewa\xC2\xA0\": 1 blank (U+00A0) at the end, the old text has "
                     "1 (U+0020)\n"},
        TWordingCase{"CapitalForASmallLetter", u"trees?", u"Drzewa!",
                     "trees? -> \"Drzewa!\": ends in \"!\", the old text in \"?\"\n"
                     "trees? -> \"Drzewa!\": begins with a capital, the old text with a small "
                     "letter\n"},
        TWordingCase{
            "ControlCharactersEscaped", u"A\\\tB\x01", u"A\\\tB\x01:",
            "A\\\\\\tB\\x01 -> \"A\\\\\\tB\\x01:\": ends in \":\", the old text in none\n"}),
    [](const auto& info) { return info.param.Name; });

}  // namespace
