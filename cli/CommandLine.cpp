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
    } else if ((arg == "--source-language" || arg == "--target-language") &&
               (word == "map" || word == "translate") && i + 1 < aArgs.size()) {
      std::optional<std::string>& language =
          arg == "--source-language" ? line.SourceLanguage : line.TargetLanguage;
      if (language) return std::nullopt;
      language = languageTag(aArgs[++i]);
      if (!language) return std::nullopt;
    } else if (arg == "--memory" && word == "translate" && i + 1 < aArgs.size()) {
      line.MemoryFiles.push_back(aArgs[++i]);
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
         "       zbl map FILE [MAPFILE] [--format po|tsv|tmx|xliff]\n"
         "               [--source-language LANG] [--target-language LANG]\n"
         "       zbl translate IN OUT [--map MAPFILE] [--memory FILE]... [--strict]\n"
         "               [--source-language LANG] [--target-language LANG]\n"
         "       zbl check FILE [--map MAPFILE] [--language LANG]\n"
         "       zbl --help | --version\n"
         "Every command also takes --encoding NAME, the library's code page\n"
         "(windows-1250, cp1250 or 1250; the locale's when not given).\n"
         "A TMX or XLIFF map is in English (en) and the locale's language unless\n"
         "--source-language and --target-language say otherwise; reading a TMX\n"
         "memory, they choose two of its languages.\n";
}

std::optional<std::string> languageTag(std::string_view aTag) {
  std::string out;
  std::size_t subtag = 0;
  std::size_t length = 0;
  for (const char c : aTag) {
    if (c == '-' || c == '_') {
      if (length == 0) return std::nullopt;
      if (subtag == 0 && length > 3) return std::nullopt;
      ++subtag;
      length = 0;
      out += '-';
      continue;
    }
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool digit = c >= '0' && c <= '9';
    if (!letter && !(digit && subtag > 0)) return std::nullopt;
    if (++length > 8) return std::nullopt;
    out += c;
  }
  if (length == 0 || (subtag == 0 && (length < 2 || length > 3))) return std::nullopt;
  return out;
}

std::optional<std::string> languageOfLocale(std::string_view aLocale) {
  aLocale = aLocale.substr(0, aLocale.find_first_of(".@"));
  if (aLocale == "C" || aLocale == "POSIX") return std::nullopt;
  return languageTag(aLocale);
}
