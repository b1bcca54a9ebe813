// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "SampleLibrary.h"

/// A library described in plain UTF-8 text, one item per line:
///
///     name TAB category [TAB body]
///
/// in file order. A line that starts with '#' is a comment and a line with
/// nothing on it is skipped. The body is stored as its UTF-8 bytes; name and
/// category are converted to Windows-1252, as a library holds them.

struct TDescriptionError {
  /// 1-based line number.
  int Line = 0;
  std::string Reason;
};

struct TDescriptionParse {
  TSampleLibrary Library;
  std::optional<TDescriptionError> Error;
};

/// The library the text describes. Every item gets its own seed (its
/// position), so that no two headers are alike, and ThemeCount is the number
/// of distinct categories, as the program's own save writes it. A name or
/// category that does not fit its field, or has a character Windows-1252
/// cannot hold, is refused rather than cut.
TDescriptionParse parseSampleDescription(std::string_view aText);
