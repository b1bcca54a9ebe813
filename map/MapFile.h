// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "MapExport.h"

struct TCategoryMap;

/// A category map as a translator hands it back, in the tab-separated form
/// spreadsheets save: one line per category, old text, a tab, new text, both
/// fields escaped and in UTF-8 (or UTF-16 after its byte-order mark).

/// One entry of the map, its texts unescaped and in UTF-16.
struct TMapLine {
  /// 1-based line number in the file; 0 when the format does not tell.
  int Line = 0;
  std::u16string Old;
  std::u16string New;
};

/// Why a map was refused, and where; the front end words it.
struct TMapError {
  enum class TKind {
    InvalidUtf8,
    InvalidUtf16,
    WrongTabCount,
    BadEscape,
    UnclosedQuote,
    TextAfterQuote,
    EmptyNewText,
    DuplicateOld,
    /// A gettext catalogue the gettext library refused; see Reason.
    Catalogue,
    /// Not well-formed XML; Reason holds the XML library's words.
    MalformedXml,
    /// Well-formed, but its root element (Reason) is not Expected.
    WrongRoot,
    /// The document declares an entity (Reason names it); no map needs one,
    /// and expanding them is how a small file becomes a huge one.
    EntityDeclaration,
    /// The document refers to an entity (Reason) that it does not declare.
    UndefinedEntity,
    /// Elements nest deeper than any map does.
    TooDeep,
    /// An element a map cannot do without (Expected) is missing.
    MissingElement,
    /// The language asked for (Language; empty: any besides the source) is
    /// not in the memory, which holds Languages.
    LanguageAbsent,
    /// No language was asked for, and the memory holds several that could be
    /// meant (Languages).
    LanguageAmbiguous,
  };
  TKind Kind = TKind::InvalidUtf8;
  /// 1-based line number of the offending line; 0 when it is not known.
  int Line = 0;
  /// WrongTabCount: the tabs found on the line.
  std::size_t Tabs = 0;
  /// BadEscape: the two characters (or the lone backslash) that were found.
  std::string Escape;
  /// DuplicateOld: the line that first named the same old text.
  int FirstLine = 0;
  /// Catalogue and MalformedXml: the library's own words; WrongRoot: the
  /// root's name; the entity's name for the two entity kinds.
  std::string Reason;
  /// WrongRoot: the root the format has; MissingElement: the element's name.
  std::string Expected;
  /// The two language kinds: whether the target language (rather than the
  /// source) is meant, the tag asked for, and the languages of the file in
  /// order of first appearance.
  bool TargetLanguage = false;
  std::string Language;
  std::vector<std::string> Languages;
};

/// How deep the elements of a TMX or XLIFF document may nest; a map's nest
/// less than ten deep.
inline constexpr int kMaxXmlDepth = 64;

inline TMapError mapErrorAt(TMapError::TKind aKind, int aLine) {
  TMapError error;
  error.Kind = aKind;
  error.Line = aLine;
  return error;
}

/// An entry of a catalogue that is read but not applied, for the front end
/// to warn of.
struct TMapSkip {
  enum class TReason {
    /// The entry has plural forms (msgid_plural); a category has none.
    Plural,
    /// A string of the entry holds a NUL escape ("\0", "\x00"), where the
    /// gettext library ends the string.
    NulEscape,
    /// A unit of a memory or an XLIFF document without a target text.
    MissingTarget,
    /// A segment holds inline codes (placeholders of the formatting of
    /// another kind of document), which a plain-text category cannot carry.
    InlineCode,
  };
  TReason Reason = TReason::Plural;
  /// 1-based line of the entry's msgid (of the unit, in XML); 0 when it is
  /// not known.
  int Line = 0;
  /// The msgid as the gettext library gives it (cut at a NUL).
  std::u16string Old;
};

/// Either every entry of the map, in file order, or the first that is wrong.
struct TMapParse {
  std::vector<TMapLine> Lines;
  /// Entries a translator marked as needing review, which are not applied.
  std::size_t FuzzySkipped = 0;
  /// Entries passed over that a translator may have filled in, in file order.
  std::vector<TMapSkip> Skipped;
  std::optional<TMapError> Error;
};

/// Reads a whole tab-separated map. A UTF-8 byte-order mark is skipped; a
/// UTF-16 one (either byte order) makes the rest UTF-16. Lines end in LF,
/// CRLF or CR; blank lines are skipped. A field that begins with a double
/// quote runs to the next lone one, may hold tabs and line breaks, and
/// stands for a double quote by two. Fields after the second (a comment, or
/// the empty column a spreadsheet leaves) are ignored. The first fault ends
/// the parse; an entry's line is the one it begins on.
TMapParse parseMapFile(std::string_view aBytes);

/// The map of the two lists as a file: one line per row of OldCats, its old
/// text, a tab and the row's new text, each ending with a newline. A field
/// that would begin with a double quote is quoted, so that the file reads
/// back as the same texts. With aContents (one per row), a third column
/// says what each category holds ("8 items: Tree 10, …"), which a read
/// ignores.
std::string formatMapFile(const TCategoryMap& aMap,
                          const std::vector<TCategoryContents>& aContents = {});
