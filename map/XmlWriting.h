// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "MapExport.h"

typedef struct _xmlTextWriter xmlTextWriter;
typedef struct _xmlBuffer xmlBuffer;

/// Throws TCatalogueRefusal, naming the text, when a text to be written
/// holds a character XML 1.0 cannot carry (a control character other than
/// tab, line feed and carriage return, a lone surrogate, U+FFFE or U+FFFF):
/// the old texts of every row (aUnchangedRows) or of the changed rows only,
/// and the new texts of the changed rows. aFormat names the format in the
/// words.
void refuseTextsXmlCannotHold(const TMapExport& aExport, bool aUnchangedRows,
                              std::string_view aFormat);

/// An XML document written element by element into memory by the XML
/// library, which escapes every text (a carriage return as "&#13;", so that
/// it survives being read back). Each call throws std::runtime_error when the
/// library fails.
class TXmlWriter {
 public:
  TXmlWriter();
  ~TXmlWriter();
  TXmlWriter(const TXmlWriter&) = delete;
  TXmlWriter& operator=(const TXmlWriter&) = delete;

  void Start(const char* aElement);
  void Attribute(const char* aName, std::string_view aValue);
  void Text(std::string_view aText);
  void Text(std::u16string_view aText);
  void End();
  /// Closes every open element and gives the document.
  std::string Finish();

 private:
  void check(int aResult);
  xmlBuffer* mBuffer;
  xmlTextWriter* mWriter;
};
