// SPDX-License-Identifier: GPL-3.0-or-later
#include "TmxFile.h"

#include <algorithm>
#include <unordered_set>

#include "LoaderSaver.h"
#include "PoFile.h"
#include "TextCodec.h"
#include "XmlDocument.h"
#include "XmlWriting.h"

namespace {

/// TMX 1.1 named a variant's language "lang"; later versions "xml:lang".
std::optional<std::string> variantLanguage(const xmlNode* aVariant) {
  std::optional<std::string> language = xmlLanguage(aVariant);
  return language ? language : attribute(aVariant, "lang");
}

template <typename TVisit>
void forEachUnit(const xmlNode* aRoot, TVisit&& aVisit) {
  const xmlNode* body = childElement(aRoot, "body");
  if (!body) return;
  for (const xmlNode* unit = body->children; unit; unit = unit->next)
    if (isElement(unit, "tu")) aVisit(unit);
}

TLanguageOffer offerOf(const xmlNode* aRoot) {
  TLanguageOffer offer;
  if (const xmlNode* header = childElement(aRoot, "header"))
    offer.HeaderSource = attribute(header, "srclang").value_or("");
  forEachUnit(aRoot, [&](const xmlNode* aUnit) {
    for (const xmlNode* variant = aUnit->children; variant; variant = variant->next) {
      if (!isElement(variant, "tuv")) continue;
      const std::optional<std::string> language = variantLanguage(variant);
      if (language && std::ranges::none_of(offer.Languages, [&](const std::string& aKnown) {
            return sameLanguage(aKnown, *language);
          }))
        offer.Languages.push_back(*language);
    }
  });
  return offer;
}

TMapError languageError(TMapError::TKind aKind, bool aTarget, std::string aLanguage,
                        const TLanguageOffer& aOffer) {
  TMapError error = mapErrorAt(aKind, 0);
  error.TargetLanguage = aTarget;
  error.Language = std::move(aLanguage);
  error.Languages = aOffer.Languages;
  return error;
}

/// The variant of aUnit in aLanguage, or nullptr.
const xmlNode* variantIn(const xmlNode* aUnit, const std::string& aLanguage) {
  for (const xmlNode* variant = aUnit->children; variant; variant = variant->next)
    if (isElement(variant, "tuv"))
      if (const std::optional<std::string> language = variantLanguage(variant);
          language && sameLanguage(*language, aLanguage))
        return variant;
  return nullptr;
}

/// The text of a variant's segment; nothing when it holds inline codes.
std::optional<std::u16string> segmentText(const xmlNode* aVariant) {
  const xmlNode* segment = childElement(aVariant, "seg");
  return segment ? plainText(segment, {"hi"}) : std::u16string();
}

}  // namespace

TLanguageOffer tmxLanguages(std::string_view aBytes) {
  const TXmlRead read = readXmlDocument(aBytes, "tmx");
  if (read.Error) {
    TLanguageOffer offer;
    offer.Error = read.Error;
    return offer;
  }
  return offerOf(xmlDocGetRootElement(read.Document.get()));
}

TMapParse parseTmxFile(std::string_view aBytes, const TMapLanguages& aLanguages) {
  TMapParse result;
  const TXmlRead read = readXmlDocument(aBytes, "tmx");
  if (read.Error) {
    result.Error = read.Error;
    return result;
  }
  const xmlNode* root = xmlDocGetRootElement(read.Document.get());
  const TLanguageOffer offer = offerOf(root);
  // A memory of no units holds no language to choose, and nothing to apply.
  if (offer.Languages.empty()) return result;

  std::string wantedSource = aLanguages.Source;
  if (wantedSource.empty() && offer.HeaderSource != "*all*") wantedSource = offer.HeaderSource;
  if (wantedSource.empty()) {
    result.Error = languageError(TMapError::TKind::LanguageAmbiguous, false, {}, offer);
    return result;
  }
  const std::optional<std::string> source = matchLanguage(wantedSource, offer.Languages);
  if (!source) {
    result.Error = languageError(TMapError::TKind::LanguageAbsent, false, wantedSource, offer);
    return result;
  }
  std::vector<std::string> others;
  for (const std::string& language : offer.Languages)
    if (!sameLanguage(language, *source)) others.push_back(language);
  std::optional<std::string> target;
  if (!aLanguages.Target.empty()) {
    target = matchLanguage(aLanguages.Target, others);
    if (!target) {
      result.Error =
          languageError(TMapError::TKind::LanguageAbsent, true, aLanguages.Target, offer);
      return result;
    }
  } else if (others.size() == 1) {
    target = others.front();
  } else {
    result.Error = languageError(
        others.empty() ? TMapError::TKind::LanguageAbsent : TMapError::TKind::LanguageAmbiguous,
        true, {}, offer);
    return result;
  }

  forEachUnit(root, [&](const xmlNode* aUnit) {
    const xmlNode* sourceVariant = variantIn(aUnit, *source);
    // A unit of another pair of languages says nothing of this one.
    if (!sourceVariant) return;
    const int line = lineOf(aUnit);
    const xmlNode* targetVariant = variantIn(aUnit, *target);
    std::optional<std::u16string> oldText = segmentText(sourceVariant);
    std::optional<std::u16string> newText =
        targetVariant ? segmentText(targetVariant) : std::u16string();
    if (!unitApplies(result, line, oldText, newText, targetVariant != nullptr)) return;
    result.Lines.push_back({line, std::move(*oldText), std::move(*newText)});
  });
  return result;
}

std::string formatTmxFile(const TMapExport& aExport) {
  if (aExport.TargetLanguage.empty())
    throw TCatalogueRefusal("a translation memory needs its target language, and none was named");
  refuseTextsXmlCannotHold(aExport, false, "a translation memory");
  const TCategoryMap& map = aExport.Map;
  const std::string source = aExport.SourceLanguage.empty() ? "en" : aExport.SourceLanguage;
  TXmlWriter writer;
  writer.Start("tmx");
  writer.Attribute("version", "1.4");
  writer.Start("header");
  writer.Attribute("creationtool", "zbl-translator");
  writer.Attribute("creationtoolversion", ZBL_VERSION);
  writer.Attribute("segtype", "phrase");
  writer.Attribute("o-tmf", "zbl-translator");
  writer.Attribute("adminlang", "en");
  writer.Attribute("srclang", source);
  writer.Attribute("datatype", "plaintext");
  writer.End();
  writer.Start("body");
  std::unordered_set<std::u16string_view> written;
  for (std::size_t row = 0; row < map.OldCats.size(); ++row) {
    if (!written.insert(map.OldCats[row]).second) continue;
    if (row >= aExport.Changed.size() || !aExport.Changed[row]) continue;
    writer.Start("tu");
    if (row < aExport.Contents.size()) {
      writer.Start("note");
      writer.Text(escapeControlCharacters(describeContents(aExport.Contents[row])));
      writer.End();
    }
    for (const auto& [language, text] :
         {std::pair{source, std::u16string_view(map.OldCats[row])},
          std::pair{aExport.TargetLanguage, std::u16string_view(map.NewCats[row])}}) {
      writer.Start("tuv");
      writer.Attribute("xml:lang", language);
      writer.Start("seg");
      writer.Text(text);
      writer.End();
      writer.End();
    }
    writer.End();
  }
  return writer.Finish();
}
