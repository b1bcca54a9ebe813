// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "MapExport.h"
#include "MapFile.h"
#include "MapLanguages.h"

/// Reading and writing a category map in either of its formats, for every
/// front end, so that they name files and faults alike.

enum class TMapFormat { Tsv, Po, Tmx, Xliff };

/// By the name's ending, in any letter case: ".po" is a gettext catalogue,
/// ".tmx" a translation memory, ".xlf" and ".xliff" an XLIFF document;
/// anything else is tab-separated.
TMapFormat mapFormatOf(std::string_view aFileName);

/// "po", "tsv", "tmx" or "xliff", as a user names the format.
std::optional<TMapFormat> mapFormatNamed(std::string_view aName);

/// The map's bytes in the format.
std::string formatMap(const TMapExport& aExport, TMapFormat aFormat);

/// aLanguages choose the pair of languages of a memory; the other formats
/// hold one pair only.
TMapParse parseMap(std::string_view aBytes, TMapFormat aFormat,
                   const TMapLanguages& aLanguages = {});

/// Writes the map to aFile, replacing the file only once all of it is
/// written. Throws TFileError, TCatalogueRefusal for a text the format
/// cannot hold, or std::runtime_error when the library writing it fails.
void writeMap(const std::string& aFile, const TMapExport& aExport, TMapFormat aFormat);

/// Where and why a map was refused, in zbl's words: "FILE:LINE" (or "FILE"
/// when there is no line) and the reason.
struct TMapRefusal {
  std::string Where;
  std::string Reason;
};

struct TMapRead {
  std::vector<TMapLine> Lines;
  std::size_t FuzzySkipped = 0;
  std::vector<TMapSkip> Skipped;
  std::optional<TMapRefusal> Refusal;
};

/// Reads aFile in the format its name implies.
TMapRead readMap(const std::string& aFile, const TMapLanguages& aLanguages = {});

/// "FILE:LINE", or "FILE" for line 0.
std::string mapLocation(std::string_view aFile, int aLine);
