#include "strnatcomp.h"

char16_t NatCharAt(std::u16string_view S, std::ptrdiff_t i) {
  if (i < 1 || i > static_cast<std::ptrdiff_t>(S.size())) return 0;
  return S[static_cast<std::size_t>(i - 1)];
}

bool NatIsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool NatIsSpace(char16_t c) { return c != 0 && c <= 32; }

int NatCompareLeft(std::u16string_view A, std::u16string_view B) {
  for (std::ptrdiff_t i = 1;; ++i) {
    const char16_t a = NatCharAt(A, i);
    const char16_t b = NatCharAt(B, i);
    if (!NatIsDigit(a) && !NatIsDigit(b)) return 0;
    if (!NatIsDigit(a)) return -1;
    if (!NatIsDigit(b)) return +1;
    if (a < b) return -1;
    if (a > b) return +1;
  }
}

int NatCompareRight(std::u16string_view A, std::u16string_view B) {
  for (std::ptrdiff_t i = 1;; ++i) {
    const char16_t a = NatCharAt(A, i);
    const char16_t b = NatCharAt(B, i);
    if (!NatIsDigit(a) && !NatIsDigit(b)) return 0;
    if (!NatIsDigit(a)) return -1;
    if (!NatIsDigit(b)) return +1;
  }
}

int NatCompare(std::u16string_view A, std::u16string_view B) {
  std::ptrdiff_t ai = 0;
  std::ptrdiff_t bi = 0;
  for (;;) {
    ++ai;
    ++bi;
    char16_t ca = NatCharAt(A, ai);
    char16_t cb = NatCharAt(B, bi);
    while (NatIsSpace(ca)) ca = NatCharAt(A, ++ai);
    while (NatIsSpace(cb)) cb = NatCharAt(B, ++bi);

    if (NatIsDigit(ca) && NatIsDigit(cb)) {
      // Positions are 1-based; the tails start at the current characters.
      const std::u16string_view tailA = A.substr(static_cast<std::size_t>(ai - 1));
      const std::u16string_view tailB = B.substr(static_cast<std::size_t>(bi - 1));
      const int r =
          (ca == u'0' || cb == u'0') ? NatCompareLeft(tailA, tailB) : NatCompareRight(tailA, tailB);
      if (r != 0) return r;
    }
    if (ca == 0 && cb == 0) return 0;
    if (ca < cb) return -1;
    if (ca > cb) return +1;
  }
}

int CompareLibraryNames(const std::vector<std::u16string>& List, std::size_t Index1,
                        std::size_t Index2) {
  return NatCompare(List[Index1], List[Index2]);
}
