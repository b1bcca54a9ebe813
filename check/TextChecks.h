// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TSpeller;

/// What a check found wrong with a row's new text.
enum class TCheckKind {
  /// The blanks at the start differ from the old text's.
  LeadingBlanks,
  /// The blanks at the end differ from the old text's.
  TrailingBlanks,
  /// Two or more blanks in a row inside the text, where the old text has none.
  DoubledBlanks,
  /// The mark the text ends in (. : ! ? … ; or none) differs.
  EndPunctuation,
  /// A capital first letter in one text and a small one in the other.
  FirstLetterCase,
  /// Runs of digits of the old text are missing from the new.
  Digits,
  /// Another row with the same old text, letter case, blanks and end
  /// punctuation set aside, is translated otherwise.
  TranslatedOtherwise,
  /// Another row with a different old text is given the same new text, in
  /// the same sense.
  SharedTranslation,
  /// Words the dictionary does not know.
  Misspelled,
};

/// One failing check of a row, as a value: each front end words it.
struct TCheckFailure {
  TCheckKind Kind;
  /// What the new text has where the check looks: its blanks at that end,
  /// its end mark, its first letter. Empty where it has none.
  std::u16string Found;
  /// What the old text has in the same place; empty where it has none.
  std::u16string Expected;
  /// The old text's digit runs missing from the new, or the misspelled
  /// words, in the order they come.
  std::vector<std::u16string> Words;
  /// The row the consistency checks found disagreeing; -1 for the others.
  int OtherRow = -1;

  bool operator==(const TCheckFailure&) const = default;
};

/// A word of a text: where it starts and how many UTF-16 units it takes.
struct TWordSpan {
  std::size_t Start = 0;
  std::size_t Length = 0;
  bool operator==(const TWordSpan&) const = default;
};

/// The checks of a new text against the old text it translates: blanks,
/// end punctuation, first letter's case, digits and, with aSpeller, the
/// spelling of the words not kept from the old text. An empty new text, or
/// one equal to the old, fails none.
std::vector<TCheckFailure> CheckTranslation(std::u16string_view aOld, std::u16string_view aNew,
                                            const TSpeller* aSpeller);

/// The checks of a text on its own, as a library holds it: blanks at either
/// end, doubled blanks and, with aSpeller, its spelling.
std::vector<TCheckFailure> CheckOwnText(std::u16string_view aText, const TSpeller* aSpeller);

/// The words of aText a speller looks up: letters, joined by an apostrophe
/// or a hyphen between two letters; a word that holds a digit is none.
std::vector<TWordSpan> Words(std::u16string_view aText);

/// The words of aNew that aSpeller does not know, words of aOld (letter case
/// set aside) excepted: the names and codes a translation keeps.
std::vector<TWordSpan> MisspelledWords(std::u16string_view aOld, std::u16string_view aNew,
                                       const TSpeller& aSpeller);

/// aText with letter case, blanks and end punctuation set aside: two texts
/// with the same key say the same thing for the consistency checks.
std::u16string ConsistencyKey(std::u16string_view aText);
/// A hash of ConsistencyKey(aText), made without it: 0 for an empty key and
/// only for one.
std::uint64_t ConsistencyHash(std::u16string_view aText);
