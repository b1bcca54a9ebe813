// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDictionary.h"

#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

// The Latin-2 bytes of the few non-ASCII letters the words use.
std::string latin2(const std::string& aUtf8) {
  static const std::vector<std::pair<std::string, char>> letters{
      {"ł", '\xb3'}, {"ó", '\xf3'}, {"ź", '\xbc'}, {"ä", '\xe4'}, {"ą", '\xb1'}};
  std::string out = aUtf8;
  for (const auto& [utf8, byte] : letters)
    for (std::size_t at; (at = out.find(utf8)) != std::string::npos;)
      out.replace(at, utf8.size(), 1, byte);
  return out;
}

void write(const std::filesystem::path& aPath, const std::string& aText) {
  std::ofstream out(aPath, std::ios::binary);
  out << aText;
  if (!out) throw std::runtime_error("cannot write " + aPath.string());
}

}  // namespace

void WriteTestDictionary(const std::filesystem::path& aFolder, const std::string& aName,
                         const std::string& aEncoding) {
  const std::string affix = "SET " + aEncoding +
                            "\nTRY aeiouyrzwdlłóźkąnmstbg\n"
                            "SFX Y Y 1\nSFX Y 0 y .\n";
  const std::string words =
      "11\nDrzewa\ndrzewo\nkrzew/Y\nłódź\nlas\nlasy\nzielony\nBäume\nWald\nSträucher\nmapa\n";
  const bool utf8 = aEncoding == "UTF-8";
  write(aFolder / (aName + ".aff"), utf8 ? affix : latin2(affix));
  write(aFolder / (aName + ".dic"), utf8 ? words : latin2(words));
}
