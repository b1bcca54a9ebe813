// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class Hunspell;

/// A Hunspell dictionary installed: its two files and its name, the
/// language and territory it is for ("pl_PL", "de_DE").
struct TDictionary {
  std::string Name;
  std::string AffixPath;
  std::string WordsPath;
  bool operator==(const TDictionary&) const = default;
};

/// The folders dictionaries are looked for in: those DICPATH names
/// (separated by colons) when it is set, otherwise the system's.
std::vector<std::string> DictionaryFolders();

/// The dictionaries in aFolders, each a NAME.dic with its NAME.aff, by name;
/// where two folders hold one name, the first folder's.
std::vector<TDictionary> FindDictionaries(const std::vector<std::string>& aFolders);

/// The dictionary of aDictionaries for aLanguage ("pl", "pl_PL", "pl-PL",
/// "pl_PL.UTF-8"): the one of that name, otherwise the first of that
/// language. Nothing when there is none.
std::optional<TDictionary> DictionaryFor(const std::vector<TDictionary>& aDictionaries,
                                         std::string_view aLanguage);

/// Looks words up in one dictionary. Words are given and suggested in
/// UTF-16 whatever the dictionary's own encoding; the answer for each word is
/// kept, so a word asked again costs a lookup in a table.
class TSpeller {
 public:
  /// The speller of aDictionary; nothing when its files cannot be read or
  /// their encoding is unknown.
  static std::unique_ptr<TSpeller> Open(const TDictionary& aDictionary);
  ~TSpeller();
  TSpeller(const TSpeller&) = delete;
  TSpeller& operator=(const TSpeller&) = delete;

  const TDictionary& Dictionary() const { return mDictionary; }
  /// Whether the dictionary knows aWord. A word its encoding cannot write is
  /// not known.
  bool IsCorrect(std::u16string_view aWord) const;
  /// The dictionary's suggestions for aWord, best first.
  std::vector<std::u16string> Suggest(std::u16string_view aWord) const;

 private:
  TSpeller(TDictionary aDictionary, std::unique_ptr<Hunspell> aHunspell, std::string aEncoding);
  /// aWord in the dictionary's encoding; nothing when it cannot be written.
  std::optional<std::string> Encode(std::u16string_view aWord) const;
  std::u16string Decode(const std::string& aBytes) const;

  TDictionary mDictionary;
  std::unique_ptr<Hunspell> mHunspell;
  /// The dictionary's encoding as iconv names it; empty for UTF-8.
  std::string mEncoding;
  mutable std::unordered_map<std::u16string, bool> mKnown;
};
