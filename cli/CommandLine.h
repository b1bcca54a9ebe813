// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
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
  /// Translate only: refuse a map whose new texts cannot all be stored as
  /// given.
  bool Strict = false;
};

/// The command the arguments (without the program's name) ask for, or
/// nothing when they are not one of the documented uses. For translate and
/// check, "--map MAPFILE" may stand anywhere after the command word; any
/// other argument beginning with "--" is wrong usage, but "--strict" after
/// translate, "--language LANG" after check, "--format po|tsv" after map, and
/// "--encoding NAME" anywhere, each once. "--help" or "-h", and "--version",
/// stand alone.
std::optional<TCommandLine> parseCommandLine(const std::vector<std::string>& aArgs);

/// The text printed on wrong usage and for --help, ending with a newline.
const char* usageText();
