// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

/// Writes a small Hunspell dictionary, aName.aff and aName.dic, into
/// aFolder: a handful of Polish and German words ("Drzewa", "drzewo",
/// "krzewy", "łódź", "Bäume", "Wald", …), with a suffix rule that makes
/// "krzew" and "krzewy" of one entry. aEncoding is the affix file's SET:
/// "UTF-8", or "ISO8859-2" to write the files in that encoding. The tests
/// spell with it, never with a dictionary the machine happens to have.
void WriteTestDictionary(const std::filesystem::path& aFolder, const std::string& aName,
                         const std::string& aEncoding = "UTF-8");
