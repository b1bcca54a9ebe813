// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "strnatcomp.h"

namespace {

struct TNatCase {
  std::u16string A;
  std::u16string B;
  int Expected;
};

class NatCompareTest : public testing::TestWithParam<TNatCase> {};

TEST_P(NatCompareTest, ComparesAndIsAntisymmetric) {
  const TNatCase& c = GetParam();
  EXPECT_EQ(NatCompare(c.A, c.B), c.Expected);
  EXPECT_EQ(NatCompare(c.B, c.A), -c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NatCompareTest,
    testing::Values(TNatCase{u"item2", u"item10", -1}, TNatCase{u"item10", u"item9", +1},
                    TNatCase{u"x01", u"x1", -1}, TNatCase{u"x010", u"x01", +1},
                    TNatCase{u"1.5", u"1.10", -1}, TNatCase{u"a", u"a1", -1},
                    TNatCase{u"a 1", u"a1", 0}, TNatCase{u"  abc", u"abc", 0},
                    TNatCase{u"ABC", u"abc", -1}, TNatCase{u"", u"", 0}, TNatCase{u"", u"a", -1},
                    TNatCase{u"Zebra", u"\u00c4pfel", -1},
                    // beyond the table: the same rules further in
                    TNatCase{u"Tree 2", u"Tree 10", -1}, TNatCase{u"a\tb", u"ab", 0},
                    TNatCase{u"a\u00a0b", u"ab", +1},  // no-break space is not a space
                    TNatCase{u"a\u007fb", u"ab", +1},  // DEL is not a space
                    TNatCase{u"99", u"100", -1}, TNatCase{u"007", u"7", -1},
                    TNatCase{u"12345678901234567890", u"12345678901234567891", -1},
                    TNatCase{u"a12b", u"a12c", -1}, TNatCase{u"a12", u"a12", 0},
                    TNatCase{u"\uffff", u"\u0041", +1}));

TEST(NatCharAtTest, EndsOfTheStringReadAsZero) {
  EXPECT_EQ(NatCharAt(u"ab", 0), 0);
  EXPECT_EQ(NatCharAt(u"ab", 1), u'a');
  EXPECT_EQ(NatCharAt(u"ab", 2), u'b');
  EXPECT_EQ(NatCharAt(u"ab", 3), 0);
  EXPECT_EQ(NatCharAt(u"ab", -5), 0);
}

TEST(NatClassTest, SpacesAreNonZeroUnitsUpTo32) {
  for (int c = 0; c < 0x200; ++c) {
    EXPECT_EQ(NatIsSpace(static_cast<char16_t>(c)), c >= 1 && c <= 32) << c;
    EXPECT_EQ(NatIsDigit(static_cast<char16_t>(c)), c >= '0' && c <= '9') << c;
  }
}

TEST(CompareLibraryNamesTest, SortsANameListNaturally) {
  std::vector<std::u16string> names{u"b10", u"b9", u"a", u"Tree", u"tree", u"Tree 10", u"Tree 2"};
  std::vector<std::size_t> order{0, 1, 2, 3, 4, 5, 6};
  std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
    return CompareLibraryNames(names, x, y) < 0;
  });
  std::vector<std::u16string> sorted;
  for (std::size_t i : order) sorted.push_back(names[i]);
  EXPECT_EQ(sorted, (std::vector<std::u16string>{u"Tree", u"Tree 2", u"Tree 10", u"a", u"b9",
                                                 u"b10", u"tree"}));
}

}  // namespace

namespace {

// The unchecked comparison the save sorts with must agree with the checked
// one everywhere, including strings with a 0 inside and long digit runs.
TEST(NatCompareTerminatedTest, AgreesWithNatCompareOnRandomNames) {
  std::mt19937 random(7);
  const char16_t alphabet[] = {u'0', u'1', u'9', u' ', u'\t', u'a', u'A', u'.', u'\0', u'\u00e4'};
  for (int i = 0; i < 200000; ++i) {
    std::u16string a, b;
    for (std::size_t n = random() % 8; n > 0; --n) a.push_back(alphabet[random() % 10]);
    for (std::size_t n = random() % 8; n > 0; --n) b.push_back(alphabet[random() % 10]);
    ASSERT_EQ(NatCompareTerminated(a.c_str(), b.c_str()), NatCompare(a, b))
        << testing::PrintToString(a) << " vs " << testing::PrintToString(b);
  }
}

}  // namespace
