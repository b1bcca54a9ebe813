// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextChecks.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "Speller.h"

namespace {

// One code point of a UTF-16 text, read at aAt, which moves past it.
UChar32 next(std::u16string_view aText, std::size_t& aAt) {
  // Most labels are ASCII, or at least outside the surrogates.
  if (!U16_IS_SURROGATE(aText[aAt])) return aText[aAt++];
  UChar32 c;
  const auto length = static_cast<int32_t>(aText.size());
  auto at = static_cast<int32_t>(aAt);
  U16_NEXT(aText.data(), at, length, c);
  aAt = static_cast<std::size_t>(at);
  return c;
}

// The code point ending just before aEnd, and where it starts.
UChar32 previous(std::u16string_view aText, std::size_t& aEnd) {
  UChar32 c;
  auto at = static_cast<int32_t>(aEnd);
  U16_PREV(aText.data(), 0, at, c);
  aEnd = static_cast<std::size_t>(at);
  return c;
}

// ASCII is answered here; ICU answers the rest.
bool isBlank(UChar32 aChar) {
  if (aChar < 0x80) return aChar == ' ' || (aChar >= '\t' && aChar <= '\r');
  return u_isUWhiteSpace(aChar);
}

bool isAsciiLetter(UChar32 aChar) { return (aChar | 0x20) >= 'a' && (aChar | 0x20) <= 'z'; }

bool isWordLetter(UChar32 aChar) {
  if (aChar < 0x80) return isAsciiLetter(aChar);
  if (u_isalpha(aChar)) return true;
  const int8_t type = u_charType(aChar);
  return type == U_NON_SPACING_MARK || type == U_COMBINING_SPACING_MARK;
}

bool isDigit(UChar32 aChar) {
  if (aChar < 0x80) return aChar >= '0' && aChar <= '9';
  return u_charType(aChar) == U_DECIMAL_DIGIT_NUMBER;
}

UChar32 foldCase(UChar32 aChar) {
  if (aChar < 0x80) return aChar >= 'A' && aChar <= 'Z' ? aChar + 0x20 : aChar;
  return u_foldCase(aChar, U_FOLD_CASE_DEFAULT);
}

bool isWordChar(UChar32 aChar) { return isWordLetter(aChar) || isDigit(aChar); }

bool isJoiner(UChar32 aChar) { return aChar == u'\'' || aChar == 0x2019 || aChar == u'-'; }

std::size_t leadingBlanks(std::u16string_view aText) {
  std::size_t at = 0;
  while (at < aText.size()) {
    std::size_t after = at;
    if (!isBlank(next(aText, after))) break;
    at = after;
  }
  return at;
}

// Where the blanks at aText's end begin.
std::size_t trailingStart(std::u16string_view aText) {
  std::size_t end = aText.size();
  while (end > 0) {
    std::size_t before = end;
    if (!isBlank(previous(aText, before))) break;
    end = before;
  }
  return end;
}

// Two or more blanks in a row between the text's first and last non-blank.
bool hasDoubledBlanks(std::u16string_view aText) {
  const std::size_t end = trailingStart(aText);
  int run = 0;
  for (std::size_t at = leadingBlanks(aText); at < end;) {
    run = isBlank(next(aText, at)) ? run + 1 : 0;
    if (run >= 2) return true;
  }
  return false;
}

// The marks a label ends in, and the same marks of other scripts, written as
// the one they count as.
char16_t endMarkOf(UChar32 aChar) {
  switch (aChar) {
    case u'.': case u':': case u'!': case u'?': case u';': case u'\u2026':
      return static_cast<char16_t>(aChar);
    case 0x037E: case 0x061F: case 0xFF1F: return u'?';  // Greek, Arabic, full-width
    case 0x3002: case 0xFF0E: return u'.';
    case 0xFF1A: return u':';
    case 0xFF01: return u'!';
    case 0x061B: case 0xFF1B: return u';';
    default: return 0;
  }
}

bool hasGreek(std::u16string_view aText) {
  for (std::size_t at = 0; at < aText.size();) {
    UErrorCode error = U_ZERO_ERROR;
    if (uscript_getScript(next(aText, at), &error) == USCRIPT_GREEK) return true;
  }
  return false;
}

// The end mark of aText (blanks at its end set aside), "…" for three dots;
// empty when it ends in none. In a Greek text ";" is the question mark.
std::u16string endMark(std::u16string_view aText) {
  const std::u16string_view text = aText.substr(0, trailingStart(aText));
  if (text.ends_with(u"...")) return u"\u2026";
  if (text.empty()) return {};
  std::size_t at = text.size();
  char16_t mark = endMarkOf(previous(text, at));
  if (mark == u';' && hasGreek(text)) mark = u'?';
  return mark ? std::u16string(1, mark) : std::u16string();
}

// The first letter of aText, and whether it is a capital; nothing when it
// has no letter with a case.
struct TFirstLetter {
  std::u16string Letter;
  bool Capital = false;
};

std::optional<TFirstLetter> firstLetter(std::u16string_view aText) {
  for (std::size_t at = 0; at < aText.size();) {
    const std::size_t start = at;
    const UChar32 c = next(aText, at);
    if (!u_isalpha(c)) continue;
    const bool capital = u_isUUppercase(c) || u_istitle(c);
    if (!capital && !u_isULowercase(c)) return std::nullopt;
    return TFirstLetter{std::u16string(aText.substr(start, at - start)), capital};
  }
  return std::nullopt;
}

// The runs of digits of aText, each written in ASCII digits, whatever digits
// of which script it uses.
std::vector<std::u16string> digitRuns(std::u16string_view aText) {
  std::vector<std::u16string> runs;
  bool inRun = false;
  for (std::size_t at = 0; at < aText.size();) {
    const UChar32 c = next(aText, at);
    if (!isDigit(c)) {
      inRun = false;
      continue;
    }
    if (!inRun) runs.emplace_back();
    inRun = true;
    runs.back() += static_cast<char16_t>(u'0' + u_charDigitValue(c));
  }
  return runs;
}

void appendFolded(std::u16string& aKey, UChar32 aChar) {
  const UChar32 c = foldCase(aChar);
  if (U_IS_BMP(c)) {
    aKey += static_cast<char16_t>(c);
  } else {
    aKey += static_cast<char16_t>(U16_LEAD(c));
    aKey += static_cast<char16_t>(U16_TRAIL(c));
  }
}

std::u16string folded(std::u16string_view aText) {
  std::u16string key;
  key.reserve(aText.size());
  for (std::size_t at = 0; at < aText.size();) appendFolded(key, next(aText, at));
  return key;
}

void checkBlanks(std::u16string_view aOld, std::u16string_view aNew,
                 std::vector<TCheckFailure>& aFailures) {
  const std::u16string_view oldLead = aOld.substr(0, leadingBlanks(aOld));
  const std::u16string_view newLead = aNew.substr(0, leadingBlanks(aNew));
  if (oldLead != newLead)
    aFailures.push_back({TCheckKind::LeadingBlanks, std::u16string(newLead),
                         std::u16string(oldLead), {}, -1});
  // A text of blanks only has them at its start.
  const std::u16string_view oldTrail =
      oldLead.size() == aOld.size() ? std::u16string_view() : aOld.substr(trailingStart(aOld));
  const std::u16string_view newTrail =
      newLead.size() == aNew.size() ? std::u16string_view() : aNew.substr(trailingStart(aNew));
  if (oldTrail != newTrail)
    aFailures.push_back({TCheckKind::TrailingBlanks, std::u16string(newTrail),
                         std::u16string(oldTrail), {}, -1});
  if (hasDoubledBlanks(aNew) && !hasDoubledBlanks(aOld))
    aFailures.push_back({TCheckKind::DoubledBlanks, {}, {}, {}, -1});
}

void checkSpelling(std::u16string_view aOld, std::u16string_view aNew, const TSpeller* aSpeller,
                   std::vector<TCheckFailure>& aFailures) {
  if (!aSpeller) return;
  const std::vector<TWordSpan> wrong = MisspelledWords(aOld, aNew, *aSpeller);
  if (wrong.empty()) return;
  TCheckFailure failure{TCheckKind::Misspelled, {}, {}, {}, -1};
  for (const TWordSpan& word : wrong)
    failure.Words.emplace_back(aNew.substr(word.Start, word.Length));
  aFailures.push_back(std::move(failure));
}

}  // namespace

