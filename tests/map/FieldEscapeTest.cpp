// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>

#include "FieldEscape.h"

namespace {

/// A text and its escaped field, which reads back as the text; or a field
/// that is refused at the backslash at BadOffset.
struct TEscapeCase {
  const char* Name;
  std::string Text;
  std::string Escaped;
  std::optional<std::size_t> BadOffset = std::nullopt;
};

void PrintTo(const TEscapeCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class FieldEscapeTest : public testing::TestWithParam<TEscapeCase> {};

TEST_P(FieldEscapeTest, EscapesAndReadsBackOrNamesTheBadBackslash) {
  const TEscapeCase& c = GetParam();
  const TUnescaped back = unescapeField(c.Escaped);
  const auto badOffset = back.Error ? std::optional(back.Error->Offset) : std::nullopt;
  EXPECT_EQ(badOffset, c.BadOffset);
  if (c.BadOffset) return;
  EXPECT_EQ(escapeField(c.Text), c.Escaped);
  EXPECT_EQ(back.Text, c.Text);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldEscapeTest,
    testing::Values(TEscapeCase{"Plain", "Trees", "Trees"}, TEscapeCase{"Empty", "", ""},
                    TEscapeCase{"Backslash", "a\\b", "a\\\\b"},
                    TEscapeCase{"Controls", "\t\n\r", "\\t\\n\\r"},
                    TEscapeCase{"BackslashBeforeLetter", "\\t", "\\\\t"},
                    TEscapeCase{"OtherControlsStay", std::string("a\0\x01\x7f", 4),
                                std::string("a\0\x01\x7f", 4)},
                    TEscapeCase{"Utf8Stays", "B\xC3\xA4ume", "B\xC3\xA4ume"},
                    TEscapeCase{"UnknownLetter", "", "ab\\x", 2},
                    TEscapeCase{"TrailingBackslash", "", "ab\\", 2},
                    TEscapeCase{"AfterGoodEscape", "", "\\\\\\q", 2},
                    TEscapeCase{"UpperCaseT", "", "\\T", 0}, TEscapeCase{"Zero", "", "\\0", 0}),
    [](const auto& info) { return info.param.Name; });

}  // namespace
