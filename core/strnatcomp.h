#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// Natural-order comparison of names: runs of digits compare by value, white
/// space is ignored, letter case is significant. Characters compare by their
/// UTF-16 code unit. Every function returns -1, 0 or +1.

/// The code unit at 1-based position i, or 0 outside the string.
char16_t NatCharAt(std::u16string_view S, std::ptrdiff_t i);

bool NatIsDigit(char16_t c);

/// True for a non-zero code unit of 32 or less.
bool NatIsSpace(char16_t c);

/// Both strings begin with a run of digits; compares them left-aligned (for
/// runs with leading zeros).
int NatCompareLeft(std::u16string_view A, std::u16string_view B);

/// Both strings begin with a run of digits; compares only the runs' lengths.
int NatCompareRight(std::u16string_view A, std::u16string_view B);

int NatCompare(std::u16string_view A, std::u16string_view B);

/// The comparer the save's sort uses: NatCompare(List[Index1], List[Index2]).
int CompareLibraryNames(const std::vector<std::u16string>& List, std::size_t Index1,
                        std::size_t Index2);