std::vector<TCheckFailure> CheckTranslation(std::u16string_view aOld, std::u16string_view aNew,
                                            const TSpeller* aSpeller) {
  std::vector<TCheckFailure> failures;
  if (aNew.empty() || aNew == aOld) return failures;
  checkBlanks(aOld, aNew, failures);
  if (const std::u16string oldMark = endMark(aOld), newMark = endMark(aNew); oldMark != newMark)
    failures.push_back({TCheckKind::EndPunctuation, newMark, oldMark, {}, -1});
  const std::optional<TFirstLetter> oldFirst = firstLetter(aOld);
  const std::optional<TFirstLetter> newFirst = firstLetter(aNew);
  if (oldFirst && newFirst && oldFirst->Capital != newFirst->Capital)
    failures.push_back({TCheckKind::FirstLetterCase, newFirst->Letter, oldFirst->Letter, {}, -1});
  // Each run of the old text must be matched by a run of its own in the new.
  std::vector<std::u16string> newRuns = digitRuns(aNew);
  std::vector<std::u16string> missing;
  for (std::u16string& run : digitRuns(aOld)) {
    const auto found = std::find(newRuns.begin(), newRuns.end(), run);
    if (found == newRuns.end()) {
      missing.push_back(std::move(run));
    } else {
      newRuns.erase(found);
    }
  }
  if (!missing.empty()) failures.push_back({TCheckKind::Digits, {}, {}, std::move(missing), -1});
  checkSpelling(aOld, aNew, aSpeller, failures);
  return failures;
}

