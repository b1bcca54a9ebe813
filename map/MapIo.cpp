// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapIo.h"

#include <algorithm>
#include <cctype>
#include <new>
#include <stdexcept>

#include "FileLayer.h"
#include "MapMessages.h"
#include "PoFile.h"
#include "TmxFile.h"
#include "XliffFile.h"

namespace {

bool endsWithFolded(std::string_view aName, std::string_view aEnding) {
  return aName.size() >= aEnding.size() &&
         std::equal(
             aEnding.begin(), aEnding.end(), aName.end() - aEnding.size(),
             [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace

TMapFormat mapFormatOf(std::string_view aFileName) {
  if (endsWithFolded(aFileName, ".po")) return TMapFormat::Po;
  if (endsWithFolded(aFileName, ".tmx")) return TMapFormat::Tmx;
  if (endsWithFolded(aFileName, ".xlf") || endsWithFolded(aFileName, ".xliff"))
    return TMapFormat::Xliff;
  return TMapFormat::Tsv;
}

std::optional<TMapFormat> mapFormatNamed(std::string_view aName) {
  if (aName == "po") return TMapFormat::Po;
  if (aName == "tsv") return TMapFormat::Tsv;
  if (aName == "tmx") return TMapFormat::Tmx;
  if (aName == "xliff") return TMapFormat::Xliff;
  return std::nullopt;
}

std::string formatMap(const TMapExport& aExport, TMapFormat aFormat) {
  switch (aFormat) {
    case TMapFormat::Po:
      return formatPoFile(aExport);
    case TMapFormat::Tmx:
      return formatTmxFile(aExport);
    case TMapFormat::Xliff:
      return formatXliffFile(aExport);
    case TMapFormat::Tsv:
      break;
  }
  return formatMapFile(aExport.Map, aExport.Contents);
}

TMapParse parseMap(std::string_view aBytes, TMapFormat aFormat, const TMapLanguages& aLanguages) {
  switch (aFormat) {
    case TMapFormat::Po:
      return parsePoFile(aBytes);
    case TMapFormat::Tmx:
      return parseTmxFile(aBytes, aLanguages);
    case TMapFormat::Xliff:
      return parseXliffFile(aBytes);
    case TMapFormat::Tsv:
      break;
  }
  return parseMapFile(aBytes);
}

void writeMap(const std::string& aFile, const TMapExport& aExport, TMapFormat aFormat) {
  const std::string bytes = formatMap(aExport, aFormat);
  TAtomicFileWriter writer(aFile);
  writer.Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  writer.Commit();
}

std::string mapLocation(std::string_view aFile, int aLine) {
  std::string out(aFile);
  if (aLine > 0) out += ':' + std::to_string(aLine);
  return out;
}

TMapRead readMap(const std::string& aFile, const TMapLanguages& aLanguages) {
  TMapRead result;
  std::vector<std::uint8_t> bytes;
  try {
    bytes = readWholeFile(aFile);
  } catch (const TFileError& e) {
    result.Refusal = TMapRefusal{aFile, "cannot open: " + e.Reason()};
    return result;
  } catch (const std::bad_alloc&) {
    result.Refusal = TMapRefusal{aFile, std::string(kNotEnoughMemory) + " to load it"};
    return result;
  }
  TMapParse parsed;
  try {
    parsed = parseMap(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                      mapFormatOf(aFile), aLanguages);
  } catch (const std::runtime_error& e) {
    result.Refusal = TMapRefusal{aFile, std::string("cannot read: ") + e.what()};
    return result;
  }
  if (parsed.Error) {
    result.Refusal =
        TMapRefusal{mapLocation(aFile, parsed.Error->Line), describeMapError(*parsed.Error)};
    return result;
  }
  result.Lines = std::move(parsed.Lines);
  result.FuzzySkipped = parsed.FuzzySkipped;
  result.Skipped = std::move(parsed.Skipped);
  return result;
}
