// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapIo.h"

#include <algorithm>
#include <cctype>
#include <new>
#include <stdexcept>

#include "FileLayer.h"
#include "MapMessages.h"
#include "PoFile.h"

TMapFormat mapFormatOf(std::string_view aFileName) {
  constexpr std::string_view kPo = ".po";
  const bool po =
      aFileName.size() >= kPo.size() &&
      std::equal(kPo.begin(), kPo.end(), aFileName.end() - kPo.size(),
                 [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
  return po ? TMapFormat::Po : TMapFormat::Tsv;
}

std::optional<TMapFormat> mapFormatNamed(std::string_view aName) {
  if (aName == "po") return TMapFormat::Po;
  if (aName == "tsv") return TMapFormat::Tsv;
  return std::nullopt;
}

std::string formatMap(const TMapExport& aExport, TMapFormat aFormat) {
  return aFormat == TMapFormat::Po ? formatPoFile(aExport)
                                   : formatMapFile(aExport.Map, aExport.Contents);
}

TMapParse parseMap(std::string_view aBytes, TMapFormat aFormat) {
  return aFormat == TMapFormat::Po ? parsePoFile(aBytes) : parseMapFile(aBytes);
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

TMapRead readMap(const std::string& aFile) {
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
                      mapFormatOf(aFile));
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
