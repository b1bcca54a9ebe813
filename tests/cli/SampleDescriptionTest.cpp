// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "SampleDescription.h"

namespace {

TEST(SampleDescriptionTest, ReadsItemsInFileOrder) {
  const TDescriptionParse parsed = parseSampleDescription(
      "# comment\n\nTree 10\tB\xC3\xA4ume\tbody one\r\nCar\tCars\nOak\tB\xC3\xA4ume\n");
  ASSERT_FALSE(parsed.Error) << parsed.Error->Reason;
  const auto& items = parsed.Library.Items;
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].Name, "Tree 10");
  EXPECT_EQ(items[0].Category, "B\xE4ume");  // Windows-1252
  EXPECT_EQ(std::string(items[0].Body.begin(), items[0].Body.end()), "body one");
  EXPECT_TRUE(items[1].Body.empty());
  EXPECT_NE(items[0].Seed, items[1].Seed);
  EXPECT_EQ(parsed.Library.ThemeCount, 2);
}

struct TRefusedCase {
  const char* Name;
  std::string Text;
  int Line;
};

void PrintTo(const TRefusedCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class SampleDescriptionRefusalTest : public testing::TestWithParam<TRefusedCase> {};

TEST_P(SampleDescriptionRefusalTest, NamesTheLine) {
  const TDescriptionParse parsed = parseSampleDescription(GetParam().Text);
  ASSERT_TRUE(parsed.Error);
  EXPECT_EQ(parsed.Error->Line, GetParam().Line);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, SampleDescriptionRefusalTest,
    testing::Values(TRefusedCase{"NoCategory", "# c\nTree\n", 2},
                    TRefusedCase{"TooManyFields", "a\tb\tc\td\n", 1},
                    TRefusedCase{"InvalidUtf8", "a\tb\nB\xE4ume\tc\n", 2},
                    TRefusedCase{"NotInWindows1252", "a\t\xE2\x82\xAC ok\nb\t\xE4\xB8\xAD\n", 2},
                    TRefusedCase{"NameTooLong", std::string(51, 'n') + "\tc\n", 1},
                    TRefusedCase{"CategoryTooLong", "n\t" + std::string(101, 'c') + "\n", 1}),
    [](const auto& info) { return info.param.Name; });

TEST(SampleDescriptionTest, FullFieldsFit) {
  const TDescriptionParse parsed =
      parseSampleDescription(std::string(50, 'n') + "\t" + std::string(100, 'c') + "\n");
  EXPECT_FALSE(parsed.Error);
}

}  // namespace
