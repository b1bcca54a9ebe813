// SPDX-License-Identifier: GPL-3.0-or-later
#include "strnatcomp.h"

namespace {

// Every comparison below is written once, over a reader that gives the code
// unit at a 1-based position of a string and 0 at its end.

struct TViewReader {
  std::u16string_view S;
  char16_t operator()(std::ptrdiff_t i) const { return NatCharAt(S, i); }
};

struct TTerminatedReader {
  const char16_t* S;
  char16_t operator()(std::ptrdiff_t i) const { return S[i - 1]; }
};

template <class TReader>
int compareLeft(const TReader& A, std::ptrdiff_t ai, const TReader& B, std::ptrdiff_t bi) {
  for (;; ++ai, ++bi) {
    const char16_t a = A(ai);
    const char16_t b = B(bi);
    if (!NatIsDigit(a) && !NatIsDigit(b)) return 0;
    if (!NatIsDigit(a)) return -1;
    if (!NatIsDigit(b)) return +1;
    if (a < b) return -1;
    if (a > b) return +1;
  }
}

template <class TReader>
int compareRight(const TReader& A, std::ptrdiff_t ai, const TReader& B, std::ptrdiff_t bi) {
  for (;; ++ai, ++bi) {
    const char16_t a = A(ai);
    const char16_t b = B(bi);
    if (!NatIsDigit(a) && !NatIsDigit(b)) return 0;
    if (!NatIsDigit(a)) return -1;
    if (!NatIsDigit(b)) return +1;
  }
}

template <class TReader>
int compare(const TReader& A, const TReader& B) {
  std::ptrdiff_t ai = 0;
  std::ptrdiff_t bi = 0;
  for (;;) {
    char16_t ca = A(++ai);
    char16_t cb = B(++bi);
    while (NatIsSpace(ca)) ca = A(++ai);
    while (NatIsSpace(cb)) cb = B(++bi);
    if (NatIsDigit(ca) && NatIsDigit(cb)) {
      const int r =
          (ca == u'0' || cb == u'0') ? compareLeft(A, ai, B, bi) : compareRight(A, ai, B, bi);
      if (r != 0) return r;
    }
    // Both strings ended; every comparison that reaches an end returns here
    // or just below, so no read goes further than one past the end.
    if (ca == 0 && cb == 0) return 0;
    if (ca < cb) return -1;
    if (ca > cb) return +1;
  }
}

}  // namespace

int NatCompareLeft(std::u16string_view A, std::u16string_view B) {
  return compareLeft(TViewReader{A}, 1, TViewReader{B}, 1);
}

int NatCompareRight(std::u16string_view A, std::u16string_view B) {
  return compareRight(TViewReader{A}, 1, TViewReader{B}, 1);
}

int NatCompare(std::u16string_view A, std::u16string_view B) {
  return compare(TViewReader{A}, TViewReader{B});
}

int NatCompareTerminated(const char16_t* A, const char16_t* B) {
  return compare(TTerminatedReader{A}, TTerminatedReader{B});
}

int CompareLibraryNames(const std::vector<std::u16string>& List, std::size_t Index1,
                        std::size_t Index2) {
  return NatCompareTerminated(List[Index1].c_str(), List[Index2].c_str());
}
