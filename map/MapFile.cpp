// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapFile.h"

#include <unordered_map>

#include "FieldEscape.h"
#include "LoaderSaver.h"
#include "TextCodec.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool isLineBreak(char aChar) { return aChar == '\n' || aChar == '\r'; }

/// Counts the lines up to aEnd as the reader does: CRLF, LF and CR each end
/// one.
int lineAt(std::string_view aText, std::size_t aEnd) {
  int line = 1;
  for (std::size_t i = 0; i < aEnd; ++i)
    if (aText[i] == '\n' ? i == 0 || aText[i - 1] != '\r' : aText[i] == '\r') ++line;
  return line;
}

/// The UTF-16 text after a byte-order mark as UTF-8, or where the first unit
/// that is not part of a whole character begins.
struct TDecoded {
  std::string Text;
  std::optional<std::size_t> BadUnit;
};

TDecoded decodeUtf16(std::string_view aBytes, bool aBigEndian) {
  std::u16string units;
  units.reserve(aBytes.size() / 2);
  for (std::size_t i = 0; i + 1 < aBytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(aBytes[aBigEndian ? i : i + 1]);
    const auto second = static_cast<unsigned char>(aBytes[aBigEndian ? i + 1 : i]);
    units += static_cast<char16_t>(first << 8 | second);
  }
  TDecoded result;
  std::size_t bad = aBytes.size() % 2 ? units.size() : units.npos;
  for (std::size_t i = 0; i < units.size() && bad == units.npos; ++i) {
    const bool high = units[i] >= 0xD800 && units[i] <= 0xDBFF;
    const bool low = units[i] >= 0xDC00 && units[i] <= 0xDFFF;
    if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF)
      ++i;
    else if (high || low)
      bad = i;
  }
  result.Text = utf16ToUtf8(std::u16string_view(units).substr(0, bad));
  if (bad != units.npos) result.BadUnit = bad;
  return result;
}

/// The line of the first bytes that are not UTF-8, if any. Line breaks are
/// ASCII, so no character spans two lines.
std::optional<int> firstNonUtf8Line(std::string_view aText) {
  int line = 1;
  while (true) {
    std::size_t end = 0;
    while (end < aText.size() && !isLineBreak(aText[end])) ++end;
    if (!utf8ToUtf16(aText.substr(0, end))) return line;
    if (end == aText.size()) return std::nullopt;
    end += aText.substr(end).starts_with("\r\n") ? 2 : 1;
    aText.remove_prefix(end);
    ++line;
  }
}

/// One field of a line, before its escapes are read.
struct TField {
  std::string Text;
  bool Quoted = false;
};

/// Walks the text line by line, keeping count of the line it is on.
struct TReader {
  std::string_view Text;
  std::size_t At = 0;
  int Line = 1;

  bool AtEnd() const { return At == Text.size(); }

  void TakeLineBreak() {
    if (Text[At] == '\r' && At + 1 < Text.size() && Text[At + 1] == '\n') ++At;
    ++At;
    ++Line;
  }

  std::optional<TMapError> TakeQuoted(TField& aField) {
    const int opened = Line;
    ++At;
    while (true) {
      if (AtEnd()) return mapErrorAt(TMapError::TKind::UnclosedQuote, opened);
      const char c = Text[At];
      if (c == '"') {
        ++At;
        if (AtEnd() || Text[At] != '"') break;
      } else if (isLineBreak(c)) {
        const std::size_t from = At;
        TakeLineBreak();
        aField.Text += Text.substr(from, At - from);
        continue;
      }
      aField.Text += c;
      ++At;
    }
    if (!AtEnd() && Text[At] != '\t' && !isLineBreak(Text[At]))
      return mapErrorAt(TMapError::TKind::TextAfterQuote, Line);
    return std::nullopt;
  }

  /// The fields of the next line, and the line break after them taken.
  std::optional<TMapError> TakeLine(std::vector<TField>& aFields) {
    aFields.clear();
    while (true) {
      TField field;
      if (!AtEnd() && Text[At] == '"') {
        field.Quoted = true;
        if (auto error = TakeQuoted(field)) return error;
      } else {
        const std::size_t from = At;
        while (!AtEnd() && Text[At] != '\t' && !isLineBreak(Text[At])) ++At;
        field.Text = Text.substr(from, At - from);
      }
      aFields.push_back(std::move(field));
      if (AtEnd() || Text[At] != '\t') break;
      ++At;
    }
    if (!AtEnd()) TakeLineBreak();
    return std::nullopt;
  }
};