std::vector<TCheckFailure> CheckOwnText(std::u16string_view aText, const TSpeller* aSpeller) {
  std::vector<TCheckFailure> failures;
  checkBlanks(u"", aText, failures);
  checkSpelling(u"", aText, aSpeller, failures);
  return failures;
}

std::vector<TWordSpan> Words(std::u16string_view aText) {
  std::vector<TWordSpan> words;
  std::size_t at = 0;
  while (at < aText.size()) {
    const std::size_t start = at;
    UChar32 c = next(aText, at);
    if (!isWordChar(c)) continue;
    bool digit = isDigit(c);
    while (at < aText.size()) {
      std::size_t after = at;
      c = next(aText, after);
      if (isWordChar(c)) {
        digit = digit || isDigit(c);
        at = after;
        continue;
      }
      // A joiner belongs to the word only between two of its letters.
      std::size_t beyond = after;
      if (!isJoiner(c) || after >= aText.size() || !isWordLetter(next(aText, beyond))) break;
      at = beyond;
    }
    if (!digit) words.push_back({start, at - start});
  }
  return words;
}

std::vector<TWordSpan> MisspelledWords(std::u16string_view aOld, std::u16string_view aNew,
                                       const TSpeller& aSpeller) {
  std::unordered_set<std::u16string> kept;
  for (const TWordSpan& word : Words(aOld)) kept.insert(folded(aOld.substr(word.Start, word.Length)));
  std::vector<TWordSpan> wrong;
  for (const TWordSpan& word : Words(aNew)) {
    const std::u16string_view text = aNew.substr(word.Start, word.Length);
    if (!kept.contains(folded(text)) && !aSpeller.IsCorrect(text)) wrong.push_back(word);
  }
  return wrong;
}

namespace {

// Hands each UTF-16 unit of aText's consistency key to aUnit.
template <typename TUnit>
void forEachKeyUnit(std::u16string_view aText, TUnit aUnit) {
  // End marks, with the blanks between and after them, go; inner runs of
  // blanks count as one.
  std::size_t end = aText.size();
  while (end > 0) {
    std::size_t before = end;
    const UChar32 c = previous(aText, before);
    if (!isBlank(c) && !endMarkOf(c)) break;
    end = before;
  }
  const std::u16string_view text = aText.substr(0, end);
  bool blank = false;
  for (std::size_t at = leadingBlanks(text); at < text.size();) {
    const UChar32 c = next(text, at);
    if (isBlank(c)) {
      blank = true;
      continue;
    }
    if (blank) aUnit(u' ');
    blank = false;
    const UChar32 f = foldCase(c);
    if (U_IS_BMP(f)) {
      aUnit(static_cast<char16_t>(f));
    } else {
      aUnit(static_cast<char16_t>(U16_LEAD(f)));
      aUnit(static_cast<char16_t>(U16_TRAIL(f)));
    }
  }
}

}  // namespace

std::u16string ConsistencyKey(std::u16string_view aText) {
  std::u16string key;
  key.reserve(aText.size());
  forEachKeyUnit(aText, [&key](char16_t aUnit) { key += aUnit; });
  return key;
}

std::uint64_t ConsistencyHash(std::u16string_view aText) {
  // FNV-1a over the key's units; an empty key is 0.
  std::uint64_t hash = 14695981039346656037ull;
  bool any = false;
  forEachKeyUnit(aText, [&](char16_t aUnit) {
    any = true;
    hash = (hash ^ aUnit) * 1099511628211ull;
  });
  return any ? (hash == 0 ? 1 : hash) : 0;
}
