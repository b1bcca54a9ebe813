// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// The percentage shown along a save, followed from position to position.
/// It changes about a hundred times in a save of any size, so it is
/// recomputed only where it can change, and a front end that redraws only
/// when MoveTo says so redraws only when the percentage shown is new.
class TPercentCursor {
 public:
  /// A cursor over the positions of a save of aTotal items.
  explicit TPercentCursor(long long aTotal = 0) : mTotal(aTotal) {}

  /// Moves to position k (0 <= k <= total; the total itself is the end of
  /// the save, 100 %). Returns true when the percentage there differs from
  /// the one at the previous move, and at the first move.
  bool MoveTo(long long k);

  long long Total() const { return mTotal; }

  /// ExtendedPercent(k, total) for the position last moved to.
  int Percent() const { return mValue; }

 private:
  long long mTotal;
  /// The positions [mRunStart, mRunEnd) share the percentage mValue.
  long long mRunStart = 0;
  long long mRunEnd = 0;
  int mValue = -1;
};
