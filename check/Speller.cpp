// SPDX-License-Identifier: GPL-3.0-or-later
#include "Speller.h"

#include <hunspell/hunspell.hxx>
#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "TextCodec.h"

namespace {

namespace fs = std::filesystem;

// aIn converted from aFrom to aTo with iconv; nothing when a character has
// no place in aTo, or iconv knows no such conversion.
std::optional<std::string> convert(const std::string& aIn, const char* aTo, const char* aFrom) {
  iconv_t cd = iconv_open(aTo, aFrom);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(aIn.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(aIn.data());
  std::size_t inLeft = aIn.size();
  char* to = out.data();
  std::size_t outLeft = out.size();
  const std::size_t done = iconv(cd, &in, &inLeft, &to, &outLeft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

// The iconv name of an encoding named in an affix file's SET line; empty for
// UTF-8.
std::string iconvName(std::string aSet) {
  std::string upper = aSet;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (upper == "UTF-8" || upper == "UTF8") return {};
  if (upper.starts_with("MICROSOFT-")) return upper.substr(10);
  return aSet;
}

// "pl-PL.UTF-8@euro" as "pl_PL".
std::string dictionaryName(std::string_view aLanguage) {
  std::string name(aLanguage.substr(0, aLanguage.find_first_of(".@")));
  std::replace(name.begin(), name.end(), '-', '_');
  return name;
}

}  // namespace

std::vector<std::string> DictionaryFolders() {
  std::vector<std::string> folders;
  if (const char* path = std::getenv("DICPATH"); path && *path) {
    std::string_view rest(path);
    while (!rest.empty()) {
      const std::size_t colon = rest.find(':');
      if (colon != 0) folders.emplace_back(rest.substr(0, colon));
      if (colon == std::string_view::npos) break;
      rest.remove_prefix(colon + 1);
    }
    return folders;
  }
  return {"/usr/share/hunspell", "/usr/share/myspell", "/usr/share/myspell/dicts"};
}

std::vector<TDictionary> FindDictionaries(const std::vector<std::string>& aFolders) {
  std::vector<TDictionary> found;
  for (const std::string& folder : aFolders) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
      const fs::path& words = entry.path();
      if (words.extension() != ".dic") continue;
      fs::path affix = words;
      affix.replace_extension(".aff");
      const std::string name = words.stem().string();
      if (!fs::is_regular_file(words, error) || !fs::is_regular_file(affix, error)) continue;
      if (std::any_of(found.begin(), found.end(),
                      [&name](const TDictionary& d) { return d.Name == name; }))
        continue;
      found.push_back({name, affix.string(), words.string()});
    }
  }
  std::sort(found.begin(), found.end(),
            [](const TDictionary& a, const TDictionary& b) { return a.Name < b.Name; });
  return found;
}

std::optional<TDictionary> DictionaryFor(const std::vector<TDictionary>& aDictionaries,
                                         std::string_view aLanguage) {
  const std::string name = dictionaryName(aLanguage);
  if (name.empty()) return std::nullopt;
  for (const TDictionary& dictionary : aDictionaries)
    if (dictionary.Name == name) return dictionary;
  const std::string language = name.substr(0, name.find('_'));
  for (const TDictionary& dictionary : aDictionaries)
    if (dictionary.Name.substr(0, dictionary.Name.find('_')) == language) return dictionary;
  return std::nullopt;
}

std::unique_ptr<TSpeller> TSpeller::Open(const TDictionary& aDictionary) {
  std::error_code error;
  if (!fs::is_regular_file(aDictionary.AffixPath, error) ||
      !fs::is_regular_file(aDictionary.WordsPath, error))
    return nullptr;
  auto hunspell =
      std::make_unique<Hunspell>(aDictionary.AffixPath.c_str(), aDictionary.WordsPath.c_str());
  std::string encoding = iconvName(hunspell->get_dict_encoding());
  // An encoding iconv does not know would make every word unknown.
  if (!encoding.empty() && !convert("a", encoding.c_str(), "UTF-8")) return nullptr;
  return std::unique_ptr<TSpeller>(
      new TSpeller(aDictionary, std::move(hunspell), std::move(encoding)));
}

TSpeller::TSpeller(TDictionary aDictionary, std::unique_ptr<Hunspell> aHunspell,
                   std::string aEncoding)
    : mDictionary(std::move(aDictionary)),
      mHunspell(std::move(aHunspell)),
      mEncoding(std::move(aEncoding)) {}

TSpeller::~TSpeller() = default;

std::optional<std::string> TSpeller::Encode(std::u16string_view aWord) const {
  // A lone surrogate is written as U+FFFD, which no dictionary holds.
  std::string bytes = utf16ToUtf8(aWord);
  if (mEncoding.empty()) return bytes;
  return convert(bytes, mEncoding.c_str(), "UTF-8");
}

std::u16string TSpeller::Decode(const std::string& aBytes) const {
  const std::optional<std::string> bytes =
      mEncoding.empty() ? std::optional<std::string>(aBytes)
                        : convert(aBytes, "UTF-8", mEncoding.c_str());
  return bytes ? utf8ToUtf16(*bytes).value_or(std::u16string()) : std::u16string();
}

bool TSpeller::IsCorrect(std::u16string_view aWord) const {
  const std::u16string word(aWord);
  if (const auto known = mKnown.find(word); known != mKnown.end()) return known->second;
  const std::optional<std::string> bytes = Encode(aWord);
  const bool correct = bytes && mHunspell->spell(*bytes);
  mKnown.emplace(word, correct);
  return correct;
}

std::vector<std::u16string> TSpeller::Suggest(std::u16string_view aWord) const {
  std::vector<std::u16string> suggestions;
  const std::optional<std::string> bytes = Encode(aWord);
  if (!bytes) return suggestions;
  for (const std::string& suggestion : mHunspell->suggest(*bytes))
    if (std::u16string text = Decode(suggestion); !text.empty())
      suggestions.push_back(std::move(text));
  return suggestions;
}
