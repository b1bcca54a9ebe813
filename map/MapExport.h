// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct TCategoryMap;
class TVectorEngine;

/// What a category holds: how many items, and the names of the first ones
/// in file order.
struct TCategoryContents {
  std::size_t Items = 0;
  std::vector<std::u16string> FirstNames;
};

/// The contents of each category of the engine's catalogue, in catalogue
/// order, with at most aNames names each.
std::vector<TCategoryContents> categoryContents(const TVectorEngine& aEngine,
                                                std::size_t aNames = 4);

/// "8 items: Tree 10, Tree 2, Tree 1, Oak, …" in UTF-8; the names escaped as
/// map fields are, and the ellipsis only when more items follow.
std::string describeContents(const TCategoryContents& aContents);

/// The two lists as a map file shows them: a row that was not changed has no
/// new text where the format can say so.
struct TMapExport {
  const TCategoryMap& Map;
  /// Per row; a row beyond its end counts as unchanged.
  std::vector<bool> Changed;
  /// Per row; may be empty, when nothing is said about the contents.
  std::vector<TCategoryContents> Contents;
  /// The languages of a memory or an XLIFF document, as BCP 47 tags ("en",
  /// "pl-PL"); other formats say nothing of them.
  std::string SourceLanguage = {};
  std::string TargetLanguage = {};
  /// The library's file name, which an XLIFF document names as its original.
  std::string Library = {};
};
