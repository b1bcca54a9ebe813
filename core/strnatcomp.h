// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// Natural-order comparison of names: runs of digits compare by value, white
/// space is ignored, letter case is significant. Characters compare by their
/// UTF-16 code unit. Every function returns -1, 0 or +1.

/// The code unit at 1-based position i, or 0 outside the string.
inline char16_t NatCharAt(std::u16string_view S, std::ptrdiff_t i) {
  if (i < 1 || i > static_cast<std::ptrdiff_t>(S.size())) return 0;
  return S[static_cast<std::size_t>(i - 1)];
}

inline bool NatIsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

/// True for a non-zero code unit of 32 or less.
inline bool NatIsSpace(char16_t c) { return c != 0 && c <= 32; }

/// Both strings begin with a run of digits; compares them left-aligned (for
/// runs with leading zeros).
int NatCompareLeft(std::u16string_view A, std::u16string_view B);

/// Both strings begin with a run of digits; compares only the runs' lengths.
int NatCompareRight(std::u16string_view A, std::u16string_view B);

int NatCompare(std::u16string_view A, std::u16string_view B);

/// NatCompare for strings that end in a 0 code unit, as std::u16string's
/// c_str() does; the same result, without bounds checks, for sorting many
/// names. A 0 inside a string ends it in both functions alike.
int NatCompareTerminated(const char16_t* A, const char16_t* B);

/// The comparer the save's sort uses: NatCompare(List[Index1], List[Index2]).
int CompareLibraryNames(const std::vector<std::u16string>& List, std::size_t Index1,
                        std::size_t Index2);
