// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckBench.h"

#include <cstdio>
#include <string>
#include <vector>

#include "Timing.h"
#include "TranslationChecks.h"

namespace {

std::u16string text(const std::string& aAscii) { return {aAscii.begin(), aAscii.end()}; }

}  // namespace

TCheckRow measureChecks(long long aRows, int aRuns) {
  // Labels as libraries have them: words, numbers, an end colon now and
  // then, and the same label in other letter case; every other row given a
  // translation, some with a fault.
  std::vector<std::u16string> old, translated;
  for (long long i = 0; i < aRows; ++i) {
    const std::string n = std::to_string(i / 2);
    old.push_back(text((i % 2 ? "trees " : "Trees ") + n + (i % 7 == 0 ? ":" : "")));
    translated.push_back(i % 2 ? old.back()
                               : text((i % 11 == 0 ? "drzewa " : "Drzewa ") + n +
                                      (i % 7 == 0 ? ":" : "") + (i % 13 == 0 ? " " : "")));
  }
  TVectorRowTexts texts(old, translated);
  TCheckRow row{aRows, 0, 0};
  long long failing = 0;
  row.AllChecks = medianSeconds(aRuns, [&] {
    const TTranslationChecks checks(texts);
    failing = 0;
    for (int r = 0; r < texts.RowCount(); ++r) failing += checks.Fails(r) ? 1 : 0;
  });
  if (failing == 0) std::fprintf(stderr, "the checks found no planted fault\n");
  TTranslationChecks checks(texts);
  int edit = 0;
  row.Recheck = medianSeconds(aRuns * 20, [&] {
    const int r = static_cast<int>((edit * 7919LL) % aRows);
    texts.NewTextToChange(r) = text("Las " + std::to_string(edit++));
    for (const int touched : checks.NewTextChanged(r)) checks.Fails(touched);
  });
  return row;
}
