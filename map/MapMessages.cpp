// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapMessages.h"

#include "FieldEscape.h"
#include "MapFile.h"

std::string describeMapError(const TMapError& aError) {
  switch (aError.Kind) {
    case TMapError::TKind::InvalidUtf8:
      return "not valid UTF-8; save the map as UTF-8 text (or as UTF-16 \"Unicode Text\")";
    case TMapError::TKind::InvalidUtf16:
      return "not valid UTF-16 after its byte-order mark";
    case TMapError::TKind::WrongTabCount:
      return "expected old text, one tab, new text; found 0 tabs";
    case TMapError::TKind::BadEscape:
      return "invalid escape \"" + aError.Escape + "\" (only \\\\ \\t \\n \\r are allowed)";
    case TMapError::TKind::UnclosedQuote:
      return "the quoted field that begins here has no closing quote";
    case TMapError::TKind::TextAfterQuote:
      return "text after a quoted field's closing quote (write a quote inside one as \"\")";
    case TMapError::TKind::EmptyNewText:
      return std::string(kEmptyCategoryMessage);
    case TMapError::TKind::DuplicateOld:
      return "old text already mapped on line " + std::to_string(aError.FirstLine);
    case TMapError::TKind::Catalogue:
      return aError.Reason;
  }
  return {};
}

std::string describeMapSkip(const TMapSkip& aSkip) {
  const std::string old = "\"" + escapeField(aSkip.Old) + '"';
  return aSkip.Reason == TMapSkip::TReason::Plural
             ? "the plural entry " + old + " was not applied: a category has no plural forms"
             : "the entry " + old +
                   " was not applied: it holds a NUL escape, which ends a text in a catalogue "
                   "(a tab-separated map can hold a NUL)";
}

std::string describeForeignMap(std::size_t aEntries, std::string_view aLibrary,
                               std::string_view aOutcome) {
  return (aEntries == 1
              ? std::string("its entry is not a category of ")
              : "none of its " + std::to_string(aEntries) + " entries is a category of ") +
         std::string(aLibrary) + "; is it the map of another library? " + std::string(aOutcome);
}
