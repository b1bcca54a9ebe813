// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "MapExport.h"
#include "MapFile.h"

/// The category map as a gettext catalogue, read and written by the gettext
/// library: one message per category, the old text its msgid, the new text
/// its msgstr. A category with empty text has the context kEmptyCategoryContext,
/// since an empty msgid without one is the catalogue's header.
inline constexpr const char* kEmptyCategoryContext = "empty category";

/// A category map that a catalogue cannot hold; the words name the text.
class TCatalogueRefusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// The entries with a msgstr, in file order; the header and obsolete entries
/// are passed over, fuzzy entries are counted and not applied, and entries
/// with plural forms or a NUL escape are listed in Skipped with their line.
/// The entries applied carry no line number: the library does not keep one.
/// A catalogue the library refuses gives its first complaint and line.
TMapParse parsePoFile(std::string_view aBytes);

/// The catalogue of the two lists: a header declaring UTF-8, then one
/// message per row whose old text no earlier row had, msgstr empty unless
/// the row was changed, with the row's contents as translator comment.
/// Throws TCatalogueRefusal, before anything is written, for a text that a
/// catalogue cannot hold (a NUL or an EOT), and std::runtime_error with the
/// library's words if it cannot write.
std::string formatPoFile(const TMapExport& aExport);
