// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmlWriting.h"

#include <libxml/xmlwriter.h>

#include <cstdio>
#include <new>
#include <stdexcept>

#include "FieldEscape.h"
#include "LoaderSaver.h"
#include "PoFile.h"
#include "TextCodec.h"

namespace {

/// What of aText XML 1.0 cannot carry, in words, or nothing.
std::optional<std::string> unwritableInXml(std::u16string_view aText) {
  for (std::size_t at = 0; at < aText.size(); ++at) {
    const char16_t c = aText[at];
    char code[8];
    if (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') {
      std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(c));
      return std::string("a control character (") + code + ")";
    }
    if (c == 0xFFFE || c == 0xFFFF) {
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
      return std::string("the noncharacter ") + code;
    }
    const bool high = (c & 0xFC00) == 0xD800;
    const bool low = (c & 0xFC00) == 0xDC00;
    if (low || (high && (at + 1 == aText.size() || (aText[at + 1] & 0xFC00) != 0xDC00)))
      return std::string("half of a surrogate pair");
    if (high) ++at;
  }
  return std::nullopt;
}

}  // namespace

void refuseTextsXmlCannotHold(const TMapExport& aExport, bool aUnchangedRows,
                              std::string_view aFormat) {
  const TCategoryMap& map = aExport.Map;
  const auto named = [](std::u16string_view aText) {
    return '"' + escapeControlCharacters(escapeField(aText)) + '"';
  };
  for (std::size_t row = 0; row < map.OldCats.size(); ++row) {
    const bool changed = row < aExport.Changed.size() && aExport.Changed[row];
    if (!changed && !aUnchangedRows) continue;
    std::optional<std::string> what = unwritableInXml(map.OldCats[row]);
    std::string text = "the category " + named(map.OldCats[row]);
    if (!what && changed && row < map.NewCats.size() && (what = unwritableInXml(map.NewCats[row])))
      text = "the new text " + named(map.NewCats[row]) + " of " + text;
    if (what)
      throw TCatalogueRefusal(text + " holds " + *what + ", which " + std::string(aFormat) +
                              " (XML) cannot hold; a tab-separated map can");
  }
}

TXmlWriter::TXmlWriter() : mBuffer(xmlBufferCreate()), mWriter(nullptr) {
  if (!mBuffer) throw std::bad_alloc();
  mWriter = xmlNewTextWriterMemory(mBuffer, 0);
  if (!mWriter) {
    xmlBufferFree(mBuffer);
    throw std::bad_alloc();
  }
  check(xmlTextWriterSetIndent(mWriter, 1));
  check(xmlTextWriterSetIndentString(mWriter, reinterpret_cast<const xmlChar*>("  ")));
  check(xmlTextWriterStartDocument(mWriter, "1.0", "UTF-8", nullptr));
}

TXmlWriter::~TXmlWriter() {
  xmlFreeTextWriter(mWriter);
  xmlBufferFree(mBuffer);
}

void TXmlWriter::check(int aResult) {
  if (aResult < 0) throw std::runtime_error("the XML library could not write the document");
}

void TXmlWriter::Start(const char* aElement) {
  check(xmlTextWriterStartElement(mWriter, reinterpret_cast<const xmlChar*>(aElement)));
}

void TXmlWriter::Attribute(const char* aName, std::string_view aValue) {
  const std::string value(aValue);
  check(xmlTextWriterWriteAttribute(mWriter, reinterpret_cast<const xmlChar*>(aName),
                                    reinterpret_cast<const xmlChar*>(value.c_str())));
}

void TXmlWriter::Text(std::string_view aText) {
  const std::string text(aText);
  check(xmlTextWriterWriteString(mWriter, reinterpret_cast<const xmlChar*>(text.c_str())));
}

void TXmlWriter::Text(std::u16string_view aText) { Text(utf16ToUtf8(aText)); }

void TXmlWriter::End() { check(xmlTextWriterEndElement(mWriter)); }

std::string TXmlWriter::Finish() {
  check(xmlTextWriterEndDocument(mWriter));
  check(xmlTextWriterFlush(mWriter));
  return std::string(reinterpret_cast<const char*>(xmlBufferContent(mBuffer)),
                     static_cast<std::size_t>(xmlBufferLength(mBuffer)));
}
