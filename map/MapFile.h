// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TCategoryMap;

/// A category map as a translator hands it back: one line per category,
/// old text, one tab, new text, both fields escaped and in UTF-8.

/// One line of the map, its texts unescaped and in UTF-16.
struct TMapLine {
  /// 1-based line number in the file.
  int Line = 0;
  std::u16string Old;
  std::u16string New;
};

/// Why a map was refused, and where; the front end words it.
struct TMapError {
  enum class TKind {
    InvalidUtf8,
    WrongTabCount,
    BadEscape,
    EmptyNewText,
    DuplicateOld,
  };
  TKind Kind = TKind::InvalidUtf8;
  /// 1-based line number of the offending line.
  int Line = 0;
  /// WrongTabCount: the tabs found on the line.
  std::size_t Tabs = 0;
  /// BadEscape: the two characters (or the lone backslash) that were found.
  std::string Escape;
  /// DuplicateOld: the line that first named the same old text.
  int FirstLine = 0;
};

/// Either every line of the map, in file order, or the first line that is
/// wrong.
struct TMapParse {
  std::vector<TMapLine> Lines;
  std::optional<TMapError> Error;
};

/// Reads a whole map. A leading UTF-8 byte-order mark is skipped, a final
/// newline does not make an empty last line, and one carriage return ending
/// a line is dropped. Lines are checked in order and the first fault ends
/// the parse; within a line the checks are: valid UTF-8, exactly one tab,
/// valid escapes, a non-empty new text, an old text not named before.
TMapParse parseMapFile(std::string_view aBytes);

/// The map of the two lists as a file: one line per row of OldCats, its old
/// text, a tab and the row's new text, each ending with a newline.
std::string formatMapFile(const TCategoryMap& aMap);
