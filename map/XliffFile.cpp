// SPDX-License-Identifier: GPL-3.0-or-later
#include "XliffFile.h"

#include <array>
#include <unordered_set>

#include "LoaderSaver.h"
#include "PoFile.h"
#include "TextCodec.h"
#include "XmlDocument.h"
#include "XmlWriting.h"

namespace {

/// The states of a target that is not yet a translation to apply.
/// Translate Toolkit writes a fuzzy gettext entry as "needs-translation"
/// with its text, so a text in any of these states is fuzzy.
constexpr std::array<std::string_view, 7> kUnfinishedStates = {"new",
                                                               "needs-translation",
                                                               "needs-adaptation",
                                                               "needs-l10n",
                                                               "needs-review-translation",
                                                               "needs-review-adaptation",
                                                               "needs-review-l10n"};

/// The catalogue's header, which gettext converters keep as a unit.
constexpr std::string_view kGettextHeader = "x-gettext-domain-header";

/// XLIFF's elements that mark a stretch of text rather than stand for a code.
const std::initializer_list<std::string_view> kSpans = {"g", "mrk"};

void readUnit(const xmlNode* aUnit, TMapParse& aResult) {
  if (attribute(aUnit, "restype") == kGettextHeader || attribute(aUnit, "translate") == "no")
    return;
  const int line = lineOf(aUnit);
  const xmlNode* source = childElement(aUnit, "source");
  if (!source) {
    aResult.Error = mapErrorAt(TMapError::TKind::MissingElement, line);
    aResult.Error->Expected = "source";
    return;
  }
  const xmlNode* target = childElement(aUnit, "target");
  std::optional<std::u16string> oldText = plainText(source, kSpans);
  std::optional<std::u16string> newText = target ? plainText(target, kSpans) : std::u16string();
  if (!unitApplies(aResult, line, oldText, newText, target != nullptr)) return;
  const std::string state = attribute(target, "state").value_or("");
  for (const std::string_view unfinished : kUnfinishedStates)
    if (state == unfinished) {
      ++aResult.FuzzySkipped;
      return;
    }
  aResult.Lines.push_back({line, std::move(*oldText), std::move(*newText)});
}

/// The units of aParent and of its groups, which may nest.
void readUnits(const xmlNode* aParent, TMapParse& aResult) {
  for (const xmlNode* child = aParent->children; child && !aResult.Error; child = child->next)
    if (isElement(child, "trans-unit"))
      readUnit(child, aResult);
    else if (isElement(child, "group"))
      readUnits(child, aResult);
}

}  // namespace

TMapParse parseXliffFile(std::string_view aBytes) {
  TMapParse result;
  const TXmlRead read = readXmlDocument(aBytes, "xliff");
  if (read.Error) {
    result.Error = read.Error;
    return result;
  }
  const xmlNode* root = xmlDocGetRootElement(read.Document.get());
  for (const xmlNode* file = root->children; file && !result.Error; file = file->next)
    if (isElement(file, "file"))
      if (const xmlNode* body = childElement(file, "body")) readUnits(body, result);
  if (result.Error) {
    result.Lines.clear();
    result.Skipped.clear();
    result.FuzzySkipped = 0;
  }
  return result;
}

std::string formatXliffFile(const TMapExport& aExport) {
  refuseTextsXmlCannotHold(aExport, true, "an XLIFF document");
  const TCategoryMap& map = aExport.Map;
  TXmlWriter writer;
  writer.Start("xliff");
  writer.Attribute("version", "1.2");
  writer.Attribute("xmlns", "urn:oasis:names:tc:xliff:document:1.2");
  writer.Start("file");
  writer.Attribute("original",
                   aExport.Library.empty() ? "library" : escapeControlCharacters(aExport.Library));
  writer.Attribute("source-language",
                   aExport.SourceLanguage.empty() ? "en" : aExport.SourceLanguage);
  if (!aExport.TargetLanguage.empty()) writer.Attribute("target-language", aExport.TargetLanguage);
  writer.Attribute("datatype", "plaintext");
  writer.Start("body");
  std::unordered_set<std::u16string_view> written;
  for (std::size_t row = 0; row < map.OldCats.size(); ++row) {
    if (!written.insert(map.OldCats[row]).second) continue;
    const bool changed = row < aExport.Changed.size() && aExport.Changed[row];
    writer.Start("trans-unit");
    // A converter to gettext makes the id the context of an entry with an
    // empty text; the catalogue's own context for the empty category reads
    // back the same.
    writer.Attribute(
        "id", map.OldCats[row].empty() ? kEmptyCategoryContext : std::to_string(written.size()));
    writer.Attribute("xml:space", "preserve");
    // Converters to gettext mark every unit that is not approved as fuzzy.
    if (changed) writer.Attribute("approved", "yes");
    writer.Start("source");
    writer.Text(map.OldCats[row]);
    writer.End();
    writer.Start("target");
    writer.Attribute("state", changed ? "translated" : "needs-translation");
    writer.Text(changed ? std::u16string_view(map.NewCats[row]) : std::u16string_view());
    writer.End();
    if (row < aExport.Contents.size()) {
      writer.Start("note");
      writer.Text(escapeControlCharacters(describeContents(aExport.Contents[row])));
      writer.End();
    }
    writer.End();
  }
  return writer.Finish();
}
