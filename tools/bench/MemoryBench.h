// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// The translation memory at the size of the maps of a whole suite.
struct TMemoryRow {
  long long Entries = 0;
  long long Rows = 0;
  /// Adding every entry.
  double Build = 0;
  /// Three suggestions for one row: the median and the slowest of many rows
  /// like the entries, and one row like none of them.
  double Suggest = 0, SlowestSuggest = 0, UnlikeSuggest = 0;
  /// Every row of a map of Rows rows given its exact match.
  double Pretranslate = 0;
  long long Filled = 0;
};

/// Measures a memory of aEntries entries and a map of as many rows; the
/// figures but the suggestions are the median of aRuns.
TMemoryRow measureMemory(long long aEntries, int aRuns);
