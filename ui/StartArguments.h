// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

/// What the window program is asked to do at start: nothing more than show
/// its window, or also open one library (as a file manager asks with
/// "zbl-translator FILE").
struct TStartArguments {
  enum class TKind { Plain, OpenFile, Help, Version, Usage };
  TKind Kind = TKind::Plain;
  /// OpenFile: the name exactly as given, in the file system's bytes.
  QByteArray File;
};

/// Reads the arguments Qt has left (argv[0] is the program). One argument
/// that is not an option names a library; anything else is wrong usage.
TStartArguments ParseStartArguments(int argc, const char* const* argv);

/// The one-line usage printed on wrong usage.
const char* StartUsageText();
