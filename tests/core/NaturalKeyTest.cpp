// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "NaturalKey.h"
#include "strnatcomp.h"

namespace {

int sign(int aValue) { return (aValue > 0) - (aValue < 0); }

// Names built from the pieces where natural order has its corners: leading
// zeros, long digit runs, white space inside and between runs, control
// characters, NUL, the neighbours of the digits, code units above 0x7F.
std::u16string randomName(std::mt19937& aRandom) {
  static const std::u16string kPieces[] = {
      u"0",  u"00", u"1",    u"9",     u"10",   u"007", u" ",      u"\t",     u"\x01",
      u"\x1f", u"\x7f", u"a",  u"A",    u"/",     u":",      u"\u0080", u"\u00ff", u"\u0100",
      u"\u3000", u"\uffff", u"\xd800", u"1 2", u"0 0", std::u16string(1, u'\0'),
      std::u16string(50, u'9'), std::u16string(49, u'0') + u"1", std::u16string(300, u'7')};
  std::u16string name;
  for (std::size_t n = aRandom() % 7; n > 0; --n)
    name += kPieces[aRandom() % std::size(kPieces)];
  return name;
}

// A name close to aName: one code unit changed, dropped, or a piece added,
// so that many pairs agree far into their keys.
std::u16string neighbour(std::u16string aName, std::mt19937& aRandom) {
  const std::u16string units = u"0159 \t\x01a\u00e4";
  const std::size_t at = aName.empty() ? 0 : aRandom() % (aName.size() + 1);
  switch (aRandom() % 3) {
    case 0:
      if (at < aName.size()) aName[at] = units[aRandom() % units.size()];
      break;
    case 1:
      if (at < aName.size()) aName.erase(at, 1);
      break;
    default:
      aName.insert(at, 1, units[aRandom() % units.size()]);
  }
  return aName;
}

TEST(NaturalKeyTest, KeyOrderIsNatCompareOrder) {
  std::mt19937 random(20261209);
  for (int i = 0; i < 300000; ++i) {
    const std::u16string a = randomName(random);
    const std::u16string b = i % 2 ? randomName(random) : neighbour(a, random);
    ASSERT_EQ(sign(naturalKey(a).compare(naturalKey(b))), NatCompare(a, b))
        << testing::PrintToString(a) << " vs " << testing::PrintToString(b);
  }
}

struct TSortCase {
  const char* Label;
  int Names;
};

void PrintTo(const TSortCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

class SortTest : public testing::TestWithParam<TSortCase> {};

// Enough names sort as two halves merged, whose equal names must still keep
// their order across the halves.
TEST_P(SortTest, SortIsNaturalAndKeepsEqualNamesInTheirOrder) {
  std::mt19937 random(9);
  std::vector<std::u16string> names;
  TNaturalKeys keys;
  for (int i = 0; i < GetParam().Names; ++i) {
    // Neighbours of earlier names give long shared prefixes and equal keys.
    names.push_back(names.empty() || i % 3 ? randomName(random)
                                           : neighbour(names[random() % names.size()], random));
    appendNaturalKey(names.back(), keys.Bytes);
    keys.Close();
  }
  const std::vector<std::uint32_t> order = sortedByKey(keys);
  ASSERT_EQ(order.size(), names.size());
  std::vector<bool> seen(names.size());
  for (std::size_t k = 0; k < order.size(); ++k) {
    ASSERT_FALSE(seen[order[k]]);
    seen[order[k]] = true;
    if (k == 0) continue;
    const int c = NatCompare(names[order[k - 1]], names[order[k]]);
    ASSERT_LE(c, 0) << k;
    if (c == 0) {
      ASSERT_LT(order[k - 1], order[k]) << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Table, SortTest,
                         testing::Values(TSortCase{"OneRun", 20000},
                                         TSortCase{"TwoHalvesMerged", 150000}),
                         [](const auto& info) { return std::string(info.param.Label); });

}  // namespace
