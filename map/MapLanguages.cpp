// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapLanguages.h"

#include <algorithm>
#include <cctype>

namespace {

char folded(char aChar) {
  const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(aChar)));
  return lower == '_' ? '-' : lower;
}

}  // namespace

bool sameLanguage(std::string_view aLeft, std::string_view aRight) {
  return std::ranges::equal(aLeft, aRight, [](char a, char b) { return folded(a) == folded(b); });
}

std::optional<std::string> matchLanguage(std::string_view aWanted,
                                         const std::vector<std::string>& aLanguages) {
  for (const std::string& language : aLanguages)
    if (sameLanguage(language, aWanted)) return language;
  if (aWanted.empty() || aWanted.find_first_of("-_") != std::string_view::npos) return std::nullopt;
  const std::string* regional = nullptr;
  for (const std::string& language : aLanguages)
    if (language.size() > aWanted.size() && folded(language[aWanted.size()]) == '-' &&
        sameLanguage(std::string_view(language).substr(0, aWanted.size()), aWanted)) {
      if (regional) return std::nullopt;
      regional = &language;
    }
  if (!regional) return std::nullopt;
  return *regional;
}
