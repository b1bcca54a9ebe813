// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "MapExport.h"
#include "MapFile.h"

/// The category map as an XLIFF 1.2 document: one trans-unit per category,
/// its source the old text, its target the new one.

/// Every trans-unit of every file, in document order, with its line. A unit
/// without a target is skipped; one whose target is empty is not applied,
/// and one whose state says it is not final (needs review, or still needs
/// translating although it has a text, as a fuzzy gettext entry becomes) is
/// counted in FuzzySkipped. The gettext header that converters keep as a
/// unit is passed over, as are units marked translate="no". Documents of
/// XLIFF 1.1 and 1.0 read alike.
TMapParse parseXliffFile(std::string_view aBytes);

/// The document of the two lists: one trans-unit per old text no earlier
/// row had, the target the new text with state "translated" for a changed
/// row and empty with state "needs-translation" for the others, and the
/// row's contents as a note. Throws TCatalogueRefusal, before anything is
/// written, for a text that XML 1.0 cannot carry.
std::string formatXliffFile(const TMapExport& aExport);
