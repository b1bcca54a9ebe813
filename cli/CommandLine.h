// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "MapIo.h"

/// One well-formed use of the command line.
struct TCommandLine {
  enum class TCommand { Categories, Items, Map, Translate, Check, Help, Version };
  TCommand Command = TCommand::Categories;
  /// The library for Categories, Items, Map and Check; the input for Translate.
  std::string In;
  /// Translate, and Map when it writes a file rather than standard output.
  std::string Out;
  std::optional<std::string> MapFile;
  /// Map only: the format --format names; otherwise the output's name
  /// implies it, and standard output is tab-separated.
  std::optional<TMapFormat> Format;
  /// The code page named by --encoding, as given; checked by the caller.
  std::optional<std::string> Encoding;
  /// Check only: the dictionary --language names ("pl", "pl_PL", "de-DE").
  std::optional<std::string> Language;
  /// Map and Translate: the languages --source-language and
  /// --target-language name, as BCP 47 tags ("pl_PL" is given as "pl-PL").
  std::optional<std::string> SourceLanguage;
  std::optional<std::string> TargetLanguage;
  /// Translate only: the maps --memory names, in order; every category the
  /// map leaves to do takes the new text of their first entry with its very
  /// old text.
  std::vector<std::string> MemoryFiles;
  /// Translate only: refuse a map whose new texts cannot all be stored as
  /// given.
  bool Strict = false;
};

/// The command the arguments (without the program's name) ask for, or
/// nothing when they are not one of the documented uses. For translate and
/// check, "--map MAPFILE" may stand anywhere after the command word; any
/// other argument beginning with "--" is wrong usage, but "--strict" after
/// translate, "--language LANG" after check, "--format po|tsv|tmx|xliff" after
/// map, "--source-language LANG" and "--target-language LANG" (language tags)
/// after map and translate, and "--encoding NAME" anywhere, each once;
/// "--memory FILE" after translate, as often as wanted.
/// "--help" or "-h", and "--version", stand alone.
std::optional<TCommandLine> parseCommandLine(const std::vector<std::string>& aArgs);

/// The BCP 47 tag of a locale's name: "pl_PL.UTF-8" and "pl_PL@euro" give
/// "pl-PL"; nothing for "C", "POSIX", an empty name, or one that is no tag.
std::optional<std::string> languageOfLocale(std::string_view aLocale);

/// aTag as a BCP 47 tag ("pt_BR" as "pt-BR"), or nothing when it is not one:
/// subtags of letters and digits, the first of two or three letters.
std::optional<std::string> languageTag(std::string_view aTag);

/// The text printed on wrong usage and for --help, ending with a newline.
const char* usageText();
