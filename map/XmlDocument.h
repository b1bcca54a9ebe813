// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <libxml/tree.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "MapFile.h"

/// An XML document read from bytes that came from someone else's tool, read
/// so that it cannot reach anything but its own bytes: no DTD and no external
/// entity is ever loaded (no file, no network), a document that declares an
/// entity or refers to an undeclared one is refused, and elements may nest
/// only kMaxXmlDepth deep.

struct TXmlDocumentFree {
  void operator()(xmlDoc* aDocument) const { xmlFreeDoc(aDocument); }
};

struct TXmlRead {
  std::unique_ptr<xmlDoc, TXmlDocumentFree> Document;
  /// Set when Document is not.
  std::optional<TMapError> Error;
};

/// Reads the document whose root element must be aRoot (any namespace);
/// the error says why it was refused, and on which line.
TXmlRead readXmlDocument(std::string_view aBytes, std::string_view aRoot);

/// Whether aNode is an element named aName, its namespace aside.
bool isElement(const xmlNode* aNode, std::string_view aName);

/// The first child element of aNode named aName, or nullptr.
const xmlNode* childElement(const xmlNode* aNode, std::string_view aName);

/// The attribute without a namespace, or nothing.
std::optional<std::string> attribute(const xmlNode* aNode, const char* aName);

/// The xml:lang attribute, or nothing.
std::optional<std::string> xmlLanguage(const xmlNode* aNode);

/// The 1-based line the element begins on.
int lineOf(const xmlNode* aNode);

/// The plain text of an element: its text and that of the elements that only
/// mark a stretch of it (aSpans: TMX's hi, XLIFF's g and mrk), in UTF-16.
/// Nothing when it holds any other element, which in these formats is an
/// inline code standing for formatting of another kind of document.
std::optional<std::u16string> plainText(const xmlNode* aNode,
                                        std::initializer_list<std::string_view> aSpans);

/// Whether a unit with the texts aOld and aNew (nothing for one that holds
/// inline codes; aNew empty when there is no target, aHasTarget false) gives
/// the map a line; a unit with inline codes or without a target is added
/// to aParse's skipped entries with its line aLine, and one with an empty
/// target is passed over.
bool unitApplies(TMapParse& aParse, int aLine, std::optional<std::u16string>& aOld,
                 const std::optional<std::u16string>& aNew, bool aHasTarget);
