// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapMessages.h"

#include "FieldEscape.h"
#include "MapFile.h"

namespace {

std::string languageList(const std::vector<std::string>& aLanguages) {
  std::string out;
  for (const std::string& language : aLanguages) out += (out.empty() ? "" : ", ") + language;
  return out.empty() ? "none" : out;
}

std::string describeLanguageError(const TMapError& aError) {
  const std::string role = aError.TargetLanguage ? "target" : "source";
  const std::string option = aError.TargetLanguage ? "--target-language" : "--source-language";
  const std::string holds = "the memory holds " + languageList(aError.Languages);
  if (aError.Kind == TMapError::TKind::LanguageAmbiguous)
    return "which language is the " + role + "? " + holds + "; choose one with " + option;
  if (aError.Language.empty()) return "it has no language to translate into: " + holds;
  return "the " + role + " language " + aError.Language + " is not in it: " + holds +
         "; choose one with " + option;
}

}  // namespace

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
    case TMapError::TKind::MalformedXml:
      return "not well-formed XML: " + aError.Reason;
    case TMapError::TKind::WrongRoot:
      return "its root element is <" + aError.Reason + ">, not <" + aError.Expected +
             ">; is it a file of another kind?";
    case TMapError::TKind::EntityDeclaration:
      return "it declares the entity \"" + aError.Reason +
             "\"; a map needs none, and entities are not read from a file of another tool";
    case TMapError::TKind::UndefinedEntity:
      return "it refers to the entity \"&" + aError.Reason + ";\", which it does not declare";
    case TMapError::TKind::TooDeep:
      return "its elements nest more than " + std::to_string(kMaxXmlDepth) + " deep; no map does";
    case TMapError::TKind::MissingElement:
      return "this unit has no <" + aError.Expected + "> element";
    case TMapError::TKind::LanguageAbsent:
    case TMapError::TKind::LanguageAmbiguous:
      return describeLanguageError(aError);
  }
  return {};
}

std::string describeMapSkip(const TMapSkip& aSkip) {
  const std::string old = "\"" + escapeField(aSkip.Old) + '"';
  switch (aSkip.Reason) {
    case TMapSkip::TReason::Plural:
      return "the plural entry " + old + " was not applied: a category has no plural forms";
    case TMapSkip::TReason::NulEscape:
      return "the entry " + old +
             " was not applied: it holds a NUL escape, which ends a text in a catalogue "
             "(a tab-separated map can hold a NUL)";
    case TMapSkip::TReason::MissingTarget:
      return "the unit " + old + " was not applied: it has no target text";
    case TMapSkip::TReason::InlineCode:
      return "the unit " + old +
             " was not applied: it holds inline codes (formatting of another kind of document), "
             "which a category cannot carry";
  }
  return {};
}

std::string describeForeignMap(std::size_t aEntries, std::string_view aLibrary,
                               std::string_view aOutcome) {
  return (aEntries == 1
              ? std::string("its entry is not a category of ")
              : "none of its " + std::to_string(aEntries) + " entries is a category of ") +
         std::string(aLibrary) + "; is it the map of another library? " + std::string(aOutcome);
}
