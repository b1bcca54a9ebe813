// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// The checks of a translation over a map of Rows rows, spelling aside.
struct TCheckRow {
  long long Rows = 0;
  /// Every check of every row, the groups of the consistency checks built.
  double AllChecks = 0;
  /// One row given a new text, and the rows it touches checked again.
  double Recheck = 0;
};

/// Measures the checks over aRows rows: median of aRuns.
TCheckRow measureChecks(long long aRows, int aRuns);
