// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "MapExport.h"
#include "MapFile.h"

/// Reading and writing a category map in either of its formats, for every
/// front end, so that they name files and faults alike.

enum class TMapFormat { Tsv, Po };

/// A name ending in ".po" (in any letter case) is a gettext catalogue;
/// anything else is tab-separated.
TMapFormat mapFormatOf(std::string_view aFileName);

/// "po" or "tsv", as a user names the format.
std::optional<TMapFormat> mapFormatNamed(std::string_view aName);

/// The map's bytes in the format.
std::string formatMap(const TMapExport& aExport, TMapFormat aFormat);

TMapParse parseMap(std::string_view aBytes, TMapFormat aFormat);

/// Writes the map to aFile, replacing the file only once all of it is
/// written. Throws TFileError, or std::runtime_error when the gettext library
/// fails.
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
TMapRead readMap(const std::string& aFile);

/// "FILE:LINE", or "FILE" for line 0.
std::string mapLocation(std::string_view aFile, int aLine);
