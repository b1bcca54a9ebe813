// SPDX-License-Identifier: GPL-3.0-or-later
#include "TranslationMemory.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

#include "LoaderSaver.h"

std::size_t TTranslationMemory::AddSource(std::string aName) {
  mSources.push_back(std::move(aName));
  return mSources.size() - 1;
}

const std::string& TTranslationMemory::SourceName(std::size_t aSource) const {
  return mSources.at(aSource);
}

std::size_t TTranslationMemory::SourceCount() const { return mSources.size(); }

std::size_t TTranslationMemory::Add(std::size_t aSource, const std::vector<TMapLine>& aLines) {
  if (aSource >= mSources.size()) throw std::out_of_range("no such translation memory source");
  std::size_t added = 0;
  for (const TMapLine& line : aLines) {
    if (line.New.empty() || line.New == line.Old) continue;
    auto [found, isNew] = mOldNumbers.try_emplace(line.Old, mEntriesOfOld.size());
    if (isNew) {
      mOldTexts.Add(line.Old);
      mEntriesOfOld.emplace_back();
    }
    mEntriesOfOld[found->second].push_back(mEntries.size());
    mEntries.push_back({line.Old, line.New, aSource});
    ++added;
  }
  return added;
}

std::size_t TTranslationMemory::Size() const { return mEntries.size(); }

const TMemoryEntry& TTranslationMemory::Entry(std::size_t aEntry) const {
  return mEntries.at(aEntry);
}

std::vector<TMemoryMatch> TTranslationMemory::Suggest(std::u16string_view aText, std::size_t aCount,
                                                      int aMinimum) const {
  std::vector<TMemoryMatch> picked;
  if (aCount == 0) return picked;
  // Old texts whose entries all share a new text already given take a place
  // among the best without giving a suggestion; ask for more until the best
  // aCount new texts are known.
  for (std::size_t asked = aCount;; asked *= 2) {
    const std::vector<TFuzzyMatch> best = mOldTexts.Best(aText, asked, aMinimum);
    const bool all = best.size() < asked || best.size() == mOldTexts.Size();
    // Old texts as similar as the last one given may have been left out.
    const int known = all ? -1 : best.back().Similarity;
    std::vector<TMemoryMatch> matches;
    for (const TFuzzyMatch& old : best)
      for (const std::size_t entry : mEntriesOfOld[old.Id])
        matches.push_back({entry, old.Similarity});
    std::sort(matches.begin(), matches.end(), [](const TMemoryMatch& aA, const TMemoryMatch& aB) {
      return aA.Similarity != aB.Similarity ? aA.Similarity > aB.Similarity : aA.Entry < aB.Entry;
    });
    picked.clear();
    std::unordered_set<std::u16string_view> given;
    for (const TMemoryMatch& match : matches) {
      if (match.Similarity <= known || picked.size() == aCount) break;
      if (given.insert(mEntries[match.Entry].New).second) picked.push_back(match);
    }
    if (all || picked.size() == aCount) return picked;
  }
}

const TMemoryEntry* TTranslationMemory::Exact(std::u16string_view aText) const {
  const auto found = mOldNumbers.find(aText);
  return found == mOldNumbers.end() ? nullptr : &mEntries[mEntriesOfOld[found->second].front()];
}

std::vector<TPretranslation> pretranslations(const TTranslationMemory& aMemory,
                                             const TCategoryMap& aMap) {
  std::vector<TPretranslation> filled;
  const std::size_t rows = std::min(aMap.OldCats.size(), aMap.NewCats.size());
  for (std::size_t row = 0; row < rows; ++row) {
    if (aMap.NewCats[row] != aMap.OldCats[row]) continue;
    if (const TMemoryEntry* entry = aMemory.Exact(aMap.OldCats[row]))
      filled.push_back({row, entry->New});
  }
  return filled;
}
