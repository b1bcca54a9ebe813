// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtendedPercent.h"

#include <bit>
#include <cstdint>

namespace {

// A positive number m * 2^e with a 64-bit significand (top bit set), the
// precision of the x87 extended format. Computing in software keeps the
// label the same on hosts whose long double is a plain double.
struct TExtended {
  std::uint64_t Significand = 0;
  int Exponent = 0;
};

TExtended toExtended(std::uint64_t aValue) {
  if (aValue == 0) return {};
  const int shift = std::countl_zero(aValue);
  return {aValue << shift, -shift};
}

// a / b rounded to 64 significant bits, to nearest, ties to even.
TExtended divideExtended(TExtended a, TExtended b) {
  if (a.Significand == 0) return {};
  const std::uint64_t d = b.Significand;
  int exponent = a.Exponent - b.Exponent - 63;
  // The running remainder is `carry * 2^64 + r`, always below 2 * d.
  std::uint64_t r = a.Significand;
  bool carry = false;
  if (r < d) {
    carry = (r >> 63) != 0;
    r <<= 1;
    --exponent;
  }
  std::uint64_t q = 0;
  for (int i = 0; i < 64; ++i) {
    q <<= 1;
    if (carry || r >= d) {
      r -= d;  // wraps correctly when carry is set
      q |= 1;
    }
    carry = (r >> 63) != 0;
    r <<= 1;
  }
  const bool roundBit = carry || r >= d;
  if (roundBit) r -= d;
  const bool sticky = r != 0;
  if (roundBit && (sticky || (q & 1) != 0)) {
    ++q;
    if (q == 0) {
      q = std::uint64_t{1} << 63;
      ++exponent;
    }
  }
  return {q, exponent};
}

// Rounds to the nearest integer, ties to even.
long long roundHalfEven(TExtended v) {
  if (v.Significand == 0) return 0;
  if (v.Exponent >= 0) return static_cast<long long>(v.Significand << v.Exponent);
  const int shift = -v.Exponent;
  if (shift > 64) return 0;  // below one half
  if (shift == 64) {
    const std::uint64_t half = std::uint64_t{1} << 63;
    return v.Significand > half ? 1 : 0;
  }
  const std::uint64_t integral = v.Significand >> shift;
  const std::uint64_t fraction = v.Significand & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  const bool up = fraction > half || (fraction == half && (integral & 1) != 0);
  return static_cast<long long>(integral + (up ? 1 : 0));
}

}  // namespace

int ExtendedPercent(long long k, long long aMaximum) {
  const TExtended q =
      divideExtended(toExtended(static_cast<std::uint64_t>(aMaximum)), toExtended(100));
  const TExtended p = divideExtended(toExtended(static_cast<std::uint64_t>(k)), q);
  return static_cast<int>(roundHalfEven(p));
}
