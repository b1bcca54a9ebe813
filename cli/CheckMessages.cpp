// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckMessages.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <cstdio>

#include "FieldEscape.h"
#include "Speller.h"
#include "TextCodec.h"

namespace {

/// aText escaped as a field, in double quotes. Built by appending: GCC 12
/// warns falsely (-Wrestrict) of a chain of + that begins with a literal.
std::string quoted(std::u16string_view aText) {
  std::string out;
  out.append(1, '"').append(escapeField(aText)).append(1, '"');
  return out;
}

std::string joined(const std::vector<std::u16string>& aWords) {
  std::string out;
  for (const std::u16string& word : aWords)
    out.append(out.empty() ? "" : ", ").append(escapeField(word));
  return out;
}

bool onlySpaces(std::u16string_view aBlanks) {
  return aBlanks.find_first_not_of(u' ') == std::u16string_view::npos;
}

/// "U+0020 U+00A0": every blank is in the Basic Multilingual Plane, one unit.
std::string codePoints(std::u16string_view aBlanks) {
  std::string out;
  for (const char16_t unit : aBlanks) {
    char name[8];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(unit));
    out.append(out.empty() ? "" : " ").append(name);
  }
  return out;
}

/// "2 blanks at the start, the old text has none". Blanks other than the
/// space are named, so that "1 blank" against "1" still says what differs.
std::string describeBlanks(const TCheckFailure& aFailure, bool aOwnText) {
  const bool name = !onlySpaces(aFailure.Found) || !onlySpaces(aFailure.Expected);
  const std::size_t found = aFailure.Found.size();
  std::string out = found == 0   ? std::string("no blank")
                    : found == 1 ? std::string("1 blank")
                                 : std::to_string(found) + " blanks";
  if (name && found > 0) out.append(" (").append(codePoints(aFailure.Found)).append(")");
  out += aFailure.Kind == TCheckKind::LeadingBlanks ? " at the start" : " at the end";
  if (aOwnText) return out;
  out += ", the old text has ";
  out += aFailure.Expected.empty() ? std::string("none") : std::to_string(aFailure.Expected.size());
  if (name && !aFailure.Expected.empty())
    out.append(" (").append(codePoints(aFailure.Expected)).append(")");
  return out;
}

std::string describeMark(std::u16string_view aMark) {
  return aMark.empty() ? std::string("no punctuation") : quoted(aMark);
}

/// Whether a first letter the checks found is a small one; the other of the
/// pair is then a capital.
bool isSmall(std::u16string_view aLetter) {
  if (aLetter.empty()) return false;
  UChar32 c;
  int32_t at = 0;
  U16_NEXT(aLetter.data(), at, static_cast<int32_t>(aLetter.size()), c);
  return u_isULowercase(c);
}

std::string describeFailure(const TRowTexts& aRows, const TCheckFailure& aFailure,
                            bool aOwnText) {
  switch (aFailure.Kind) {
    case TCheckKind::LeadingBlanks:
    case TCheckKind::TrailingBlanks:
      return describeBlanks(aFailure, aOwnText);
    case TCheckKind::DoubledBlanks:
      return aOwnText ? "doubled blanks" : "doubled blanks, the old text has none";
    case TCheckKind::EndPunctuation:
      return "ends in " + describeMark(aFailure.Found) + ", the old text in " +
             (aFailure.Expected.empty() ? std::string("none") : quoted(aFailure.Expected));
    case TCheckKind::FirstLetterCase:
      return isSmall(aFailure.Found) ? "begins with a small letter, the old text with a capital"
                                     : "begins with a capital, the old text with a small letter";
    case TCheckKind::Digits:
      return "lacks the digits " + joined(aFailure.Words) + " of the old text";
    case TCheckKind::TranslatedOtherwise:
      // The line shows this row's new text already.
      return quoted(aRows.OldText(aFailure.OtherRow)) + " is translated as " +
             quoted(aRows.NewText(aFailure.OtherRow));
    case TCheckKind::SharedTranslation:
      return "the same new text as " + quoted(aRows.OldText(aFailure.OtherRow));
    case TCheckKind::Misspelled:
      return "misspelled: " + joined(aFailure.Words);
  }
  return {};
}

}  // namespace

std::string describeCheckLine(const TRowTexts& aRows, int aRow, const TCheckFailure& aFailure,
                              bool aOwnText) {
  std::string line = escapeField(aRows.OldText(aRow));
  if (!aOwnText) line.append(" -> ").append(quoted(aRows.NewText(aRow)));
  line.append(": ").append(describeFailure(aRows, aFailure, aOwnText));
  return escapeControlCharacters(line);
}

std::string describeCheckCount(int aRows, int aFailing) {
  return std::to_string(aRows) + (aRows == 1 ? " category" : " categories") + " checked, " +
         std::to_string(aFailing) + " failing";
}

std::string describeMissingDictionary(std::string_view aLanguage,
                                      const std::vector<TDictionary>& aInstalled,
                                      const std::vector<std::string>& aFolders) {
  std::string out = "no dictionary for '";
  out.append(aLanguage).append("'; ");
  if (!aInstalled.empty()) {
    out += "installed:";
    for (std::size_t i = 0; i < aInstalled.size(); ++i)
      out.append(i == 0 ? " " : ", ").append(aInstalled[i].Name);
    return out;
  }
  out += "none is installed";
  for (std::size_t i = 0; i < aFolders.size(); ++i)
    out.append(i == 0 ? " in " : ", ").append(aFolders[i]);
  return out + " (Debian's hunspell-* packages install them; DICPATH names other folders)";
}
