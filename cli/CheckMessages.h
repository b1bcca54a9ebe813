// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "TranslationChecks.h"

struct TDictionary;

/// zbl's words for the checks of zbl check, in UTF-8, with texts quoted and
/// escaped as its other messages are.

/// The line of one failing check of row aRow, without its newline: the old
/// text escaped as a field, then, for the checks of a map (aOwnText false),
/// " -> " and the new text in double quotes, then ": " and what fails
/// ("1 blank at the end, the old text has none"). Control characters the
/// escapes of a field leave are written as \xHH, so it stays one line.
std::string describeCheckLine(const TRowTexts& aRows, int aRow, const TCheckFailure& aFailure,
                              bool aOwnText);

/// "12 categories checked, 3 failing".
std::string describeCheckCount(int aRows, int aFailing);

/// Why --language aLanguage names no dictionary: the names of those
/// installed, or that none is installed in aFolders and where more come from.
std::string describeMissingDictionary(std::string_view aLanguage,
                                      const std::vector<TDictionary>& aInstalled,
                                      const std::vector<std::string>& aFolders);
