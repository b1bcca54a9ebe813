// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// What one run of the zbl program gave back.
struct TProgramRun {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};

/// Runs the built zbl with these arguments, no standard input, and waits.
TProgramRun runZblProgram(const std::vector<std::string>& aArgs);

std::vector<std::uint8_t> readBytes(const std::string& aFile);
void writeText(const std::string& aFile, const std::string& aText);
