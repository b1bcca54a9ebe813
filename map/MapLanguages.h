// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "MapFile.h"

/// The languages of a translation memory to read, as BCP 47 tags; an empty
/// one is taken from what the file says.
struct TMapLanguages {
  std::string Source;
  std::string Target;
};

/// What a memory offers to choose from: the source language its header
/// names (may be empty, or "*all*"), and every language of its units in order
/// of first appearance; or why it cannot be read.
struct TLanguageOffer {
  std::string HeaderSource;
  std::vector<std::string> Languages;
  std::optional<TMapError> Error;
};

/// Whether two language tags are the same, letter case aside.
bool sameLanguage(std::string_view aLeft, std::string_view aRight);

/// The tag of aLanguages that aWanted names: the one equal to it, letter case
/// aside, or, for a bare language ("de"), the one tag of that language with a
/// region ("de-DE") when there is exactly one. Nothing otherwise.
std::optional<std::string> matchLanguage(std::string_view aWanted,
                                         const std::vector<std::string>& aLanguages);
