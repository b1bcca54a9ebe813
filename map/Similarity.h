// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

/// How alike two texts are, in percent, for suggesting translations: 100 for
/// equal texts; otherwise 100 × (1 − d / n) rounded down and at most 99,
/// where d is the edit distance (insertions, deletions and substitutions of
/// code points) between the two texts with letter case folded, every run of
/// blanks made one space and blanks at either end dropped, and n the length
/// of the longer of them in code points. Symmetric.
int similarity(std::u16string_view aA, std::u16string_view aB);
