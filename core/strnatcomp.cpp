#include "strnatcomp.h"

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

namespace {

int compareLeftTerminated(const char16_t* a, const char16_t* b) {
  for (;; ++a, ++b) {
    if (!NatIsDigit(*a) && !NatIsDigit(*b)) return 0;
    if (!NatIsDigit(*a)) return -1;
    if (!NatIsDigit(*b)) return +1;
    if (*a < *b) return -1;
    if (*a > *b) return +1;
  }
}

int compareRightTerminated(const char16_t* a, const char16_t* b) {
  for (;; ++a, ++b) {
    if (!NatIsDigit(*a) && !NatIsDigit(*b)) return 0;
    if (!NatIsDigit(*a)) return -1;
    if (!NatIsDigit(*b)) return +1;
  }
}

}  // namespace

int NatCompareTerminated(const char16_t* A, const char16_t* B) {
  for (;; ++A, ++B) {
    char16_t ca = *A;
    char16_t cb = *B;
    while (NatIsSpace(ca)) ca = *++A;
    while (NatIsSpace(cb)) cb = *++B;
    if (NatIsDigit(ca) && NatIsDigit(cb)) {
      const int r =
          (ca == u'0' || cb == u'0') ? compareLeftTerminated(A, B) : compareRightTerminated(A, B);
      if (r != 0) return r;
    }
    // Every comparison reaching a 0 ends here, so no read passes the end.
    if (ca == 0 && cb == 0) return 0;
    if (ca < cb) return -1;
    if (ca > cb) return +1;
  }
}

int CompareLibraryNames(const std::vector<std::u16string>& List, std::size_t Index1,
                        std::size_t Index2) {
  return NatCompareTerminated(List[Index1].c_str(), List[Index2].c_str());
}
