// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "ExtendedPercent.h"
#include "PercentCursor.h"

namespace {

struct TPercentCase {
  long long Maximum;
  long long Position;
  int Expected;
};

class ExtendedPercentTest : public testing::TestWithParam<TPercentCase> {};

TEST_P(ExtendedPercentTest, MatchesTheLabel) {
  const TPercentCase& c = GetParam();
  EXPECT_EQ(ExtendedPercent(c.Position, c.Maximum), c.Expected)
      << "k = " << c.Position << ", N = " << c.Maximum;
}

// N = 8 and N = 3 in full; single positions where rounding q first, or
// rounding to a plain double, would give another answer.
INSTANTIATE_TEST_SUITE_P(
    Table, ExtendedPercentTest,
    testing::Values(TPercentCase{8, 0, 0}, TPercentCase{8, 1, 12}, TPercentCase{8, 2, 25},
                    TPercentCase{8, 3, 38}, TPercentCase{8, 4, 50}, TPercentCase{8, 5, 62},
                    TPercentCase{8, 6, 75}, TPercentCase{8, 7, 88}, TPercentCase{3, 0, 0},
                    TPercentCase{3, 1, 33}, TPercentCase{3, 2, 67}, TPercentCase{104, 65, 63},
                    TPercentCase{120, 9, 7}, TPercentCase{56, 21, 38}, TPercentCase{200, 199, 100},
                    TPercentCase{200, 1, 0}, TPercentCase{1, 0, 0},
                    TPercentCase{2147483647, 2147483646, 100}));

TEST(ExtendedPercentTest, NeverDecreasesAlongASave) {
  for (long long n : {1LL, 7LL, 99LL, 100LL, 101LL, 997LL, 4096LL}) {
    int previous = 0;
    for (long long k = 0; k < n; ++k) {
      const int p = ExtendedPercent(k, n);
      EXPECT_GE(p, previous) << k << " of " << n;
      EXPECT_LE(p, 100);
      previous = p;
    }
  }
}

// Where the compiler's long double is the x87 extended format, the hardware
// computes the very same thing; compare over many sizes and positions.
TEST(ExtendedPercentTest, AgreesWithHardwareExtendedPrecision) {
  if (std::numeric_limits<long double>::digits != 64)
    GTEST_SKIP() << "long double is not the 64-bit-significand format here";
  ASSERT_EQ(std::fegetround(), FE_TONEAREST);
  std::mt19937_64 random(12345);
  std::vector<long long> sizes;
  for (long long n = 1; n <= 1000; ++n) sizes.push_back(n);
  for (int i = 0; i < 300; ++i) sizes.push_back(1 + static_cast<long long>(random() % 2147483647));
  long long compared = 0;
  for (long long n : sizes) {
    const volatile long double q = static_cast<long double>(n) / 100.0L;
    const long long step = n <= 1000 ? 1 : n / 997;
    for (long long k = 0; k < n; k += step) {
      const volatile long double p = static_cast<long double>(k) / q;
      const long long expected = std::llrint(static_cast<long double>(p));
      ASSERT_EQ(ExtendedPercent(k, n), expected) << "k = " << k << ", N = " << n;
      ++compared;
    }
  }
  EXPECT_GT(compared, 500000);
}

// The cursor gives the percentage of every position and says it changed
// exactly where it differs from the previous position's, walking forward
// as a save does or jumping back.
TEST(PercentCursorTest, ChangesExactlyWhereThePercentageDoes) {
  for (long long n : {1LL, 3LL, 8LL, 200LL, 4096LL, 100003LL}) {
    TPercentCursor cursor(n);
    for (long long k = 0; k < n; ++k) {
      const bool changed = cursor.MoveTo(k);
      ASSERT_EQ(cursor.Percent(), ExtendedPercent(k, n)) << k << " of " << n;
      ASSERT_EQ(changed, k == 0 || ExtendedPercent(k, n) != ExtendedPercent(k - 1, n))
          << k << " of " << n;
    }
    EXPECT_EQ(cursor.MoveTo(n), ExtendedPercent(n - 1, n) != 100) << n;
    EXPECT_EQ(cursor.Percent(), 100);
    EXPECT_TRUE(cursor.MoveTo(0)) << n;
    EXPECT_EQ(cursor.Percent(), 0);
  }
}

}  // namespace
