// SPDX-License-Identifier: GPL-3.0-or-later
#include "FoldedText.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

namespace {

// ASCII is answered here, as most labels are; ICU answers the rest.
bool isBlank(UChar32 aChar) {
  if (aChar < 0x80) return aChar == ' ' || (aChar >= '\t' && aChar <= '\r');
  return u_isUWhiteSpace(aChar);
}

UChar32 foldCase(UChar32 aChar) {
  if (aChar < 0x80) return aChar >= 'A' && aChar <= 'Z' ? aChar + 0x20 : aChar;
  return u_foldCase(aChar, U_FOLD_CASE_DEFAULT);
}

}  // namespace

std::u32string foldedText(std::u16string_view aText) {
  std::u32string folded;
  folded.reserve(aText.size());
  bool blankBefore = false;
  for (std::size_t at = 0; at < aText.size();) {
    UChar32 c = aText[at++];
    // A lone surrogate stays itself.
    if (U16_IS_LEAD(c) && at < aText.size() && U16_IS_TRAIL(aText[at]))
      c = U16_GET_SUPPLEMENTARY(c, aText[at++]);
    if (isBlank(c)) {
      blankBefore = true;
      continue;
    }
    if (blankBefore && !folded.empty()) folded.push_back(U' ');
    blankBefore = false;
    folded.push_back(static_cast<char32_t>(foldCase(c)));
  }
  return folded;
}