/// The backslash at aOffset and the whole character after it, if any.
std::string escapeAt(std::string_view aField, std::size_t aOffset) {
  std::size_t end = aOffset + 1;
  if (end < aField.size()) ++end;
  while (end < aField.size() && (static_cast<unsigned char>(aField[end]) & 0xC0) == 0x80) ++end;
  return std::string(aField.substr(aOffset, end - aOffset));
}

std::optional<TMapError> readEntry(const std::vector<TField>& aFields, int aLine, TMapLine& aOut) {
  TMapError error;
  error.Line = aLine;
  if (aFields.size() < 2) {
    error.Kind = TMapError::TKind::WrongTabCount;
    return error;
  }
  std::u16string texts[2];
  for (int f = 0; f < 2; ++f) {
    const TUnescaped field = unescapeField(aFields[f].Text);
    if (field.Error) {
      error.Kind = TMapError::TKind::BadEscape;
      error.Escape = escapeAt(aFields[f].Text, field.Error->Offset);
      return error;
    }
    // The text was checked as UTF-8 and escapes produce only ASCII.
    texts[f] = *utf8ToUtf16(field.Text);
  }
  if (texts[1].empty()) {
    error.Kind = TMapError::TKind::EmptyNewText;
    return error;
  }
  aOut = {aLine, std::move(texts[0]), std::move(texts[1])};
  return std::nullopt;
}

/// The field as written: escaped, and quoted when it would begin with a
/// quote, which a reader would otherwise take for the opening one.
std::string writtenField(std::u16string_view aText) {
  const std::string escaped = escapeField(aText);
  if (!escaped.starts_with('"')) return escaped;
  std::string quoted = "\"";
  for (const char c : escaped)
    quoted += c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1);
  return quoted + '"';
}

}  // namespace

TMapParse parseMapFile(std::string_view aBytes) {
  TMapParse result;
  TDecoded decoded;
  const bool bigEndian = aBytes.starts_with(kUtf16BeMark);
  if (bigEndian || aBytes.starts_with(kUtf16LeMark)) {
    decoded = decodeUtf16(aBytes.substr(2), bigEndian);
    if (decoded.BadUnit) {
      result.Error =
          mapErrorAt(TMapError::TKind::InvalidUtf16, lineAt(decoded.Text, decoded.Text.size()));
      return result;
    }
    aBytes = decoded.Text;
  } else if (aBytes.starts_with(kUtf8Mark)) {
    aBytes.remove_prefix(kUtf8Mark.size());
  }
  if (const std::optional<int> line = firstNonUtf8Line(aBytes)) {
    result.Error = mapErrorAt(TMapError::TKind::InvalidUtf8, *line);
    return result;
  }

  std::unordered_map<std::u16string, int> firstLineOfOld;
  TReader reader{aBytes};
  std::vector<TField> fields;
  while (!reader.AtEnd()) {
    const int number = reader.Line;
    if (auto error = reader.TakeLine(fields)) {
      result.Error = std::move(error);
      return result;
    }
    if (fields.size() == 1 && fields[0].Text.empty() && !fields[0].Quoted) continue;
    TMapLine entry;
    if (auto error = readEntry(fields, number, entry)) {
      result.Error = std::move(error);
      return result;
    }
    const auto [seen, isNew] = firstLineOfOld.emplace(entry.Old, number);
    if (!isNew) {
      result.Error = mapErrorAt(TMapError::TKind::DuplicateOld, number);
      result.Error->FirstLine = seen->second;
      return result;
    }
    result.Lines.push_back(std::move(entry));
  }
  return result;
}

std::string formatMapFile(const TCategoryMap& aMap,
                          const std::vector<TCategoryContents>& aContents) {
  std::string out;
  for (std::size_t row = 0; row < aMap.OldCats.size(); ++row) {
    out += writtenField(aMap.OldCats[row]);
    out += '\t';
    out += writtenField(aMap.NewCats[row]);
    // It starts with the count, so it is never a quoted field.
    if (row < aContents.size()) out += '\t' + describeContents(aContents[row]);
    out += '\n';
  }
  return out;
}
