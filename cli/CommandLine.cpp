// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <string_view>

std::optional<TCommandLine> parseCommandLine(const std::vector<std::string>& aAllArgs) {
  // "--encoding NAME" belongs to every command, so it may stand anywhere.
  TCommandLine line;
  std::vector<std::string> aArgs;
  for (std::size_t i = 0; i < aAllArgs.size(); ++i) {
    if (aAllArgs[i] != "--encoding") {
      aArgs.push_back(aAllArgs[i]);
      continue;
    }
    if (line.Encoding || i + 1 == aAllArgs.size()) return std::nullopt;
    line.Encoding = aAllArgs[++i];
  }
  if (aArgs.empty()) return std::nullopt;
  const std::string_view word = aArgs[0];
  if (aArgs.size() == 1 && !line.Encoding &&
      (word == "--help" || word == "-h" || word == "--version")) {
    line.Command =
        word == "--version" ? TCommandLine::TCommand::Version : TCommandLine::TCommand::Help;
    return line;
  }
  std::vector<std::string> files;
  for (std::size_t i = 1; i < aArgs.size(); ++i) {
    const std::string& arg = aArgs[i];
    if (arg == "--map" && (word == "translate" || word == "check") && !line.MapFile &&
        i + 1 < aArgs.size()) {
      line.MapFile = aArgs[++i];
    } else if (arg == "--language" && word == "check" && !line.Language && i + 1 < aArgs.size()) {
      line.Language = aArgs[++i];
    } else if (arg == "--format" && word == "map" && !line.Format && i + 1 < aArgs.size()) {
      line.Format = mapFormatNamed(aArgs[++i]);
      if (!line.Format) return std::nullopt;
    } else if (arg == "--strict" && word == "translate" && !line.Strict) {
      line.Strict = true;
    } else if (arg.starts_with("--")) {
      return std::nullopt;
    } else {
      files.push_back(arg);
    }
  }

  if (word == "map" && files.size() == 2) {
    line.Command = TCommandLine::TCommand::Map;
    line.In = files[0];
    line.Out = files[1];
    return line;
  }
  if (word == "categories" || word == "items" || word == "map" || word == "check") {
    if (files.size() != 1) return std::nullopt;
    line.Command = word == "categories" ? TCommandLine::TCommand::Categories
                   : word == "items"    ? TCommandLine::TCommand::Items
                   : word == "map"      ? TCommandLine::TCommand::Map
                                        : TCommandLine::TCommand::Check;
    line.In = files[0];
    return line;
  }
  if (word == "translate") {
    if (files.size() != 2) return std::nullopt;
    line.Command = TCommandLine::TCommand::Translate;
    line.In = files[0];
    line.Out = files[1];
    return line;
  }
  return std::nullopt;
}

const char* usageText() {
  return "usage: zbl categories FILE\n"
         "       zbl items FILE\n"
         "       zbl map FILE [MAPFILE] [--format po|tsv]\n"
         "       zbl translate IN OUT [--map MAPFILE] [--strict]\n"
         "       zbl check FILE [--map MAPFILE] [--language LANG]\n"
         "       zbl --help | --version\n"
         "Every command also takes --encoding NAME, the library's code page\n"
         "(windows-1250, cp1250 or 1250; the locale's when not given).\n";
}
