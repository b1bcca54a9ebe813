// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmlDocument.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <climits>
#include <mutex>
#include <new>

#include "TextCodec.h"

namespace {

/// What the handlers of one parse found; the parser stops at the first.
struct TGuard {
  int Depth = 0;
  std::optional<TMapError> Refusal;
  /// The parser's first complaint; the later ones follow from it.
  std::optional<TMapError> FirstError;
};

TGuard& guardOf(void* aContext) {
  return *static_cast<TGuard*>(static_cast<xmlParserCtxt*>(aContext)->_private);
}

void refuse(void* aContext, TMapError::TKind aKind, const xmlChar* aName) {
  TGuard& guard = guardOf(aContext);
  if (!guard.Refusal) {
    guard.Refusal = mapErrorAt(aKind, xmlSAX2GetLineNumber(aContext));
    if (aName) guard.Refusal->Reason = reinterpret_cast<const char*>(aName);
  }
  xmlStopParser(static_cast<xmlParserCtxt*>(aContext));
}

void onEntityDeclaration(void* aContext, const xmlChar* aName, int, const xmlChar*, const xmlChar*,
                         xmlChar*) {
  refuse(aContext, TMapError::TKind::EntityDeclaration, aName);
}

void onReference(void* aContext, const xmlChar* aName) {
  refuse(aContext, TMapError::TKind::UndefinedEntity, aName);
}

void onStartElement(void* aContext, const xmlChar* aName, const xmlChar* aPrefix,
                    const xmlChar* aUri, int aNamespaces, const xmlChar** aNamespaceList,
                    int aAttributes, int aDefaulted, const xmlChar** aAttributeList) {
  if (++guardOf(aContext).Depth > kMaxXmlDepth) {
    refuse(aContext, TMapError::TKind::TooDeep, nullptr);
    return;
  }
  xmlSAX2StartElementNs(aContext, aName, aPrefix, aUri, aNamespaces, aNamespaceList, aAttributes,
                        aDefaulted, aAttributeList);
}

void onEndElement(void* aContext, const xmlChar* aName, const xmlChar* aPrefix,
                  const xmlChar* aUri) {
  --guardOf(aContext).Depth;
  xmlSAX2EndElementNs(aContext, aName, aPrefix, aUri);
}

std::string trimmed(std::string aText);

void onError(void* aContext, xmlError* aError) {
  TGuard& guard = guardOf(aContext);
  if (guard.FirstError || aError->level < XML_ERR_ERROR) return;
  guard.FirstError = mapErrorAt(TMapError::TKind::MalformedXml, aError->line);
  guard.FirstError->Reason = aError->message ? trimmed(aError->message) : "not well-formed XML";
}

/// No parse ever loads anything but the bytes it was given.
xmlParserInputPtr refuseToLoad(const char*, const char*, xmlParserCtxtPtr) { return nullptr; }

void initialiseOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    xmlInitParser();
    xmlSetExternalEntityLoader(refuseToLoad);
  });
}

std::string trimmed(std::string aText) {
  while (!aText.empty() && (aText.back() == '\n' || aText.back() == ' ')) aText.pop_back();
  return aText;
}

struct TContextFree {
  void operator()(xmlParserCtxt* aContext) const {
    if (aContext->myDoc) xmlFreeDoc(aContext->myDoc);
    xmlFreeParserCtxt(aContext);
  }
};

}  // namespace

