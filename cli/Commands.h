// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

/// Exit statuses of the command-line program.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

/// Runs one command line (the arguments without the program's name): the
/// listing goes to aOut, messages and the progress bar to aErr, the bar only
/// when aErrIsTerminal. Every failure writes exactly one line to aErr,
/// "zbl: FILE: REASON" (map faults "zbl: MAPFILE:LINE: REASON"), and
/// returns kExitFailure; translate then has left its output file as it was.
/// Wrong usage writes the usage text and returns kExitUsage.
int runZbl(const std::vector<std::string>& aArgs, std::ostream& aOut, std::ostream& aErr,
           bool aErrIsTerminal);
