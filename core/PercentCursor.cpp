// SPDX-License-Identifier: GPL-3.0-or-later
#include "PercentCursor.h"

#include "ExtendedPercent.h"

namespace {

// The first position in [aFrom, aTo) whose percentage is above aValue, or
// aTo. The percentage never decreases as the position grows, so bisection
// finds it.
long long firstAbove(long long aFrom, long long aTo, int aValue, long long aTotal) {
  while (aFrom < aTo) {
    const long long mid = aFrom + (aTo - aFrom) / 2;
    if (ExtendedPercent(mid, aTotal) > aValue)
      aTo = mid;
    else
      aFrom = mid + 1;
  }
  return aFrom;
}

}  // namespace

bool TPercentCursor::MoveTo(long long k) {
  if (mValue >= 0 && k >= mRunStart && k < mRunEnd) return false;
  const int value = ExtendedPercent(k, mTotal);
  mRunStart = firstAbove(0, k, value - 1, mTotal);
  mRunEnd = firstAbove(k + 1, mTotal, value, mTotal);
  const bool changed = value != mValue;
  mValue = value;
  return changed;
}