TXmlRead readXmlDocument(std::string_view aBytes, std::string_view aRoot) {
  initialiseOnce();
  TXmlRead result;
  if (aBytes.empty() || aBytes.size() > static_cast<std::size_t>(INT_MAX)) {
    result.Error = mapErrorAt(TMapError::TKind::MalformedXml, 0);
    result.Error->Reason = aBytes.empty() ? "the file is empty" : "the file is too large";
    return result;
  }
  std::unique_ptr<xmlParserCtxt, TContextFree> context(
      xmlCreateMemoryParserCtxt(aBytes.data(), static_cast<int>(aBytes.size())));
  if (!context) throw std::bad_alloc();
  TGuard guard;
  context->_private = &guard;
  // Not XML_PARSE_NOENT, DTDLOAD, DTDATTR or HUGE: entities stay unexpanded,
  // no DTD is read, and the parser's own bounds hold.
  xmlCtxtUseOptions(context.get(), XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
                                       XML_PARSE_BIG_LINES);
  xmlSAXHandler* sax = context->sax;
  sax->entityDecl = onEntityDeclaration;
  sax->reference = onReference;
  sax->startElementNs = onStartElement;
  sax->endElementNs = onEndElement;
  sax->externalSubset = nullptr;
  sax->serror = onError;
  xmlParseDocument(context.get());

  if (guard.Refusal) {
    result.Error = std::move(guard.Refusal);
    return result;
  }
  if (!context->wellFormed || !context->myDoc) {
    result.Error = guard.FirstError;
    if (!result.Error) {
      result.Error = mapErrorAt(TMapError::TKind::MalformedXml, 0);
      result.Error->Reason = "not well-formed XML";
    }
    return result;
  }
  result.Document.reset(context->myDoc);
  context->myDoc = nullptr;
  const xmlNode* root = xmlDocGetRootElement(result.Document.get());
  if (!isElement(root, aRoot)) {
    result.Error = mapErrorAt(TMapError::TKind::WrongRoot, root ? lineOf(root) : 0);
    result.Error->Reason = root ? reinterpret_cast<const char*>(root->name) : "";
    result.Error->Expected = aRoot;
    result.Document.reset();
  }
  return result;
}

bool isElement(const xmlNode* aNode, std::string_view aName) {
  return aNode && aNode->type == XML_ELEMENT_NODE &&
         reinterpret_cast<const char*>(aNode->name) == aName;
}

const xmlNode* childElement(const xmlNode* aNode, std::string_view aName) {
  for (const xmlNode* child = aNode->children; child; child = child->next)
    if (isElement(child, aName)) return child;
  return nullptr;
}

std::optional<std::string> attribute(const xmlNode* aNode, const char* aName) {
  xmlChar* value =
      xmlGetNoNsProp(const_cast<xmlNode*>(aNode), reinterpret_cast<const xmlChar*>(aName));
  if (!value) return std::nullopt;
  std::string out(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return out;
}

std::optional<std::string> xmlLanguage(const xmlNode* aNode) {
  xmlChar* value = xmlGetNsProp(const_cast<xmlNode*>(aNode),
                                reinterpret_cast<const xmlChar*>("lang"), XML_XML_NAMESPACE);
  if (!value) return std::nullopt;
  std::string out(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return out;
}

int lineOf(const xmlNode* aNode) {
  return static_cast<int>(xmlGetLineNo(const_cast<xmlNode*>(aNode)));
}

namespace {

bool appendPlainText(const xmlNode* aNode, std::initializer_list<std::string_view> aSpans,
                     std::string& aOut) {
  for (const xmlNode* child = aNode->children; child; child = child->next) {
    switch (child->type) {
      case XML_TEXT_NODE:
      case XML_CDATA_SECTION_NODE:
        if (child->content) aOut += reinterpret_cast<const char*>(child->content);
        break;
      case XML_ELEMENT_NODE: {
        bool span = false;
        for (const std::string_view name : aSpans) span = span || isElement(child, name);
        if (!span || !appendPlainText(child, aSpans, aOut)) return false;
        break;
      }
      case XML_COMMENT_NODE:
      case XML_PI_NODE:
        break;
      default:
        return false;
    }
  }
  return true;
}

}  // namespace

std::optional<std::u16string> plainText(const xmlNode* aNode,
                                        std::initializer_list<std::string_view> aSpans) {
  std::string text;
  if (!appendPlainText(aNode, aSpans, text)) return std::nullopt;
  // The parser gives valid UTF-8 whatever the document's encoding.
  return utf8ToUtf16(text).value_or(std::u16string());
}

bool unitApplies(TMapParse& aParse, int aLine, std::optional<std::u16string>& aOld,
                 const std::optional<std::u16string>& aNew, bool aHasTarget) {
  if (!aOld || !aNew) {
    aParse.Skipped.push_back({TMapSkip::TReason::InlineCode, aLine, aOld.value_or(u"")});
    return false;
  }
  if (!aHasTarget) {
    aParse.Skipped.push_back({TMapSkip::TReason::MissingTarget, aLine, std::move(*aOld)});
    return false;
  }
  return !aNew->empty();
}
