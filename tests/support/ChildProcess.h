// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>
#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

/// How a child process ended, with what it wrote to its standard output and
/// standard error.
struct TChildResult {
  /// The exit status, or -1 when a signal ended it.
  int ExitCode = -1;
  /// The signal that ended it, or 0.
  int Signal = 0;
  std::string Out;
  std::string Err;
};

/// Limits a child runs under.
struct TChildLimits {
  /// RLIMIT_FSIZE in bytes, with SIGXFSZ ignored, so that a write past it
  /// fails with EFBIG instead of killing the child.
  std::optional<rlim_t> FileSize{};
  /// RLIMIT_AS set this many bytes above what the child has mapped when it
  /// starts, so that a larger allocation fails.
  std::optional<rlim_t> AddressSpaceHeadroom{};
};

/// Runs aBody in a forked child (its return value is the exit status; an
/// exception makes it 125) and waits for it.
TChildResult runInChild(const std::function<int()>& aBody, const TChildLimits& aLimits = {});

/// Runs a program with these arguments (bytes, as given) and standard input
/// on /dev/null, and waits for it.
TChildResult runProgram(const std::string& aProgram, const std::vector<std::string>& aArgs,
                        const TChildLimits& aLimits = {});

/// Starts a program without waiting; its standard streams go to /dev/null.
pid_t startProgram(const std::string& aProgram, const std::vector<std::string>& aArgs);
