// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapFile.h"

#include <algorithm>
#include <unordered_map>

#include "FieldEscape.h"
#include "LoaderSaver.h"
#include "TextCodec.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

/// The backslash at aOffset and the whole character after it, if any.
std::string escapeAt(std::string_view aField, std::size_t aOffset) {
  std::size_t end = aOffset + 1;
  if (end < aField.size()) ++end;
  while (end < aField.size() && (static_cast<unsigned char>(aField[end]) & 0xC0) == 0x80) ++end;
  return std::string(aField.substr(aOffset, end - aOffset));
}

std::optional<TMapError> parseLine(std::string_view aLine, int aNumber, TMapLine& aOut) {
  TMapError error;
  error.Line = aNumber;
  if (!utf8ToUtf16(aLine)) {
    error.Kind = TMapError::TKind::InvalidUtf8;
    return error;
  }
  const auto tabs = static_cast<std::size_t>(std::count(aLine.begin(), aLine.end(), '\t'));
  if (tabs != 1) {
    error.Kind = TMapError::TKind::WrongTabCount;
    error.Tabs = tabs;
    return error;
  }
  const std::size_t tab = aLine.find('\t');
  const std::string_view fields[2] = {aLine.substr(0, tab), aLine.substr(tab + 1)};
  std::u16string texts[2];
  for (int f = 0; f < 2; ++f) {
    const TUnescaped field = unescapeField(fields[f]);
    if (field.Error) {
      error.Kind = TMapError::TKind::BadEscape;
      error.Escape = escapeAt(fields[f], field.Error->Offset);
      return error;
    }
    // Escapes produce only ASCII, so the unescaped text is valid UTF-8 too.
    texts[f] = *utf8ToUtf16(field.Text);
  }
  if (texts[1].empty()) {
    error.Kind = TMapError::TKind::EmptyNewText;
    return error;
  }
  aOut.Line = aNumber;
  aOut.Old = std::move(texts[0]);
  aOut.New = std::move(texts[1]);
  return std::nullopt;
}

/// Takes the next line off aBytes, without its newline and without one
/// carriage return before it.
std::string_view takeLine(std::string_view& aBytes) {
  const std::size_t end = aBytes.find('\n');
  std::string_view line = aBytes.substr(0, end);
  aBytes.remove_prefix(end == std::string_view::npos ? aBytes.size() : end + 1);
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

}  // namespace

TMapParse parseMapFile(std::string_view aBytes) {
  TMapParse result;
  if (aBytes.starts_with(kByteOrderMark)) aBytes.remove_prefix(kByteOrderMark.size());
  std::unordered_map<std::u16string, int> firstLineOfOld;
  for (int number = 1; !aBytes.empty(); ++number) {
    TMapLine parsed;
    if (auto error = parseLine(takeLine(aBytes), number, parsed)) {
      result.Error = std::move(error);
      return result;
    }
    const auto [seen, isNew] = firstLineOfOld.emplace(parsed.Old, number);
    if (!isNew) {
      TMapError error;
      error.Kind = TMapError::TKind::DuplicateOld;
      error.Line = number;
      error.FirstLine = seen->second;
      result.Error = error;
      return result;
    }
    result.Lines.push_back(std::move(parsed));
  }
  return result;
}

std::string formatMapFile(const TCategoryMap& aMap) {
  std::string out;
  for (std::size_t row = 0; row < aMap.OldCats.size(); ++row) {
    out += escapeField(aMap.OldCats[row]);
    out += '\t';
    out += escapeField(aMap.NewCats[row]);
    out += '\n';
  }
  return out;
}
