// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartArguments.h"

TStartArguments ParseStartArguments(int argc, const char* const* argv) {
  TStartArguments arguments;
  if (argc <= 1) return arguments;
  const QByteArray first(argv[1]);
  if (argc == 2 && (first == "--help" || first == "-h")) {
    arguments.Kind = TStartArguments::TKind::Help;
    return arguments;
  }
  if (argc == 2 && first == "--version") {
    arguments.Kind = TStartArguments::TKind::Version;
    return arguments;
  }
  // "-" would be standard input, which is no library file.
  if (argc > 2 || first.isEmpty() || first.startsWith('-')) {
    arguments.Kind = TStartArguments::TKind::Usage;
    return arguments;
  }
  arguments.Kind = TStartArguments::TKind::OpenFile;
  arguments.File = first;
  return arguments;
}

const char* StartUsageText() {
  return "usage: zbl-translator [FILE.zbl]\n       zbl-translator --help | --version\n";
}
