// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "MapExport.h"
#include "MapFile.h"
#include "MapLanguages.h"

/// The category map as a TMX 1.4 translation memory: one translation unit
/// per category, its variant in the source language holding the old text and
/// that in the target language the new one.

/// The languages the memory offers, for the user to choose from.
TLanguageOffer tmxLanguages(std::string_view aBytes);

/// Every unit holding both languages, in file order, with its line. The
/// source is aLanguages.Source or else the header's srclang (unless
/// "*all*"); the target is aLanguages.Target or else the one other language
/// of the units. A language asked for that the memory lacks, or a choice the
/// memory leaves open, refuses it, naming the languages it holds. A unit with
/// the source but not the target, or whose segments hold inline codes, is
/// skipped; one whose target segment is empty is not applied.
TMapParse parseTmxFile(std::string_view aBytes, const TMapLanguages& aLanguages = {});

/// The memory of the rows that were changed: one unit per old text no
/// earlier row had, with the row's contents as a note. The source language
/// is "en" when aExport names none. Throws TCatalogueRefusal, before
/// anything is written, when the target language is not named or a text
/// holds a character XML 1.0 cannot carry.
std::string formatTmxFile(const TMapExport& aExport);
