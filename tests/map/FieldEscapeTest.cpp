// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "FieldEscape.h"

namespace {

struct TEscapeCase {
  const char* Name;
  std::string Text;
  std::string Escaped;
};

void PrintTo(const TEscapeCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class FieldEscapeTest : public testing::TestWithParam<TEscapeCase> {};

TEST_P(FieldEscapeTest, EscapesAndReadsBack) {
  const TEscapeCase& c = GetParam();
  EXPECT_EQ(escapeField(c.Text), c.Escaped);
  const TUnescaped back = unescapeField(c.Escaped);
  EXPECT_FALSE(back.Error);
  EXPECT_EQ(back.Text, c.Text);
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldEscapeTest,
                         testing::Values(TEscapeCase{"Plain", "Trees", "Trees"},
                                         TEscapeCase{"Empty", "", ""},
                                         TEscapeCase{"Backslash", "a\\b", "a\\\\b"},
                                         TEscapeCase{"Controls", "\t\n\r", "\\t\\n\\r"},
                                         TEscapeCase{"BackslashBeforeLetter", "\\t", "\\\\t"},
                                         TEscapeCase{"OtherControlsStay",
                                                     std::string("a\0\x01\x7f", 4),
                                                     std::string("a\0\x01\x7f", 4)},
                                         TEscapeCase{"Utf8Stays", "B\xC3\xA4ume", "B\xC3\xA4ume"}),
                         [](const auto& info) { return info.param.Name; });

struct TBadEscapeCase {
  const char* Name;
  std::string Field;
  std::size_t Offset;
};

void PrintTo(const TBadEscapeCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class FieldBadEscapeTest : public testing::TestWithParam<TBadEscapeCase> {};

TEST_P(FieldBadEscapeTest, ReportsTheFirstBadBackslash) {
  const TUnescaped result = unescapeField(GetParam().Field);
  ASSERT_TRUE(result.Error);
  EXPECT_EQ(result.Error->Offset, GetParam().Offset);
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldBadEscapeTest,
                         testing::Values(TBadEscapeCase{"UnknownLetter", "ab\\x", 2},
                                         TBadEscapeCase{"TrailingBackslash", "ab\\", 2},
                                         TBadEscapeCase{"AfterGoodEscape", "\\\\\\q", 2},
                                         TBadEscapeCase{"UpperCaseT", "\\T", 0},
                                         TBadEscapeCase{"Zero", "\\0", 0}),
                         [](const auto& info) { return info.param.Name; });

}  // namespace
